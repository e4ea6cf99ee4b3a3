// Calls into the program, one at a time. A call that shows a modal dialog
// stays open until the dialog is answered; input meanwhile goes to the
// dialog only, as on the desktop, so other calls are dropped.
export class Program {
  constructor() {
    this.module = null;
    this.busy = false;
    this.afterCall = () => {};
  }

  call(name, args = []) {
    if (!this.module || this.busy) return Promise.resolve(false);
    this.busy = true;
    let done;
    try {
      done = Promise.resolve(this.module.ccall(name, null, args.map(() => 'number'), args, { async: true }));
    } catch (error) {
      done = Promise.reject(error);
    }
    return done.then(() => {
      this.busy = false;
      this.afterCall(name, args);
      return true;
    });
  }

  click(id) { return this.call('pintaro_click', [id]); }
  mouse(phase, button, shift, x, y) { return this.call('pintaro_mouse', [phase, button, shift, x, y]); }
  key(key) { return this.call('pintaro_key', [key]); }
  about(event) { return this.call('pintaro_about', [event]); }
}
