// What a screen reader is told: every window's role, its caption as its heading, the
// control names the core gives, the drawing as an image named by the figure it shows,
// and, once a bar has come to rest, the results its moves changed, in one polite live
// region. The words are the core's; this is only where the page puts them.
// (The notice is a dialog too, not an alert dialog: Orca in Chromium says an alert
// dialog twice, once as it appears and again as the focus enters it.)
export const WINDOW_ROLES = { main: "region", dialog: "dialog", alert: "dialog" };
export const HEADINGS = { main: "h1", dialog: "h2", alert: "h2" };

export function accessibleName(c) {
  return c.accessibleName;
}

// Says a message through the live region; the same message again is said again.
export function tell(message) {
  const live = document.getElementById("spoken");
  live.textContent = "";
  setTimeout(() => { live.textContent = message; }, 50);
}

// A window's rest rule, the core's: the boxes its bars' moves changed are told once the
// bars have come to rest. This is only the page's timer for it.
export class Rest {
  constructor(form) {
    this.form = form;
    this.timer = null;
  }

  get core() {
    return this.form.shell.core;
  }

  moved(bar) {
    if (!this.core) return;
    this.bar = bar;
    this.wake(this.core.rest.moved(this.form.name));
  }

  // The held thumb let go: the wait starts afresh.
  released() {
    if (!this.core) return;
    const ms = this.core.rest.released(this.form.name);
    if (ms) this.wake(ms);
  }

  wake(ms) {
    clearTimeout(this.timer);
    this.timer = setTimeout(() => this.rested(), ms);
  }

  boxChanged(name, text) {
    this.core.rest.written(this.form.name, name, text);
  }

  rested() {
    if (!this.form.loaded) return;
    const due = this.core.rest.due(this.form.name, Boolean(this.bar && this.bar.dragging));
    if (due.wakeAfter) this.wake(due.wakeAfter);
    else if (due.say) tell(due.say);
  }

  stop() {
    clearTimeout(this.timer);
    if (this.core) this.core.rest.stop(this.form.name);
  }
}
