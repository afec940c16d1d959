// SPDX-License-Identifier: MIT
// The window on every screen: phones upright and sideways and turned, the
// browser's zoom and a pinch, the arrows' hit areas, and plots for paper.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import * as web from './lib.mjs';
import { session } from './session.mjs';

const site = session();
const phone = (width, height) => ({ viewport: { width, height }, deviceScaleFactor: 3, isMobile: true, hasTouch: true });

// What the page shows and where every control stands, in CSS pixels of the layout.
const layout = (page) => page.evaluate(() => {
  const v = visualViewport;
  const outside = [];
  for (const e of document.querySelectorAll('[data-name]')) {
    const r = e.getBoundingClientRect();
    if (r.left < -0.5 || r.top < -0.5 || r.right > v.width + 0.5 || r.bottom > v.height + 0.5) outside.push(e.dataset.name);
  }
  const canvas = document.querySelector('[data-name="Grph(2)"] canvas');
  const app = document.getElementById('app').getBoundingClientRect();
  return {
    seen: [v.width, v.height, v.scale, innerWidth],
    outside,
    app: [app.left, app.top, app.width, app.height],
    // Device pixels of the canvas against those it covers on the screen.
    canvas: [canvas.width, Math.round(canvas.getBoundingClientRect().width * devicePixelRatio * v.scale)],
  };
});

// Waits, at most 5 s, until the page has refitted to a viewport of this size:
// the box inside it and filling it one way.
const refitted = (page, { width, height }) => page.waitForFunction(([w, h]) => {
  const app = document.getElementById('app').getBoundingClientRect();
  const inside = app.left >= -0.5 && app.top >= -0.5 && app.right <= w + 0.5 && app.bottom <= h + 0.5;
  return visualViewport.width === w && visualViewport.height === h && inside && (app.width >= w - 1 || app.height >= h - 1);
}, [width, height], { timeout: 5000 });

// Each row: the phone it starts as, then the sizes it is turned to.
const PHONES = [
  { name: 'upright, 360x640', ...phone(360, 640) },
  { name: 'upright, 390x844', ...phone(390, 844) },
  { name: 'sideways, 640x360', ...phone(640, 360) },
  { name: 'sideways, turned upright and back', ...phone(640, 360), turns: [{ width: 360, height: 640 }, { width: 640, height: 360 }] },
  { name: 'upright, turned sideways and back', ...phone(412, 915), turns: [{ width: 915, height: 412 }, { width: 412, height: 915 }] },
];

test('on a phone every control lies inside what the screen shows, the plots drawn one to one, also after turning', async (t) => {
  for (const { name, turns = [], ...options } of PHONES) {
    await t.test(name, async () => {
      const { page, problems, close } = await site.ready(options);
      try {
        for (const size of [options.viewport, ...turns]) {
          if (size !== options.viewport) {
            await page.setViewportSize(size);
            await refitted(page, size);
          }
          const got = await layout(page);
          const at = `${size.width}x${size.height}`;
          // Laid out as wide as the screen, not zoomed out to a wider page.
          assert.deepEqual(got.seen, [size.width, size.height, 1, size.width], at);
          assert.deepEqual(got.outside, [], at);
          assert.ok(got.app[2] >= size.width - 1 || got.app[3] >= size.height - 1, `${at}: fills one way: ${got.app}`);
          assert.equal(got.canvas[0], got.canvas[1], `${at}: C's canvas pixels against the screen's`);
          // C's zero line, drawn.
          const wave = { colour: 0xff0000, ytop: 10, span: 1, terms: [{ amp: 0, hz: 0, wave: 'cos' }] };
          assert.deepEqual(web.waveFaults(await web.readCanvas(page, 'Grph(2)'), wave), [], at);
        }
        assert.deepEqual(problems, []);
      } finally {
        await close();
      }
    });
  }
});

