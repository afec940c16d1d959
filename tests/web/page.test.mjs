// SPDX-License-Identifier: MIT
// The page as a learner meets it: loading, where every control stands, a
// held arrow, the keyboard, the single file from disk, and a failed load.
import assert from 'node:assert/strict';
import path from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';
import * as web from './lib.mjs';
import { session } from './session.mjs';

const site = session();
const { ready } = site;

test('loads with no error, no failed or foreign request, under a policy that refuses other hosts', async () => {
  const { page, problems, close } = await ready();
  try {
    assert.equal(await page.title(), '波の合成');
    await page.evaluate(async () => {
      await document.fonts.ready;
    });
    assert.deepEqual(problems, []);
    const policy = await page.getAttribute('meta[http-equiv="Content-Security-Policy"]', 'content');
    assert.ok(policy && !/'unsafe-eval'/.test(policy), `policy: ${policy}`);
    // A request to another host is refused before it leaves the page.
    const outcome = await page.evaluate(async () => {
      // The report may come after the refusal; a busy machine only delays it.
      const refused = new Promise((resolve) => {
        document.addEventListener('securitypolicyviolation', () => resolve(true), { once: true });
        setTimeout(() => resolve(false), 10000);
      });
      const fetched = await fetch('http://127.0.0.1:9/elsewhere').then(() => 'fetched', () => 'failed');
      return { fetched, refused: await refused };
    });
    assert.deepEqual(outcome, { fetched: 'failed', refused: true });
  } finally {
    await close();
  }
});

const VIEWPORTS = [
  { name: '460x466, app scale 1', viewport: { width: 460, height: 466 } },
  { name: '1366x768', viewport: { width: 1366, height: 768 } },
  { name: '1920x1080 at devicePixelRatio 2', viewport: { width: 1920, height: 1080 }, deviceScaleFactor: 2 },
];

test('the app box fills the viewport, centred, and every control stands at its place in the table', async (t) => {
  const expected = web.tableRects();
  for (const { name, ...options } of VIEWPORTS) {
    await t.test(name, async () => {
      const { page, close } = await ready(options);
      try {
        const boxes = await page.evaluate(() => {
          const rect = (e) => {
            const r = e.getBoundingClientRect();
            return { left: r.left, top: r.top, width: r.width, height: r.height };
          };
          const all = {};
          for (const e of document.querySelectorAll('[data-name]')) {
            all[e.dataset.name] = all[e.dataset.name] ? 'twice' : rect(e);
          }
          return { app: rect(document.getElementById('app')), all };
        });
        const { app, all } = boxes;
        const { width: vw, height: vh } = options.viewport;
        const scale = app.width / web.APP_WIDTH;
        assert.ok(Math.abs(scale - Math.min(vw / web.APP_WIDTH, vh / web.APP_HEIGHT)) < 0.01, `scale ${scale}`);
        assert.ok(Math.abs(app.height / web.APP_HEIGHT - scale) < 0.01, 'scaled alike both ways');
        assert.ok(Math.abs(app.left - (vw - app.width) / 2) <= 1 && Math.abs(app.top - (vh - app.height) / 2) <= 1,
          `centred: ${JSON.stringify(app)}`);

        const misplaced = [];
        for (const [control, want] of expected) {
          const box = all[control];
          if (!box || box === 'twice') {
            misplaced.push(`${control}: ${box ? 'two elements' : 'no element'}`);
            continue;
          }
          const got = {
            left: (box.left - app.left) / scale,
            top: (box.top - app.top) / scale,
            width: box.width / scale,
            height: box.height / scale,
          };
          if (['left', 'top', 'width', 'height'].some((k) => Math.abs(got[k] - want[k]) > 0.51)) {
            const show = (r) => ['left', 'top', 'width', 'height'].map((k) => r[k].toFixed(1)).join(',');
            misplaced.push(`${control}: ${show(got)} instead of ${show(want)}`);
          }
        }
        assert.equal(Object.keys(all).length, expected.size, 'one element per control, no more');
        assert.deepEqual(misplaced, []);
      } finally {
        await close();
      }
    });
  }
});

