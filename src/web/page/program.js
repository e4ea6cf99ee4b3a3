// Calls into the program, one at a time. A call that shows a modal dialog
// stays open until the dialog is answered; input meanwhile goes to the
// dialog only, as on the desktop, so other calls are dropped.
export class Program {
  constructor() {
    this.module = null;
    this.busy = false;
    this.current = null;
    this.afterCall = () => {};
  }

  call(name, args = []) {
    if (!this.module || this.busy) return Promise.resolve(false);
    this.busy = true;
    let done;
    try {
      const types = args.map((a) => (typeof a === 'string' ? 'string' : 'number'));
      done = Promise.resolve(this.module.ccall(name, null, types, args, { async: true }));
    } catch (error) {
      done = Promise.reject(error);
    }
    this.current = done.then(() => {
      this.busy = false;
      this.afterCall(name, args);
      return true;
    });
    return this.current;
  }

  // Once the call under way, if any, has ended.
  idle() { return this.busy ? this.current.then(() => {}, () => {}) : Promise.resolve(); }

  click(id) { return this.call('pintaro_click', [id]); }
  mouse(phase, button, shift, x, y) { return this.call('pintaro_mouse', [phase, button, shift, x, y]); }
  key(key) { return this.call('pintaro_key', [key]); }
  about(event) { return this.call('pintaro_about', [event]); }
}
