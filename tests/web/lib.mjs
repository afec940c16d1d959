// SPDX-License-Identifier: MIT
// Shared steps of the browser tests: the site served from this process,
// Debian's Chromium, the page's problems, its canvases, and the wave formula.
import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync } from 'node:fs';
import { readFile } from 'node:fs/promises';
import http from 'node:http';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { inflateSync } from 'node:zlib';

export const CHROMIUM = '/usr/bin/chromium';
const here = path.dirname(fileURLToPath(import.meta.url));
export const SITE = path.resolve(process.env.WAVE_SITE ?? path.join(here, '../../build/web'));
export const APP_WIDTH = 460;
export const APP_HEIGHT = 466;
const TIMEOUT = 15000;

// One clear line instead of a stack when the machine or the build is not ready.
export function preflight() {
  const missing = !existsSync(CHROMIUM)
    ? `${CHROMIUM} is missing: run tools/install-deps.sh`
    : !existsSync(path.join(SITE, 'index.html'))
      ? `no site in ${SITE}: run \`make web\` first`
      : null;
  if (missing) {
    console.error(`browser tests: ${missing}`);
    process.exit(1);
  }
}

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.woff2': 'font/woff2',
  '.css': 'text/css; charset=utf-8',
  '.txt': 'text/plain; charset=utf-8',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
  '.svg': 'image/svg+xml',
};

// The site on 127.0.0.1 at a port the system picks; resolves to its origin.
// Offline (setOnline(false)) it drops every connection, as a lost network does.
export async function serve(root = SITE) {
  let online = true;
  const server = http.createServer(async (req, res) => {
    if (!online) {
      req.socket.destroy();
      return;
    }
    let rel = decodeURIComponent(new URL(req.url, 'http://localhost').pathname);
    if (rel.endsWith('/')) rel += 'index.html';
    const file = path.join(root, path.normalize(rel));
    if (!file.startsWith(root + path.sep)) {
      res.writeHead(403).end();
      return;
    }
    try {
      const body = await readFile(file);
      const type = TYPES[path.extname(file)] ?? (file.includes('LICENSE') ? TYPES['.txt'] : 'application/octet-stream');
      res.writeHead(200, { 'Content-Type': type, 'Cache-Control': 'no-store' }).end(body);
    } catch {
      res.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    origin: `http://127.0.0.1:${server.address().port}`,
    setOnline: (value) => (online = value),
    close: () => new Promise((r) => server.close(r) && server.closeAllConnections()),
  };
}

export async function launch() {
  const { chromium } = await import('playwright-core');
  return chromium.launch({
    executablePath: CHROMIUM,
    timeout: 60000,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run', '--disable-quic'],
  });
}

// A new page that notes every console error, script error, failed request and
// request for anything but the site's own files (or the data: URI that the
// single file's module comes from).
export async function openPage(browser, url, { beforeLoad, waitUntil, ...options } = {}) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 }, ...options });
  context.setDefaultTimeout(TIMEOUT);
  const page = await context.newPage();
  const problems = [];
  const own = url.startsWith('file:') ? `${pathToFileURL(SITE).href}/` : `${new URL(url).origin}/`;
  page.on('console', (m) => m.type() === 'error' && problems.push(`console: ${m.text()} (${m.location().url})`));
  page.on('pageerror', (e) => problems.push(`script error: ${e.message}`));
  page.on('requestfailed', (r) => problems.push(`failed: ${r.url()} (${r.failure()?.errorText})`));
  page.on('response', (r) => r.status() >= 400 && problems.push(`HTTP ${r.status()}: ${r.url()}`));
  page.on('request', (r) => {
    const u = r.url();
    if (!u.startsWith(own) && !u.startsWith('data:')) problems.push(`foreign request: ${u.slice(0, 80)}`);
  });
  if (beforeLoad) await beforeLoad(page);
  await page.goto(url, { waitUntil });
  return { page, problems, close: () => context.close() };
}

export async function waitReady(page) {
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'true', null, { timeout: TIMEOUT });
}

export const control = (page, name) => page.locator(`[data-name="${name}"]`);

// A step in the one language the browser and the desktop helper share:
// "SpinButton3(0)+" presses the upper arrow, "-" the lower; a bare name
// clicks that option button or command button.
export async function press(page, step) {
  const arrow = step.match(/^(.*)([+-])$/);
  if (arrow) {
    await control(page, arrow[1]).locator(arrow[2] === '+' ? 'button.up' : 'button.down').click();
  } else {
    await control(page, step).click();
  }
}

export async function text(page, name) {
  return (await control(page, name).textContent()).trim();
}

// The rows of the layout table, from the program's own table.
let rows;
export function layoutRows() {
  if (!rows) {
    const helper = process.env.LAYOUT_JSON;
    if (!helper) throw new Error('LAYOUT_JSON must name the layout helper (ctest sets it)');
    rows = JSON.parse(execFileSync(helper, { encoding: 'utf8' }));
  }
  return rows;
}

// The canvas of a picture box: its size in device pixels and its RGBA bytes.
export async function readCanvas(page, name) {
  const got = await control(page, name).locator('canvas').evaluate((canvas) => {
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let binary = '';
    for (let i = 0; i < data.length; i += 0x8000) binary += String.fromCharCode.apply(null, data.subarray(i, i + 0x8000));
    const box = canvas.getBoundingClientRect();
    return { width: canvas.width, height: canvas.height, cssWidth: box.width, cssHeight: box.height, base64: btoa(binary) };
  });
  return { ...got, data: new Uint8Array(Buffer.from(got.base64, 'base64')) };
}

