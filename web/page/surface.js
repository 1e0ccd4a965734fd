// The form's client area: the core's drawing of the window (in twips, every letter after
// every line), drawn on a canvas whose backing store is the page's scale times the device
// pixel ratio. Lines and circles are set on the device-pixel grid by the core's raster,
// pure colour and never blended, with the core's pen; letters are text in the program's
// font at the core's size.
//
// A repaint touches only where the drawing was and is: every item's footprint is known
// in whole device pixels (the raster's own rectangles; a letter's inked box and a margin
// for its edge), so clearing what was drawn last and painting what is drawn now gives the
// same pixels as painting everything afresh.
import { colour } from "./design.js";

const LETTER_MARGIN = 2; // device pixels around a letter's inked box: its antialiased edge

export class Surface {
  constructor(client, foreColor, shell) {
    this.shell = shell;
    this.canvas = document.createElement("canvas");
    this.canvas.dataset.surface = "";
    client.append(this.canvas);
    this.context = this.canvas.getContext("2d");
    this.foreColor = foreColor;
    this.fore = colour(foreColor);
    this.back = 0; // set by resize()
    this.items = []; // [kind, x1, y1, x2, y2, colour, text], as the core keeps them
    this.shown = null; // the device pixels the last paint drew in: [x0, y0, x1, y1)
    this.letterBoxes = new Map(); // a letter's inked box, by font and text
    // For tests and tools: the same drawing painted afresh on a blank canvas.
    this.canvas.fullRedraw = () => this.paintedAfresh();
  }

  // What the drawing shows, in the core's words: an image named so in a figure window,
  // nothing to a screen reader where a window draws nothing.
  describe(text) {
    if (text) {
      this.canvas.setAttribute("role", "img");
      this.canvas.setAttribute("aria-label", text);
      this.canvas.removeAttribute("aria-hidden");
    } else {
      this.canvas.removeAttribute("role");
      this.canvas.removeAttribute("aria-label");
      this.canvas.setAttribute("aria-hidden", "true");
    }
  }

  resize(width, height, backColor) {
    this.ratio = this.shell.scale * (window.devicePixelRatio || 1);
    this.canvas.width = Math.max(1, Math.round(width * this.ratio));
    this.canvas.height = Math.max(1, Math.round(height * this.ratio));
    this.canvas.style.width = width * this.shell.scale + "px";
    this.canvas.style.height = height * this.shell.scale + "px";
    const [r, g, b] = [(backColor >> 16) & 255, (backColor >> 8) & 255, backColor & 255];
    this.back = (255 << 24) | (b << 16) | (g << 8) | r;
    // (its pixels are made when there is something to draw: until then the canvas is
    // clear and the client's own colour shows through it)
    this.target = null;
    this.shown = null;
    if (this.items.length > 0) this.paint(true);
  }

  // A canvas's context, its pixels as an image and that image's words.
  blank(canvas) {
    const context = canvas === this.canvas ? this.context : canvas.getContext("2d");
    const image = context.createImageData(canvas.width, canvas.height);
    const pixels = new Uint32Array(image.data.buffer);
    pixels.fill(this.back);
    return { canvas, context, image, pixels };
  }

  // Repaints where the drawing was and where it is now, or everything.
  paint(everything = false) {
    if (!this.target) {
      this.target = this.blank(this.canvas);
      everything = true;
    }
    const { width: W, height: H } = this.canvas;
    const drawn = this.layOut(W, H);
    let box = everything ? [0, 0, W, H] : union(this.shown, drawn.box);
    this.shown = drawn.box;
    if (box) this.render(this.target, drawn, box);
  }

