// The Open and Save As dialogs over the program's files in the page: the
// pictures and the saved artwork as named thumbnails, a name box, and what
// only a browser has: a file from this device, and a download of a file.
import { button, element, onKeys, openWindow } from './dialogs.js';
import { ARTWORK } from './storage.js';

const OPEN = 1;

// A name inside the dialog's folder, whatever is typed: only the artwork
// folder is kept in the browser, so nothing may be saved beside it.
function join(folder, name) {
  const parts = name.split('/').filter((p) => p && p !== '.' && p !== '..');
  return [folder.replace(/\/$/, ''), ...parts].join('/');
}

function isFile(FS, path) {
  try {
    return FS.isFile(FS.stat(path).mode);
  } catch {
    return false;
  }
}

// The visible entries of a folder: files, and folders holding files.
function listFolder(FS, folder) {
  const files = [];
  const folders = [];
  let names = [];
  try {
    names = FS.readdir(folder);
  } catch {
    return { files, folders };
  }
  for (const name of names.filter((n) => !n.startsWith('.')).sort((a, b) => a.localeCompare(b))) {
    const mode = FS.stat(join(folder, name)).mode;
    if (FS.isFile(mode)) files.push(name);
    else if (FS.isDir(mode)) folders.push(name);
  }
  return { files, folders };
}

// Saves a copy of a file from the page onto the device, under its name.
export function download(FS, path) {
  const bytes = FS.readFile(path);
  const url = URL.createObjectURL(new Blob([bytes], { type: 'image/bmp' }));
  const link = element('a');
  const name = path.split('/').pop();
  link.href = url;
  link.download = /\.bmp$/i.test(name) ? name : `${name}.bmp`;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// Files chosen with the browser's own file picker, which on a phone or
// tablet offers the camera too. One BMP is a picture to open: it is copied
// into the page's file system so the program's own check reads it. Other
// images become colouring pages (`importImages`) and the Open dialog closes
// as cancelled (null); nothing chosen leaves it open (undefined).
function fromDevice(FS, importImages) {
  return new Promise((resolve) => {
    const input = element('input');
    input.type = 'file';
    input.accept = 'image/*,.bmp,.svg';
    input.multiple = true;
    input.addEventListener('change', async () => {
      const files = [...input.files];
      if (!files.length) return resolve();
      if (files.length > 1 || !/\.bmp$/i.test(files[0].name)) {
        importImages(files);
        return resolve(null);
      }
      const file = files[0];
      FS.mkdirTree('/device');
      const path = join('/device', file.name);
      try {
        FS.writeFile(path, new Uint8Array(await file.arrayBuffer()));
      } catch {
        // Unreadable, or more than the page can hold: a file the program
        // may not read, so it says it cannot read it.
        FS.writeFile(path, new Uint8Array(1));
        FS.chmod(path, 0);
      }
      resolve(path);
    });
    input.addEventListener('cancel', () => resolve());
    input.click();
  });
}

// `page` gives what the dialogs reach beyond the program: importImages(files)
// once the dialog has closed, and print().
export function fileDialog(stage, FS, action, title, initDir, page) {
  return new Promise((resolve) => {
    // Where the program finds nowhere to write, the artwork folder's
    // storage gives the reason when the save is tried.
    const folder = initDir || ARTWORK;
    const win = openWindow(stage, title, 'file-dialog');
    const urls = [];
    const finish = (path) => {
      urls.forEach((u) => URL.revokeObjectURL(u));
      win.close();
      resolve(path);
    };
    const nameBox = element('input', 'name-box');
    nameBox.type = 'text';
    nameBox.setAttribute('aria-label', 'File name');
    nameBox.autocomplete = 'off';
    const chosen = () => (nameBox.value.trim() ? join(folder, nameBox.value.trim()) : null);
    const accept = () => {
      if (chosen()) finish(chosen());
    };

    const list = element('div', 'thumbnails');
    list.setAttribute('role', 'listbox');
    list.setAttribute('aria-label', 'Pictures');
    const addGroup = (heading, prefix) => {
      const { files, folders } = listFolder(FS, join(folder, prefix || '.'));
      if (heading && files.length) list.append(element('div', 'group', heading));
      for (const name of files) {
        const relative = prefix ? `${prefix}/${name}` : name;
        const item = element('button', 'thumbnail');
        item.type = 'button';
        item.setAttribute('role', 'option');
        item.setAttribute('aria-label', relative);
        const img = element('img');
        const url = URL.createObjectURL(new Blob([FS.readFile(join(folder, relative))], { type: 'image/bmp' }));
        urls.push(url);
        img.src = url;
        img.alt = '';
        img.loading = 'lazy';
        item.append(img, element('span', 'name', name));
        item.addEventListener('click', () => {
          nameBox.value = relative;
          update();
        });
        item.addEventListener('dblclick', accept);
        list.append(item);
      }
      return folders;
    };
    for (const sub of addGroup(null, '')) addGroup(sub, sub);

    const name = element('label', 'name-label', 'File name:');
    name.append(nameBox);
    const downloadButton = button('Download', () => download(FS, chosen()));
    const actions = element('div', 'buttons');
    actions.append(button(action === OPEN ? 'Open' : 'Save', accept), button('Cancel', () => finish(null)));
    const extras = element('div', 'buttons extras');
    if (action === OPEN)
      extras.append(button('From this device\u2026', async () => {
        const path = await fromDevice(FS, page.importImages);
        if (path !== undefined) finish(path);
      }));
    extras.append(downloadButton);
    // Where there is no keyboard for Ctrl+P, the artwork prints from here.
    if (action !== OPEN) extras.append(button('Print', page.print));
    const update = () => {
      downloadButton.disabled = !(chosen() && isFile(FS, chosen()));
      for (const item of list.children) item.setAttribute?.('aria-selected', String(item.getAttribute('aria-label') === nameBox.value));
    };
    nameBox.addEventListener('input', update);
    update();
    const bottom = element('div', 'file-bottom');
    bottom.append(name, actions);
    win.body.append(list, bottom, extras);
    onKeys(win, { Enter: accept, Escape: () => finish(null) });
    nameBox.focus();
  });
}
