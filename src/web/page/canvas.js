// The canvas: the program's image shown pixel for pixel, enlarged without
// smoothing, and pointer events turned into the program's mouse events.
const WIDTH = 685;
const HEIGHT = 557;

// The program keeps 0xFFRRGGBB words; ImageData wants R, G, B, A bytes.
function toRgba(word) {
  return (word & 0xff00ff00) | ((word >>> 16) & 0xff) | ((word & 0xff) << 16);
}

export class Canvas {
  constructor(element, program) {
    this.element = element;
    this.program = program;
    this.context = element.getContext('2d', { alpha: false });
    this.pending = null;
    this.pixels = 0;
    this.pointer = null;  // the one pointer drawing a stroke
    element.width = WIDTH;
    element.height = HEIGHT;
    element.addEventListener('pointerdown', (e) => this.press(e));
    element.addEventListener('pointermove', (e) => this.move(e));
    element.addEventListener('pointerup', (e) => this.release(e));
    element.addEventListener('pointercancel', (e) => this.release(e));
    element.addEventListener('contextmenu', (e) => e.preventDefault());
  }

  // Shows a changed rectangle soon (once a frame), or now.
  show(pixels, left, top, width, height, now) {
    this.pixels = pixels;
    const r = this.pending;
    this.pending = r ? {
      left: Math.min(r.left, left), top: Math.min(r.top, top),
      right: Math.max(r.right, left + width), bottom: Math.max(r.bottom, top + height),
    } : { left, top, right: left + width, bottom: top + height };
    if (now) this.flush();
    else if (!r) requestAnimationFrame(() => this.flush());
  }

  flush() {
    const r = this.pending;
    if (!r || !this.program.module) return;
    this.pending = null;
    const width = r.right - r.left;
    const height = r.bottom - r.top;
    const heap = this.program.module.HEAPU32;
    const image = this.context.createImageData(width, height);
    const out = new Uint32Array(image.data.buffer);
    for (let y = 0; y < height; ++y) {
      const from = (this.pixels >>> 2) + (r.top + y) * WIDTH + r.left;
      for (let x = 0; x < width; ++x) out[y * width + x] = toRgba(heap[from + x]);
    }
    this.context.putImageData(image, r.left, r.top);
  }

  // The canvas pixel under the pointer: the pixel that holds the point, the
  // floor rule of the other editions, at whatever size the page shows it.
  point(e) {
    const box = this.element.getBoundingClientRect();
    return [Math.floor((e.clientX - box.left) * WIDTH / box.width),
      Math.floor((e.clientY - box.top) * HEIGHT / box.height)];
  }

  static shift(e) { return (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0); }

  // A finger or a pen is the left button; a mouse says which.
  static button(e) {
    if (e.pointerType !== 'mouse') return 1;
    return [1, 4, 2][e.button] || 0;
  }

  static buttons(e) {
    if (e.pointerType !== 'mouse') return e.buttons ? 1 : 0;
    return (e.buttons & 1) | ((e.buttons & 2) ? 2 : 0) | ((e.buttons & 4) ? 4 : 0);
  }

  press(e) {
    // A second finger during a stroke changes nothing.
    if (this.pointer !== null || this.program.busy) return;
    e.preventDefault();
    this.element.focus();
    this.pointer = e.pointerId;
    this.element.setPointerCapture(e.pointerId);
    this.program.mouse(0, Canvas.button(e), Canvas.shift(e), ...this.point(e));
  }

  move(e) {
    // Moves without a button reach the program too, as on the desktop.
    if (this.pointer !== null ? e.pointerId !== this.pointer : e.pointerType !== 'mouse') return;
    this.program.mouse(1, Canvas.buttons(e), Canvas.shift(e), ...this.point(e));
  }

  release(e) {
    if (e.pointerId !== this.pointer) return;
    this.pointer = null;
    this.program.mouse(2, Canvas.button(e), Canvas.shift(e), ...this.point(e));
  }
}
