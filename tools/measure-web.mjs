// SPDX-License-Identifier: MIT
// Prints the web build's figures, measured through Debian's Chromium:
//   an amplitude press from event to canvas, at app scale 1 and at 1920x1080;
//   the first frame, from navigation to every plot drawn;
//   the same with the processor slowed 1x, 4x and 6x (CDP
//   Emulation.setCPUThrottlingRate), with where the time went;
//   the site's size;
// and, when DESKTOP_BENCH names the release wave_bench, the desktop's press
// for the ratio: at scale 1, and at the page's scale, where its plots have
// as many pixels as the page's. `make measure-web` builds both and runs this.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, statSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import * as web from '../tests/web/lib.mjs';

const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};
const us = (ms) => `${(ms * 1000).toFixed(0)} us`;

web.preflight();
const cpu = readFileSync('/proc/cpuinfo', 'utf8').match(/model name\s*:\s*(.*)/)?.[1] ?? 'unknown';
const chromium = execFileSync(web.CHROMIUM, ['--version'], { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] }).trim();
const cores = readFileSync('/proc/cpuinfo', 'utf8').match(/^processor/gm).length;
console.log(`processor: ${cpu}, ${cores} cores; ${chromium}; load average ${os.loadavg()[0].toFixed(1)}`);

const server = await web.serve();
const browser = await web.launch();

// A page with B's amplitude and frequency raised, so each press draws a wave.
async function pressPage(viewport) {
  const opened = await web.openPage(browser, `${server.origin}/`, { viewport });
  await web.waitReady(opened.page);
  for (const step of [...Array(5).fill('SpinButton3(1)+'), ...Array(3).fill('SpinButton4(1)+')]) {
    await web.press(opened.page, step);
  }
  const scale = await opened.page.evaluate(() => document.getElementById('app').getBoundingClientRect().width / 460);
  return { ...opened, viewport, scale, times: [], rounds: [], desktop: [] };
}

// Batches of presses on the upper and lower arrow of B's amplitude in turn,
// each press a pointerdown and a pointerup dispatched on the arrow; the page
// puts the changed plots on their canvases before the handler returns.
// Batches, since the page's clock is coarse. Milliseconds a press, per batch.
async function pressTimes(page, batches) {
  const result = await page.evaluate(({ batches, size }) => {
    const spinner = document.querySelector('[data-name="SpinButton3(1)"]');
    const up = spinner.querySelector('button.up');
    const down = spinner.querySelector('button.down');
    const label = document.querySelector('[data-name="Labela(1)"]');
    const init = { bubbles: true, cancelable: true, pointerId: 1, isPrimary: true, pointerType: 'mouse', button: 0 };
    const press = (arrow) => {
      arrow.dispatchEvent(new PointerEvent('pointerdown', { ...init, buttons: 1 }));
      arrow.dispatchEvent(new PointerEvent('pointerup', { ...init, buttons: 0 }));
    };
    const before = label.textContent.trim();
    press(up);
    const after = label.textContent.trim();
    press(down);
    const perPress = [];
    for (let b = 0; b < batches; b++) {
      const t0 = performance.now();
      for (let i = 0; i < size; i += 2) {
        press(up);
        press(down);
      }
      perPress.push((performance.now() - t0) / size);
    }
    return { before, after, perPress };
  }, { batches, size: 20 });
  if (result.before === result.after) throw new Error(`a dispatched press changed nothing (${result.before})`);
  return result.perPress;
}

// Start-up stages, in ms from navigation start: the page received; the
// window's first paint (its markup, before the module); the script and the
// module received; the module compiled and instantiated (WebAssembly's own
// entry points, wrapped); the page's faces loaded; the plots drawn (ready).
// Each load in a fresh context (so the module is compiled every time), with
// the processor slowed `rate` times. The
// ready mark is told through the console: asking the page before it would
// have Playwright evaluate its own script in the page first, which at x6
// costs the page's main thread over 100 ms that no visitor pays.
async function startUps(rate, loads) {
  const stages = [];
  for (let n = 0; n < loads; n++) {
    let ready;
    const { page, close } = await web.openPage(browser, `${server.origin}/`, {
      waitUntil: 'commit',
      beforeLoad: async (p) => {
        const cdp = await p.context().newCDPSession(p);
        await cdp.send('Emulation.setCPUThrottlingRate', { rate });
        await p.addInitScript(() => {
          const t = (window.startUp = {});
          for (const name of ['instantiateStreaming', 'instantiate', 'compileStreaming']) {
            const original = WebAssembly[name];
            if (!original) continue;
            WebAssembly[name] = function (...args) {
              t.compileStart ??= performance.now();
              return original.apply(this, args).then((r) => {
                t.instantiated = performance.now();
                return r;
              });
            };
          }
          document.fonts.addEventListener('loadingdone', () => (t.fonts = performance.now()));
          new MutationObserver(() => {
            if (document.documentElement.dataset.ready === 'true' && !t.ready) {
              t.ready = performance.now();
              console.log('wave-ready');
            }
          }).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
        });
        ready = new Promise((resolve, reject) => {
          p.on('console', (m) => m.text() === 'wave-ready' && resolve());
          setTimeout(() => reject(new Error('the page did not get ready in 30 s')), 30000).unref();
        });
      },
    });
    await ready;
    await page.evaluate(() => document.fonts.ready);
    stages.push(await page.evaluate(() => {
      const resource = (end) => performance.getEntriesByType('resource').find((r) => r.name.endsWith(end))?.responseEnd ?? NaN;
      return {
        page: performance.getEntriesByType('navigation')[0].responseEnd,
        script: resource('.js'),
        module: resource('.wasm'),
        painted: performance.getEntriesByType('paint').find((p) => p.name === 'first-contentful-paint')?.startTime ?? NaN,
        ...window.startUp,
      };
    }));
    await close();
  }
  return stages;
}

