// The main window's controls as page elements, made as the program asks
// (Page.h) at the places of its layout, in layout pixels; the whole window
// is scaled to fit the browser's window (see main.js).
import { Canvas } from './canvas.js';

const CANVAS = 0, CAPTION = 1, SWATCH = 2, COLOUR_LABEL = 3, PUSH_BUTTON = 4, PICTURE_BUTTON = 5,
  FRAME = 6, SELECTION_FRAME = 7;

export function cssColour(colour) {
  return `rgb(${colour & 0xff}, ${(colour >>> 8) & 0xff}, ${(colour >>> 16) & 0xff})`;
}

function make(tag, className, text) {
  const element = document.createElement(tag);
  element.className = className;
  if (text) element.textContent = text;
  return element;
}

export class MainWindow {
  constructor(client, program) {
    this.client = client;
    this.program = program;
    this.controls = [];
    this.canvas = null;
  }

  addControl(c) {
    let element;
    switch (c.kind) {
      case CANVAS: {
        element = make('div', 'canvas-box');
        const canvas = make('canvas', 'canvas');
        canvas.tabIndex = 0;
        canvas.setAttribute('aria-label', 'Picture');
        element.append(canvas);
        this.canvas = new Canvas(canvas, this.program);
        break;
      }
      case CAPTION:
        element = make('div', c.height >= 26 ? 'caption two-lines' : 'caption', c.caption);
        break;
      case SWATCH:
      case COLOUR_LABEL:
        element = make('div', 'colour-label');
        element.setAttribute('aria-label', c.accessibleName);
        element.setAttribute('role', c.kind === SWATCH ? 'button' : 'img');
        break;
      case PUSH_BUTTON:
        element = make('button', 'button', c.caption);
        break;
      case PICTURE_BUTTON: {
        element = make('button', 'button picture');
        const icon = make('img', 'icon');
        icon.src = `icons/${c.icon}.png`;
        icon.alt = '';
        element.append(icon);
        element.setAttribute('aria-label', c.accessibleName);
        break;
      }
      default:
        element = make('div', c.kind === FRAME ? 'frame' : 'frame selection');
    }
    element.id = c.name;
    if (c.toolTip) element.title = c.toolTip;
    if (c.kind === PUSH_BUTTON || c.kind === PICTURE_BUTTON || c.kind === SWATCH)
      element.addEventListener('click', () => this.program.click(c.id));
    this.client.append(element);
    this.controls[c.id] = element;
    this.place(c.id, c.left, c.top, c.width, c.height);
  }

  setEnabled(id, enabled) { this.controls[id].disabled = !enabled; }
  setBack(id, colour) { this.controls[id].style.backgroundColor = cssColour(colour); }

  place(id, left, top, width, height) {
    const style = this.controls[id].style;
    style.left = `${left}px`;
    style.top = `${top}px`;
    style.width = `${width}px`;
    style.height = `${height}px`;
    style.display = width > 0 && height > 0 ? '' : 'none';
  }

  focus(id) {
    const element = this.controls[id];
    (element.querySelector('canvas') || element).focus();
  }

  showCanvas(pixels, left, top, width, height, now) { this.canvas.show(pixels, left, top, width, height, now); }
}
