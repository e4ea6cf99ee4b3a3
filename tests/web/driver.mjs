// The shared driver of the web edition: the site served on localhost with
// its Content-Security-Policy, Debian's Chromium headless through Playwright,
// and what a check needs of the page: canvas pixels, presses by touch, the
// dialogs' texts. Everything the browser asks of another origin, every
// policy violation and every page error is kept in `faults`.
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';
import zlib from 'node:zlib';

export const WIDTH = 685;
export const HEIGHT = 557;

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.data': 'application/octet-stream', '.png': 'image/png', '.bmp': 'image/bmp',
  '.webmanifest': 'application/manifest+json',
};

// The policy the page declares, sent as a header too, as a host would.
function policyOf(site) {
  return /http-equiv="Content-Security-Policy" content="([^"]+)"/.exec(
    fs.readFileSync(path.join(site, 'index.html'), 'utf8'))[1];
}

export function serve(site) {
  const policy = policyOf(site);
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = path.join(site, name.endsWith('/') ? `${name}index.html` : name);
    if (!file.startsWith(site) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, {
      'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
      'Content-Security-Policy': policy,
      'Cache-Control': 'no-cache',
    });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => {
    resolve({ server, origin: `http://127.0.0.1:${server.address().port}` });
  }));
}

// Debian's Chromium, with nothing of its own reaching the network.
const CHROMIUM_FLAGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

export async function launch(modules, options = {}) {
  const { chromium } = createRequire(path.join(modules, 'driver.js'))('playwright-core');
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'pintaro-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium', headless: true, args: CHROMIUM_FLAGS, acceptDownloads: true,
    viewport: { width: 1024, height: 768 }, ...options,
  });
  context.profile = profile;
  return context;
}

export async function close(context) {
  await context.close();
  fs.rmSync(context.profile, { recursive: true, force: true });
}

export class Driver {
  constructor(context, origin) {
    this.context = context;
    this.origin = origin;
    this.faults = [];
    context.on('request', (r) => {
      const url = new URL(r.url());
      if (!['blob:', 'data:'].includes(url.protocol) && url.origin !== origin) this.faults.push(`request to ${r.url()}`);
    });
    context.on('console', (m) => {
      if (/Content.Security.Policy|Refused to/i.test(m.text())) this.faults.push(`policy: ${m.text()}`);
    });
  }

  async open() {
    this.page = this.context.pages()[0] || await this.context.newPage();
    this.page.on('pageerror', (e) => this.faults.push(`page error: ${e.message}`));
    await this.page.addInitScript(() => document.addEventListener('securitypolicyviolation',
      (e) => console.error(`Refused to load ${e.blockedURI}: ${e.violatedDirective}`)));
    await this.start(() => this.page.goto(`${this.origin}/`));
    this.cdp = await this.context.newCDPSession(this.page);
  }

  // Navigation or reload, until the window takes presses.
  async start(navigate) {
    await navigate();
    await this.page.waitForSelector('html[data-state="ready"]');
  }

  control(name, role = 'button') { return this.page.getByRole(role, { name, exact: true }); }
  dialog(title) { return this.page.getByRole('dialog', { name: title, exact: true }); }

  // The open message box's title and text, lines joined as the program joins them.
  async message() {
    const box = this.page.locator('[role=alertdialog]');
    await box.waitFor();
    return {
      title: await box.getAttribute('aria-label'),
      text: (await box.locator('.text > div').allTextContents()).join('\r\n'),
    };
  }

  async answer(button) {
    await this.page.locator('[role=alertdialog]').getByRole('button', { name: button, exact: true }).click();
  }

  // The page position of canvas pixel (x, y)'s centre.
  async at(x, y) {
    const box = await this.page.locator('canvas.canvas').boundingBox();
    return { x: box.x + (x + 0.5) * box.width / WIDTH, y: box.y + (y + 0.5) * box.height / HEIGHT };
  }

