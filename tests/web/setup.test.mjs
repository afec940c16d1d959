// SPDX-License-Identifier: MIT
// The set-up in the page's address: opened, kept, followed, pasted, and
// survived when it is nonsense.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import * as web from './lib.mjs';
import { session } from './session.mjs';

const site = session();
const PLOTS = ['Grph(0)', 'Grph(1)', 'Grph(2)', 'Grph(3)', 'Gr'];
const LABELS = ['Labela(0)', 'Labelb(0)', 'Labela(1)', 'Labelb(1)', 'Labela(2)', 'Labelb(2)', 'labelt', 'value_t'];
const times = (n, step) => Array(n).fill(step);

// The presses, and the address they leave.
const PRESSED = {
  steps: [...times(5, 'SpinButton3(0)+'), 'SpinButton4(0)+', ...times(3, 'SpinButton3(1)+'), 'switch_s(1)',
    'Option2', ...times(5, 'SpinButton4(1)+'), ...times(2, 'SpinButton3(2)+'), ...times(2, 'SpinButton1+')],
  hash: '#A=5cos1&B=3sin2.5&C=2cos0&t=3&step_f=0.5',
};

async function look(page) {
  const canvases = {};
  for (const name of PLOTS) canvases[name] = Buffer.from((await web.readCanvas(page, name)).data).toString('base64');
  const labels = {};
  for (const name of LABELS) labels[name] = await web.text(page, name);
  const steps = await page.$$eval('input[type=radio]:checked', (all) => all.map((i) => i.closest('[data-name]').dataset.name));
  return { canvases, labels, steps };
}

const hashOf = (page) => new URL(page.url()).hash;
// The address is written at most every 250 ms; the last change always lands.
const hashBecomes = (page, hash) => page.waitForFunction((h) => location.hash === h, hash, { timeout: 15000 }).then(() => hash);

test('an address opens the set-up as presses reach it, a reload keeps it, and Back is not flooded', async () => {
  const pressed = await site.ready();
  const opened = await web.openPage(site.browser, `${site.server.origin}/${PRESSED.hash}`);
  try {
    const { page } = pressed;
    const entries = await page.evaluate(() => history.length);
    for (const step of PRESSED.steps) await web.press(page, step);
    await hashBecomes(page, PRESSED.hash);
    assert.equal(await page.evaluate(() => history.length), entries, 'the address replaced, never pushed');
    const want = await look(page);
    assert.deepEqual(want.labels['Labelb(1)'], '2.5');

    await web.waitReady(opened.page);
    assert.deepEqual(await look(opened.page), want);
    await opened.page.reload();
    await web.waitReady(opened.page);
    assert.equal(hashOf(opened.page), PRESSED.hash);
    assert.deepEqual(await look(opened.page), want);
    assert.deepEqual([...pressed.problems, ...opened.problems], []);
  } finally {
    await pressed.close();
    await opened.close();
  }
});

