// The Color dialog: the basic colours of the desktop's colour dialog and any
// other by its red, green and blue, opened on the current colour. OK gives
// the colour shown, Cancel the preset, as the desktop's dialog does; the
// program turns pure black into white itself.
import { button, element, onKeys, openWindow } from './dialogs.js';
import { cssColour } from './window.js';

const BASIC = [
  0xff8080, 0xffff80, 0x80ff80, 0x00ff80, 0x80ffff, 0x0080ff, 0xff80c0, 0xff80ff,
  0xff0000, 0xffff00, 0x80ff00, 0x00ff40, 0x00ffff, 0x0080c0, 0x8080c0, 0xff00ff,
  0x804040, 0xff8040, 0x00ff00, 0x008080, 0x004080, 0x8080ff, 0x800040, 0xff0080,
  0x800000, 0xff8000, 0x008000, 0x008040, 0x0000ff, 0x0000a0, 0x800080, 0x8000ff,
  0x400000, 0x804000, 0x004000, 0x004040, 0x000080, 0x000040, 0x400040, 0x400080,
  0x000000, 0x808000, 0x808040, 0x808080, 0x408080, 0xc0c0c0, 0x400040, 0xffffff,
].map((rgb) => ((rgb & 0xff) << 16) | (rgb & 0xff00) | (rgb >>> 16));  // as 0x00BBGGRR

export function colourDialog(stage, preset) {
  return new Promise((resolve) => {
    const win = openWindow(stage, 'Color', 'colour-dialog');
    let colour = preset & 0xffffff;
    const finish = (value) => {
      win.close();
      resolve(value);
    };
    const grid = element('div', 'basic-colours');
    grid.setAttribute('role', 'group');
    grid.setAttribute('aria-label', 'Basic colors');
    const preview = element('div', 'colour-preview');
    const inputs = ['Red', 'Green', 'Blue'].map((name, i) => {
      const input = element('input', 'number');
      input.type = 'number';
      input.min = 0;
      input.max = 255;
      input.setAttribute('aria-label', name);
      input.addEventListener('input', () => {
        const v = Math.max(0, Math.min(255, Number(input.value) | 0));
        colour = (colour & ~(0xff << (8 * i))) | (v << (8 * i));
        show(false);
      });
      const label = element('label', 'channel', `${name}:`);
      label.append(input);
      return { input, label };
    });
    const show = (setInputs = true) => {
      preview.style.backgroundColor = cssColour(colour);
      if (setInputs) inputs.forEach(({ input }, i) => { input.value = (colour >>> (8 * i)) & 0xff; });
    };
    for (const c of BASIC) {
      const swatch = button('', () => {
        colour = c;
        show();
      });
      swatch.className = 'basic';
      swatch.style.backgroundColor = cssColour(c);
      swatch.setAttribute('aria-label', cssColour(c));
      grid.append(swatch);
    }
    const side = element('div', 'colour-side');
    side.append(preview, ...inputs.map(({ label }) => label));
    const actions = element('div', 'buttons');
    const ok = button('OK', () => finish(colour));
    actions.append(ok, button('Cancel', () => finish(-1)));
    const main = element('div', 'colour-main');
    main.append(grid, side);
    win.body.append(main, actions);
    onKeys(win, { Enter: () => finish(colour), Escape: () => finish(-1) });
    show();
    ok.focus();
  });
}
