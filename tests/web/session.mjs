// The web edition in headless Chromium, one session from the first visit to
// Exit: every control by its name, a picture coloured by touch and compared
// with what the core makes of the same presses, saved (the overwrite question
// answered both ways), found again after a reload, downloaded as the desktop
// editions' BMP, and nothing asked of any other origin. Installed: started
// again with no network, colouring pages dropped, the artwork printed to PDF,
// and the window on a phone held both ways.
//   node session.mjs SITE REPLAY_JS NODE_MODULES
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { bmpPixels, close, Driver, launch, png, serve } from './driver.mjs';

const [site, replay, modules] = process.argv.slice(2);
const PICTURE = 'balloons.bmp';
const ERROR = 'Pintaro v1.0 [Error]';

const NAMES = [
  'More Colors', '?', 'Exit', 'Use This Tool To Draw', 'Use This Tool To Fill', 'Use This Tool to Erase',
  'Use This Tool For Color Grabbing', 'Click Here To Open A New Image', 'Click Here To Save Your Work',
  'Orange', 'Yellow', 'Cyan', 'Green', 'Magenta', 'Red', 'Blue', 'Black', 'White',
  'Pencil size 1', 'Pencil size 2', 'Pencil size 3',
];
// Each is a click on a control, or presses by touch; `replay` says the same to the core.
const COLOURING = [
  { click: 'Red', replay: ['colour', 5] },
  { touch: [[60, 60]], replay: ['down', 60, 60, 'up', 60, 60] },
  { click: 'Use This Tool To Draw', replay: ['tool', 0] },
  { click: 'Pencil size 3', replay: ['size', 2] },
  { click: 'Blue', replay: ['colour', 6] },
  { touch: [[100, 300], [160, 300], [240, 300], [300, 300]], second: [[500, 100], [520, 120]],
    replay: ['down', 100, 300, 'move', 160, 300, 'move', 240, 300, 'move', 300, 300, 'up', 300, 300] },
];
// The Color dialog gives what the desktop's does: pure black becomes white,
// Cancel changes nothing.
const COLOURS = [
  { rgb: [0, 0, 0], button: 'OK', current: 'rgb(255, 255, 255)' },
  { rgb: [10, 200, 30], button: 'Cancel', current: 'rgb(255, 255, 255)' },
  { rgb: [10, 200, 30], button: 'OK', current: 'rgb(10, 200, 30)' },
];
// The same name saved three times: the question only once the file is there.
const SAVES = [
  { question: false, confirmed: true },
  { question: true, answer: 'No', confirmed: false },
  { question: true, answer: 'Yes', confirmed: true },
];

// Pages dropped on the window or chosen from the device: each made a
// picture and opened, or refused with the desktop editions' message and
// nothing kept.
const CROSS = png(400, 300, (x, y) => Math.abs(x - 200) < 4 || Math.abs(y - 150) < 4);
const DAMAGED = Buffer.from(CROSS).fill(0x55, 60, 90);
const STAR = '<svg xmlns="http://www.w3.org/2000/svg" width="400" height="300">'
  + '<path d="M200 0V300M0 150H400" stroke="#000" stroke-width="8"/></svg>';
