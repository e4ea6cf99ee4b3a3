// The web edition's start-up and first download, on localhost in headless
// Chromium: what the first visit fetches, gzip-compressed as a host would
// send it, and from navigation to the window ready for a press, the median
// of warm starts (reloads, everything in the browser's cache), and the same
// with no network at all, everything from the service worker.
//   node bench/web/startup.mjs [STARTS]   (after tools/build-web)
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { close, Driver, launch, serve } from '../../tests/web/driver.mjs';

const root = new URL('../../', import.meta.url).pathname;
const site = path.join(root, 'build-web/site');
const starts = Number(process.argv[2] || 10);
const { server, origin } = await serve(site);
const context = await launch(path.join(root, 'build-web/browser-tests/node_modules'));
const driver = new Driver(context, origin);
const fetched = new Set();
context.on('request', (r) => fetched.add(new URL(r.url()).pathname));
try {
  await driver.open();
  let compressed = 0;
  for (const name of fetched) {
    const file = path.join(site, name.endsWith('/') ? `${name}index.html` : name);
    compressed += zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length;
    console.log(`  ${name}: ${fs.statSync(file).size} bytes`);
  }
  console.log(`First visit: ${fetched.size} files, ${(compressed / 1024).toFixed(0)} KiB compressed`);

  const median = async (what) => {
    const times = [];
    for (let i = 0; i < starts; ++i) {
      await driver.start(() => driver.page.reload());
      times.push(await driver.page.evaluate(() => performance.getEntriesByName('pintaro-ready')[0].startTime));
    }
    times.sort((a, b) => a - b);
    console.log(`${what} to ready, median of ${starts}: ${times[Math.floor(starts / 2)].toFixed(0)} ms`
      + ` (${times[0].toFixed(0)} to ${times[starts - 1].toFixed(0)})`);
  };
  await median('Warm start');
  await driver.page.evaluate(() => navigator.serviceWorker.ready);
  await context.setOffline(true);
  await median('Offline start');
} finally {
  await close(context);
  server.close();
}
