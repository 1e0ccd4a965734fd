// A form on the page: one instance per form class, loaded from its stored design into an
// in-page window (title bar, close box, client area) on Show and removed on Unload or by
// its close box. It routes every control event through the class's handler table, run by
// the core, and carries out the update that comes back; it knows no window by name.
import { HEADINGS, Rest, WINDOW_ROLES, tell } from "./access.js";
import { makeControl } from "./controls.js";
import { colour } from "./design.js";
import { keyName } from "./keys.js";
import { attachWorksheet, worksheetCommand } from "./worksheet.js";
import { beep, decimalSeparator } from "./services.js";
import { Surface } from "./surface.js";

const HIGHLIGHTED_TEXT = 0xffffff;

export class Form {
  constructor(design, shell) {
    this.design = design;
    this.shell = shell;
    this.name = design.name;
    this.events = new Set(design.events.map(([c, e]) => c + "\n" + e));
    this.el = null;
  }

  get loaded() {
    return this.el !== null;
  }

  load() {
    const d = this.design;
    const el = document.createElement("section");
    el.className = "window";
    el.dataset.form = d.name;
    const captionId = "caption-" + d.name;

    const bar = document.createElement("header");
    bar.className = "titlebar";
    const caption = document.createElement(HEADINGS[d.kind]);
    caption.className = "caption";
    caption.id = captionId;
    caption.textContent = d.caption;
    const close = document.createElement("button");
    close.type = "button";
    close.className = "close";
    close.tabIndex = -1;
    close.title = "Κλείσιμο παραθύρου";
    close.setAttribute("aria-label", close.title);
    close.addEventListener("click", () => this.unload());
    bar.append(caption, close);
    this.dragByTitle(bar);

    const client = document.createElement("div");
    client.className = "client";
    // The window to a screen reader: all of it, but for the notice its message and button
    // alone, said once without the title bar around it.
    const announced = d.kind === "alert" ? client : el;
    announced.setAttribute("role", WINDOW_ROLES[d.kind]);
    announced.setAttribute("aria-labelledby", captionId);
    client.style.background = colour(d.backColor);
    this.surface = new Surface(client, d.foreIsHighlightedText ? HIGHLIGHTED_TEXT : d.foreColor, this.shell);
    this.surface.describe(d.description);
    this.rest = new Rest(this);
    this.controls = new Map();
    // From the bottom of the stack up, as the core orders them.
    const describedBy = [];
    for (const c of d.controls) {
      const control = makeControl(this, c);
      control.el.dataset.control = c.name;
      client.append(control.el);
      this.controls.set(c.name, control);
      if (c.kind === "label") {
        control.el.id = d.name + "-" + c.name;
        describedBy.push(control.el.id);
      }
    }
    if (d.kind !== "main") announced.setAttribute("aria-describedby", describedBy.join(" "));
    this.focusable = d.tabOrder.map((name) => this.controls.get(name).el);

    el.append(bar, client);
    el.addEventListener("pointerdown", () => this.activate(false), true);
    el.addEventListener("focusin", (e) => {
      this.lastFocus = e.target;
      this.activate(false);
    });
    this.el = el;
    if (d.description) attachWorksheet(this); // a figure window: its copy, save and print
    this.client = client;
    this.offset = { x: 0, y: 0 };
    this.shell.desk.append(el);
  }

  // Shows the form, loading it from its design if needed; a form shown again comes to the
  // front. A window loaded in place of another opens where that one stood.
  show(inPlaceOf) {
    const fresh = !this.loaded;
    if (fresh) {
      this.load();
      if (inPlaceOf && inPlaceOf.loaded) this.offset = { ...inPlaceOf.offset };
    }
    if (fresh) this.shell.shown(this);
    this.shell.layout();
    this.activate(true, fresh);
    // A figure window, as it opens, says what it is and what its drawing shows: the
    // screen reader speaks the control that takes the focus, then this.
    if (fresh && this.design.description)
      tell(this.design.caption + ". " + this.surface.canvas.getAttribute("aria-label"));
  }

  unload(endWhenLast = true) {
    if (!this.loaded) return;
    if (this.el.contains(document.activeElement)) document.activeElement.blur();
    for (const c of this.controls.values()) if (c.stop) c.stop();
    this.rest.stop();
    this.el.remove();
    this.el = null;
    this.controls = null;
    this.surface = null;
    this.shell.formUnloaded(this, endWhenLast);
  }