// Each row holds the upper arrow of a spinner of its own, one that the hold
// cannot take to its limit, and ends the hold its own way after `hold` ms.
const HOLDS = [
  {
    name: 'a mouse held for a second, then released',
    spinner: 'SpinButton4(3)',
    hold: 1000,
    start: ({ page, at }) => page.mouse.move(at.x, at.y).then(() => page.mouse.down()),
    end: ({ page }) => page.mouse.up(),
  },
  {
    name: 'a mouse that slides off the arrow',
    spinner: 'SpinButton4(2)',
    hold: 600,
    start: ({ page, at }) => page.mouse.move(at.x, at.y).then(() => page.mouse.down()),
    end: ({ page, at, box }) => page.mouse.move(at.x - 3 * box.width, at.y),
    after: ({ page }) => page.mouse.up(),
  },
  {
    // The click's own timer must not bring the hold's first repeat forward.
    name: 'a click, then a hold 200 ms later',
    spinner: 'SpinButton4(0)',
    hold: 800,
    clicks: 1,
    start: async ({ page, at }) => {
      await page.mouse.move(at.x, at.y);
      await page.mouse.down();
      await page.mouse.up();
      await page.clock.runFor(200);
      await page.mouse.down();
    },
    end: ({ page }) => page.mouse.up(),
  },
  // Headless Chromium sends neither event when focus or visibility really
  // change, so the page is told as a browser would tell it.
  {
    name: 'a mouse held while the window loses the focus',
    spinner: 'SpinButton3(3)',
    hold: 600,
    start: ({ page, at }) => page.mouse.move(at.x, at.y).then(() => page.mouse.down()),
    end: ({ page }) => page.evaluate(() => window.dispatchEvent(new FocusEvent('blur'))),
    after: ({ page }) => page.mouse.up(),
  },
  {
    name: 'a mouse held while the page is hidden',
    spinner: 'SpinButton3(2)',
    hold: 600,
    start: ({ page, at }) => page.mouse.move(at.x, at.y).then(() => page.mouse.down()),
    end: ({ page }) => page.evaluate(() => document.dispatchEvent(new Event('visibilitychange'))),
    after: ({ page }) => page.mouse.up(),
  },
  {
    name: 'a touch that is cancelled',
    spinner: 'SpinButton4(1)',
    hold: 600,
    start: ({ cdp, at }) => cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [at] }),
    end: ({ cdp }) => cdp.send('Input.dispatchTouchEvent', { type: 'touchCancel', touchPoints: [] }),
  },
];

// Presses a hold of `ms` has made: the press, then 400 ms, then every 50 ms.
const pressesAfter = (ms) => (ms < 400 ? 1 : 2 + Math.floor((ms - 400) / 50));

test('a held arrow presses at once, again after 400 ms, then every 50 ms, until the hold ends', async (t) => {
  const { page, close } = await ready({ hasTouch: true });
  try {
    // The page's timers run on a clock the test moves, so a busy machine
    // cannot make a repeat look early or late.
    await page.clock.install({ time: 0 });
    await page.clock.pauseAt(1000);
    const cdp = await page.context().newCDPSession(page);
    for (const row of HOLDS) {
      await t.test(row.name, async () => {
        const label = row.spinner.replace('SpinButton4', 'Labelb').replace('SpinButton3', 'Labela');
        await page.evaluate((name) => {
          window.changes = 0;
          new MutationObserver(() => window.changes++).observe(
            document.querySelector(`[data-name="${name}"]`), { childList: true, characterData: true, subtree: true });
        }, label);
        const changes = async () => (await page.evaluate(() => window.changes)) - (row.clicks ?? 0);
        const box = await web.control(page, row.spinner).locator('button.up').boundingBox();
        const input = { page, cdp, box, at: { x: box.x + box.width / 2, y: box.y + box.height / 2 } };
        await row.start(input);
        const seen = [];
        const expected = [];
        // Either side of each due time, up to the end of the hold.
        for (const ms of [0, 399, 400, 449, 450, 500, 550, row.hold].filter((ms) => ms <= row.hold)) {
          await page.clock.runFor(ms - (seen.at(-1)?.ms ?? 0));
          seen.push({ ms, presses: await changes() });
          expected.push({ ms, presses: pressesAfter(ms) });
        }
        assert.deepEqual(seen, expected);
        await row.end(input);
        await page.clock.runFor(300);
        assert.equal(await changes(), pressesAfter(row.hold), 'no press once the hold has ended');
        await row.after?.(input);
        assert.equal(Number(await web.text(page, label)), await page.evaluate(() => window.changes), 'one step of 1 per change');
      });
    }
  } finally {
    await close();
  }
});

