// SPDX-License-Identifier: MIT
// The window's actions: its context menu in both languages, the samples as
// a CSV download, the window as a PNG on the clipboard, and print.
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { test } from 'node:test';
import * as web from './lib.mjs';
import { session } from './session.mjs';

const site = session();

const MENUS = [
  {
    locale: 'ja-JP',
    items: [['設定をコピー', 'Ctrl+Shift+C'], ['設定を貼り付け', 'Ctrl+V'], ['CSVで保存', 'Ctrl+S'],
      ['画像をコピー', 'Ctrl+C'], ['印刷', 'Ctrl+P'], ['音を鳴らす', 'Ctrl+M']],
  },
  {
    locale: 'en-US',
    items: [['Copy set-up', 'Ctrl+Shift+C'], ['Paste set-up', 'Ctrl+V'], ['Save as CSV', 'Ctrl+S'],
      ['Copy picture', 'Ctrl+C'], ['Print', 'Ctrl+P'], ['Play sound', 'Ctrl+M']],
  },
];

// Each way to open the menu, from a page whose focus is on A's amplitude.
const OPENERS = [
  { name: 'right click', open: (page) => web.control(page, 'Gr').click({ button: 'right' }) },
  { name: 'Shift+F10', keyboard: true, open: (page) => page.keyboard.press('Shift+F10') },
  { name: 'the Menu key', keyboard: true, open: (page) => page.keyboard.press('ContextMenu') },
  {
    // Held on an option: the menu opens at half a second, and the option is left alone.
    name: 'a long press',
    open: async (page) => {
      const box = await web.control(page, 'switch_s(1)').boundingBox();
      const at = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
      const cdp = await page.context().newCDPSession(page);
      await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [at] });
      await page.clock.runFor(480);
      assert.ok(await page.locator('#wave-menu').isHidden(), 'not before half a second');
      await page.clock.runFor(40);
      await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    },
  },
];

const menuItems = (page) => page.$$eval('#wave-menu [role=menuitem]:not([hidden])', (all) =>
  all.map((i) => [i.querySelector('.name').textContent, i.querySelector('.keys').textContent]));
const focusedItem = (page) => page.evaluate(() => document.activeElement.closest('[role=menuitem]')?.querySelector('.name').textContent ?? null);
const appShot = (page) => page.locator('#app').screenshot();

test('the context menu lists the actions with their keys in the browser\'s language, and leaves no trace', async (t) => {
  for (const { locale, items } of MENUS) {
    await t.test(locale, async (t2) => {
      const { page, problems, close } = await site.ready({ locale, hasTouch: true });
      try {
        await page.clock.install({ time: 0 });
        await page.clock.pauseAt(1000);
        // Focused and left once first, as the openers leave it: a spinner that
        // has had the focus is drawn a shade apart at its edge.
        await web.control(page, 'SpinButton3(0)').focus();
        await page.evaluate(() => document.activeElement?.blur());
        const before = await appShot(page);
        for (const { name, keyboard, open } of OPENERS) {
          await t2.test(name, async () => {
            await web.control(page, 'SpinButton3(0)').focus();
            await open(page);
            await page.locator('#wave-menu').waitFor({ state: 'visible' });
            assert.equal(await page.getAttribute('#wave-menu', 'role'), 'menu');
            assert.deepEqual(await menuItems(page), items);
            // A finger lifted after a long press may take the focus with it.
            if (name === 'a long press') await page.keyboard.press('Home');
            assert.equal(await focusedItem(page), items[0][0]);
            await page.keyboard.press('ArrowUp');
            assert.equal(await focusedItem(page), items.at(-1)[0], 'round from the first to the last');
            await page.keyboard.press('ArrowDown');
            await page.keyboard.press('ArrowDown');
            assert.equal(await focusedItem(page), items[1][0]);
            await page.keyboard.press('Escape');
            assert.ok(await page.locator('#wave-menu').isHidden());
            if (keyboard) {
              const back = await page.evaluate(() => document.activeElement.closest('[data-name]')?.dataset.name);
              assert.equal(back, 'SpinButton3(0)', 'the focus goes back');
            }
          });
        }
        assert.ok(!(await web.control(page, 'switch_s(1)').locator('input').isChecked()), 'the long press chose nothing');
        await page.evaluate(() => document.activeElement?.blur());
        // The window's edges are smoothed and may come out a shade apart from one
        // capture to the next; a menu left behind would differ by far more.
        const [a, b] = [web.decodePng(before), web.decodePng(await appShot(page))];
        let apart = 0;
        for (let i = 0; i < a.data.length; i++) apart += Math.abs(a.data[i] - b.data[i]) > 16 ? 1 : 0;
        assert.equal(apart, 0, 'the window\'s pixels as before the menu');
        assert.deepEqual(problems, []);
      } finally {
        await close();
      }
    });
  }
});