  activate(focus, fresh = false) {
    if (!this.loaded) return;
    const shell = this.shell;
    if (shell.active !== this) {
      if (shell.active && shell.active.loaded) shell.active.el.classList.remove("active");
      shell.active = this;
      this.el.classList.add("active");
      // The credits and the notice stay above the window they were opened from, and above
      // the one that replaces it.
      this.z = shell.nextZ++ + (this.design.kind === "main" ? 0 : 1000000);
      this.el.style.zIndex = String(this.z);
    }
    document.title = this.design.caption;
    if (focus) {
      const target = !fresh && this.lastFocus && this.el.contains(this.lastFocus)
                         ? this.lastFocus : this.focusable[0];
      if (target) target.focus({ preventScroll: true });
    }
  }

  // A key in the window goes to the core, and what it answers is done here.
  key(e) {
    // (the control the key came to: the focused one, or the one a script sent it to)
    let focused = "", value = 0;
    for (const [name, c] of this.controls)
      if (c.el === e.target || c.el.contains(e.target)) {
        focused = name;
        if (c.kind === "scrollbar") value = c.value;
      }
    const box = e.target;
    const selection = box && box.tagName === "INPUT" && box.selectionStart !== box.selectionEnd;
    const answer = this.shell.core.key(this.name, focused, value, selection, keyName(e));
    if (answer.command === "None") return;
    e.preventDefault();
    this.carryOut(answer);
  }

  carryOut({ command, value, control }) {
    const c = control ? this.controls.get(control) : null;
    switch (command) {
      case "MoveBar": c.moveTo(value, "Change"); break;
      case "PressButton": c.el.click(); break;
      case "FocusControl": c.el.focus(); break;
      case "ZoomIn": this.shell.stepZoom("in"); break;
      case "ZoomOut": this.shell.stepZoom("out"); break;
      case "ZoomReset": this.shell.stepZoom("reset"); break;
      default: worksheetCommand(this, command);
    }
  }

  // The title bar moves the window, as a window manager's would.
  dragByTitle(bar) {
    bar.addEventListener("pointerdown", (e) => {
      if (e.target.classList.contains("close")) return;
      bar.setPointerCapture(e.pointerId);
      const start = { x: e.clientX, y: e.clientY, offset: { ...this.offset } };
      const move = (m) => {
        this.offset = { x: start.offset.x + (m.clientX - start.x) / this.shell.scale,
                        y: start.offset.y + (m.clientY - start.y) / this.shell.scale };
        this.shell.layout();
      };
      const up = () => {
        bar.removeEventListener("pointermove", move);
        bar.removeEventListener("pointerup", up);
        bar.removeEventListener("pointercancel", up);
      };
      bar.addEventListener("pointermove", move);
      bar.addEventListener("pointerup", up);
      bar.addEventListener("pointercancel", up);
    });
  }

  // The bar values the handlers read.
  values() {
    const lines = [];
    for (const [name, c] of this.controls) if (c.kind === "scrollbar") lines.push(name + "=" + c.value);
    return lines.join("\n");
  }

  // A control's event: run the handler the table names, if any, and carry out its update.
  // Every designed event is also told to the page, for whoever scripts it.
  fire(control, event) {
    this.el.dispatchEvent(new CustomEvent("schimatios:event", { bubbles: true,
                                                              detail: { form: this.name, control, event } }));
    if (event !== "Click") this.rest.moved(this.controls.get(control));
    if (!this.events.has(control + "\n" + event)) return;
    this.shell.run(() => {
      if (!this.loaded) return; // unloaded by what ran before
      const result = this.shell.core.run(this.name, control, event, this.values(), decimalSeparator);
      if (result.error !== undefined) this.shell.end(result.message); // the core's words, whole
      else this.apply(result);
      if (event !== "Click" && this.loaded) this.shell.follow();
    });
  }

  apply({ steps, drawing }) {
    let drawn = false;
    const shell = this.shell;
    // The drawing as the core keeps it (letters after every line), once the steps are done.
    if (drawing && this.surface) this.surface.items = drawing;
    for (const [kind, name, text] of steps) {
      switch (kind) {
        case "SetText":
          if (this.controls.get(name).setText(text)) this.rest.boxChanged(name, text);
          break;
        case "Describe":
          this.surface.describe(text);
          break;
        case "Cls":
        case "Line":
        case "Circle":
        case "Print":
          drawn = true;
          break;
        case "Beep":
          beep();
          break;
        case "Show":
          shell.form(name).show(text ? shell.form(text) : null);
          break;
        case "Unload":
          if (drawn && this.surface) this.surface.paint();
          drawn = false;
          shell.form(name).unload();
          break;
        case "End":
          shell.end();
          return;
      }
    }
    if (drawn && this.surface) this.surface.paint();
  }
}