// Chromium folds its zoom into the pixel ratio: at 200 % on a 1366x768
// screen the page sees a 683x384 viewport at ratio 2, which is what the
// device metrics below give it. A pinch is the visual viewport's scale.
test('zoom: 200 % makes the window twice as large and the page scrolls to all of it; a pinch refits nothing', async (t) => {
  const { page, problems, close } = await site.ready({ viewport: { width: 1366, height: 768 } });
  try {
    const cdp = await page.context().newCDPSession(page);
    const atFull = await layout(page);
    const scroller = () => page.evaluate(() => {
      const b = document.body;
      return { overflow: getComputedStyle(b).overflow, width: b.scrollWidth, height: b.scrollHeight };
    });

    await t.test('zoomed to 200 %', async () => {
      await cdp.send('Emulation.setDeviceMetricsOverride', { width: 683, height: 384, deviceScaleFactor: 2, mobile: false });
      // The page's refit, not the browser's, says the box is larger: overflowing it does already.
      await page.waitForFunction(() => devicePixelRatio === 2 && getComputedStyle(document.body).overflow === 'auto', null, { timeout: 5000 });
      const zoomed = await layout(page);
      // As many CSS pixels as at 100 %, each twice as large; from the top left.
      assert.deepEqual(zoomed.app.map((v) => Math.round(v) + 0), [0, 0, Math.round(atFull.app[2]), Math.round(atFull.app[3])]);
      assert.equal(zoomed.canvas[0], zoomed.canvas[1], 'plots drawn at the zoomed pixels');
      assert.deepEqual(await scroller(), { overflow: 'auto', width: Math.round(atFull.app[2]), height: Math.round(atFull.app[3]) });
      const end = await page.evaluate(() => {
        document.body.scrollTo(1e6, 1e6);
        const r = document.getElementById('app').getBoundingClientRect();
        return [r.right, r.bottom].map(Math.round);
      });
      assert.deepEqual(end, [683, 384], 'scrolled to the end, the box\'s far corner is the viewport\'s');
    });

    await t.test('back to 100 %: as before, pixel for pixel', async () => {
      await cdp.send('Emulation.setDeviceMetricsOverride', { width: 1366, height: 768, deviceScaleFactor: 1, mobile: false });
      await page.waitForFunction(() => devicePixelRatio === 1 && getComputedStyle(document.body).overflow === 'hidden', null, { timeout: 5000 });
      assert.deepEqual(await layout(page), atFull);
      assert.deepEqual(await scroller(), { overflow: 'hidden', width: 1366, height: 768 });
    });

    await t.test('pinched to twice the size', async () => {
      await cdp.send('Emulation.setPageScaleFactor', { pageScaleFactor: 2 });
      await page.waitForFunction(() => visualViewport.scale === 2, null, { timeout: 5000 });
      const pinched = await layout(page);
      assert.deepEqual(pinched.app, atFull.app);
      assert.equal(pinched.canvas[0], atFull.canvas[0]);
    });
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

// Every CSS pixel around each arrow: where the arrow answers, a rectangle;
// its size; and any point of it inside another control, by more than the
// pixel that Chromium's hit test may round either edge by.
const hitAreas = (page) => page.evaluate(() => {
  const step = 1;
  const controls = [...document.querySelectorAll('[data-name]')].map((e) => ({ e, r: e.getBoundingClientRect() }));
  return [...document.querySelectorAll('.spin button')].map((arrow) => {
    const name = `${arrow.closest('[data-name]').dataset.name}${arrow.classList.contains('up') ? '+' : '-'}`;
    const box = arrow.getBoundingClientRect();
    const hits = [];
    for (let y = Math.round(box.top) - 20; y < box.bottom + 20; y += step) {
      for (let x = Math.round(box.left) - 20; x < box.right + 20; x += step) {
        if (document.elementFromPoint(x, y) === arrow) hits.push([x, y]);
      }
    }
    const xs = hits.map((h) => h[0]);
    const ys = hits.map((h) => h[1]);
    const [width, height] = [Math.max(...xs) - Math.min(...xs) + step, Math.max(...ys) - Math.min(...ys) + step];
    // Its frames hold it for the reader (aria-owns), though all stand side by side.
    const holds = (e) => e.contains(arrow) || (e.getAttribute('aria-owns') ?? '').split(' ').some(
      (id) => id && holds(document.getElementById(id)));
    const stolen = new Set();
    for (const [x, y] of hits) {
      for (const { e, r } of controls) {
        const inside = x > r.left + 1 && x < r.right - 1 && y > r.top + 1 && y < r.bottom - 1;
        if (inside && !holds(e)) stolen.add(`${e.dataset.name} at ${x},${y}`);
      }
    }
    return {
      name,
      drawn: [box.width, box.height],
      area: [width, height],
      // Inside its outermost pixels, which neighbours later in the page may round away.
      rectangle: hits.filter(([x, y]) => x > Math.min(...xs) && x < Math.max(...xs) && y > Math.min(...ys) && y < Math.max(...ys)).length
        === Math.round((width / step - 2) * (height / step - 2)),
      stolen: [...stolen],
    };
  });
});

const HIT_SCREENS = [
  { name: 'a Chromebook, 1366x768: 24 x 24 everywhere', options: { viewport: { width: 1366, height: 768 } }, full: true },
  { name: 'a phone, 360x640: larger than drawn, as far as the gaps allow', options: phone(360, 640), full: false },
];

test('each arrow answers over 24 x 24 CSS pixels where there is room, takes nothing from its neighbours, and paints nothing', async (t) => {
  for (const { name, options, full } of HIT_SCREENS) {
    await t.test(name, async () => {
      const { page, close } = await site.ready(options);
      try {
        const areas = await hitAreas(page);
        assert.equal(areas.length, 18);
        for (const a of areas) {
          assert.ok(a.rectangle, `${a.name}: not one rectangle`);
          assert.deepEqual(a.stolen, [], `${a.name} answers over another control`);
          if (full) {
            assert.ok(a.area[0] >= 24 && a.area[1] >= 24, `${a.name}: ${a.area}`);
          } else {
            // The layout leaves 7 pixels beside every spinner: each arrow is as wide as 24.
            assert.ok(a.area[0] >= Math.min(24, a.drawn[0] + 7 * (options.viewport.width / web.APP_WIDTH)) - 0.5, `${a.name}: ${a.area}`);
            assert.ok(a.area[1] > a.drawn[1] + 2, `${a.name}: ${a.area} against ${a.drawn}`);
          }
        }
        // The areas draw nothing of their own: without them the window is the
        // same, but that the rasteriser may blend a few edge pixels by a few levels.
        const app = page.locator('#app');
        const shown = web.decodePng(await app.screenshot());
        await page.evaluate(() => document.styleSheets[0].insertRule('.spin button::before { display: none; }', document.styleSheets[0].cssRules.length));
        const bare = web.decodePng(await app.screenshot());
        let [differ, most] = [0, 0];
        for (let i = 0; i < shown.data.length; i += 4) {
          const d = Math.max(...[0, 1, 2].map((c) => Math.abs(shown.data[i + c] - bare.data[i + c])));
          [differ, most] = [differ + (d > 0 ? 1 : 0), Math.max(most, d)];
        }
        assert.ok(most <= 8 && differ < 0.001 * shown.width * shown.height, `${differ} pixels differ, by up to ${most}`);
      } finally {
        await close();
      }
    });
  }
});

test('printed, the plots are drawn at the sheet\'s resolution, and at the screen\'s again afterwards', async () => {
  const { page, close } = await site.ready({ viewport: { width: 1366, height: 768 } });
  const dir = mkdtempSync(path.join(tmpdir(), 'wave-print-'));
  try {
    const onScreen = (await layout(page)).canvas;
    const pdf = path.join(dir, 'page.pdf');
    writeFileSync(pdf, await page.pdf({ format: 'A4', preferCSSPageSize: true }));
    // page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
    const images = execFileSync('/usr/bin/pdfimages', ['-list', pdf], { encoding: 'utf8' }).trim().split('\n').slice(2)
      .map((line) => line.trim().split(/\s+/)).map((f) => ({ width: Number(f[3]), ppi: Number(f[12]) }));
    assert.equal(images.length, 5, 'one image for each plot');
    for (const image of images) assert.ok(image.ppi >= 190, `a plot printed at ${image.ppi} ppi`);
    await page.waitForFunction((width) => document.querySelector('[data-name="Grph(2)"] canvas').width === width, onScreen[0], { timeout: 5000 });
  } finally {
    rmSync(dir, { recursive: true, force: true });
    await close();
  }
});
