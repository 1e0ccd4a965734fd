// Reading a stored design: its twips as the design's pixels, its colours as CSS.
export const TWIPS_PER_PIXEL = 15;
export const px = (twips) => Math.floor((twips + 7) / TWIPS_PER_PIXEL); // as the desktop rounds
export const colour = (rgb) => "#" + rgb.toString(16).padStart(6, "0");

// Keeps a control's design rectangle, in design pixels, for the layout to scale.
export function place(el, c) {
  el.dataset.left = px(c.left);
  el.dataset.top = px(c.top);
  el.dataset.width = px(c.width);
  el.dataset.height = px(c.height);
}