  // Where every item falls on a W × H canvas: the raster's rectangles of each line and
  // circle, each letter's place, and the box that holds them all.
  layOut(W, H) {
    if (this.items.length === 0) return { shapes: [], letters: [], font: "", box: null };
    const core = this.shell.core;
    const font = core.fontPixels(this.ratio) + 'px "Schimatios Sans"';
    this.context.font = font;
    const k = this.ratio / core.program.twipsPerPixel; // device pixels a twip
    const pen = core.pen(this.ratio); // whole device pixels, all along
    const shapes = [], letters = [];
    let box = null;
    const grow = (x0, y0, x1, y1) => {
      const b = [Math.max(0, x0), Math.max(0, y0), Math.min(W, x1), Math.min(H, y1)];
      if (b[0] < b[2] && b[1] < b[3]) box = union(box, b);
    };
    for (const [kind, x1, y1, x2, y2, rgb, text] of this.items) {
      if (kind === "Text") {
        const x = x1 * k, y = y1 * k;
        const ink = this.letterBox(font, text);
        grow(Math.floor(x - ink.left) - LETTER_MARGIN, Math.floor(y - ink.ascent) - LETTER_MARGIN,
             Math.ceil(x + ink.right) + LETTER_MARGIN, Math.ceil(y + ink.descent) + LETTER_MARGIN);
        letters.push({ text, x, y });
        continue;
      }
      const rects = kind === "Line"
        ? this.shell.raster(false, x1 * k, y1 * k, x2 * k, y2 * k, pen, W, H)
        : this.shell.raster(true, x1 * k, y1 * k, x2 * k, 0, pen, W, H);
      for (let i = 0; i < rects.length; i += 4)
        grow(rects[i], rects[i + 1], rects[i] + rects[i + 2], rects[i + 1] + rects[i + 3]);
      shapes.push({ rects: Int32Array.from(rects), value: pixel(rgb) });
    }
    return { shapes, letters, font, box };
  }

  // How far a text's ink reaches from where it is printed (the top of its line).
  letterBox(font, text) {
    const key = font + "\n" + text;
    let ink = this.letterBoxes.get(key);
    if (!ink) {
      this.context.textBaseline = "top";
      const m = this.context.measureText(text);
      ink = { left: m.actualBoundingBoxLeft, right: m.actualBoundingBoxRight,
              ascent: m.actualBoundingBoxAscent, descent: m.actualBoundingBoxDescent };
      this.letterBoxes.set(key, ink);
    }
    return ink;
  }

  // Paints the box [x0, y0, x1, y1) of a target afresh: background, lines and circles,
  // then the letters over them, clipped to the box.
  render(target, drawn, [x0, y0, x1, y1]) {
    const { canvas, context, image, pixels } = target;
    const W = canvas.width;
    for (let y = y0; y < y1; ++y) pixels.fill(this.back, y * W + x0, y * W + x1);
    for (const { rects, value } of drawn.shapes)
      for (let i = 0; i < rects.length; i += 4) {
        const [x, y, w, h] = [rects[i], rects[i + 1], rects[i + 2], rects[i + 3]];
        for (let row = y; row < y + h; ++row) pixels.fill(value, row * W + x, row * W + x + w);
      }
    context.putImageData(image, 0, 0, x0, y0, x1 - x0, y1 - y0);
    if (drawn.letters.length === 0) return;
    context.save();
    context.beginPath();
    context.rect(x0, y0, x1 - x0, y1 - y0);
    context.clip();
    context.font = drawn.font;
    context.fillStyle = this.fore;
    context.textBaseline = "top";
    for (const { text, x, y } of drawn.letters) context.fillText(text, x, y);
    context.restore();
  }

  // The drawing as a full repaint would leave it, on a canvas of its own: clear while
  // nothing has been drawn yet.
  paintedAfresh() {
    const scratch = document.createElement("canvas");
    scratch.width = this.canvas.width;
    scratch.height = this.canvas.height;
    if (!this.target) return scratch.getContext("2d").getImageData(0, 0, scratch.width, scratch.height);
    const target = this.blank(scratch);
    this.render(target, this.layOut(scratch.width, scratch.height), [0, 0, scratch.width, scratch.height]);
    return target.context.getImageData(0, 0, scratch.width, scratch.height);
  }
}

// The smallest box holding both (either may be null).
function union(a, b) {
  if (!a) return b;
  if (!b) return a;
  return [Math.min(a[0], b[0]), Math.min(a[1], b[1]), Math.max(a[2], b[2]), Math.max(a[3], b[3])];
}

// 0xRRGGBB as the canvas's pixel word (little-endian RGBA).
const pixel = (rgb) => (255 << 24) | ((rgb & 255) << 16) | (rgb & 0xff00) | ((rgb >> 16) & 255);