// A hold is its own finger's: lifting another ends nothing, and a finger
// that stays put while the arrow moves away from under it holds nothing.
const TOUCHES = [
  {
    name: 'a second finger taps an option and lifts',
    spinner: 'SpinButton4(2)',
    during: async ({ page, cdp, at }) => {
      const box = await web.control(page, 'Option3').boundingBox();
      const other = { x: box.x + box.width / 2, y: box.y + box.height / 2, id: 2 };
      await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [at, other] });
      // touchEnd lists the fingers that lift.
      await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [other] });
    },
    holds: true,
  },
  {
    name: 'the viewport shrinks under a still finger',
    spinner: 'SpinButton4(3)',
    during: async ({ page, arrow, box }) => {
      await page.setViewportSize({ width: 700, height: 500 });
      // The page refits at the browser's next resize event: wait for it, at most a second.
      for (let n = 0; n < 50 && (await arrow.boundingBox()).x === box.x; n++) {
        await new Promise((resolve) => setTimeout(resolve, 20));
      }
      assert.notEqual((await arrow.boundingBox()).x, box.x, 'the arrow moved');
    },
    holds: false,
  },
];

test('a touch hold ends with its own finger or when the arrow leaves it', async (t) => {
  for (const row of TOUCHES) {
    await t.test(row.name, async () => {
      const { page, close } = await ready({ hasTouch: true });
      try {
        await page.clock.install({ time: 0 });
        await page.clock.pauseAt(1000);
        const cdp = await page.context().newCDPSession(page);
        const label = row.spinner.replace('SpinButton4', 'Labelb');
        const presses = async () => Number(await web.text(page, label));
        const arrow = web.control(page, row.spinner).locator('button.up');
        const box = await arrow.boundingBox();
        const at = { x: box.x + box.width / 2, y: box.y + box.height / 2, id: 1 };
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [at] });
        await page.clock.runFor(420);
        assert.equal(await presses(), 2);
        await row.during({ page, cdp, at, arrow, box });
        await page.clock.runFor(500);
        // Ten more repeats in 500 ms, or none.
        assert.equal(await presses(), row.holds ? 12 : 2);
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [at] });
      } finally {
        await close();
      }
    });
  }
});

