// SPDX-License-Identifier: MIT
// The page around the program: installing it, using it offline, printing it,
// its first paint, a sandboxed frame, and touches that must not leave it.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';
import * as web from './lib.mjs';
import { session } from './session.mjs';

const site = session();
const PDFTOPPM = '/usr/bin/pdftoppm';

test('the manifest makes the page installable: its name, standalone, a theme colour, icons of the sizes they claim', async () => {
  const { page, problems, close } = await site.ready();
  try {
    const cdp = await page.context().newCDPSession(page);
    const { errors, data } = await cdp.send('Page.getAppManifest');
    assert.deepEqual(errors, []);
    const manifest = JSON.parse(data);
    assert.equal(manifest.name, '波の合成');
    assert.equal(manifest.display, 'standalone');
    assert.match(manifest.theme_color, /^#[0-9a-f]{6}$/i);
    assert.equal(await page.getAttribute('meta[name="theme-color"]', 'content'), manifest.theme_color);
    const sizes = [];
    for (const icon of manifest.icons.filter((i) => i.type === 'image/png')) {
      const png = readFileSync(path.join(web.SITE, icon.src));
      const { width, height } = web.decodePng(png);
      assert.equal(icon.sizes, `${width}x${height}`, icon.src);
      sizes.push(icon.sizes);
    }
    assert.ok(sizes.includes('192x192') && sizes.includes('512x512'), `sizes: ${sizes}`);
    // A test browser's profile is always a private one; that is the only objection allowed.
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors.map((e) => e.errorId).filter((id) => id !== 'in-incognito'), []);
    const icon = await page.getAttribute('link[rel="icon"]', 'href');
    assert.ok(await page.evaluate(async (href) => (await fetch(href)).headers.get('Content-Type').startsWith('image/'), icon), icon);
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

// Asks the page until its answer is true; the answer may be a promise.
async function until(page, check, what) {
  const end = Date.now() + 15000;
  while (!(await page.evaluate(check))) {
    if (Date.now() > end) assert.fail(`waited 15 s for ${what}`);
    await new Promise((r) => setTimeout(r, 100));
  }
}

// The names of the page's caches, once its worker has filled one and taken over.
async function offlineReady(page) {
  await until(page, async () => navigator.serviceWorker.controller !== null && (await navigator.serviceWorker.getRegistration())?.active?.state === 'activated', 'the worker');
  return page.evaluate(() => caches.keys());
}

test('after one visit the page reloads offline, and a new build replaces the kept one', async () => {
  // A copy of the site, so that a new build can be served in its place.
  const root = mkdtempSync(path.join(tmpdir(), 'wave-site-'));
  cpSync(web.SITE, root, { recursive: true });
  const server = await web.serve(root);
  const { page, problems, close } = await web.openPage(site.browser, `${server.origin}/`);
  try {
    await web.waitReady(page);
    const first = await offlineReady(page);
    assert.equal(first.length, 1);

    server.setOnline(false);
    await page.reload();
    await web.waitReady(page);
    assert.equal(await page.evaluate(() => [...document.fonts].filter((f) => f.status !== 'loaded').length), 0);
    await page.evaluate(() => document.fonts.ready);
    assert.deepEqual(problems, []);

    // The next build: another page and another worker.
    server.setOnline(true);
    const index = path.join(root, 'index.html');
    writeFileSync(index, readFileSync(index, 'utf8').replace('<title>', '<meta name="build" content="next">\n<title>'));
    const worker = path.join(root, 'sw.js');
    writeFileSync(worker, readFileSync(worker, 'utf8').replace(/wave-synthesis-\w+/, 'wave-synthesis-next'));
    await page.reload();
    await until(page, async () => (await caches.keys()).join() === 'wave-synthesis-next', 'the next build\'s cache alone');
    assert.notEqual(first[0], 'wave-synthesis-next');

    server.setOnline(false);
    await page.reload();
    await web.waitReady(page);
    assert.equal(await page.getAttribute('meta[name="build"]', 'content'), 'next');
  } finally {
    await close();
    await server.close();
    rmSync(root, { recursive: true, force: true });
  }
});

const PRINTED = [
  { name: 'from a laptop', viewport: { width: 1366, height: 768 } },
  { name: 'from a phone', viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 },
];

test('printed: one landscape A4 page, the whole window centred inside the margins on white', async (t) => {
  if (!existsSync(PDFTOPPM)) assert.fail(`${PDFTOPPM} is missing: run tools/install-deps.sh`);
  const dir = mkdtempSync(path.join(tmpdir(), 'wave-print-'));
  try {
    for (const { name, ...options } of PRINTED) {
      await t.test(name, async () => {
        const { page, close } = await site.ready(options);
        try {
          await page.evaluate(() => document.fonts.ready);
          const pdf = path.join(dir, 'page.pdf');
          writeFileSync(pdf, await page.pdf({ format: 'A4', preferCSSPageSize: true }));
          const info = execFileSync('/usr/bin/pdfinfo', [pdf], { encoding: 'utf8' });
          assert.match(info, /^Pages:\s+1$/m);
          const [, w, h] = info.match(/Page size:\s+([\d.]+) x ([\d.]+)/).map(Number);
          assert.ok(Math.abs(w - 842) < 2 && Math.abs(h - 595) < 2, `page ${w} x ${h} pt`);

          // At 48 dpi: one pixel is two CSS pixels; the 12 mm margins are 22.7 pixels.
          execFileSync(PDFTOPPM, ['-r', '48', '-singlefile', '-png', pdf, path.join(dir, 'page')]);
          const img = web.decodePng(readFileSync(path.join(dir, 'page.png')));
          const margin = (12 / 25.4) * 48;
          // The top margin holds one line, the set-up's link, centred; the window is the ink below it.
          const captionRows = Math.floor(margin) - 1;
          let [left, top, right, bottom] = [img.width, img.height, -1, -1];
          const caption = { left: img.width, right: -1, rows: new Set() };
          for (let y = 0; y < img.height; y++) {
            for (let x = 0; x < img.width; x++) {
              if ((web.rgbAt(img, x, y) & 0xf0f0f0) === 0xf0f0f0) continue;
              if (y < captionRows) {
                [caption.left, caption.right] = [Math.min(caption.left, x), Math.max(caption.right, x)];
                caption.rows.add(y);
              } else {
                [left, top, right, bottom] = [Math.min(left, x), Math.min(top, y), Math.max(right, x), Math.max(bottom, y)];
              }
            }
          }
          assert.ok(caption.rows.size > 2 && caption.rows.size < 12, `a caption line ${caption.rows.size} px high`);
          assert.ok(Math.abs(caption.left - (img.width - 1 - caption.right)) <= 4, `caption from ${caption.left} to ${caption.right}`);
          const ink = { left, top, right: img.width - 1 - right, bottom: img.height - 1 - bottom };
          for (const [side, gap] of Object.entries(ink)) assert.ok(gap >= margin - 1, `${side} gap ${gap} px`);
          assert.ok(Math.abs(ink.left - ink.right) <= 2 && Math.abs(ink.top - ink.bottom) <= 2, JSON.stringify(ink));
          // The whole window, not a part: its shape, and most of the sheet's height.
          const [width, height] = [right - left + 1, bottom - top + 1];
          assert.ok(Math.abs(width / height - web.APP_WIDTH / web.APP_HEIGHT) < 0.02, `${width} x ${height}`);
          assert.ok(height > 0.9 * (img.height - 2 * margin), `height ${height}`);
        } finally {
          await close();
        }
      });
    }
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});

const STARTS = [
  { name: '1366x768', viewport: { width: 1366, height: 768 } },
  { name: '1920x1080 at devicePixelRatio 2', viewport: { width: 1920, height: 1080 }, deviceScaleFactor: 2 },
  { name: 'a phone, 390x844', viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 },
];

test('start-up: the window stands at its place before the module runs, text shows before its face arrives, nothing shifts', async (t) => {
  for (const { name, ...options } of STARTS) {
    await t.test(name, async () => {
      // The module, then the faces, are held until the page has been seen without them.
      const held = {};
      const hold = (pattern) => {
        const arrived = new Promise((r) => (held[pattern] = r));
        return (p) => p.route(pattern, async (route) => {
          await arrived;
          await route.continue();
        });
      };
      // A value too wide for its label, so its face decides how it is narrowed.
      const address = `${site.server.origin}/#A=10.5cos1`;
      const narrowed = (p) => web.control(p, 'Labela(0)').evaluate((label) => label.style.transform);
      const { page, close } = await web.openPage(site.browser, address, {
        ...options,
        waitUntil: 'commit',
        beforeLoad: async (p) => {
          await p.addInitScript(() => {
            window.shifts = [];
            new PerformanceObserver((list) => window.shifts.push(...list.getEntries().map((e) => e.value))).observe({ type: 'layout-shift', buffered: true });
          });
          await hold('**/wave-synthesis.wasm')(p);
          await hold('**/*.woff2')(p);
        },
      });
      try {
        const rect = () => page.evaluate(() => {
          const r = document.getElementById('app').getBoundingClientRect();
          return [r.left, r.top, r.width, r.height].map((v) => Math.round(v) + 0);
        });
        await page.waitForSelector('#app');
        const before = await rect();
        // Every control already stands at its place, with nothing of the module run yet.
        const boxes = await page.evaluate(() => {
          const app = document.getElementById('app').getBoundingClientRect();
          const scale = app.width / 460;
          return [...document.querySelectorAll('#app > [data-name]')].map((e) => {
            const r = e.getBoundingClientRect();
            return [e.dataset.name, ...[r.left - app.left, r.top - app.top, r.width, r.height].map((v) => Math.round(v / scale))];
          });
        });
        assert.equal(await page.evaluate(() => document.documentElement.dataset.ready), undefined);
        // ...and takes no press that the module would not know of.
        assert.equal(await page.evaluate(() => document.getElementById('app').inert), true);
        // ...showing the values a window starts with, as the module's start-up shows them.
        const shown = (p) => p.evaluate(() => [...document.querySelectorAll('#app > [data-name]')].map((e) =>
          `${e.dataset.name} ${e.matches('.label') ? e.textContent : ''} ${e.querySelector('input')?.checked ?? ''} ${e.getAttribute('aria-valuenow') ?? ''}`));
        const firstLook = await shown(page);
        const started = await web.openPage(site.browser, `${site.server.origin}/`, options);
        try {
          await web.waitReady(started.page);
          assert.deepEqual(firstLook, await shown(started.page));
        } finally {
          await started.close();
        }
        const table = web.tableRects();
        assert.equal(boxes.length, table.size);
        for (const [name, ...box] of boxes) {
          const want = table.get(name);
          assert.deepEqual(box, [want.left, want.top, want.width, want.height].map(Math.round), name);
        }
        held['**/wave-synthesis.wasm']();
        await web.waitReady(page);
        assert.equal(await page.evaluate(() => document.getElementById('app').inert), false);

        // A caption drawn in a fallback face: pixels of more than one colour in its box.
        // (Chromium's own capture; Playwright's would wait for the faces.)
        const box = await page.locator('.label', { hasText: 'a=' }).first().boundingBox();
        const cdp = await page.context().newCDPSession(page);
        const { data } = await cdp.send('Page.captureScreenshot', { format: 'png', clip: { ...box, scale: 1 } });
        const img = web.decodePng(Buffer.from(data, 'base64'));
        const colours = new Set();
        for (let i = 0; i < img.width * img.height; i++) colours.add(web.rgbAt(img, i % img.width, Math.floor(i / img.width)));
        assert.ok(colours.size > 1, 'the caption is invisible while its face loads');

        const inFallback = await narrowed(page);

        held['**/*.woff2']();
        await page.evaluate(() => document.fonts.ready);
        // Two frames, so that a shift of the last one is reported.
        await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
        assert.deepEqual(before, await rect());
        const shift = await page.evaluate(() => window.shifts.reduce((a, b) => a + b, 0));
        assert.ok(shift <= 0.1, `cumulative layout shift ${shift}`);

        // Once its face is in, the value is narrowed as on a page that had it from the start.
        const fresh = await web.openPage(site.browser, address, options);
        try {
          await web.waitReady(fresh.page);
          await fresh.page.evaluate(() => document.fonts.ready);
          const inFace = await narrowed(fresh.page);
          assert.notEqual(inFallback, inFace, 'the value is narrowed again once its face is in');
          assert.equal(await narrowed(page), inFace);
        } finally {
          await fresh.close();
        }
      } finally {
        for (const release of Object.values(held)) release();
        await close();
      }
    });
  }
});

const EMBEDDED = [
  { file: 'index.html', loads: false },
  { file: 'wave-synthesis.html', loads: true },
];

test('in a sandboxed frame the site\'s page names the single file to embed, and the single file works there', async (t) => {
  for (const { file, loads } of EMBEDDED) {
    await t.test(file, async () => {
      const embed = `<iframe sandbox="allow-scripts" src="/${file}" style="width:600px;height:600px"></iframe>`;
      const { page, close } = await web.openPage(site.browser, `${site.server.origin}/embed`, {
        beforeLoad: (p) => p.route('**/embed', (route) => route.fulfill({ contentType: 'text/html', body: embed })),
      });
      try {
        const frame = page.frameLocator('iframe');
        if (loads) {
          await frame.locator('html[data-ready="true"]').waitFor({ state: 'attached' });
          assert.equal(await frame.locator('#load-error').isVisible(), false);
        } else {
          const line = frame.locator('#load-error');
          await line.waitFor({ state: 'visible' });
          assert.match(await line.innerText(), /wave-synthesis\.html/);
          assert.equal(await frame.locator('#app').isVisible(), false);
        }
      } finally {
        await close();
      }
    });
  }
  await t.test('index.html opened from disk', async () => {
    const { page, close } = await web.openPage(site.browser, pathToFileURL(path.join(web.SITE, 'index.html')).href);
    try {
      await page.locator('#load-error').waitFor({ state: 'visible' });
      assert.match(await page.locator('#load-error').innerText(), /wave-synthesis\.html/);
    } finally {
      await close();
    }
  });
});

test('touch: a one-finger swipe neither scrolls nor goes back, a long press opens no menu', async (t) => {
  const touch = { viewport: { width: 1366, height: 768 }, hasTouch: true };
  for (const [name, x] of [['from the margin', 40], ['over the plots', 600]]) {
    await t.test(`a swipe to the right ${name}`, async () => {
      const { page, close } = await web.openPage(site.browser, `${site.server.origin}/fonts/LICENSE-fonts-liberation.txt`, touch);
      try {
        await page.goto(`${site.server.origin}/`);
        await web.waitReady(page);
        // The browser takes a sequence it pans or navigates with away from the page: pointercancel.
        const ended = page.evaluate(() => new Promise((resolve) => {
          for (const type of ['pointerup', 'pointercancel']) window.addEventListener(type, () => resolve(type), { once: true });
          setTimeout(() => resolve('no end of the touch in 10 s'), 10000);
        }));
        const cdp = await page.context().newCDPSession(page);
        const y = 300;
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [{ x, y }] });
        for (let step = 1; step <= 20; step++) {
          await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: [{ x: x + 35 * step, y }] });
        }
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
        assert.equal(await ended, 'pointerup');
        assert.equal(new URL(page.url()).pathname, '/');
      } finally {
        await close();
      }
    });
  }
  // Headless Chromium raises no menu for a long touch, so the page's answer
  // to the event the browser sends is checked.
  await t.test('a long press', async () => {
    const { page, close } = await site.ready(touch);
    try {
      const prevented = await page.evaluate(() => ['.plot canvas', '.option', 'body'].map((where) => {
        const event = new PointerEvent('contextmenu', { pointerType: 'touch', bubbles: true, cancelable: true });
        document.querySelector(where).dispatchEvent(event);
        return event.defaultPrevented;
      }));
      assert.deepEqual(prevented, [true, true, true]);
      assert.equal(await page.evaluate(() => getComputedStyle(document.getElementById('app')).userSelect), 'none');
    } finally {
      await close();
    }
  });
});

