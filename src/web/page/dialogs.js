// Modal dialogs in the program's style, drawn in the page over the main
// window, which takes no input while one is open. Each returns a promise
// of the answer.
export function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

export function button(text, onClick) {
  const b = element('button', 'button', text);
  b.type = 'button';
  b.addEventListener('click', onClick);
  return b;
}

// A window with a title bar; `modal` puts a layer under it that takes every
// press and key meant for the main window.
export function openWindow(stage, title, className, modal = true) {
  const layer = modal ? element('div', 'modal-layer') : null;
  const root = element('div', `window dialog ${className}`);
  root.setAttribute('role', 'dialog');
  root.setAttribute('aria-modal', modal ? 'true' : 'false');
  root.setAttribute('aria-label', title);
  const bar = element('div', 'titlebar');
  bar.append(element('span', 'title', title));
  const body = element('div', 'client');
  root.append(bar, body);
  if (layer) {
    layer.append(root);
    stage.append(layer);
  } else {
    stage.append(root);
  }
  return { root, bar, body, close: () => (layer || root).remove() };
}

// Keys of a dialog: Enter and Escape as the dialog decides; Tab stays inside.
export function onKeys(win, keys) {
  win.root.addEventListener('keydown', (e) => {
    const action = keys[e.key];
    if (action && !(e.key === 'Enter' && e.target.tagName === 'BUTTON')) {
      e.preventDefault();
      action();
    }
    if (e.key !== 'Tab') return;
    const focusable = [...win.root.querySelectorAll('button:not([disabled]), input, [tabindex="0"]')];
    const i = focusable.indexOf(document.activeElement);
    const next = focusable[(i + (e.shiftKey ? -1 : 1) + focusable.length) % focusable.length];
    if (next) {
      e.preventDefault();
      next.focus();
    }
  });
}

const OK = 0, YES = 1, NO = 2;

// icon: 0 none, 1 critical, 2 information; buttons: 0 OK, 1 Yes and No.
export function messageBox(stage, text, title, icon, buttons) {
  return new Promise((resolve) => {
    const win = openWindow(stage, title, 'message-box');
    win.root.setAttribute('role', 'alertdialog');
    const answer = (value) => {
      win.close();
      resolve(value);
    };
    const row = element('div', 'message');
    if (icon) row.append(element('div', icon === 1 ? 'icon critical' : 'icon information', icon === 1 ? '\u2715' : 'i'));
    const lines = element('div', 'text');
    for (const line of text.split('\r\n')) lines.append(element('div', '', line));
    row.append(lines);
    const actions = element('div', 'buttons');
    const choices = buttons === 1 ? [['Yes', YES], ['No', NO]] : [['OK', OK]];
    for (const [label, value] of choices) actions.append(button(label, () => answer(value)));
    win.body.append(row, actions);
    onKeys(win, buttons === 1 ? { Enter: () => answer(YES) } : { Enter: () => answer(OK), Escape: () => answer(OK) });
    actions.firstChild.focus();
  });
}
