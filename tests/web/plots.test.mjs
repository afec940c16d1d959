// The plots on the page: the desktop's end-to-end presses checked against the
// wave formula, crisp lines at devicePixelRatio 2, and the desktop's own
// pixels for the same presses.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import * as web from './lib.mjs';

web.preflight();
let browser;
let server;
before(async () => {
  server = await web.serve();
  browser = await web.launch();
});
after(async () => {
  await browser?.close();
  await server?.close();
});

const PLOTS = ['Grph(0)', 'Grph(1)', 'Grph(2)', 'Grph(3)', 'Gr'];
const RED = 0xff0000;
const BLUE = 0x0000ff;
const times = (n, step) => Array(n).fill(step);

// Each row: the presses from the row before, then the waves of A to D and the span.
const rest = [0, 0, 0].map(() => ({ amp: 0, hz: 0, wave: 'cos' }));
const PRESSES = [
  { name: 'start-up: every wave on its axis', steps: [], span: 1, waves: [{ amp: 0, hz: 0, wave: 'cos' }, ...rest] },
  {
    name: 'amplitude of A up five times, frequency once',
    steps: [...times(5, 'SpinButton3(0)+'), 'SpinButton4(0)+'],
    span: 1,
    waves: [{ amp: 5, hz: 1, wave: 'cos' }, ...rest],
  },
  { name: 'A switched to sine', steps: ['switch_s(0)'], span: 1, waves: [{ amp: 5, hz: 1, wave: 'sin' }, ...rest] },
  { name: 'span up to two seconds', steps: ['SpinButton1+'], span: 2, waves: [{ amp: 5, hz: 1, wave: 'sin' }, ...rest] },
  { name: 'RESET: one second, the sine kept', steps: ['Command1'], span: 1, waves: [{ amp: 5, hz: 1, wave: 'sin' }, ...rest] },
];

async function ready(options) {
  const opened = await web.openPage(browser, `${server.origin}/`, options);
  await web.waitReady(opened.page);
  return opened;
}

async function waveFaultsOnPage(page, { span, waves }) {
  const faults = [];
  for (const [i, name] of PLOTS.entries()) {
    const spec = i < 4 ? { colour: RED, ytop: 10, terms: [waves[i]] } : { colour: BLUE, ytop: 20, terms: waves };
    for (const fault of web.waveFaults(await web.readCanvas(page, name), { ...spec, span })) faults.push(`${name} ${fault}`);
  }
  return faults;
}