test('forced colours: the arrows keep their direction and every frame keeps its edge', async () => {
  const { page, close } = await site.ready({ forcedColors: 'active', colorScheme: 'dark' });
  try {
    const spin = web.control(page, 'SpinButton3(0)');
    const shot = async (locator) => web.decodePng(await locator.screenshot());
    // Where the bright ink inside the button's border is narrowest: at the top, an arrow up.
    const pointing = (img) => {
      const widths = [];
      for (let y = 3; y < img.height - 3; y++) {
        let n = 0;
        for (let x = 3; x < img.width - 3; x++) n += (web.rgbAt(img, x, y) & 0xff) > 128 ? 1 : 0;
        if (n > 0) widths.push(n);
      }
      const [first, last] = [widths[0], widths[widths.length - 1]];
      return first < last ? 'up' : first > last ? 'down' : `neither (${widths})`;
    };
    const arrows = [await shot(spin.locator('button.up')), await shot(spin.locator('button.down'))];
    assert.deepEqual(arrows.map(pointing), ['up', 'down']);
    // Dark forced colours: black ground, white lines. Each frame's left edge, half-way down.
    const faint = [];
    const frames = page.locator('.frame');
    for (let i = 0; i < (await frames.count()); i++) {
      const img = await shot(frames.nth(i));
      const y = Math.floor(img.height / 2);
      const brightest = Math.max(...[0, 1, 2, 3, 4].map((x) => web.rgbAt(img, x, y) & 0xff));
      if (brightest < 200) faint.push(await frames.nth(i).getAttribute('data-name'));
    }
    assert.ok((await frames.count()) > 0);
    assert.deepEqual(faint, []);
  } finally {
    await close();
  }
});
