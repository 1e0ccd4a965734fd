// The drawing after any sequence of updates is, pixel for pixel, the same drawing painted
// afresh: in every figure window, over seeded walks that grow and shrink every bar, at
// several device pixels a design pixel (the page's scale times the device pixel ratio).
import assert from "node:assert/strict";
import { after, before, describe, test } from "node:test";
import { FIGURES, launch, open, openFigure, unsupported } from "./browser.mjs";

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

// Viewports whose fitted scale times the ratio gives each product: the figure window is
// 306 + 22 design pixels high with 8 pixels of margin, so a height of 16 + 328·s fits it
// at s.
const SCALES = [
  { product: 1, width: 600, height: 344, ratio: 1 },
  { product: 1.5, width: 700, height: 508, ratio: 1 },
  { product: 1.5, width: 600, height: 344, ratio: 1.5 },
  { product: 2, width: 600, height: 344, ratio: 2 },
  { product: 3, width: 900, height: 508, ratio: 2 },
  { product: (768 - 16) / 328, width: 1366, height: 768, ratio: 1 }, // a fractional fit, 2.29
];
// The walk's length: every scale and figure is walked in each engine, 50 steps a walk (each
// step reads the whole canvas back twice: 150 steps took ten minutes in Chromium on CI).
const STEPS = 50;

// Inside the page: moves a random bar by a random key (a step, a tenth, to either end)
// `steps` times; after each move compares the canvas with the same drawing painted afresh.
function walk({ form, seed, steps }) {
  const w = document.querySelector(`[data-form="${form}"]`);
  const canvas = w.querySelector("canvas[data-surface]");
  const bars = [...w.querySelectorAll(".scrollbar")];
  let state = seed;
  const random = () => (state = (state * 1103515245 + 12345) % 2147483648) / 2147483648;
  const keys = [["ArrowDown", false], ["ArrowUp", false], ["PageDown", true], ["PageUp", true],
                ["ArrowDown", true], ["ArrowUp", true], ["Home", false], ["End", false]];
  const failures = [];
  let grew = 0, shrank = 0;
  for (let i = 0; i < steps && failures.length < 3; ++i) {
    const bar = bars[Math.floor(random() * bars.length)];
    const [key, ctrlKey] = keys[Math.floor(random() * keys.length)];
    const before = Number(bar.getAttribute("aria-valuenow"));
    bar.dispatchEvent(new KeyboardEvent("keydown", { key, ctrlKey, bubbles: true, cancelable: true }));
    const now = Number(bar.getAttribute("aria-valuenow"));
    if (now > before) ++grew;
    if (now < before) ++shrank;
    const words = (image) => new Uint32Array(image.data.buffer);
    const shown = words(canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height));
    const fresh = words(canvas.fullRedraw());
    let differ = 0, first = -1;
    for (let p = 0; p < shown.length; ++p)
      if (shown[p] !== fresh[p]) {
        if (first < 0) first = p;
        ++differ;
      }
    if (differ > 0)
      failures.push({ step: i, bar: bar.dataset.control, key, ctrlKey, value: now, differ,
                      at: [first % canvas.width, Math.floor(first / canvas.width)] });
  }
  return { failures, grew, shrank, size: [canvas.width, canvas.height] };
}

for (const s of SCALES) {
  const viewport = { width: s.width, height: s.height, deviceScaleFactor: s.ratio };
  describe(`${s.product.toFixed(2)} device pixels a design pixel (ratio ${s.ratio})`, { skip: unsupported(viewport) }, () => {
    for (const [i, f] of FIGURES.entries()) {
      test(f.row, async () => {
        const page = await open(browser, viewport);
        await openFigure(page, f.button, f.form);
        const product = await page.evaluate(() => Number(document.getElementById("desk").dataset.scale) * devicePixelRatio);
        assert.ok(Math.abs(product - s.product) < 1e-9, `at ${product}`);
        const r = await page.evaluate(walk, { form: f.form, seed: 17 + i, steps: STEPS });
        assert.deepEqual(r.failures, [], `${f.row}, canvas ${r.size.join("×")}`);
        assert.ok(r.grew > STEPS / 5 && r.shrank > STEPS / 5, `grew ${r.grew}, shrank ${r.shrank}`);
        await page.close();
      });
    }
  });
}
