// Starts Pintaro in the page: the program (pintaro.mjs, the core compiled to
// WebAssembly) with the page's side of its window and platform, the window
// scaled to fit the browser's, and the files and session kept in the browser.
import createPintaro from './pintaro.mjs';
import { AboutWindow } from './about.js';
import { colourDialog } from './colour.js';
import { messageBox } from './dialogs.js';
import { fileDialog } from './files.js';
import { acceptDrops, decodeImage, importFiles } from './pages.js';
import { Program } from './program.js';
import { mountStorage, SessionKeeper } from './storage.js';
import { MainWindow } from './window.js';

const OUTER_WIDTH = 800;
const OUTER_HEIGHT = 600;

const stage = document.getElementById('stage');
const program = new Program();
const mainWindow = new MainWindow(document.getElementById('client'), program);
const about = new AboutWindow(stage, program);
const session = new SessionKeeper(program);

// The whole window at its design size, as large as the browser's window
// holds with its shape kept.
function fit() {
  const scale = Math.min(window.innerWidth / OUTER_WIDTH, window.innerHeight / OUTER_HEIGHT);
  stage.style.transform = `translate(${(window.innerWidth - OUTER_WIDTH * scale) / 2}px, `
    + `${(window.innerHeight - OUTER_HEIGHT * scale) / 2}px) scale(${scale})`;
}
window.addEventListener('resize', fit);
fit();

function openUrl(url) {
  const link = document.createElement('a');
  link.href = url;
  if (!url.startsWith('mailto:')) {
    link.target = '_blank';
    link.rel = 'noopener noreferrer';
  }
  link.click();
}

// Exit: no question, nothing saved; the page says so and can start afresh.
// Installed, Pintaro has a window of its own, and Exit closes it.
function endProgram() {
  session.forget();
  stage.hidden = true;
  document.getElementById('ended').hidden = false;
  document.getElementById('restart').focus();
  if (matchMedia('(display-mode: standalone)').matches) session.syncing.then(() => window.close());
}

// The canvas alone on the page (pintaro.css's print rules), as shown now,
// each pixel already a block of 4 by 4: a viewer or printer that smooths
// what it enlarges then blurs only the blocks' edges, never their middles.
const PRINT_SCALE = 4;
function preparePrint() {
  mainWindow.canvas.flush();
  const source = document.querySelector('canvas.canvas');
  const art = document.getElementById('print-art');
  art.width = source.width * PRINT_SCALE;
  art.height = source.height * PRINT_SCALE;
  const context = art.getContext('2d', { alpha: false });
  context.imageSmoothingEnabled = false;
  context.drawImage(source, 0, 0, art.width, art.height);
}
window.addEventListener('beforeprint', preparePrint);
function print() {
  preparePrint();
  window.print();
  return Promise.resolve(0);
}

// Pages from the child's own images; the mark times a drop to the canvas.
const pagesShown = () => {
  mainWindow.canvas.flush();
  performance.mark('pintaro-imported');
};
const importImages = (files) => program.idle().then(() => importFiles(program, files)).then(pagesShown);
acceptDrops(program, pagesShown);
document.getElementById('restart').addEventListener('click', async () => {
  await session.syncing;
  window.location.reload();
});

const page = {
  ...Object.fromEntries(['addControl', 'setEnabled', 'setBack', 'place', 'focus', 'showCanvas']
    .map((name) => [name, mainWindow[name].bind(mainWindow)])),
  fileDialog: (action, title, initDir) => fileDialog(stage, program.module.FS, action, title, initDir,
    { importImages, print }),
  decodeImage: (path, width, height) => decodeImage(program.module.FS, path, width, height),
  print,
  colourDialog: (preset) => colourDialog(stage, preset),
  messageBox: (text, title, icon, buttons) => messageBox(stage, text, title, icon, buttons),
  openUrl,
  endProgram,
  about,
};

document.addEventListener('keydown', (e) => {
  if (!(e.ctrlKey || e.metaKey) || e.altKey || document.querySelector('.modal-layer')) return;
  const key = e.key.toLowerCase();
  const action = key === 'z' && !e.shiftKey ? 0 : (key === 'y' || (key === 'z' && e.shiftKey)) ? 1
    : key === 'p' && !e.shiftKey ? 2 : -1;
  if (action < 0) return;
  e.preventDefault();
  program.key(action);
});

// What changed is kept at once after a click, soon after a press or a
// release (one write for a burst of strokes); a move alone changes nothing
// that is not kept by its release.
program.afterCall = (name, args) => {
  if (name === 'pintaro_mouse' && args[0] === 1) return;
  session.saveSoon(name === 'pintaro_click' ? 0 : 300);
};

createPintaro({
  page,
  preRun: [(module) => mountStorage(module)],
}).then((module) => {
  program.module = module;
  mainWindow.canvas.flush();
  document.documentElement.dataset.state = 'ready';
  performance.mark('pintaro-ready');
  // The whole site kept for starts with no network (sw.js).
  navigator.serviceWorker?.register('sw.js', { updateViaCache: 'none' })
    .catch((error) => console.warn('Pintaro: no offline copy', error));
});