// The rows of a CSV as numbers, after its header.
function parseCsv(text) {
  const lines = text.split('\r\n');
  assert.equal(lines.at(-1), '', 'ends with a line end');
  assert.equal(lines[0], 't,A,B,C,D,E');
  return lines.slice(1, -1).map((line) => {
    const cells = line.split(',');
    assert.equal(cells.length, 6, line);
    return cells.map((c) => {
      assert.match(c, /^-?\d+(\.\d+)?$/, `a plain decimal: ${line}`);
      return Number(c);
    });
  });
}

const SAVES = [
  { name: 'Ctrl+S', save: (page) => page.keyboard.press('Control+S') },
  {
    name: 'the menu',
    save: async (page) => {
      await web.control(page, 'Gr').click({ button: 'right' });
      await page.getByRole('menuitem', { name: /CSV/ }).click();
    },
  },
];

test('the samples are saved as a CSV whose E is A+B+C+D and whose A is a·cos(2πft)', async (t) => {
  const { page, problems, close } = await web.openPage(site.browser, `${site.server.origin}/#A=5cos1&B=3sin2.5&C=1.5cos0.3&t=3`,
    { acceptDownloads: true });
  try {
    await web.waitReady(page);
    for (const { name, save } of SAVES) {
      await t.test(name, async () => {
        const [download] = await Promise.all([page.waitForEvent('download'), save(page)]);
        assert.equal(download.suggestedFilename(), 'waves_A5cos1_B3sin2.5_C1.5cos0.3_t3.csv');
        const rows = parseCsv(await readFile(await download.path(), 'utf8'));
        assert.ok(rows.length > 100, `${rows.length} rows`);
        assert.equal(rows[0][0], 0);
        assert.ok(Math.abs(rows.at(-1)[0] - 3) < 0.05, `the last row at ${rows.at(-1)[0]} s`);
        const wrong = rows.filter(([time, a, b, c, d, e]) =>
          Math.abs(a + b + c + d - e) > 1e-3 || Math.abs(a - 5 * Math.cos(2 * Math.PI * time)) > 1e-3 || d !== 0);
        assert.deepEqual(wrong.slice(0, 3), []);
      });
    }
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

test('Ctrl+C puts the window on the clipboard as a PNG with the plots\' own pixels; Ctrl+P prints it with its link', async () => {
  const { page, problems, close } = await site.ready();
  try {
    await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
    for (const step of ['SpinButton3(0)+', 'SpinButton3(0)+', 'SpinButton4(0)+', 'SpinButton4(0)+']) await web.press(page, step);
    await web.control(page, 'Gr').focus();
    await page.keyboard.press('Control+C');
    // The picture against the canvases: A's plot (no label over it) at its place.
    const found = await page.evaluate(async () => {
      const deadline = Date.now() + 10000;
      let blob = null;
      while (!blob && Date.now() < deadline) {
        for (const item of await navigator.clipboard.read()) {
          if (item.types.includes('image/png')) blob = await item.getType('image/png');
        }
        if (!blob) await new Promise((r) => setTimeout(r, 100));
      }
      if (!blob) return null;
      const bitmap = await createImageBitmap(blob);
      const picture = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
      picture.drawImage(bitmap, 0, 0);
      const canvas = document.querySelector('[data-name="Grph(0)"] canvas');
      const app = document.getElementById('app').getBoundingClientRect();
      const box = canvas.getBoundingClientRect();
      const ratio = bitmap.width / 460;
      const [x, y] = [Math.round((box.left - app.left) / app.width * 460 * ratio), Math.round((box.top - app.top) / app.height * 466 * ratio)];
      const got = picture.getImageData(x, y, canvas.width, canvas.height).data;
      const want = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
      let differ = 0;
      for (let i = 0; i < want.length; i++) differ += got[i] !== want[i] ? 1 : 0;
      return { width: bitmap.width, height: bitmap.height, differ };
    });
    assert.ok(found, 'a PNG on the clipboard');
    assert.ok(Math.abs(found.width / found.height - 460 / 466) < 0.01, `${found.width}x${found.height}`);
    assert.equal(found.differ, 0, 'A\'s plot copied pixel for pixel');

    await page.evaluate(() => { window.printed = 0; window.print = () => { window.printed++; }; });
    await page.keyboard.press('Control+P');
    assert.equal(await page.evaluate(() => window.printed), 1);
    // The sheet's top margin names the set-up the window shows.
    const margin = await page.evaluate(() => [...document.adoptedStyleSheets].flatMap((s) => [...s.cssRules]).map((r) => r.cssText).join());
    assert.match(margin, /@top-center/);
    assert.ok(margin.includes('"http://127.0.0.1:') && margin.includes('/#A=2cos2&t=1"'), margin);
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});
