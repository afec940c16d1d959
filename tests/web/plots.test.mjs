// SPDX-License-Identifier: MIT
// The plots on the page: the desktop's end-to-end presses checked against the
// wave formula, crisp lines at devicePixelRatio 2, and the desktop's own
// pixels for the same presses.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import * as web from './lib.mjs';
import { session } from './session.mjs';

const site = session();
const { ready } = site;

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

async function waveFaultsOnPage(page, { span, waves }) {
  const faults = [];
  for (const [i, name] of PLOTS.entries()) {
    const expected = i < 4 ? { colour: RED, ytop: 10, terms: [waves[i]] } : { colour: BLUE, ytop: 20, terms: waves };
    for (const fault of web.waveFaults(await web.readCanvas(page, name), { ...expected, span })) faults.push(`${name} ${fault}`);
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

// What is wrong with a canvas at this ratio: its size in device pixels, a
// colour that is not the plot's own (smoothing), a time axis not one device
// pixel thick.
function canvasFaults(img, control, scale, ratio) {
  const faults = [];
  if (Math.abs(img.cssWidth - (control.width / 15 - 4) * scale) > 0.5) faults.push(`CSS width ${img.cssWidth}`);
  const want = [Math.round(img.cssWidth * ratio), Math.round(img.cssHeight * ratio)];
  if (img.width !== want[0] || img.height !== want[1]) faults.push(`${img.width}x${img.height} pixels, not ${want.join('x')}`);
  const ink = control.name === 'Gr' ? BLUE : RED;
  const own = new Set([web.rgbOf(control.back), 0x00ff00, 0x000000, ink]);
  const strange = new Map();
  let axisRows = 0;
  for (let r = 0; r < img.height; r++) {
    // The axis, or a flat wave over it, runs along most of its row.
    let along = 0;
    for (let c = 0; c < img.width; c++) {
      const rgb = web.rgbAt(img, c, r);
      if (!own.has(rgb)) strange.set(rgb, (strange.get(rgb) ?? 0) + 1);
      along += rgb === 0 || rgb === ink ? 1 : 0;
    }
    if (along > img.width / 2) axisRows++;
  }
  for (const [rgb, n] of strange) faults.push(`${n} pixels of ${web.hex(rgb)}`);
  if (axisRows !== 1) faults.push(`the axis takes ${axisRows} rows`);
  return faults.map((f) => `${control.name}: ${f}`);
}

// What reaches the screen, each canvas less a device pixel all round, on whole
// device pixels: no pixel blended where the canvas is composited. Labels over
// a plot (the span in the sum's) have smoothed text and are left out.
async function screenFaults(page, ratio, colours) {
  const faults = [];
  const cdp = await page.context().newCDPSession(page);
  for (const name of PLOTS) {
    const box = await web.control(page, name).locator('canvas').boundingBox();
    const [left, top] = [box.x, box.y].map((v) => (Math.ceil(v * ratio) + 1) / ratio);
    const [right, bottom] = [box.x + box.width, box.y + box.height].map((v) => (Math.floor(v * ratio) - 1) / ratio);
    // Chromium's own capture: the driver's would rescale after a ratio change.
    const { data } = await cdp.send('Page.captureScreenshot',
      { format: 'png', clip: { x: left, y: top, width: right - left, height: bottom - top, scale: ratio } });
    const shot = web.decodePng(Buffer.from(data, 'base64'));
    if (shot.width !== Math.round((right - left) * ratio)) faults.push(`${name}: a capture of ${shot.width} pixels across`);
    const over = web.layoutRows().filter((r) => r.container === name).map((r) => `[data-name="${r.name}"]`);
    const labels = over.length === 0 ? [] : await page.locator(over.join(',')).evaluateAll((all) =>
      all.map((e) => e.getBoundingClientRect()).map((b) => [b.left - 1, b.top - 1, b.right + 1, b.bottom + 1]));
    const underLabel = (x, y) => labels.some(([l, t, r, b]) => x >= l && x <= r && y >= t && y <= b);
    let blended = 0;
    for (let r = 0; r < shot.height; r++) {
      for (let c = 0; c < shot.width; c++) {
        if (colours.has(web.rgbAt(shot, c, r)) || underLabel(left + (c + 0.5) / ratio, top + (r + 0.5) / ratio)) continue;
        blended++;
      }
    }
    if (blended) faults.push(`${name}: ${blended} of ${shot.width * shot.height} screen pixels blended`);
  }
  return faults;
}

const RATIOS = [
  { name: 'devicePixelRatio 2 at 1366x768', viewport: { width: 1366, height: 768 }, ratio: 2 },
  { name: 'devicePixelRatio 1.5 at 1920x1080', viewport: { width: 1920, height: 1080 }, ratio: 1.5 },
  // Chromium's emulation gives no media-query event for the ratio alone, so
  // the window changes size with it, as on a move to another screen.
  {
    name: 'devicePixelRatio 1, then 2 in a 1280x720 window',
    viewport: { width: 1366, height: 768 },
    ratio: 1,
    changeTo: { ratio: 2, viewport: { width: 1280, height: 720 } },
  },
];

test('crisp at every devicePixelRatio: a device pixel for each canvas pixel, only the plot\'s colours', async (t) => {
  const rows = new Map(web.layoutRows().map((r) => [r.name, r]));
  const colours = new Set([...PLOTS.map((name) => web.rgbOf(rows.get(name).back)), 0x00ff00, 0x000000, RED, BLUE]);
  for (const { name, viewport, ratio, changeTo } of RATIOS) {
    await t.test(name, async () => {
      const { page, close } = await ready({ viewport, deviceScaleFactor: ratio });
      try {
        for (const step of BUSY.steps) await web.press(page, step);
        if (changeTo) {
          const cdp = await page.context().newCDPSession(page);
          await cdp.send('Emulation.setDeviceMetricsOverride',
            { ...changeTo.viewport, deviceScaleFactor: changeTo.ratio, mobile: false });
          await page.waitForFunction((r) => devicePixelRatio === r, changeTo.ratio);
          // Let the page's event come; a page that never redraws fails below.
          await page.waitForFunction((r) => [...document.querySelectorAll('canvas')].every((c) =>
            c.width === Math.round(c.getBoundingClientRect().width * r)), changeTo.ratio, { timeout: 15000 }).catch(() => {});
        }
        const now = changeTo?.ratio ?? ratio;
        const scale = await page.evaluate(() => document.getElementById('app').getBoundingClientRect().width) / web.APP_WIDTH;
        const faults = [];
        for (const plot of PLOTS) faults.push(...canvasFaults(await web.readCanvas(page, plot), rows.get(plot), scale, now));
        faults.push(...(await screenFaults(page, now, colours)));
        assert.deepEqual(faults, []);
        assert.deepEqual(await waveFaultsOnPage(page, BUSY), []);
      } finally {
        await close();
      }
    });
  }
});

// Four states of the desktop window, written by the desktop helper.
const STATES = [
  { name: 'start-up', steps: [] },
  { name: 'A at 5 cos', steps: PRESSES[1].steps },
  { name: 'A sine, B at 3 cos twice as fast', steps: BUSY.steps.slice(6, 12) },
  { name: 'three seconds', steps: BUSY.steps.slice(12) },
];

// The canvas's pixels that differ from the desktop helper's kept image.
async function pixelsApart(page, file, name) {
  const desktop = web.readPam(file);
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
  return differ;
}

function desktopPlots(dir, args) {
  const helper = process.env.DESKTOP_PLOTS;
  assert.ok(helper, 'DESKTOP_PLOTS must name the desktop helper (ctest sets it)');
  execFileSync(helper, [dir, ...args], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: 'pipe' });
}

const SCALE_1 = { viewport: { width: web.APP_WIDTH, height: web.APP_HEIGHT }, deviceScaleFactor: 1 };

test('at app scale 1 every canvas pixel equals the desktop\'s kept image', async (t) => {
  const dir = mkdtempSync(path.join(os.tmpdir(), 'desktop-plots-'));
  const { page, close } = await ready(SCALE_1);
  try {
    desktopPlots(dir, STATES.flatMap((s, i) => [...s.steps, `@${i}`]));
    for (const [i, state] of STATES.entries()) {
      await t.test(state.name, async () => {
        for (const step of state.steps) await web.press(page, step);
        for (const name of PLOTS) {
          const differ = await pixelsApart(page, path.join(dir, `${i}.${name}.pam`), name);
          assert.equal(differ.length, 0, `${name}: ${differ.length} pixels differ, e.g. ${differ.slice(0, 4).join('; ')}`);
        }
      });
    }
  } finally {
    await close();
    rmSync(dir, { recursive: true, force: true });
  }
});

test('a lesson link opens on the desktop with the page\'s pixels', async () => {
  const hash = '#A=10sin1&B=3.3sin3&C=2sin5&D=1.4sin7&t=2';
  const dir = mkdtempSync(path.join(os.tmpdir(), 'desktop-plots-'));
  const { page, close } = await web.openPage(site.browser, `${site.server.origin}/${hash}`, SCALE_1);
  try {
    await web.waitReady(page);
    desktopPlots(dir, [hash, '@0']);
    const differ = [];
    for (const name of PLOTS) differ.push(...(await pixelsApart(page, path.join(dir, `0.${name}.pam`), name)).map((d) => `${name} ${d}`));
    assert.equal(differ.length, 0, `${differ.length} pixels differ, e.g. ${differ.slice(0, 4).join('; ')}`);
  } finally {
    await close();
    rmSync(dir, { recursive: true, force: true });
  }
});
