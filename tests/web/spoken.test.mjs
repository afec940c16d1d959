// SPDX-License-Identifier: MIT
// The page to a screen reader and a keyboard: roles, names and values from
// Chromium's accessibility tree in both languages, arrows pressed without a
// pointer, the focus at every stop, and axe-core's rules.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { test } from 'node:test';
import * as web from './lib.mjs';
import { session } from './session.mjs';

const site = session();
const { ready } = site;
const AXE = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

const LANGUAGES = [
  { locale: 'ja-JP', lang: 'ja' },
  { locale: 'en-US', lang: 'en' },
  // Neither: the program's own language.
  { locale: 'fr-FR', lang: 'ja' },
];

// What a screen reader meets for one row of the table: each element that
// carries a name, with its role and its name in the page's language. A plain
// label is read as its text and carries none.
function spoken(row, lang) {
  const say = (key) => row[lang === 'ja' ? `${key}_ja` : key];
  const at = `[data-name="${row.name}"]`;
  switch (row.kind) {
    case 'Frame':
      return [{ selector: at, role: 'group', name: say('spoken') }];
    case 'Label':
      return row.shows_value ? [{ selector: at, role: 'status', name: say('spoken') }] : [];
    case 'OptionButton':
      return [{ selector: `${at} input`, role: 'radio', name: say('spoken') }];
    case 'CommandButton':
      return [{ selector: at, role: 'button', name: say('spoken') }];
    case 'PictureBox':
      return [{ selector: at, role: 'image', name: say('spoken') }];
    case 'SpinButton':
      return [
        { selector: at, role: 'spinbutton', name: say('spoken') },
        { selector: `${at} button.up`, role: 'button', name: say('up') },
        { selector: `${at} button.down`, role: 'button', name: say('down') },
      ];
    default:
      throw new Error(`no rule for ${row.kind}`);
  }
}

// Chromium's accessibility nodes of elements, by selector.
async function axTree(page) {
  const cdp = await page.context().newCDPSession(page);
  const { root } = await cdp.send('DOM.getDocument', { depth: 0 });
  return async (selector) => {
    const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector });
    assert.ok(nodeId, `no element ${selector}`);
    const [node] = (await cdp.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: false })).nodes;
    const property = (name) => node.properties?.find((p) => p.name === name)?.value.value;
    return {
      id: node.nodeId, parent: node.parentId, role: node.role?.value, name: node.name?.value ?? '',
      ignored: node.ignored, value: node.value?.value, property,
    };
  };
}

test('in the browser\'s language: lang, each control\'s role and name, each spinner\'s value and minimum', async (t) => {
  const rows = web.layoutRows();
  for (const { locale, lang } of LANGUAGES) {
    await t.test(locale, async () => {
      const { page, problems, close } = await ready({ locale });
      try {
        assert.equal(await page.getAttribute('html', 'lang'), lang);
        const ax = await axTree(page);
        const wrong = [];
        for (const row of rows) {
          for (const want of spoken(row, lang)) {
            const got = await ax(want.selector);
            if (got.ignored || got.role !== want.role || got.name !== want.name) {
              wrong.push(`${want.selector}: ${got.role} "${got.name}"${got.ignored ? ' (hidden)' : ''}, not ${want.role} "${want.name}"`);
            }
          }
        }
        assert.deepEqual(wrong, []);

        // A frame holds what it holds on the desktop, wherever the document has it.
        const kinds = new Map(rows.map((r) => [r.name, r.kind]));
        const astray = [];
        for (const row of rows.filter((r) => kinds.get(r.container) === 'Frame')) {
          const [node, frame] = [await ax(`[data-name="${row.name}"]`), await ax(`[data-name="${row.container}"]`)];
          if (node.parent !== frame.id) astray.push(`${row.name} not in ${row.container}`);
        }
        assert.deepEqual(astray, []);

        // A press changes the value a reader hears; the floor is the handlers'.
        const spinners = rows.filter((r) => r.kind === 'SpinButton');
        await web.control(page, 'SpinButton3(1)').locator('button.up').evaluate((b) => b.click());
        const values = [];
        const expected = [];
        for (const row of spinners) {
          const got = await ax(`[data-name="${row.name}"]`);
          values.push(`${row.name}: ${got.value} from ${got.property('valuemin')}`);
          expected.push(`${row.name}: ${Number(await web.text(page, row.value_label))} from ${row.minimum}`);
        }
        assert.deepEqual(values, expected);
        assert.ok(values.includes('SpinButton3(1): 1 from 0'), values.join('\n'));
        assert.deepEqual(problems, []);
      } finally {
        await close();
      }
    });
  }
});

// Each row presses an arrow of the frequency spinner of wave A, one way or
// another; a pointer presses at pointerdown, so its click must not press again.
const PRESSES = [
  { name: 'click()', arrow: 'up', step: +1, act: ({ arrow }) => arrow.evaluate((b) => b.click()) },
  { name: 'Enter on the focused upper arrow', arrow: 'up', step: +1, act: ({ page, arrow }) => arrow.focus().then(() => page.keyboard.press('Enter')) },
  { name: 'Space on the focused upper arrow', arrow: 'up', step: +1, act: ({ page, arrow }) => arrow.focus().then(() => page.keyboard.press('Space')) },
  { name: 'Space on the focused lower arrow', arrow: 'down', step: -1, act: ({ page, arrow }) => arrow.focus().then(() => page.keyboard.press('Space')) },
  { name: 'click() on the lower arrow', arrow: 'down', step: -1, act: ({ arrow }) => arrow.evaluate((b) => b.click()) },
  { name: 'a mouse click', arrow: 'up', step: +1, act: ({ arrow }) => arrow.click() },
  { name: 'a tap', arrow: 'up', step: +1, act: ({ arrow }) => arrow.tap() },
];

