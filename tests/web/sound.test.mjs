// SPDX-License-Identifier: MIT
// The sum as sound: what the page plays, recorded from its output node in
// Chromium, and a browser that cannot play.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import * as web from './lib.mjs';
import { session } from './session.mjs';

const site = session();
const PITCH = 100;
const level = (amp) => (0.98 * amp) / (4 * 10.9);

// Whatever the page connects to its speakers also feeds an analyser, which
// tells whether anything is heard; the node the page fills is kept.
function tapOutput() {
  const connect = AudioNode.prototype.connect;
  AudioNode.prototype.connect = function (target, ...rest) {
    if (target instanceof AudioDestinationNode) {
      const context = target.context;
      if (!window.tap) {
        window.tap = context.createAnalyser();
        window.tap.fftSize = 32768;
      }
      connect.call(this, window.tap);
      window.soundNode = this;
    }
    return connect.call(this, target, ...rest);
  };
}

// Two fifths of a second (whole turns of every pitch asked about) of what the
// page plays, asked of its node block by block in one go, so a busy machine
// cannot drop or repeat a block of the take. The first blocks are left out:
// the sound fades in at a start, and glides to a new setting.
async function record(page) {
  await page.waitForFunction(() => window.soundNode, null, { timeout: 15000 });
  return page.evaluate(() => {
    const node = window.soundNode;
    const block = new Float32Array(node.bufferSize);
    const samples = [];
    const rate = node.context.sampleRate;
    for (let n = 0; samples.length < (2 * rate) / 5 + 8 * block.length; n++) {
      node.onaudioprocess({ outputBuffer: { getChannelData: () => block } });
      samples.push(...block);
    }
    return { rate, samples: samples.slice(8 * block.length, 8 * block.length + (2 * rate) / 5) };
  });
}

// The amplitude of the tone at hz in the recording.
function amplitude({ rate, samples }, hz) {
  let re = 0;
  let im = 0;
  for (let n = 0; n < samples.length; n++) {
    re += samples[n] * Math.cos((2 * Math.PI * hz * n) / rate);
    im += samples[n] * Math.sin((2 * Math.PI * hz * n) / rate);
  }
  return (2 * Math.hypot(re, im)) / samples.length;
}

// Silence: the page has let its audio device go, or the recording has no sound left.
const silent = (page) => page.waitForFunction(() => {
  if (window.tap.context.state === 'suspended') return true;
  const samples = new Float32Array(window.tap.fftSize);
  window.tap.getFloatTimeDomainData(samples);
  return samples.every((s) => Math.abs(s) < 1e-6);
}, null, { timeout: 15000 });

const menuNames = (page) => page.$$eval('#wave-menu [role=menuitem]:not([hidden]) .name', (all) => all.map((e) => e.textContent));

test('Ctrl+M plays the sum a hundred times higher, at the waves\' ratio, and stops it; a hidden page is silent', async () => {
  const { page, problems, close } = await web.openPage(site.browser, `${site.server.origin}/#A=5cos1&B=3sin2.5&t=2`,
    { locale: 'ja-JP', beforeLoad: (p) => p.addInitScript(tapOutput) });
  try {
    await web.waitReady(page);
    await web.control(page, 'Gr').focus();
    await page.keyboard.press('Control+M');
    const heard = await record(page);
    const peaks = Object.fromEntries([1, 2.5, 1.5, 1.75, 4].map((hz) => [hz, amplitude(heard, hz * PITCH)]));
    assert.deepEqual([
      Math.abs(peaks[1] / level(5) - 1) < 0.03 ? '' : `A at 100 Hz: ${peaks[1]}, not ${level(5)}`,
      Math.abs(peaks[1] / peaks[2.5] / (5 / 3) - 1) < 0.01 ? '' : `A to B: ${peaks[1] / peaks[2.5]}`,
      ...[1.5, 1.75, 4].map((hz) => (peaks[hz] < peaks[1] / 50 ? '' : `something at ${hz * PITCH} Hz: ${peaks[hz]}`)),
    ].filter(Boolean), []);
    assert.ok(heard.samples.every((s) => Math.abs(s) <= 1));

    // Shown as the menu's stop; a press while playing is heard.
    await web.control(page, 'Gr').click({ button: 'right' });
    assert.deepEqual((await menuNames(page)).at(-1), '音を止める');
    await page.keyboard.press('Escape');
    await web.press(page, 'SpinButton3(0)+');
    const louder = await record(page);
    const ratio = amplitude(louder, 100) / amplitude(louder, 250);
    assert.ok(Math.abs(ratio / 2 - 1) < 0.01, `A to B after the press: ${ratio}, not 6 to 3`);

    await page.keyboard.press('Control+M');
    await silent(page);

    await page.keyboard.press('Control+M');
    await page.waitForFunction(() => {
      const samples = new Float32Array(window.tap.fftSize);
      window.tap.getFloatTimeDomainData(samples);
      return samples.some((s) => Math.abs(s) > 0.01);
    }, null, { timeout: 15000 });
    await page.evaluate(() => {
      Object.defineProperty(document, 'hidden', { value: true, configurable: true });
      document.dispatchEvent(new Event('visibilitychange'));
    });
    await silent(page);
    assert.deepEqual(problems, []);
  } finally {
    await close();
  }
});

const NO_SOUND = [
  {
    name: 'no Web Audio at all',
    setup: () => { delete window.AudioContext; delete window.webkitAudioContext; },
  },
  {
    name: 'no device to open',
    setup: () => {
      window.AudioContext = class { constructor() { throw new DOMException('no audio device', 'NotSupportedError'); } };
    },
  },
];

test('a browser that cannot play says so once, and the window goes on working', async (t) => {
  for (const { name, setup } of NO_SOUND) {
    await t.test(name, async () => {
      for (const { locale, message } of [
        { locale: 'ja-JP', message: '音を出す装置が見つからないため、音を鳴らせません。' },
        { locale: 'en-US', message: 'No sound device was found, so the sound cannot be played.' },
      ]) {
        const { page, problems, close } = await web.openPage(site.browser, `${site.server.origin}/`,
          { locale, beforeLoad: (p) => p.addInitScript(setup) });
        try {
          await web.waitReady(page);
          await page.keyboard.press('Control+M');
          const shown = page.locator('#wave-message');
          await shown.waitFor({ state: 'visible' });
          assert.equal(await shown.textContent(), message);
          assert.equal(await shown.getAttribute('role'), 'alert');
          await web.control(page, 'Gr').click({ button: 'right' });
          assert.equal((await menuNames(page)).length, 6, 'the menu offers to play, not to stop');
          await page.keyboard.press('Escape');
          await web.press(page, 'SpinButton3(0)+');
          assert.equal(await web.text(page, 'Labela(0)'), '1');
          assert.deepEqual(problems, []);
        } finally {
          await close();
        }
      }
    });
  }
});