  // One finger: down at the first point, through the others, up at the last;
  // `second`, when given, is another finger put down and moved meanwhile.
  async touch(points, second) {
    const finger = async (type, touches) => this.cdp.send('Input.dispatchTouchEvent', { type, touchPoints: touches });
    const at = await Promise.all(points.map(([x, y]) => this.at(x, y)));
    const other = second ? await Promise.all(second.map(([x, y]) => this.at(x, y))) : [];
    const touchOf = (p, id) => ({ x: p.x, y: p.y, id });
    await finger('touchStart', [touchOf(at[0], 1)]);
    for (let i = 1; i < at.length; ++i) {
      const extra = other[i - 1] ? [touchOf(other[i - 1], 2)] : [];
      await finger(i === 1 && extra.length ? 'touchStart' : 'touchMove', [touchOf(at[i], 1), ...extra]);
    }
    await finger('touchEnd', []);
  }

  // The canvas as 0x00RRGGBB numbers, rows top down.
  async canvasPixels() {
    const data = await this.page.evaluate(() => {
      const c = document.querySelector('canvas.canvas');
      return Array.from(c.getContext('2d').getImageData(0, 0, c.width, c.height).data);
    });
    const out = new Array(WIDTH * HEIGHT);
    for (let i = 0; i < out.length; ++i) out[i] = (data[4 * i] << 16) | (data[4 * i + 1] << 8) | data[4 * i + 2];
    return out;
  }

  // Files dropped on the canvas, as from a file manager: [name, bytes] pairs.
  async drop(files) {
    const transfer = await this.page.evaluateHandle((list) => {
      const t = new DataTransfer();
      for (const [name, base64] of list) t.items.add(new File([Uint8Array.from(atob(base64), (c) => c.charCodeAt(0))], name));
      return t;
    }, files.map(([name, bytes]) => [name, Buffer.from(bytes).toString('base64')]));
    await this.page.dispatchEvent('canvas.canvas', 'drop', { dataTransfer: transfer });
  }

  // Until the session has gone into the browser's storage.
  async sessionSaved() {
    await this.page.waitForSelector('html[data-session="saved"]');
  }
}

// A 24-bit bottom-up BMP's pixels as canvasPixels() gives them.
export function bmpPixels(bytes) {
  const offset = bytes.readUInt32LE(10);
  const row = Math.ceil((WIDTH * 3) / 4) * 4;
  const out = new Array(WIDTH * HEIGHT);
  for (let y = 0; y < HEIGHT; ++y)
    for (let x = 0; x < WIDTH; ++x) {
      const at = offset + (HEIGHT - 1 - y) * row + 3 * x;
      out[y * WIDTH + x] = (bytes[at + 2] << 16) | (bytes[at + 1] << 8) | bytes[at];
    }
  return out;
}

// A PNG of width by height, pixel (x, y) black where ink(x, y), else white.
export function png(width, height, ink) {
  const chunk = (type, data) => {
    const body = Buffer.concat([Buffer.from(type), data]);
    const size = Buffer.alloc(4);
    size.writeUInt32BE(data.length);
    const crc = Buffer.alloc(4);
    crc.writeUInt32BE(crc32(body));
    return Buffer.concat([size, body, crc]);
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width);
  header.writeUInt32BE(height, 4);
  header.set([8, 0, 0, 0, 0], 8);  // 8-bit grey
  const rows = Buffer.alloc((width + 1) * height);
  for (let y = 0; y < height; ++y)
    for (let x = 0; x < width; ++x) rows[y * (width + 1) + 1 + x] = ink(x, y) ? 0 : 255;
  return Buffer.concat([Buffer.from([0x89, 0x50, 0x4e, 0x47, 13, 10, 26, 10]), chunk('IHDR', header),
    chunk('IDAT', zlib.deflateSync(rows)), chunk('IEND', Buffer.alloc(0))]);
}

function crc32(bytes) {
  let c = ~0;
  for (const b of bytes) {
    c ^= b;
    for (let k = 0; k < 8; ++k) c = (c >>> 1) ^ (0xedb88320 & -(c & 1));
  }
  return ~c >>> 0;
}
