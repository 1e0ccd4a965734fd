// Reading a stored design: its colours as CSS, a control's rectangle in the design's
// pixels (the core rounds the twips as every edition does).
export const colour = (rgb) => "#" + rgb.toString(16).padStart(6, "0");

// Keeps a control's design rectangle, in design pixels, for the layout to scale.
export function place(el, c) {
  [el.dataset.left, el.dataset.top, el.dataset.width, el.dataset.height] = c.px;
}