test('the desktop\'s press sequence, each step on the canvases as the formula draws it', async (t) => {
  const { page, problems, close } = await ready();
  try {
    for (const row of PRESSES) {
      await t.test(row.name, async () => {
        for (const step of row.steps) await web.press(page, step);
        const a = row.waves[0];
        assert.deepEqual(
          [await web.text(page, 'Labela(0)'), await web.text(page, 'Labelb(0)'), await web.text(page, 'value_t')].map(Number),
          [a.amp, a.hz, row.span],
        );
        assert.deepEqual(await waveFaultsOnPage(page, row), []);
      });
    }
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

// Two waves and a span with grid lines: every colour a plot has.
const BUSY = {
  steps: [...times(5, 'SpinButton3(0)+'), 'SpinButton4(0)+', 'switch_s(0)', ...times(3, 'SpinButton3(1)+'),
    ...times(2, 'SpinButton4(1)+'), ...times(2, 'SpinButton1+')],
  span: 3,
  waves: [{ amp: 5, hz: 1, wave: 'sin' }, { amp: 3, hz: 2, wave: 'cos' }, ...rest.slice(1)],
};

test('at devicePixelRatio 2 the canvases have a device pixel each, and only the plot\'s own colours', async (t) => {
  const { page, close } = await ready({ viewport: { width: 1366, height: 768 }, deviceScaleFactor: 2 });
  try {
    for (const step of BUSY.steps) await web.press(page, step);
    const rows = new Map(web.layoutRows().map((r) => [r.name, r]));
    const scale = await page.evaluate(() => document.getElementById('app').getBoundingClientRect().width) / web.APP_WIDTH;
    for (const name of PLOTS) {
      await t.test(name, async () => {
        const img = await web.readCanvas(page, name);
        const control = rows.get(name);
        assert.ok(Math.abs(img.cssWidth - (control.width / 15 - 4) * scale) < 0.5, `CSS width ${img.cssWidth}`);
        assert.deepEqual([img.width, img.height], [Math.round(img.cssWidth * 2), Math.round(img.cssHeight * 2)]);
        const own = new Set([web.rgbOf(control.back), 0x00ff00, 0x000000, name === 'Gr' ? BLUE : RED]);
        const strange = new Map();
        for (let r = 0; r < img.height; r++) {
          for (let c = 0; c < img.width; c++) {
            const rgb = web.rgbAt(img, c, r);
            if (!own.has(rgb)) strange.set(rgb, (strange.get(rgb) ?? 0) + 1);
          }
        }
        assert.deepEqual([...strange].map(([rgb, n]) => `${n} pixels of ${web.hex(rgb)}`), []);
        // The time axis (under a flat wave, the wave): one row of device
        // pixels, not a blurred or doubled pair.
        const ink = own.has(RED) ? RED : BLUE;
        let axisRows = 0;
        for (let r = 0; r < img.height; r++) {
          let along = 0;
          for (let c = 0; c < img.width; c++) along += [0, ink].includes(web.rgbAt(img, c, r)) ? 1 : 0;
          if (along > img.width / 2) axisRows++;
        }
        assert.equal(axisRows, 1);
      });
    }
    // What reaches the screen: no smoothing where the canvas is composited.
    await t.test('on screen', async () => {
      const backs = PLOTS.map((name) => web.rgbOf(rows.get(name).back));
      const screen = new Set([...backs, 0x00ff00, 0x000000, RED, BLUE]);
      for (const name of PLOTS) {
        // The canvas less a device pixel all round, on whole device pixels.
        const box = await web.control(page, name).locator('canvas').boundingBox();
        const [left, top] = [box.x, box.y].map((v) => (Math.ceil(v * 2) + 1) / 2);
        const [right, bottom] = [box.x + box.width, box.y + box.height].map((v) => (Math.floor(v * 2) - 1) / 2);
        const png = await page.screenshot({ clip: { x: left, y: top, width: right - left, height: bottom - top } });
        const shot = web.decodePng(png);
        // Labels over the plot (the span in the sum's) have smoothed text.
        const labels = await web.control(page, name).locator('[data-name]').evaluateAll((all) =>
          all.map((e) => e.getBoundingClientRect()).map((b) => [b.left - 1, b.top - 1, b.right + 1, b.bottom + 1]));
        const underLabel = (x, y) => labels.some(([l, t, r, b]) => x >= l && x <= r && y >= t && y <= b);
        let blended = 0;
        for (let r = 0; r < shot.height; r++) {
          for (let c = 0; c < shot.width; c++) {
            if (screen.has(web.rgbAt(shot, c, r)) || underLabel(left + (c + 0.5) / 2, top + (r + 0.5) / 2)) continue;
            blended++;
          }
        }
        assert.equal(blended, 0, `${name}: ${blended} of ${shot.width * shot.height} screen pixels blended`);
      }
    });
  } finally {
    await close();
  }
});

// Four states of the desktop window, written by the desktop helper.
const STATES = [
  { name: 'start-up', steps: [] },
  { name: 'A at 5 cos', steps: PRESSES[1].steps },
  { name: 'A sine, B at 3 cos twice as fast', steps: BUSY.steps.slice(6, 12) },
  { name: 'three seconds', steps: BUSY.steps.slice(12) },
];

test('at app scale 1 every canvas pixel equals the desktop\'s kept image', async (t) => {
  const helper = process.env.DESKTOP_PLOTS;
  assert.ok(helper, 'DESKTOP_PLOTS must name the desktop helper (ctest sets it)');
  const dir = mkdtempSync(path.join(os.tmpdir(), 'desktop-plots-'));
  const { page, close } = await ready({ viewport: { width: web.APP_WIDTH, height: web.APP_HEIGHT }, deviceScaleFactor: 1 });
  try {
    const args = STATES.flatMap((s, i) => [...s.steps, `@${i}`]);
    execFileSync(helper, [dir, ...args], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: 'pipe' });
    for (const [i, state] of STATES.entries()) {
      await t.test(state.name, async () => {
        for (const step of state.steps) await web.press(page, step);
        for (const name of PLOTS) {
          const desktop = web.readPam(path.join(dir, `${i}.${name}.pam`));
          const canvas = await web.readCanvas(page, name);
          assert.deepEqual([canvas.width, canvas.height], [desktop.width, desktop.height], `${name} size`);
          const differ = [];
          for (let p = 0; p < desktop.width * desktop.height; p++) {
            const c = p % desktop.width;
            const r = Math.floor(p / desktop.width);
            const want = web.rgbAt(desktop, c, r);
            const got = web.rgbAt(canvas, c, r);
            if (want !== got) differ.push(`(${c},${r}) ${web.hex(got)} not ${web.hex(want)}`);
          }
          assert.equal(differ.length, 0, `${name}: ${differ.length} pixels differ, e.g. ${differ.slice(0, 4).join('; ')}`);
        }
      });
    }
  } finally {
    await close();
    rmSync(dir, { recursive: true, force: true });
  }
});
