// The web edition in headless Chromium, one session from the first visit to
// Exit: every control by its name, a picture coloured by touch and compared
// with what the core makes of the same presses, saved (the overwrite question
// answered both ways), found again after a reload, downloaded as the desktop
// editions' BMP, and nothing asked of any other origin.
//   node session.mjs SITE REPLAY_JS NODE_MODULES
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { bmpPixels, close, Driver, launch, serve } from './driver.mjs';

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

const work = fs.mkdtempSync(path.join(os.tmpdir(), 'pintaro-web-'));
const { server, origin } = await serve(path.resolve(site));
const context = await launch(modules, { hasTouch: true });
const driver = new Driver(context, origin);
try {
  await driver.open();
  const { page } = driver;
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

  // A reload is no Exit: the canvas, the tool and the colour come back.
  await driver.sessionSaved();
  await driver.start(() => page.reload());
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

  assert.deepEqual(driver.faults, []);
  console.log('Web session: every check passed');
} finally {
  await close(context);
  server.close();
  fs.rmSync(work, { recursive: true, force: true });
}
