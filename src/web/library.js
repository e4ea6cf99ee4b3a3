// The page's side of Page.h: each call handed to the page's modules, which
// the page gives the program as Module.page (see main.js). The calls that
// wait suspend the program (Asyncify) until the page's promise settles.

mergeInto(LibraryManager.library, {
  page_addControl: function (kind, id, name, left, top, width, height, caption, toolTip, accessibleName, icon) {
    Module['page'].addControl({
      kind: kind, id: id, name: UTF8ToString(name), left: left, top: top, width: width, height: height,
      caption: UTF8ToString(caption), toolTip: UTF8ToString(toolTip),
      accessibleName: UTF8ToString(accessibleName), icon: UTF8ToString(icon),
    });
  },
  page_setEnabled: function (id, enabled) { Module['page'].setEnabled(id, enabled !== 0); },
  page_setBack: function (id, colour) { Module['page'].setBack(id, colour >>> 0); },
  page_place: function (id, left, top, width, height) { Module['page'].place(id, left, top, width, height); },
  page_focus: function (id) { Module['page'].focus(id); },
  page_showCanvas: function (pixels, left, top, width, height, now) {
    Module['page'].showCanvas(pixels, left, top, width, height, now !== 0);
  },

  page_fileDialog: function (action, title, initDir, out, outSize) {
    return Asyncify.handleAsync(async () => {
      const path = await Module['page'].fileDialog(action, UTF8ToString(title), UTF8ToString(initDir));
      if (path === null) return 0;
      stringToUTF8(path, out, outSize);
      return 1;
    });
  },
  page_colourDialog: function (preset) {
    return Asyncify.handleAsync(() => Module['page'].colourDialog(preset >>> 0));
  },
  page_messageBox: function (text, title, icon, buttons) {
    return Asyncify.handleAsync(() => Module['page'].messageBox(UTF8ToString(text), UTF8ToString(title), icon, buttons));
  },
  page_openUrl: function (url) { Module['page'].openUrl(UTF8ToString(url)); },
  page_endProgram: function (status) {
    // Never woken: no handler runs after the end.
    return Asyncify.handleSleep(() => Module['page'].endProgram(status));
  },

  page_print: function () {
    return Asyncify.handleAsync(() => Module['page'].print());
  },
  page_decodeImage: function (path, decode, width, height, pixels) {
    return Asyncify.handleAsync(async () => {
      const w = decode ? HEAP32[width >> 2] : 0;
      const h = decode ? HEAP32[height >> 2] : 0;
      const result = await Module['page'].decodeImage(UTF8ToString(path), w, h);
      if (result.problem) return result.problem;
      HEAP32[width >> 2] = result.width;
      HEAP32[height >> 2] = result.height;
      // The heap may have grown while the browser decoded: HEAPU32 is read now.
      if (decode) HEAPU32.set(result.pixels, pixels >> 2);
      return 0;
    });
  },

  page_aboutShow: function (caption, maker, mail, web) {
    Module['page'].about.show(UTF8ToString(caption), UTF8ToString(maker), UTF8ToString(mail), UTF8ToString(web));
  },
  page_aboutClose: function () { Module['page'].about.close(); },
  page_aboutMove: function (left, top) { Module['page'].about.move(left, top); },
  page_aboutWidth: function () { return Module['page'].about.outerWidth(); },
  page_aboutHeight: function () { return Module['page'].about.outerHeight(); },

  // Flushing a file puts its folder into the browser's storage (IndexedDB)
  // before the program goes on, so a save is kept before it is confirmed,
  // and a refusal (full storage, private browsing) reaches the program as
  // an error rather than lost work. Emscripten's own version drops the error.
  fd_sync__deps: ['$SYSCALLS'],
  fd_sync: function (fd) {
    const stream = SYSCALLS.getStreamFromFD(fd);
    return Asyncify.handleSleep((wakeUp) => {
      const mount = stream.node.mount;
      if (!mount.type.syncfs) { wakeUp(0); return; }
      mount.type.syncfs(mount, false, (error) => wakeUp(error ? {{{ cDefine('EIO') }}} : 0));
    });
  },
});
