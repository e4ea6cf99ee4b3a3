// The About dialog's window: modeless, in front of the main window, with the
// logo, the maker and the two links; its events go to the program's
// handlers, which open the links and close it.
import { button, element, onKeys, openWindow } from './dialogs.js';

const FRAME_WIDTH = 8;    // the frame on both sides, as the main window's
const FRAME_HEIGHT = 31;  // the title bar and the frame above and below
const WIDTH = 318;
const HEIGHT = 246;

function place(e, left, top, width, height) {
  Object.assign(e.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
  return e;
}

function picture(src, left, top, width, height) {
  const box = place(element('div', 'about-picture'), left, top, width, height);
  const img = element('img');
  img.src = src;
  img.alt = '';
  box.append(img);
  return box;
}

export class AboutWindow {
  constructor(stage, program) {
    this.stage = stage;
    this.program = program;
    this.win = null;
    this.left = 0;
    this.top = 0;
  }

  create(caption, maker, mail, web) {
    this.win = openWindow(this.stage, caption, 'about', false);
    const close = element('button', 'close-box', '\u2715');
    close.setAttribute('aria-label', 'Close');
    close.addEventListener('click', () => this.program.about(0));
    this.win.bar.append(close);
    const link = (text, event, left, top, width) => {
      const a = place(element('button', 'link', text), left, top, width, 17);
      a.addEventListener('click', () => this.program.about(event));
      return a;
    };
    const ok = place(button('OK', () => this.program.about(0)), 261, 216, 52, 23);
    this.win.body.append(
      picture('about/logo.bmp', 8, 8, 305, 129),
      place(element('div', 'about-line'), 6, 144, 306, 1),
      picture('about/maker.bmp', 24, 152, 273, 33),
      place(element('div', 'about-text', 'Developed by'), 8, 192, 73, 17),
      place(element('div', 'about-text', maker), 8, 208, 97, 17),
      link(mail, 2, 102, 208, 113),
      place(element('div', 'about-text', 'Get The Latest Updates at'), 8, 224, 129, 17),
      link(web, 1, 137, 224, 105),
      ok);
    onKeys(this.win, { Enter: () => this.program.about(0), Escape: () => this.program.about(0) });
    this.ok = ok;
  }

  show(caption, maker, mail, web) {
    if (!this.win) this.create(caption, maker, mail, web);
    this.win.root.hidden = false;
    this.move(this.left, this.top);
    this.ok.focus();
  }

  close() {
    if (this.win) this.win.root.hidden = true;
  }

  move(left, top) {
    this.left = left;
    this.top = top;
    if (this.win) Object.assign(this.win.root.style, { left: `${left}px`, top: `${top}px` });
  }

  outerWidth() { return WIDTH + FRAME_WIDTH; }
  outerHeight() { return HEIGHT + FRAME_HEIGHT; }
}