function siteSize() {
  const files = readdirSync(web.SITE, { recursive: true }).filter((f) => statSync(path.join(web.SITE, f)).isFile());
  const size = (f) => statSync(path.join(web.SITE, f)).size;
  const served = files.filter((f) => f !== 'wave-synthesis.html' && !/LICENSE/.test(f));
  return {
    served: served.reduce((s, f) => s + size(f), 0),
    parts: served.map((f) => `${f} ${(size(f) / 1024).toFixed(1)}`).join(', '),
    single: files.includes('wave-synthesis.html') ? size('wave-synthesis.html') : 0,
    all: files.reduce((s, f) => s + size(f), 0),
  };
}

function desktopPress(scale = 1) {
  const bench = process.env.DESKTOP_BENCH;
  if (!bench) return null;
  const out = path.join(mkdtempSync(path.join(os.tmpdir(), 'bench-')), 'press.json');
  execFileSync(bench, ['--benchmark_filter=^AmplitudePress$', '--benchmark_repetitions=3', '--benchmark_min_time=0.1',
    '--benchmark_report_aggregates_only=true', `--benchmark_out=${out}`, '--benchmark_out_format=json'], { stdio: 'ignore', env: { ...process.env, QT_SCALE_FACTOR: String(scale) } });
  const row = JSON.parse(readFileSync(out, 'utf8')).benchmarks.find((b) => b.aggregate_name === 'median');
  const toMs = { ns: 1e-6, us: 1e-3, ms: 1 }[row.time_unit];
  return row.real_time * toMs;
}

const startUpOnly = process.argv.includes('--start-up');

try {
  if (startUpOnly) {
    for (const rate of [1, 4, 6]) {
      const runs = await startUps(rate, 9);
      const m = (key) => median(runs.map((r) => r[key])).toFixed(0);
      console.log(`start-up at CPU x${rate}, median of ${runs.length} loads (ms from navigation): page ${m('page')}, ` +
        `window painted ${m('painted')}, script ${m('script')}, module ${m('module')}, compile start ${m('compileStart')}, instantiated ${m('instantiated')}, ` +
        `faces ${m('fonts')}, plots drawn ${m('ready')} (max ${Math.max(...runs.map((r) => r.ready)).toFixed(0)})` +
        (rate === 6 ? '  (goal: plots drawn <= 1000 ms)' : ''));
    }
  } else {
    // Rounds of the desktop's press and the page's, in turn, so that a busy
    // moment of the shared machine falls on both sides of a ratio.
    const pages = [await pressPage({ width: 460, height: 466 }), await pressPage({ width: 1920, height: 1080 })];
    const desktop = [];
    for (let round = 0; round < 5; round++) {
      const d = desktopPress();
      if (d !== null) desktop.push(d);
      for (const p of pages) {
        const same = p.scale === 1 ? d : desktopPress(p.scale);
        if (same !== null) p.desktop.push(same);
        const times = await pressTimes(p.page, 12);
        p.times.push(...times);
        p.rounds.push(d === null ? null : median(times) / d);
      }
    }
    const desktopMedian = desktop.length ? median(desktop) : null;
    if (desktopMedian) console.log(`desktop amplitude press (AmplitudePress, release): median ${us(desktopMedian)} over 5 rounds`);
    for (const p of pages) {
      const m = median(p.times);
      const ratio = desktopMedian
        ? `, ${(m / desktopMedian).toFixed(2)}x the desktop (rounds: ${p.rounds.map((r) => `${r.toFixed(2)}x`).join(' ')})`
        : '';
      console.log(`amplitude press at ${p.viewport.width}x${p.viewport.height} (app scale ${p.scale.toFixed(3)}): ` +
        `median ${us(m)}, best batch ${us(Math.min(...p.times))}${ratio}  (goal: median <= 1 ms and <= 4x the desktop)`);
      if (desktopMedian && p.scale !== 1) {
        const same = median(p.desktop);
        console.log(`  the desktop at the same scale (QT_SCALE_FACTOR=${p.scale.toFixed(3)}): median ${us(same)}; ` +
          `the page ${(m / same).toFixed(2)}x that`);
      }
      await p.close();
    }
    const loads = await startUps(1, 11);
    const frames = loads.map((l) => l.ready);
    console.log(`first frame, navigation to ready: median ${median(frames).toFixed(1)} ms over ${frames.length} loads ` +
      `(first ${frames[0].toFixed(1)}, max ${Math.max(...frames).toFixed(1)})  (goal: <= 300 ms)`);
    console.log(`  of which: page received ${median(loads.map((l) => l.page)).toFixed(1)} ms, ` +
      `module received ${median(loads.map((l) => l.module)).toFixed(1)} ms (medians)`);
    const size = siteSize();
    console.log(`site as served (html, js, wasm, fonts): ${(size.served / 1024).toFixed(1)} KiB [${size.parts}]  (goal: <= 600 KB)`);
    console.log(`single file ${(size.single / 1024).toFixed(1)} KiB; build/web altogether, licences included, ${(size.all / 1024).toFixed(1)} KiB`);
  }
} finally {
  await browser.close();
  await server.close();
}
