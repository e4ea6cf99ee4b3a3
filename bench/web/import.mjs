// A colouring page from a 12-megapixel JPEG photo, in headless Chromium:
// from the drop to the page on the canvas, by the browser's own marks, the
// median of five drops.
//   node bench/web/import.mjs [DROPS]   (after tools/build-web)
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { close, Driver, launch, serve } from '../../tests/web/driver.mjs';

const root = new URL('../../', import.meta.url).pathname;
const drops = Number(process.argv[2] || 5);
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'pintaro-import-'));
// A page as a camera would take it: 4000 by 3000, grey paper, dark outlines, noise.
const photo = path.join(work, 'photo.jpg');
execFileSync('convert', ['-size', '4000x3000', 'xc:#d8d4cc', '-fill', 'none', '-stroke', '#202020',
  '-strokewidth', '14', '-draw', 'circle 2000,1500 2000,400', '-draw', 'rectangle 600,500 1500,2500',
  '-draw', 'line 2600,600 3600,2600', '-attenuate', '0.4', '+noise', 'Gaussian', '-quality', '90', photo]);
const bytes = fs.readFileSync(photo);

const { server, origin } = await serve(path.join(root, 'build-web/site'));
const context = await launch(path.join(root, 'build-web/browser-tests/node_modules'));
const driver = new Driver(context, origin);
try {
  await driver.open();
  const times = [];
  for (let i = 1; i <= drops; ++i) {
    await driver.drop([['photo.jpg', bytes]]);
    await driver.page.waitForFunction((n) => performance.getEntriesByName('pintaro-imported').length === n, i,
      { timeout: 60000 });
    times.push(await driver.page.evaluate(() => {
      const [drop, shown] = ['pintaro-drop', 'pintaro-imported'].map((m) => performance.getEntriesByName(m).at(-1));
      return shown.startTime - drop.startTime;
    }));
  }
  times.sort((a, b) => a - b);
  console.log(`12-megapixel JPEG (${(bytes.length / 1048576).toFixed(1)} MiB), drop to canvas, median of ${drops}: `
    + `${times[Math.floor(drops / 2)].toFixed(0)} ms (${times[0].toFixed(0)} to ${times[drops - 1].toFixed(0)})`);
  await driver.page.screenshot({ path: path.join(root, 'build-web/import.png') });
} finally {
  await close(context);
  server.close();
  fs.rmSync(work, { recursive: true, force: true });
}
