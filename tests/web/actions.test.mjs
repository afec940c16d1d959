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

// The window as Ctrl+C puts it on the clipboard, decoded.
async function copyPicture(page) {
  await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
  // The clipboard is the browser's, shared by every page: no earlier picture may answer.
  await page.evaluate(() => navigator.clipboard.writeText(''));
  await page.keyboard.press('Control+C');
  const png = await page.evaluate(async () => {
    const deadline = Date.now() + 10000;
    while (Date.now() < deadline) {
      for (const item of await navigator.clipboard.read()) {
        if (item.types.includes('image/png')) {
          const bytes = new Uint8Array(await (await item.getType('image/png')).arrayBuffer());
          return Array.from(bytes, (b) => String.fromCharCode(b)).join('');
        }
      }
      await new Promise((r) => setTimeout(r, 100));
    }
    return null;
  });
  assert.ok(png, 'a PNG on the clipboard');
  return web.decodePng(Buffer.from(png, 'latin1'));
}

test('the copied picture draws every frame and RESET as the screen shows them: their edges and all their background', async () => {
  const { page, problems, close } = await site.ready({ viewport: { width: web.APP_WIDTH, height: web.APP_HEIGHT } });
  try {
    await page.evaluate(() => document.fonts.ready);
    await web.control(page, 'Gr').focus();
    const screen = web.decodePng(await page.screenshot());
    const picture = await copyPicture(page);
    const rects = web.tableRects();
    const wrong = [];
    for (const row of web.layoutRows().filter((r) => ['Frame', 'CommandButton'].includes(r.kind))) {
      const { left, top, width, height } = rects.get(row.name);
      // A titled frame's edge runs through its caption's line.
      const edge = top + (row.kind === 'Frame' && row.caption ? 7 : 0);
      const [right, bottom, middle] = [left + width - 1, top + height - 1, Math.round(top + height / 2)];
      const centre = Math.round(left + width / 2);
      const points = row.kind === 'Frame'
        ? [[left, edge], [right, edge], [left, bottom], [right, bottom], [right, middle],
          [left + 1, edge + 1], [right - 1, edge + 1], [left + 1, bottom - 1], [right - 1, middle], [right - 2, top + 1]]
        // A button's corners are rounded, and blended by whoever draws them.
        : [[left, middle], [right, middle], [centre, top], [centre, bottom], [left + 1, middle], [right - 1, middle]];
      for (const [x, y] of points) {
        const [want, got] = [web.rgbAt(screen, x, y), web.rgbAt(picture, x, y)];
        if (want !== got) wrong.push(`${row.name} at (${x}, ${y}): ${web.hex(got)}, on screen ${web.hex(want)}`);
      }
    }
    assert.deepEqual(wrong, []);
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

test('Ctrl+C puts the window on the clipboard as a PNG with the plots\' own pixels; Ctrl+P prints it with its link', async () => {
  const { page, problems, close } = await site.ready();
  try {
    for (const step of ['SpinButton3(0)+', 'SpinButton3(0)+', 'SpinButton4(0)+', 'SpinButton4(0)+']) await web.press(page, step);
    await web.control(page, 'Gr').focus();
    const picture = await copyPicture(page);
    assert.ok(Math.abs(picture.width / picture.height - 460 / 466) < 0.01, `${picture.width}x${picture.height}`);
    // The picture against the canvases: A's plot (no label over it) at its place.
    const canvas = await web.readCanvas(page, 'Grph(0)');
    const [x, y] = await web.control(page, 'Grph(0)').locator('canvas').evaluate((c, [width, height]) => {
      const app = document.getElementById('app').getBoundingClientRect();
      const box = c.getBoundingClientRect();
      return [Math.round((box.left - app.left) / app.width * width), Math.round((box.top - app.top) / app.height * height)];
    }, [picture.width, picture.height]);
    let differ = 0;
    for (let row = 0; row < canvas.height; row++) {
      for (let i = 0; i < 4 * canvas.width; i++) {
        differ += picture.data[4 * ((y + row) * picture.width + x) + i] !== canvas.data[4 * row * canvas.width + i] ? 1 : 0;
      }
    }
    assert.equal(differ, 0, 'A\'s plot copied pixel for pixel');

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
