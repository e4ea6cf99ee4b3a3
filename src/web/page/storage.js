// The program's files kept in the browser: the artwork folder, the pages
// made from the child's own images, and the session, each an Emscripten file system kept in IndexedDB. Saving a file
// flushes it there at once (library.js); the session follows each change a
// moment later, and at once when the page is hidden or closed.
export const ARTWORK = '/pintaro/pics/mypics';
export const PAGES = '/pintaro/pics/Pintaro';
export const SESSION_FOLDER = '/pintaro/session';
export const SESSION = `${SESSION_FOLDER}/state`;

// Before the program starts: mounts them, and reads what the browser kept.
export function mountStorage(module) {
  const { FS } = module;
  const IDBFS = FS.filesystems.IDBFS;
  for (const folder of [ARTWORK, PAGES, SESSION_FOLDER]) {
    FS.mkdirTree(folder);
    FS.mount(IDBFS, {}, folder);
  }
  module.addRunDependency('storage');
  FS.syncfs(true, (error) => {
    // Storage the browser refuses leaves the folders empty; saving there
    // then fails with the program's own message.
    if (error) console.warn('Pintaro: the browser keeps no files here', error);
    module.removeRunDependency('storage');
  });
}

// Writes the session and puts everything into IndexedDB, one sync at a time.
export class SessionKeeper {
  constructor(program) {
    this.program = program;
    this.timer = 0;
    this.syncing = Promise.resolve();
    this.ended = false;
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState === 'hidden') this.saveNow();
    });
    window.addEventListener('pagehide', () => this.saveNow());
  }

  // After a change: soon, so a stroke's moves make one write.
  saveSoon(delay = 300) {
    clearTimeout(this.timer);
    document.documentElement.dataset.session = 'unsaved';
    this.timer = setTimeout(() => this.saveNow(), delay);
  }

  saveNow() {
    clearTimeout(this.timer);
    if (this.ended || !this.program.module) return this.syncing;
    if (this.program.busy) {
      this.saveSoon();
      return this.syncing;
    }
    this.program.module.ccall('pintaro_saveSession', 'number', [], []);
    return this.sync();
  }

  sync() {
    const { FS } = this.program.module;
    this.syncing = this.syncing.then(() => new Promise((resolve) => FS.syncfs(false, (error) => {
      if (error) console.warn('Pintaro: the browser did not keep the session', error);
      if (!this.timer) document.documentElement.dataset.session = 'saved';
      resolve();
    })));
    this.timer = 0;
    return this.syncing;
  }

  // Exit: nothing of this run comes back.
  forget() {
    this.ended = true;
    clearTimeout(this.timer);
    const { FS } = this.program.module;
    try {
      FS.unlink(SESSION);
    } catch {
      // none yet
    }
    this.sync();
  }
}
