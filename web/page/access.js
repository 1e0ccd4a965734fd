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

// A window's boxes that changed since a bar last rested, told when one has been still
// for the core's rest time and its thumb is not held. Nothing is told during a drag.
export class Rest {
  constructor(form) {
    this.form = form;
    this.changed = new Map();
    this.timer = null;
  }

  moved(bar) {
    this.bar = bar;
    clearTimeout(this.timer);
    this.timer = setTimeout(() => this.rested(), this.form.shell.core.program.restMs);
  }

  boxChanged(name, text) {
    this.changed.set(name, text);
  }

  rested() {
    if (!this.form.loaded) return;
    if (this.bar.dragging) return this.moved(this.bar); // still held: not at rest
    const lines = [...this.changed].map(([name, text]) => name + "=" + text).join("\n");
    this.changed.clear();
    const message = this.form.shell.core.results(this.form.name, lines);
    if (message) tell(message);
  }

  stop() {
    clearTimeout(this.timer);
    this.changed.clear();
  }
}