test('an address edited while open, and a set-up pasted by Ctrl+V or the menu, are applied; Ctrl+Shift+C copies the link', async () => {
  const { page, problems, close } = await site.ready();
  try {
    await page.context().grantPermissions(['clipboard-read', 'clipboard-write']);
    await page.evaluate(() => { location.hash = 'A=2sin0.5&t=4'; });
    await page.waitForFunction(() => document.querySelector('[data-name="value_t"]').textContent.trim() === '4');
    assert.deepEqual([await web.text(page, 'Labela(0)'), await web.text(page, 'Labelb(0)')], ['2', '0.5']);
    assert.ok(await web.control(page, 'switch_s(0)').locator('input').isChecked());
    await hashBecomes(page, '#A=2sin0.5&t=4');

    // A paste with no set-up in it leaves the window alone; one with a set-up replaces it.
    for (const [text, a] of [['hello', '2'], ['http://example.invalid/#B=1cos3', '0']]) {
      await page.evaluate((t) => navigator.clipboard.writeText(t), text);
      await web.control(page, 'Gr').focus();
      await page.keyboard.press('Control+V');
      await page.waitForFunction((v) => document.querySelector('[data-name="Labela(0)"]').textContent.trim() === v, a);
    }
    await hashBecomes(page, '#B=1cos3&t=1');
    // The menu's paste asks the clipboard itself.
    await page.evaluate(() => navigator.clipboard.writeText('A=3cos2&B=1cos3'));
    await web.control(page, 'Gr').click({ button: 'right' });
    await page.getByRole('menuitem', { name: /Paste set-up|設定を貼り付け/ }).click();
    await page.waitForFunction(() => document.querySelector('[data-name="Labela(0)"]').textContent.trim() === '3');
    await hashBecomes(page, '#A=3cos2&B=1cos3&t=1');
    await page.keyboard.press('Control+Shift+C');
    await page.waitForFunction(() => navigator.clipboard.readText().then((t) => t === `${location.origin}/#A=3cos2&B=1cos3&t=1`));
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

test('a held arrow replaces the address at most four times a second, and its last value lands', async () => {
  const { page, problems, close } = await site.ready();
  try {
    await page.clock.install({ time: 0 });
    await page.clock.pauseAt(1000);
    await page.evaluate(() => {
      window.writes = [];
      const replace = history.replaceState.bind(history);
      history.replaceState = (state, title, url) => { window.writes.push([performance.now(), url]); replace(state, title, url); };
    });
    const box = await web.control(page, 'SpinButton4(3)').locator('button.up').boundingBox();
    await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    await page.mouse.down();
    await page.clock.runFor(3000);
    await page.mouse.up();
    await page.clock.runFor(300);
    const writes = await page.evaluate(() => window.writes);
    const label = await web.text(page, 'Labelb(3)');
    assert.ok(Number(label) > 50, `the hold pressed ${label} times`);
    const gaps = writes.slice(1).map(([t], i) => t - writes[i][0]);
    assert.ok(gaps.every((g) => g >= 250), `gaps ${gaps}`);
    assert.ok(writes.length >= 12 && writes.length <= 14, `${writes.length} writes`);
    assert.equal(writes.at(-1)[1], `#D=0cos${label}&t=1`);
    assert.equal(hashOf(page), `#D=0cos${label}&t=1`);
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

const big = 'A=5cos1&'.repeat(12500);
// Each: the address, and the labels of A, B and the span it leaves.
const BAD = [
  { name: '100 KB of text', hash: big, shows: ['5', '1', '0', '1'] },
  { name: '100 KB of one word', hash: 'x'.repeat(100000), shows: ['0', '0', '0', '1'] },
  { name: 'broken percent-escapes', hash: 'A=%E3%81%5cos1&B=%zz&%&t=%', shows: ['0', '0', '0', '1'] },
  { name: 'NaN', hash: 'A=NaNcosNaN&t=NaN', shows: ['0', '0', '0', '1'] },
  { name: '1e400', hash: 'A=1e400cos1e400&t=1e400', shows: ['0', '0', '0', '1'] },
  { name: 'out of range, clamped', hash: 'A=99cos-3&B=-1sin1&t=0', shows: ['10.9', '0', '0', '1'] },
  { name: 'a readable part among broken ones', hash: '%%%&B=2sin3&&=&A=', shows: ['0', '0', '2', '1'] },
];

test('a bad address leaves a working window, RESET included, with no error', async (t) => {
  for (const row of BAD) {
    await t.test(row.name, async () => {
      const { page, problems, close } = await web.openPage(site.browser, `${site.server.origin}/#${row.hash}`);
      try {
        await web.waitReady(page);
        const shows = [];
        for (const name of ['Labela(0)', 'Labelb(0)', 'Labela(1)', 'value_t']) shows.push(await web.text(page, name));
        assert.deepEqual(shows, row.shows);
        assert.ok(hashOf(page).length < 200, 'the address says the set-up, not the nonsense');
        await web.press(page, 'SpinButton1+');
        await web.press(page, 'Command1');
        assert.deepEqual([await web.text(page, 'labelt'), await web.text(page, 'value_t')], ['1', '1']);
        await web.press(page, 'SpinButton3(3)+');
        assert.equal(await web.text(page, 'Labela(3)'), '1');
        assert.deepEqual(problems, []);
      } finally {
        await close();
      }
    });
  }
});