test('an arrow presses once for each click(), Enter, Space, mouse click or tap', async (t) => {
  const { page, problems, close } = await ready({ hasTouch: true, locale: 'en-US' });
  try {
    // No hold can repeat while the clock stands still.
    await page.clock.install({ time: 0 });
    await page.clock.pauseAt(1000);
    const spinner = web.control(page, 'SpinButton4(0)');
    const value = async () => Number(await web.text(page, 'Labelb(0)'));
    await spinner.focus();
    await page.keyboard.press('ArrowUp');
    for (const row of PRESSES) {
      await t.test(row.name, async () => {
        const before = await value();
        await row.act({ page, arrow: spinner.locator(`button.${row.arrow}`) });
        assert.equal(await value(), before + row.step);
        assert.equal(Number(await spinner.getAttribute('aria-valuenow')), before + row.step);
      });
    }
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

test('every tab stop shows its focus, none needs a positive tabindex, and names sit on roles that carry them', async () => {
  const { page, problems, close } = await ready({ locale: 'en-US' });
  try {
    const attributes = await page.evaluate(() => ({
      positive: [...document.querySelectorAll('[tabindex]')].filter((e) => e.tabIndex > 0).map((e) => e.outerHTML.slice(0, 60)),
      // An element that names itself: a control of the browser's own, or one given a role.
      bare: [...document.querySelectorAll('[aria-label]')]
        .filter((e) => !['BUTTON', 'INPUT'].includes(e.tagName) && !e.hasAttribute('role'))
        .map((e) => e.dataset.name ?? e.outerHTML.slice(0, 60)),
    }));
    assert.deepEqual(attributes, { positive: [], bare: [] });

    // Each stop as Tab reaches it, then as the next Tab leaves it.
    const focusedName = () => page.evaluate(() => document.activeElement?.closest('[data-name]')?.dataset.name ?? null);
    const shot = (box) => page.screenshot({ clip: { x: box.x - 3, y: box.y - 3, width: box.width + 6, height: box.height + 6 } });
    await page.evaluate(() => document.activeElement?.blur());
    await page.keyboard.press('Tab');
    const unseen = [];
    const visited = [];
    for (let name = await focusedName(); name && !visited.includes(name); ) {
      visited.push(name);
      const box = await web.control(page, name).boundingBox();
      const focused = await shot(box);
      await page.keyboard.press('Tab');
      if (focused.equals(await shot(box))) unseen.push(name);
      name = await focusedName();
    }
    const stops = web.tabOrder().filter((r) => r.kind !== 'OptionButton').length + 6;
    assert.equal(visited.length, stops, visited.join(' '));
    assert.deepEqual(unseen, []);

    // An arrow that a screen reader's cursor focuses shows it too.
    const arrow = web.control(page, 'SpinButton1').locator('button.down');
    const box = await arrow.boundingBox();
    const resting = await shot(box);
    await arrow.focus();
    assert.ok(!resting.equals(await shot(box)), 'a focused arrow looks as before');
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

test('axe-core finds nothing serious or critical but the program\'s own colours', async (t) => {
  for (const { locale } of LANGUAGES.slice(0, 2)) {
    await t.test(locale, async () => {
      // The page's policy refuses any script but its own, axe-core's too.
      const { page, close } = await ready({ locale, bypassCSP: true });
      try {
        await page.addScriptTag({ path: AXE });
        const found = await page.evaluate(async () => {
          const { violations } = await globalThis.axe.run(document, { resultTypes: ['violations'] });
          return violations.map((v) => ({ id: v.id, impact: v.impact, where: v.nodes.map((n) => n.target.join(' ')).slice(0, 3) }));
        });
        const serious = found.filter((v) => ['serious', 'critical'].includes(v.impact) && v.id !== 'color-contrast');
        assert.deepEqual(serious, []);
      } finally {
        await close();
      }
    });
  }
});

test('a load that fails says so in the browser\'s language', async (t) => {
  for (const { locale, lang } of LANGUAGES) {
    await t.test(locale, async () => {
      const beforeLoad = (page) => page.addInitScript(() => delete globalThis.WebAssembly);
      const { page, close } = await web.openPage(site.browser, `${site.server.origin}/`, { beforeLoad, locale });
      try {
        const line = page.locator('#load-error');
        await line.waitFor({ state: 'visible', timeout: 10000 });
        const text = await line.innerText();
        assert.equal(await page.getAttribute('html', 'lang'), lang);
        assert.equal(/[\u3040-\u30ff\u4e00-\u9fff]/.test(text), lang === 'ja', text);
        assert.match(text, /WebAssembly/);
      } finally {
        await close();
      }
    });
  }
});
