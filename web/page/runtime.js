"use strict";
// The page's forms runtime. It knows no window by name: it loads each form from the stored
// design the core hands it, turns pointer, key and wheel input into the designed Scroll,
// Change and Click, asks the core to run the handler its table names, and carries out the
// update that comes back: boxes written, the surface cleared and drawn, beeps, windows
// shown and unloaded, the end.

(async function main() {
  // The captions are laid out in the program's own font from the start: it loads while
  // the core compiles.
  const font = document.fonts.load('10px "Schimatios Sans"', "ΣΧΗμάτιος");
  const core = await SchimatiosCore();
  const program = JSON.parse(core.cwrap("schimatios_program", "string", [])());
  const runHandler = core.cwrap("schimatios_run", "string",
                                ["string", "string", "string", "string", "string"]);
  const spokenValue = core.cwrap("schimatios_spoken", "string",
                                 ["string", "string", "number", "string"]);

  const TWIPS_PER_PIXEL = 15;
  const px = (twips) => Math.floor((twips + 7) / TWIPS_PER_PIXEL); // as the desktop rounds
  const colour = (rgb) => "#" + rgb.toString(16).padStart(6, "0");
  const HIGHLIGHTED_TEXT = 0xffffff;
  const TITLE_HEIGHT = 22; // logical pixels, scaled with the window
  const MARGIN = 8;
  const ZOOMS = [0.5, 0.67, 0.8, 0.9, 1, 1.1, 1.25, 1.5, 1.75, 2];

  // Format's decimal separator comes from the browser's language; Str always writes ".".
  const decimalSeparator = (() => {
    try {
      const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
      return parts.find((p) => p.type === "decimal").value;
    } catch (e) {
      return ".";
    }
  })();

  const desk = document.getElementById("desk");
  const ended = document.getElementById("ended");
  const page = { zoom: 1, scale: 1, nextZ: 1, active: null, beeps: 0 };

  // ---- services -------------------------------------------------------------------------

  let audio = null;
  function beep() {
    page.beeps += 1;
    document.body.dataset.beeps = String(page.beeps);
    try {
      audio = audio || new AudioContext();
      const osc = audio.createOscillator();
      const gain = audio.createGain();
      osc.frequency.value = 880;
      gain.gain.value = 0.05;
      osc.connect(gain).connect(audio.destination);
      osc.start();
      osc.stop(audio.currentTime + 0.08);
    } catch (e) {
      // no sound on this browser: the beep is only a cue
    }
  }

  function end(message) {
    for (const f of forms.values()) f.unload(false);
    ended.querySelector("#ended-message").textContent = message || "Ο ΣΧΗμάτιος έκλεισε.";
    ended.hidden = false;
    document.title = "ΣΧΗμάτιος";
    ended.querySelector("#restart").focus();
  }

  document.getElementById("restart").addEventListener("click", () => {
    ended.hidden = true;
    form(program.startup).show();
  });

  // ---- forms ----------------------------------------------------------------------------

  const classes = new Map(program.forms.map((f) => [f.name, f]));
  const forms = new Map(); // created on first use, never destroyed

  function form(name) {
    let f = forms.get(name);
    if (!f) {
      f = new Form(classes.get(name));
      forms.set(name, f);
    }
    return f;
  }

  const loadedForms = () => [...forms.values()].filter((f) => f.loaded);

  // The window being worked: the largest loaded one. The page fits it to the viewport;
  // the others are placed relative to it.
  function mainWindow() {
    let best = null;
    for (const f of loadedForms())
      if (!best || f.design.width * f.design.height > best.design.width * best.design.height)
        best = f;
    return best;
  }

  class Form {
    constructor(design) {
      this.design = design;
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
      el.setAttribute("role", { main: "region", dialog: "dialog", alert: "alertdialog" }[d.kind]);
      const captionId = "caption-" + d.name;
      el.setAttribute("aria-labelledby", captionId);

      const bar = document.createElement("header");
      bar.className = "titlebar";
      const caption = document.createElement("span");
      caption.className = "caption";
      caption.id = captionId;
      caption.textContent = d.caption;
      const close = document.createElement("button");
      close.type = "button";
      close.className = "close";
      close.tabIndex = -1;
      close.textContent = "×";
      close.title = close.ariaLabel = "Κλείσιμο παραθύρου";
      close.addEventListener("click", () => this.unload());
      bar.append(caption, close);
      this.dragByTitle(bar);

      const client = document.createElement("div");
      client.className = "client";
      client.style.background = colour(d.backColor);
      this.surface = new Surface(client, d.foreIsHighlightedText ? HIGHLIGHTED_TEXT : d.foreColor);
      this.controls = new Map();
      // Labels lie beneath the controls they overlap; the rest in tab order.
      const labels = d.controls.filter((c) => c.kind === "label");
      const others = d.controls.filter((c) => c.kind !== "label")
                               .sort((a, b) => a.tabIndex - b.tabIndex);
      const describedBy = [];
      for (const c of [...labels, ...others]) {
        const control = makeControl(this, c);
        control.el.dataset.control = c.name;
        client.append(control.el);
        this.controls.set(c.name, control);
        if (c.kind === "label") {
          control.el.id = d.name + "-" + c.name;
          describedBy.push(control.el.id);
        }
      }
      if (d.kind !== "main") el.setAttribute("aria-describedby", describedBy.join(" "));
      this.focusable = others.map((c) => this.controls.get(c.name).el);

      el.append(bar, client);
      el.addEventListener("pointerdown", () => this.activate(false), true);
      el.addEventListener("focusin", (e) => {
        this.lastFocus = e.target;
        this.activate(false);
      });
      el.addEventListener("keydown", (e) => this.tabWithin(e));
      this.el = el;
      this.client = client;
      this.offset = { x: 0, y: 0 };
      desk.append(el);
    }

    // Shows the form, loading it from its design if needed; a form shown again comes to the
    // front. A window loaded in place of another opens where that one stood.
    show(inPlaceOf) {
      const fresh = !this.loaded;
      if (fresh) {
        this.load();
        if (inPlaceOf && inPlaceOf.loaded) this.offset = { ...inPlaceOf.offset };
      }
      layout();
      this.activate(true, fresh);
    }

    unload(endWhenLast = true) {
      if (!this.loaded) return;
      if (this.el.contains(document.activeElement)) document.activeElement.blur();
      for (const c of this.controls.values()) if (c.stop) c.stop();
      this.el.remove();
      this.el = null;
      this.controls = null;
      this.surface = null;
      if (page.active === this) page.active = null;
      if (!endWhenLast) return;
      if (loadedForms().length === 0) {
        end();
      } else {
        layout();
        const next = loadedForms().sort((a, b) => b.z - a.z)[0];
        next.activate(true);
      }
    }

    activate(focus, fresh = false) {
      if (!this.loaded) return;
      if (page.active !== this) {
        if (page.active && page.active.loaded) page.active.el.classList.remove("active");
        page.active = this;
        this.el.classList.add("active");
        // The credits and the notice stay above the window they were opened from, and above
        // the one that replaces it.
        this.z = page.nextZ++ + (this.design.kind === "main" ? 0 : 1000000);
        this.el.style.zIndex = String(this.z);
      }
      document.title = this.design.caption;
      if (focus) {
        const target = !fresh && this.lastFocus && this.el.contains(this.lastFocus)
                           ? this.lastFocus : this.focusable[0];
        if (target) target.focus({ preventScroll: true });
      }
    }

    // Tab and Shift+Tab walk the window's own controls in tab order, round and round.
    tabWithin(e) {
      if (e.key !== "Tab" || this.focusable.length === 0) return;
      e.preventDefault();
      const i = this.focusable.indexOf(document.activeElement);
      const n = this.focusable.length;
      const next = i < 0 ? 0 : (i + (e.shiftKey ? n - 1 : 1)) % n;
      this.focusable[next].focus();
    }

    // The title bar moves the window, as a window manager's would.
    dragByTitle(bar) {
      bar.addEventListener("pointerdown", (e) => {
        if (e.target.classList.contains("close")) return;
        bar.setPointerCapture(e.pointerId);
        const start = { x: e.clientX, y: e.clientY, offset: { ...this.offset } };
        const move = (m) => {
          this.offset = { x: start.offset.x + (m.clientX - start.x) / page.scale,
                          y: start.offset.y + (m.clientY - start.y) / page.scale };
          layout();
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
      if (!this.events.has(control + "\n" + event)) return;
      const result = JSON.parse(runHandler(this.name, control, event, this.values(), decimalSeparator));
      if (result.error !== undefined) {
        end("Σφάλμα: " + result.message);
        return;
      }
      this.apply(result.steps);
    }

    apply(steps) {
      let drawn = false;
      for (const [kind, name, text, x1, y1, x2, y2, rgb] of steps) {
        switch (kind) {
          case "SetText":
            this.controls.get(name).setText(text);
            break;
          case "Cls":
            this.surface.cls();
            drawn = true;
            break;
          case "Line":
            this.surface.items.push({ kind, x1, y1, x2, y2, rgb });
            drawn = true;
            break;
          case "Circle":
            this.surface.items.push({ kind, x1, y1, r: x2, rgb });
            drawn = true;
            break;
          case "Print":
            this.surface.items.push({ kind, x1, y1, text });
            drawn = true;
            break;
          case "Beep":
            beep();
            break;
          case "Show":
            form(name).show(text ? form(text) : null);
            break;
          case "Unload":
            if (drawn && this.surface) this.surface.paint();
            drawn = false;
            form(name).unload();
            break;
          case "End":
            end();
            return;
        }
      }
      if (drawn && this.surface) this.surface.paint();
    }
  }

  // ---- controls -------------------------------------------------------------------------

  function place(el, c) {
    el.dataset.left = px(c.left);
    el.dataset.top = px(c.top);
    el.dataset.width = px(c.width);
    el.dataset.height = px(c.height);
  }

  function accessibleName(c) {
    if (c.accessibleName) return c.accessibleName;
    if (c.kind === "label") return c.text;
    return c.toolTip.trim();
  }

  function makeControl(owner, c) {
    switch (c.kind) {
      case "label": return new Label(c);
      case "textbox": return new TextBox(c);
      case "scrollbar": return new ScrollBar(owner, c);
      default: return new PictureButton(owner, c);
    }
  }

  class Label {
    constructor(c) {
      this.kind = "label";
      this.el = document.createElement("div");
      this.el.className = "label";
      this.el.textContent = c.text;
      this.el.style.background = colour(c.backColor);
      this.el.style.color = colour(c.foreColor);
      place(this.el, c);
    }
  }

  // A read-only, selectable text box: the program writes it, a pupil may copy from it.
  class TextBox {
    constructor(c) {
      this.kind = "textbox";
      const el = document.createElement("input");
      el.type = "text";
      el.readOnly = true;
      el.className = "textbox";
      el.spellcheck = false;
      el.ariaLabel = accessibleName(c);
      place(el, c);
      this.el = el;
      this.setText(c.text);
    }

    setText(text) {
      if (this.el.value === text) return;
      this.el.value = text;
      // Shown from its beginning; a box with the caret would show its end otherwise.
      if (document.activeElement === this.el) this.el.setSelectionRange(0, 0);
      TextBox.later(this);
    }

    // Measuring a box's text lays the page out: done once a frame, not on every drag step.
    static later(box) {
      if (!TextBox.pending) {
        TextBox.pending = new Set();
        requestAnimationFrame(() => {
          for (const b of TextBox.pending) b.fitTitle();
          TextBox.pending = null;
        });
      }
      TextBox.pending.add(box);
    }

    // A box too narrow for its text gives its whole text as its tool tip.
    fitTitle() {
      if (this.el.isConnected && this.el.scrollWidth > this.el.clientWidth + 1) this.el.title = this.el.value;
      else this.el.removeAttribute("title");
    }
  }

  class PictureButton {
    constructor(owner, c) {
      this.kind = "button";
      const el = document.createElement("button");
      el.type = "button";
      el.className = "button";
      if (c.toolTip) el.title = c.toolTip;
      el.ariaLabel = accessibleName(c);
      const img = document.createElement("img");
      img.alt = "";
      img.src = PICTURES[c.picture].src;
      img.decoding = "sync";
      el.append(img);
      place(el, c);
      el.addEventListener("click", () => owner.fire(c.name, "Click"));
      this.el = el;
      this.img = img;
      this.picture = PICTURES[c.picture];
    }
  }

  // A vertical scroll bar, Min at the top: arrows, trough and thumb, drawn by the page.
  // Scroll for every value of a thumb drag, Change for an arrow, a trough click, a key and
  // the wheel; nothing more at the end of a drag. Mouse, touch and pen alike.
  class ScrollBar {
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
      el.setAttribute("role", "scrollbar");
      el.setAttribute("aria-orientation", "vertical");
      el.setAttribute("aria-valuemin", c.min);
      el.setAttribute("aria-valuemax", c.max);
      el.ariaLabel = accessibleName(c);
      this.tenth = Math.max(1, Math.round((c.max - c.min) / 10));
      if (c.max - c.min > 100)
        el.setAttribute("aria-description",
                        "Ctrl με τα βέλη ή με Page Up και Page Down: ένα δέκατο της κλίμακας");
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
      const w = Number(this.el.dataset.width) * page.scale;
      const h = Number(this.el.dataset.height) * page.scale;
      const arrow = Math.min(w, h / 3);
      const track = h - 2 * arrow;
      const range = this.max - this.min;
      const thumb = Math.min(track, Math.max(track / (range + 1), Math.min(20 * page.scale, track / 2)));
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
      this.el.setAttribute("aria-valuetext",
                           spokenValue(this.owner.name, this.name, this.value, decimalSeparator));
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
        this.dragging = null; // the drag has delivered every value as Scroll already
        this.stop();
      };
      this.el.addEventListener("pointerup", release);
      this.el.addEventListener("pointercancel", release);
      this.el.addEventListener("lostpointercapture", release);
      this.el.addEventListener("keydown", (e) => {
        const tenth = e.ctrlKey ? this.tenth : 1;
        const moves = {
          ArrowUp: -tenth, ArrowLeft: -tenth, PageUp: -tenth,
          ArrowDown: tenth, ArrowRight: tenth, PageDown: tenth,
        };
        if (e.key in moves) {
          e.preventDefault();
          this.step(moves[e.key]);
        } else if (e.key === "Home" || e.key === "End") {
          e.preventDefault();
          this.moveTo(e.key === "Home" ? this.min : this.max, "Change");
        }
      });
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

  // ---- the drawing surface --------------------------------------------------------------

  // The form's client area: a retained display list in twips, drawn on a canvas whose
  // backing store follows the page's scale times the device pixel ratio. Lines and circles
  // are set pixel by pixel, pure colour and never blended; letters are text.
  class Surface {
    constructor(client, foreColor) {
      this.canvas = document.createElement("canvas");
      this.canvas.dataset.surface = "";
      this.canvas.setAttribute("aria-hidden", "true");
      client.append(this.canvas);
      this.context = this.canvas.getContext("2d", { willReadFrequently: false });
      this.fore = colour(foreColor);
      this.back = 0; // set by resize()
      this.items = [];
      this.drawnBounds = null;
      this.widths = new Map(); // a printed letter's width, by font and text
    }

    cls() {
      this.items = [];
    }

    resize(width, height, backColor) {
      const ratio = page.scale * (window.devicePixelRatio || 1);
      this.ratio = ratio;
      this.canvas.width = Math.max(1, Math.round(width * ratio));
      this.canvas.height = Math.max(1, Math.round(height * ratio));
      this.canvas.style.width = width * page.scale + "px";
      this.canvas.style.height = height * page.scale + "px";
      this.image = this.context.createImageData(this.canvas.width, this.canvas.height);
      this.pixels = new Uint32Array(this.image.data.buffer);
      const [r, g, b] = [(backColor >> 16) & 255, (backColor >> 8) & 255, backColor & 255];
      this.back = (255 << 24) | (b << 16) | (g << 8) | r;
      this.pixels.fill(this.back);
      this.drawnBounds = null;
      this.full = true;
      this.paint();
    }

    // Repaints where the drawing was and where it is now.
    paint() {
      const W = this.canvas.width, H = this.canvas.height;
      const k = this.ratio / TWIPS_PER_PIXEL; // device pixels a twip
      const width = Math.max(1, Math.round(this.ratio)); // whole device pixels, all along
      const ctx = this.context;
      const font = 10 * this.ratio;
      ctx.font = font + 'px "Schimatios Sans"';
      let box = this.full ? [0, 0, W, H] : this.drawnBounds;
      const grow = (x0, y0, x1, y1) => {
        const b = [Math.floor(Math.max(0, x0)), Math.floor(Math.max(0, y0)),
                   Math.ceil(Math.min(W, x1)), Math.ceil(Math.min(H, y1))];
        if (b[0] >= b[2] || b[1] >= b[3]) return;
        box = box ? [Math.min(box[0], b[0]), Math.min(box[1], b[1]),
                     Math.max(box[2], b[2]), Math.max(box[3], b[3])] : b;
      };
      let now = null;
      const fold = (x0, y0, x1, y1) => {
        grow(x0, y0, x1, y1);
        const b = [Math.max(0, x0), Math.max(0, y0), Math.min(W, x1), Math.min(H, y1)];
        if (b[0] >= b[2] || b[1] >= b[3]) return;
        now = now ? [Math.min(now[0], b[0]), Math.min(now[1], b[1]),
                     Math.max(now[2], b[2]), Math.max(now[3], b[3])] : b;
      };
      for (const it of this.items) {
        if (it.kind === "Line") {
          fold(Math.min(it.x1, it.x2) * k - width, Math.min(it.y1, it.y2) * k - width,
               Math.max(it.x1, it.x2) * k + width + 1, Math.max(it.y1, it.y2) * k + width + 1);
        } else if (it.kind === "Circle") {
          const r = it.r * k;
          fold(it.x1 * k - r - width, it.y1 * k - r - width, it.x1 * k + r + width + 1, it.y1 * k + r + width + 1);
        } else {
          const key = ctx.font + "\n" + it.text;
          let w = this.widths.get(key);
          if (w === undefined) this.widths.set(key, (w = ctx.measureText(it.text).width));
          fold(it.x1 * k - 2, it.y1 * k - 2, it.x1 * k + w + 2, it.y1 * k + font * 1.3 + 2);
        }
      }
      this.full = false;
      this.drawnBounds = now;
      if (!box) return;
      const [bx0, by0, bx1, by1] = box;
      const px = this.pixels;
      for (let y = by0; y < by1; ++y) px.fill(this.back, y * W + bx0, y * W + bx1);
      for (const it of this.items) {
        if (it.kind === "Line") this.line(it.x1 * k, it.y1 * k, it.x2 * k, it.y2 * k, width, it.rgb);
        else if (it.kind === "Circle") this.circle(it.x1 * k, it.y1 * k, it.r * k, width, it.rgb);
      }
      ctx.putImageData(this.image, 0, 0, bx0, by0, bx1 - bx0, by1 - by0);
      ctx.fillStyle = this.fore;
      ctx.textBaseline = "top";
      for (const it of this.items) if (it.kind === "Print") ctx.fillText(it.text, it.x1 * k, it.y1 * k);
    }

    // A square pen of `width` device pixels whose top-left sits at the pixel under (x, y).
    dot(x, y, width, value) {
      const W = this.canvas.width, H = this.canvas.height;
      if (width === 1) {
        if (x >= 0 && y >= 0 && x < W && y < H) this.pixels[y * W + x] = value;
        return;
      }
      const x0 = x - ((width - 1) >> 1), y0 = y - ((width - 1) >> 1);
      for (let yy = Math.max(0, y0); yy < Math.min(H, y0 + width); ++yy)
        for (let xx = Math.max(0, x0); xx < Math.min(W, x0 + width); ++xx) this.pixels[yy * W + xx] = value;
    }

    value(rgb) {
      return (255 << 24) | ((rgb & 255) << 16) | (rgb & 0xff00) | ((rgb >> 16) & 255);
    }

    line(x1, y1, x2, y2, width, rgb) {
      const W = this.canvas.width, H = this.canvas.height;
      // Clip to the canvas (with a pen's margin) first: a figure can reach far outside.
      const m = width + 1;
      let t0 = 0, t1 = 1;
      const dx = x2 - x1, dy = y2 - y1;
      for (const [p, q] of [[-dx, x1 + m], [dx, W + m - x1], [-dy, y1 + m], [dy, H + m - y1]]) {
        if (p === 0) {
          if (q < 0) return;
        } else {
          const t = q / p;
          if (p < 0) t0 = Math.max(t0, t);
          else t1 = Math.min(t1, t);
        }
      }
      if (t0 > t1) return;
      let ax = Math.floor(x1 + t0 * dx), ay = Math.floor(y1 + t0 * dy);
      const bx = Math.floor(x1 + t1 * dx), by = Math.floor(y1 + t1 * dy);
      const value = this.value(rgb);
      const sx = ax < bx ? 1 : -1, sy = ay < by ? 1 : -1;
      const ex = Math.abs(bx - ax), ey = -Math.abs(by - ay);
      let err = ex + ey;
      for (;;) {
        this.dot(ax, ay, width, value);
        if (ax === bx && ay === by) break;
        const e2 = 2 * err;
        if (e2 >= ey) { err += ey; ax += sx; }
        if (e2 <= ex) { err += ex; ay += sy; }
      }
    }

    circle(cx, cy, r, width, rgb) {
      const value = this.value(rgb);
      const x0 = Math.floor(cx), y0 = Math.floor(cy);
      let x = Math.round(r), y = 0, err = 1 - x;
      while (x >= y) {
        for (const [px, py] of [[x, y], [y, x], [-y, x], [-x, y], [-x, -y], [-y, -x], [y, -x], [x, -y]])
          this.dot(x0 + px, y0 + py, width, value);
        ++y;
        if (err < 0) err += 2 * y + 1;
        else { --x; err += 2 * (y - x) + 1; }
      }
    }
  }

  // ---- layout: fit the window being worked to the viewport ------------------------------

  function layout() {
    const main = mainWindow();
    if (!main) return;
    const mw = px(main.design.width), mh = px(main.design.height) + TITLE_HEIGHT;
    const fit = Math.min((desk.clientWidth - 2 * MARGIN) / mw, (desk.clientHeight - 2 * MARGIN) / mh);
    page.scale = Math.max(0.25, fit) * page.zoom;
    document.documentElement.style.setProperty("--s", String(page.scale));
    desk.dataset.scale = String(page.scale);
    const s = page.scale;
    const centre = {
      x: Math.max(MARGIN + (mw * s) / 2, desk.clientWidth / 2),
      y: Math.max(MARGIN + (mh * s) / 2, desk.clientHeight / 2),
    };
    for (const f of loadedForms()) {
      const w = px(f.design.width), h = px(f.design.height);
      f.client.style.width = w * s + "px";
      f.client.style.height = h * s + "px";
      f.el.style.width = w * s + "px";
      const left = centre.x + f.offset.x * s - (w * s) / 2;
      const top = centre.y + f.offset.y * s - ((h + TITLE_HEIGHT) * s) / 2;
      f.el.style.left = Math.max(0, left) + "px";
      f.el.style.top = Math.max(0, top) + "px";
      for (const c of f.controls.values()) {
        const st = c.el.style, d = c.el.dataset;
        st.left = d.left * s + "px";
        st.top = d.top * s + "px";
        st.width = d.width * s + "px";
        st.height = d.height * s + "px";
        if (c.kind === "scrollbar") c.show();
        if (c.kind === "button") {
          c.img.style.width = c.picture.width * s + "px";
          c.img.style.height = c.picture.height * s + "px";
        }
        if (c.kind === "textbox") c.fitTitle();
      }
      f.surface.resize(w, h, f.design.backColor);
    }
  }

  window.addEventListener("resize", layout);

  document.addEventListener("keydown", (e) => {
    if (!e.ctrlKey || e.altKey) return;
    const i = ZOOMS.indexOf(page.zoom);
    let next = null;
    if (e.key === "+" || e.key === "=" || e.code === "NumpadAdd") next = ZOOMS[Math.min(ZOOMS.length - 1, i + 1)];
    else if (e.key === "-" || e.code === "NumpadSubtract") next = ZOOMS[Math.max(0, i - 1)];
    else if (e.key === "0" || e.code === "Numpad0") next = 1;
    if (next === null) return;
    e.preventDefault();
    page.zoom = next;
    layout();
  });

  await font;
  form(program.startup).show();
  document.body.dataset.ready = "";
})();
