// The controls of a form, built from their designs: labels, read-only text boxes and
// picture buttons (the scroll bar has a file of its own). Each keeps its design rectangle
// in design pixels; the layout places it at the page's scale.
import { accessibleName } from "./access.js";
import { colour, place } from "./design.js";
import { ScrollBar } from "./scrollbar.js";

export function makeControl(owner, c) {
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

  // Writes the box; says whether its text changed.
  setText(text) {
    if (this.el.value === text) return false;
    this.el.value = text;
    // Shown from its beginning; a box with the caret would show its end otherwise.
    if (document.activeElement === this.el) this.el.setSelectionRange(0, 0);
    TextBox.later(this);
    return true;
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

// A button showing its design's picture: the stored bitmap where a design pixel is one
// device pixel, its three-times version brought down to size where it is more.
class PictureButton {
  constructor(owner, c) {
    this.kind = "button";
    const el = document.createElement("button");
    el.type = "button";
    el.className = "button";
    if (c.toolTip) el.title = c.toolTip;
    // Its name is text inside it, heard and not seen: a screen reader reads it as the
    // button's own text (Orca then says a notice's button once, not twice).
    const name = document.createElement("span");
    name.className = "heard";
    name.textContent = accessibleName(c);
    const img = document.createElement("img");
    img.alt = "";
    img.decoding = "sync";
    el.append(img, name);
    place(el, c);
    el.addEventListener("click", () => owner.fire(c.name, "Click"));
    this.el = el;
    this.img = img;
    this.picture = PICTURES[c.picture];
  }

  setScale(scale) {
    const sharp = scale * (window.devicePixelRatio || 1) > 1 && this.picture.large;
    const src = sharp ? this.picture.large : this.picture.src;
    if (this.img.getAttribute("src") !== src) this.img.src = src;
    this.img.style.width = this.picture.width * scale + "px";
    this.img.style.height = this.picture.height * scale + "px";
  }
}