const refused = (name, reason) => `"${name}" Can't Be Made Into A Picture\r\n${reason}`;
const IMPORTS = [
  { name: 'cross.png', bytes: CROSS },
  { name: 'damaged.png', bytes: DAMAGED, message: refused('damaged.png', 'The File Is Damaged Or Incomplete') },
  { name: 'notes.txt', bytes: Buffer.from('a shopping list'), message: refused('notes.txt', 'The File Is Not A Picture') },
  { name: 'huge.png', bytes: png(12000, 9000, () => false), message: refused('huge.png', 'The Picture Is Too Large') },
  { name: 'star.svg', bytes: Buffer.from(STAR) },
  { name: 'camera.png', bytes: CROSS, fromDevice: true },
];
const PAGES = ['Pintaro/artwork.bmp', 'Pintaro/camera.bmp', 'Pintaro/cross.bmp', 'Pintaro/star.bmp'];

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'pintaro-web-'));
const { server, origin } = await serve(path.resolve(site));
const context = await launch(modules, { hasTouch: true });
const driver = new Driver(context, origin);
try {
  await driver.open();
  const { page } = driver;
  await page.evaluate(() => navigator.serviceWorker.ready);
  assert.deepEqual((await driver.cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  for (const name of NAMES) assert.equal(await driver.control(name).count(), 1, name);
  assert.equal(await driver.control('Click Here To Save Your Work').isDisabled(), true);

  // A shipped picture, chosen in the Open dialog.
  await driver.control('Click Here To Open A New Image').click();
  const open = driver.dialog('Open Image [BMP] File');
  await open.getByRole('option', { name: PICTURE, exact: true }).click();
  await open.getByRole('button', { name: 'Open', exact: true }).click();
  await page.locator('#Command4:not([disabled])').waitFor();

  const steps = [];
  for (const step of COLOURING) {
    if (step.click) await driver.control(step.click).click();
    else await driver.touch(step.touch, step.second);
    steps.push(...step.replay);
  }
  const expected = path.join(work, 'expected.bmp');
  const picture = new URL(`../../pics/${PICTURE}`, import.meta.url).pathname;
  execFileSync(process.execPath, [replay, picture, expected, ...steps.map(String)]);
  const expectedBytes = fs.readFileSync(expected);
  const expectedPixels = bmpPixels(expectedBytes);
  const same = async (what) => {
    const shown = await driver.canvasPixels();
    const wrong = shown.findIndex((p, i) => p !== expectedPixels[i]);
    assert.equal(wrong, -1, `${what}: pixel ${wrong % 685}, ${Math.floor(wrong / 685)} differs`);
  };
  await same('after colouring');

  for (const save of SAVES) {
    await driver.control('Click Here To Save Your Work').click();
    const dialog = driver.dialog('Save Your Art Work');
    await dialog.getByRole('textbox', { name: 'File name' }).fill('my art.bmp');
    await dialog.getByRole('button', { name: 'Save', exact: true }).click();
    if (save.question) {
      assert.deepEqual(await driver.message(),
        { title: ERROR, text: "The File You Have Chosen Isn't\r\n Empty. Overwrite The File ?" });
      await driver.answer(save.answer);
    }
    if (save.confirmed) {
      assert.deepEqual(await driver.message(), { title: 'Pintaro v1.0', text: 'Your Artwork Has Been Saved' });
      await driver.answer('OK');
    }
    assert.equal(await page.locator('[role=dialog], [role=alertdialog]').count(), 0);
  }

  // A reload is no Exit: the canvas, the tool and the colour come back, with
  // no network at all, from the service worker.
  await driver.sessionSaved();
  await context.setOffline(true);
  await driver.start(() => page.reload());
  assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null));
  await same('after a reload');
  assert.equal(await driver.control('Use This Tool To Draw').isDisabled(), true);
  assert.equal(await driver.control('Click Here To Save Your Work').isDisabled(), false);
  assert.equal(await page.locator('#Label6').evaluate((e) => e.style.backgroundColor), 'rgb(0, 0, 255)');

  // The artwork is kept, and downloads as the BMP the desktop editions write.
  await driver.control('Click Here To Open A New Image').click();
  await open.getByRole('option', { name: 'mypics/my art.bmp', exact: true }).click();
  const [download] = await Promise.all([page.waitForEvent('download'),
    open.getByRole('button', { name: 'Download', exact: true }).click()]);
  assert.equal(download.suggestedFilename(), 'my art.bmp');
  assert.ok(fs.readFileSync(await download.path()).equals(expectedBytes), 'downloaded bytes');
  await open.getByRole('button', { name: 'Cancel', exact: true }).click();

  // A file from the device goes through the program's own picture check.
  const notAPicture = path.join(work, 'note.bmp');
  fs.writeFileSync(notAPicture, 'not a picture');
  await driver.control('Click Here To Open A New Image').click();
  const [chooser] = await Promise.all([page.waitForEvent('filechooser'),
    open.getByRole('button', { name: 'From this device\u2026' }).click()]);
  await chooser.setFiles(notAPicture);
  assert.deepEqual(await driver.message(),
    { title: ERROR, text: "BMP File Selected Can't Be\r\nUsed With This Program" });
  await driver.answer('OK');
  await same('after a refused picture');

  let imported = 0;
  const importPage = async (file) => {
    if (file.fromDevice) {
      fs.writeFileSync(path.join(work, file.name), file.bytes);
      await driver.control('Click Here To Open A New Image').click();
      const [chooser] = await Promise.all([page.waitForEvent('filechooser'),
        open.getByRole('button', { name: 'From this device\u2026' }).click()]);
      await chooser.setFiles(path.join(work, file.name));
    } else {
      await driver.drop([[file.name, file.bytes]]);
    }
    if (file.message) {
      assert.deepEqual(await driver.message(), { title: ERROR, text: file.message });
      await driver.answer('OK');
    }
    await page.waitForFunction((n) => performance.getEntriesByName('pintaro-imported').length === n, ++imported);
    if (file.message) return;
    const shown = await driver.canvasPixels();
    assert.ok(shown.every((p) => p === 0 || p === 0xffffff), `${file.name}: ink and paper only`);
    assert.equal(shown[278 * 685 + 342], 0, `${file.name}: the cross in the middle`);
    assert.equal(shown[100 * 685 + 100], 0xffffff, file.name);
  };
  for (const file of IMPORTS) await importPage(file);
  // Coloured offline, then printed alone, centred, each pixel a sharp block.
  await driver.touch([[100, 100]]);
  const art = await driver.canvasPixels();
  assert.equal(art[100 * 685 + 100], 0x0000ff);
  await page.emulateMedia({ media: 'print' });
  const pdf = await page.pdf({ preferCSSPageSize: true });
  await page.emulateMedia({ media: null });
  assert.match(pdf.toString('latin1'), /\/Type\s*\/Pages[^>]*\/Count 1\b/);
  fs.writeFileSync(path.join(work, 'print.pdf'), pdf);
  execFileSync('pdftoppm', ['-r', '150', '-singlefile', path.join(work, 'print.pdf'), path.join(work, 'print')]);
  const ppm = fs.readFileSync(path.join(work, 'print.ppm'));
  const header = /^P6\s+(\d+)\s+(\d+)\s+255\s/.exec(ppm.toString('latin1', 0, 40));
  const [pw, ph, start] = [Number(header[1]), Number(header[2]), header[0].length];
  const margin = (10 / 25.4) * 150;
  const scale = Math.min((pw - 2 * margin) / 685, (ph - 2 * margin) / 557);
  const [left, top] = [(pw - 685 * scale) / 2, (ph - 557 * scale) / 2];
  const wrong = art.findIndex((p, i) => {
    const [x, y] = [Math.floor(left + ((i % 685) + 0.5) * scale), Math.floor(top + (Math.floor(i / 685) + 0.5) * scale)];
    const at = start + 3 * (y * pw + x);
    return ((ppm[at] << 16) | (ppm[at + 1] << 8) | ppm[at + 2]) !== p;
  });
  assert.equal(wrong, -1, `printed pixel ${wrong % 685}, ${Math.floor(wrong / 685)}`);
  // The printed page, a one-page PDF, makes a page of its own.
  await importPage({ name: 'artwork.pdf', bytes: pdf });

  // A phone held sideways: the whole window, every control where a finger
  // hits it; held upright: the request to turn it.
  const viewport = async (width, height) => {
    await page.setViewportSize({ width, height });
    await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
  };
  await viewport(844, 390);
  const controls = [...NAMES.map((n) => [n, driver.control(n)]), ['canvas', page.locator('canvas.canvas')]];
  for (const [name, control] of controls) {
    const box = await control.boundingBox();
    assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= 844 && box.y + box.height <= 390, name);
    assert.ok(await control.evaluate((e, [x, y]) => e.contains(document.elementFromPoint(x, y)),
      [box.x + box.width / 2, box.y + box.height / 2]), name);
  }
  assert.equal(await page.getByText('Turn the device on its side to colour.').isVisible(), false);
  await viewport(390, 844);
  assert.equal(await page.getByText('Turn the device on its side to colour.').isVisible(), true);
  await viewport(1024, 768);

  for (const colour of COLOURS) {
    await driver.control('More Colors').click();
    const dialog = driver.dialog('Color');
    for (const [i, channel] of ['Red', 'Green', 'Blue'].entries())
      await dialog.getByRole('spinbutton', { name: channel }).fill(String(colour.rgb[i]));
    await dialog.getByRole('button', { name: colour.button, exact: true }).click();
    assert.equal(await page.locator('#Label6').evaluate((e) => e.style.backgroundColor), colour.current);
  }

  // Exit ends the program; starting again starts afresh.
  await driver.control('Exit').click();
  await page.getByText('has ended').waitFor();
  await driver.start(() => page.getByRole('button', { name: 'Start Pintaro Again' }).click());
  assert.equal(await driver.control('Click Here To Save Your Work').isDisabled(), true);
  assert.equal(await driver.control('Use This Tool To Fill').isDisabled(), true);
  // The pages made are kept; nothing of the refused files.
  await driver.control('Click Here To Open A New Image').click();
  const listed = await open.getByRole('option').evaluateAll((items) => items.map((e) => e.getAttribute('aria-label')));
  assert.deepEqual(listed.filter((name) => name.startsWith('Pintaro/')), PAGES);
  await open.getByRole('button', { name: 'Cancel', exact: true }).click();

  assert.deepEqual(driver.faults, []);
  console.log('Web session: every check passed');
} finally {
  await close(context);
  server.close();
  fs.rmSync(work, { recursive: true, force: true });
}