// 0xRRGGBB of a pixel; alpha must be opaque, or the result is negative.
export function rgbAt(img, col, row) {
  const i = 4 * (row * img.width + col);
  const d = img.data;
  return d[i + 3] === 255 ? (d[i] << 16) | (d[i + 1] << 8) | d[i + 2] : -1;
}

// A layout colour (0x00BBGGRR) as 0xRRGGBB.
export const rgbOf = (colour) => ((colour & 0xff) << 16) | (colour & 0xff00) | ((colour >> 16) & 0xff);

// The row a plot's mapping gives y, as the program's user scale has it.
function rowOf(y, ytop, rows) {
  const p = ((y - ytop) / (-2 * ytop)) * rows;
  return p === rows ? rows - 1 : Math.floor(p);
}

// Checks a plot against the sum of amp * cos|sin(hz * x) over its terms,
// x = 2 pi t over span seconds, at a spread of columns: ink of the colour lies
// within `slack` rows of the formula's row, and nowhere else in the column
// (no stale curve left over). Returns a list of what is wrong.
export function waveFaults(img, { colour, ytop, span, terms }, slack = 2) {
  const pi = 3.14159;
  const f = (x) => terms.reduce((y, t) => y + t.amp * (t.wave === 'sin' ? Math.sin(t.hz * x) : Math.cos(t.hz * x)), 0);
  const xAt = (c) => ((c + 0.5) * 2 * pi * span) / img.width;
  const faults = [];
  const step = Math.max(3, Math.round(img.width / 45));
  for (let col = 2; col < img.width - 2; col += step) {
    const row = rowOf(f(xAt(col)), ytop, img.height);
    if (row < 1 || row > img.height - 2) continue;
    // The rows the curve passes through over this column and its neighbours.
    let lo = row;
    let hi = row;
    for (let k = 0; k <= 12; k++) {
      const r = rowOf(f(xAt(col - 1.5 + (3 * k) / 12)), ytop, img.height);
      lo = Math.min(lo, r);
      hi = Math.max(hi, r);
    }
    let near = false;
    for (let r = 0; r < img.height; r++) {
      if (rgbAt(img, col, r) !== colour) continue;
      if (r >= row - slack && r <= row + slack) near = true;
      if (r < lo - slack || r > hi + slack) faults.push(`column ${col}: stray ink at row ${r}`);
    }
    if (!near) faults.push(`column ${col}: no ${hex(colour)} ink near row ${row}`);
  }
  return faults;
}

export const hex = (rgb) => rgb.toString(16).padStart(6, '0');

// Each control's outer rectangle in the app box at scale 1, walking the
// containers as the desktop does: a picture box's children sit inside its
// 2-pixel border.
export function tableRects() {
  const rects = new Map();
  for (const row of layoutRows()) {
    const c = row.container ? rects.get(row.container) : { left: 0, top: 0, inset: 0 };
    rects.set(row.name, {
      left: c.left + c.inset + row.left / 15,
      top: c.top + c.inset + row.top / 15,
      width: row.width / 15,
      height: row.height / 15,
      inset: row.kind === 'PictureBox' ? 2 : 0,
    });
  }
  return rects;
}

// The names of the controls that take the focus, by tab index.
export function tabOrder() {
  return layoutRows()
    .filter((r) => !['Label', 'Frame'].includes(r.kind))
    .sort((a, b) => a.tab - b.tab);
}

// RGBA pixels of a PNG as Chromium writes its screenshots: 8 bits a channel,
// RGB or RGBA, not interlaced.
export function decodePng(png) {
  let at = 8;
  let width = 0;
  let height = 0;
  let channels = 0;
  const idat = [];
  while (at < png.length) {
    const length = png.readUInt32BE(at);
    const type = png.toString('latin1', at + 4, at + 8);
    const body = png.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      channels = { 2: 3, 6: 4 }[body[9]];
      if (body[8] !== 8 || !channels || body[12] !== 0) throw new Error('unexpected PNG kind');
    } else if (type === 'IDAT') {
      idat.push(body);
    }
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(idat));
  const stride = width * channels;
  const rows = new Uint8Array(height * stride);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)];
    for (let x = 0; x < stride; x++) {
      const v = raw[y * (stride + 1) + 1 + x];
      const a = x >= channels ? rows[y * stride + x - channels] : 0;
      const b = y > 0 ? rows[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? rows[(y - 1) * stride + x - channels] : 0;
      const p = a + b - c;
      const paeth = Math.abs(p - a) <= Math.abs(p - b) && Math.abs(p - a) <= Math.abs(p - c) ? a : Math.abs(p - b) <= Math.abs(p - c) ? b : c;
      rows[y * stride + x] = v + [0, a, b, (a + b) >> 1, paeth][filter];
    }
  }
  const data = new Uint8Array(width * height * 4);
  for (let i = 0; i < width * height; i++) {
    for (let k = 0; k < 3; k++) data[4 * i + k] = rows[i * channels + k];
    data[4 * i + 3] = channels === 4 ? rows[i * channels + 3] : 255;
  }
  return { width, height, data };
}

// A netpbm PAM file of RGBA pixels, as the desktop helper writes them.
export function readPam(file) {
  const bytes = readFileSync(file);
  const end = bytes.indexOf('ENDHDR\n') + 7;
  const header = bytes.toString('latin1', 0, end);
  const width = Number(header.match(/WIDTH (\d+)/)[1]);
  const height = Number(header.match(/HEIGHT (\d+)/)[1]);
  return { width, height, data: new Uint8Array(bytes.subarray(end)) };
}