test('a long value shows whole inside its label, condensed to half its width at most', async () => {
  const { page, problems, close } = await ready();
  try {
    const keys = async (name, key, times) => {
      await web.control(page, name).focus();
      for (let n = 0; n < times; n++) await page.keyboard.press(key);
    };
    await keys('SpinButton3(0)', 'ArrowUp', 9);
    await web.press(page, 'Option6');
    await keys('SpinButton3(0)', 'ArrowUp', 1);
    await web.press(page, 'Option5');
    await keys('SpinButton3(0)', 'ArrowUp', 1);
    await keys('SpinButton4(1)', 'ArrowUp', 105);
    await keys('SpinButton1', 'ArrowUp', 99);
    const shown = {};
    for (const name of ['Labela(0)', 'Labelb(1)', 'labelt', 'value_t']) {
      shown[name] = await web.control(page, name).evaluate((label) => {
        // The label's own box as laid out, before its transform, on screen.
        const app = document.getElementById('app');
        const scale = app.getBoundingClientRect().width / app.offsetWidth;
        const left = label.offsetParent.getBoundingClientRect().left + label.offsetLeft * scale;
        const range = document.createRange();
        range.selectNodeContents(label);
        const text = range.getBoundingClientRect();
        return {
          text: label.textContent,
          inside: text.left >= left - 0.5 && text.right <= left + label.offsetWidth * scale + 0.5,
          stretch: new DOMMatrix(getComputedStyle(label).transform).a,
        };
      });
    }
    assert.deepEqual(Object.values(shown).map((s) => s.text), ['10.5', '105', '100', '100']);
    for (const [name, s] of Object.entries(shown)) {
      assert.ok(s.inside, `${name} "${s.text}" lies inside its label`);
      assert.ok(s.stretch >= 0.5 && s.stretch <= 1, `${name} stretched by ${s.stretch}`);
    }
    // A value too wide for its box is narrowed.
    assert.ok(shown['Labela(0)'].stretch < 1);
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

test('the keyboard: Tab in the table\'s order, Up and Down on a spinner, Space on an option and RESET', async (t) => {
  const { page, problems, close } = await ready();
  try {
    await t.test('Tab', async () => {
      const checked = new Set(await page.$$eval('input[type=radio]:checked', (all) =>
        all.map((i) => i.closest('[data-name]').dataset.name)));
      // A group of options is one stop, at its selected button, as browsers do.
      const groups = new Set();
      const stops = [];
      for (const row of web.tabOrder()) {
        if (row.kind !== 'OptionButton') {
          stops.push(row.name);
        } else if (!groups.has(row.container)) {
          groups.add(row.container);
          const members = web.layoutRows().filter((r) => r.container === row.container).map((r) => r.name);
          stops.push(members.find((m) => checked.has(m)) ?? row.name);
        }
      }
      await page.evaluate(() => document.activeElement?.blur());
      const walked = [];
      for (let n = 0; n < stops.length; n++) {
        await page.keyboard.press('Tab');
        walked.push(await page.evaluate(() => document.activeElement?.closest('[data-name]')?.dataset.name ?? '<none>'));
      }
      assert.deepEqual(walked, stops);
    });

    await t.test('Up and Down, Space', async () => {
      const keys = async (name, ...pressed) => {
        await web.control(page, name).focus();
        for (const key of pressed) await page.keyboard.press(key);
      };
      await keys('SpinButton3(2)', 'ArrowUp', 'ArrowUp', 'ArrowUp');
      await keys('SpinButton4(2)', 'ArrowUp', 'ArrowUp', 'ArrowDown');
      assert.deepEqual([await web.text(page, 'Labela(2)'), await web.text(page, 'Labelb(2)')], ['3', '1']);
      await web.control(page, 'switch_s(2)').locator('input').focus();
      await page.keyboard.press('Space');
      assert.ok(await web.control(page, 'switch_s(2)').locator('input').isChecked());
      await keys('SpinButton1', 'ArrowUp');
      assert.equal(await web.text(page, 'labelt'), '2');
      await keys('Command1', 'Space');
      assert.deepEqual([await web.text(page, 'labelt'), await web.text(page, 'value_t')], ['1', '1']);
      const plot = await web.readCanvas(page, 'Grph(2)');
      const wave = { colour: 0xff0000, ytop: 10, span: 1, terms: [{ amp: 3, hz: 1, wave: 'sin' }] };
      assert.deepEqual(web.waveFaults(plot, wave), []);
    });
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

test('the single file opened from disk loads, draws and answers a press', async () => {
  const url = pathToFileURL(path.join(web.SITE, 'wave-synthesis.html')).href;
  const { page, problems, close } = await web.openPage(site.browser, url);
  try {
    await web.waitReady(page);
    for (const step of ['SpinButton3(1)+', 'SpinButton3(1)+', 'SpinButton4(1)+', 'SpinButton4(1)+']) {
      await web.press(page, step);
    }
    const plots = { 'Grph(1)': [0xff0000, 10], Gr: [0x0000ff, 20] };
    for (const [name, [colour, ytop]] of Object.entries(plots)) {
      const faults = web.waveFaults(await web.readCanvas(page, name), { colour, ytop, span: 1, terms: [{ amp: 2, hz: 2, wave: 'cos' }] });
      assert.deepEqual(faults, [], name);
    }
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

const FAILED_LOADS = [
  { name: 'a browser without WebAssembly', beforeLoad: (page) => page.addInitScript(() => delete globalThis.WebAssembly) },
  { name: 'a module missing on the server', beforeLoad: (page) => page.route('**/*.wasm', (route) => route.fulfill({ status: 404 })) },
  { name: 'a module whose request fails outright', beforeLoad: (page) => page.route('**/*.wasm', (route) => route.abort()) },
];

test('a load that fails says so in one line and never claims to be ready', async (t) => {
  for (const { name, beforeLoad } of FAILED_LOADS) {
    await t.test(name, async () => {
      const { page, close } = await web.openPage(site.browser, `${site.server.origin}/`, { beforeLoad });
      try {
        const message = page.locator('#load-error');
        await message.waitFor({ state: 'visible', timeout: 10000 });
        const line = (await message.innerText()).trim();
        assert.ok(line.length > 0 && !line.includes('\n'), `message: ${JSON.stringify(line)}`);
        assert.notEqual(await page.evaluate(() => document.documentElement.dataset.ready), 'true');
      } finally {
        await close();
      }
    });
  }
});
