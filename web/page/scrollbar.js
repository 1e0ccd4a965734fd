// A vertical scroll bar, Min at the top: arrows, trough and thumb, drawn by the page.
// Scroll for every value of a thumb drag, Change for an arrow, a trough click, a key and
// the wheel; nothing more at the end of a drag. Mouse, touch and pen alike.
import { accessibleName } from "./access.js";
import { place } from "./design.js";
import { decimalSeparator } from "./services.js";

export class ScrollBar {
  constructor(owner, c) {
    this.kind = "scrollbar";
    this.owner = owner;
    this.name = c.name;
    this.min = c.min;
    this.max = c.max;
    this.value = c.value;
    const el = document.createElement("div");
    el.className = "scrollbar";
    el.tabIndex = 0;
    el.setAttribute("role", "slider"); // it sets a value: a screen reader works it in focus mode
    el.setAttribute("aria-orientation", "vertical");
    el.setAttribute("aria-valuemin", c.min);
    el.setAttribute("aria-valuemax", c.max);
    el.ariaLabel = accessibleName(c);
    if (c.description) el.setAttribute("aria-description", c.description);
    this.parts = {};
    for (const part of ["up", "track", "thumb", "down"]) {
      const p = document.createElement("div");
      p.dataset.part = part;
      this.parts[part] = p;
    }
    el.append(this.parts.up, this.parts.track, this.parts.down);
    this.parts.track.append(this.parts.thumb);
    place(el, c);
    this.el = el;
    this.wheel = 0;
    this.listen();
    this.show();
  }

  // Geometry in CSS pixels at the page's scale.
  geometry() {
    const scale = this.owner.shell.scale;
    const w = Number(this.el.dataset.width) * scale;
    const h = Number(this.el.dataset.height) * scale;
    const arrow = Math.min(w, h / 3);
    const track = h - 2 * arrow;
    const range = this.max - this.min;
    const thumb = Math.min(track, Math.max(track / (range + 1), Math.min(20 * scale, track / 2)));
    return { arrow, track, thumb, range };
  }

  show() {
    const g = this.geometry();
    const s = this.parts;
    s.up.style.top = "0px";
    s.up.style.height = g.arrow + "px";
    s.down.style.top = g.arrow + g.track + "px";
    s.down.style.height = g.arrow + "px";
    s.track.style.top = g.arrow + "px";
    s.track.style.height = g.track + "px";
    const at = g.range === 0 ? 0 : ((this.value - this.min) / g.range) * (g.track - g.thumb);
    s.thumb.style.top = at + "px";
    s.thumb.style.height = g.thumb + "px";
    this.el.setAttribute("aria-valuenow", this.value);
    const core = this.owner.shell.core; // (said as soon as the core is there to say it)
    if (core) this.el.setAttribute("aria-valuetext", core.spokenValue(this.owner.name, this.name, this.value, decimalSeparator));
  }

  // Sets the value; the event goes to the form only when the value really moved.
  moveTo(value, event) {
    const v = Math.max(this.min, Math.min(this.max, Math.round(value)));
    if (v === this.value) return false;
    this.value = v;
    this.show();
    this.owner.fire(this.name, event);
    return true;
  }

  // Sets the value without an event: a link's, before what it shows is carried out.
  setQuietly(value) {
    this.value = Math.max(this.min, Math.min(this.max, value));
    this.show();
  }

  step(delta) {
    return this.moveTo(this.value + delta, "Change");
  }

  stop() {
    clearTimeout(this.repeat);
    clearInterval(this.repeat);
    this.repeat = null;
    for (const p of Object.values(this.parts)) p.classList.remove("pressed");
  }

  // An arrow or the trough held down: one step at once, then more after a pause.
  autoRepeat(part, stepOnce) {
    this.stop();
    part.classList.add("pressed");
    if (!stepOnce()) return;
    this.repeat = setTimeout(() => {
      this.repeat = setInterval(() => {
        if (!this.owner.loaded || !stepOnce()) this.stop();
      }, 50);
    }, 500);
  }

  listen() {
    const { up, down, track, thumb } = this.parts;
    this.el.addEventListener("pointerdown", (e) => {
      if (e.button !== 0) return;
      e.preventDefault();
      this.el.focus({ preventScroll: true });
      this.el.setPointerCapture(e.pointerId);
      if (e.target === up) {
        this.autoRepeat(up, () => this.step(-1));
      } else if (e.target === down) {
        this.autoRepeat(down, () => this.step(1));
      } else if (e.target === thumb) {
        this.dragging = { y: e.clientY, top: parseFloat(thumb.style.top) };
        thumb.classList.add("pressed");
      } else if (e.target === track) {
        // One page (one unit) at a time towards the pointer, while it is held.
        const pointerY = e.clientY;
        this.autoRepeat(track, () => {
          const r = thumb.getBoundingClientRect();
          if (pointerY < r.top) return this.step(-1);
          if (pointerY > r.bottom) return this.step(1);
          return false;
        });
      }
    });
    this.el.addEventListener("pointermove", (e) => {
      if (!this.dragging) return;
      const g = this.geometry();
      const top = Math.max(0, Math.min(g.track - g.thumb, this.dragging.top + e.clientY - this.dragging.y));
      const value = this.min + (g.track === g.thumb ? 0 : (top / (g.track - g.thumb)) * g.range);
      this.moveTo(value, "Scroll");
    });
    const release = () => {
      const held = this.dragging;
      this.dragging = null; // the drag has delivered every value as Scroll already
      this.stop();
      if (held) this.owner.rest.released();
    };
    this.el.addEventListener("pointerup", release);
    this.el.addEventListener("pointercancel", release);
    this.el.addEventListener("lostpointercapture", release);
    this.el.addEventListener("wheel", (e) => {
      e.preventDefault();
      this.wheel += e.deltaMode === 0 ? e.deltaY : e.deltaY * 40;
      if (Math.abs(this.wheel) < 40) return;
      const direction = Math.sign(this.wheel);
      this.wheel = 0;
      this.step(direction); // one unit a notch, as the desktop's bars move
    }, { passive: false });
  }
}
