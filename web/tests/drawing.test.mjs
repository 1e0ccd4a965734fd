// The drawing on the canvas: white exactly where the figure's lines and circles run, the
// blue background everywhere else but under the letters, lines a whole number of device
// pixels wide all along, and crisp at every scale and device pixel ratio.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { launch, open, openFigure, setBar, unsupported, win } from "./browser.mjs";

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

// Checks the canvas against the figure, inside the page where the pixels are: segments
// [x1, y1, x2, y2] and circles [x, y, r] in twips, letters at [x, y] (top-left); with
// `columns`, how many white pixels each of those columns (twips) has between two heights.
async function check(page, form, { lines = [], circles = [], letters = [], columns = null }) {
  return win(page, form).locator("canvas[data-surface]").evaluate((c, { lines, circles, letters, columns }) => {
  const W = c.width, H = c.height;
  const rgba = c.getContext("2d").getImageData(0, 0, W, H).data;
  const img = { scale: Number(document.getElementById("desk").dataset.scale), ratio: window.devicePixelRatio };
  const k = (img.scale * img.ratio) / 15;
  const pen = Math.max(1, Math.round(img.scale * img.ratio));
  const at = (x, y) => { const i = 4 * (y * W + x); return [rgba[i], rgba[i + 1], rgba[i + 2]]; };
  const isWhite = (c) => c[0] === 255 && c[1] === 255 && c[2] === 255;
  const isBlue = (c) => c[0] === 0 && c[1] === 0 && c[2] === 255;
  const letterBox = (x, y) => letters.some(([lx, ly]) =>
    x >= lx * k - 3 && x <= lx * k + 16 * img.scale * img.ratio && y >= ly * k - 3 && y <= ly * k + 16 * img.scale * img.ratio);
  // Distance from a device pixel's centre to the nearest drawn item, in device pixels.
  const distance = (x, y) => {
    let best = Infinity;
    for (const [x1, y1, x2, y2] of lines) {
      const ax = x1 * k, ay = y1 * k, bx = x2 * k, by = y2 * k;
      const dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
      const t = len2 === 0 ? 0 : Math.max(0, Math.min(1, ((x - ax) * dx + (y - ay) * dy) / len2));
      best = Math.min(best, Math.hypot(x - (ax + t * dx), y - (ay + t * dy)));
    }
    for (const [cx, cy, r] of circles) best = Math.min(best, Math.abs(Math.hypot(x - cx * k, y - cy * k) - r * k));
    return best;
  };
  let white = 0, strays = [], gaps = [];
  for (let y = 0; y < H; ++y)
    for (let x = 0; x < W; ++x) {
      const c = at(x, y);
      if (letterBox(x, y)) continue;
      if (isWhite(c)) {
        ++white;
        if (distance(x + 0.5, y + 0.5) > pen + 1.5) strays.push([x, y]);
      } else if (!isBlue(c)) {
        strays.push([x, y, c]);
      }
    }
  // Along every line, at every device pixel, the pixel under the line is white.
  for (const [x1, y1, x2, y2] of lines) {
    const n = Math.ceil(Math.hypot(x2 - x1, y2 - y1) * k);
    for (let i = 0; i <= n; ++i) {
      const x = Math.floor((x1 + ((x2 - x1) * i) / n) * k), y = Math.floor((y1 + ((y2 - y1) * i) / n) * k);
      if (x < 0 || y < 0 || x >= W || y >= H || letterBox(x, y)) continue;
      const near = [[0, 0], [1, 0], [-1, 0], [0, 1], [0, -1], [1, 1], [-1, -1], [1, -1], [-1, 1]]
        .some(([u, v]) => x + u >= 0 && y + v >= 0 && x + u < W && y + v < H && isWhite(at(x + u, y + v)));
      if (!near) gaps.push([x, y]);
    }
  }
  // Letters are drawn: something other than blue under each.
  const drawnLetters = letters.filter(([lx, ly]) => {
    for (let y = Math.floor(ly * k); y < Math.min(H, ly * k + 12 * img.scale * img.ratio); ++y)
      for (let x = Math.max(0, Math.floor(lx * k)); x < Math.min(W, lx * k + 8 * img.scale * img.ratio); ++x)
        if (y >= 0 && !isBlue(at(x, y))) return true;
    return false;
  });
  const thickness = (columns || []).map(([x, y0, y1]) => {
    let n = 0;
    for (let y = Math.floor(y0 * k); y < Math.floor(y1 * k); ++y) if (isWhite(at(Math.floor(x * k), y))) ++n;
    return n;
  });
  return { white, strays: strays.slice(0, 5), strayCount: strays.length, gaps: gaps.slice(0, 5),
           gapCount: gaps.length, letters: drawnLetters.length, pen, thickness, width: W, scale: img.scale };
  }, { lines, circles, letters, columns });
}

for (const [width, height, dpr] of [[1366, 768, 1], [390, 844, 1], [1366, 768, 2], [800, 700, 1.5]]) {
  test(`the square at side 10, ${width}×${height} at ratio ${dpr}`,
       { skip: unsupported({ width, deviceScaleFactor: dpr }) }, async () => {
    const page = await open(browser, { width, height, deviceScaleFactor: dpr });
    await openFigure(page, "Command2", "Formt");
    await setBar(page, "Formt", "hsbpleyra", 10);
    const columns = [1500, 2000, 2700, 3300, 4000].map((x) => [x, 3400, 3600]);
    const r = await check(page, "Formt", {
      lines: [[1200, 3500, 4200, 3500], [4200, 3500, 4200, 500], [1200, 3500, 1200, 500], [1200, 500, 4200, 500]],
      letters: [[1100, 3500], [4200, 3500], [4200, 300], [1100, 300]], columns,
    });
    assert.equal(r.strayCount, 0, JSON.stringify(r.strays));
    assert.equal(r.gapCount, 0, JSON.stringify(r.gaps));
    assert.equal(r.letters, 4);
    // The bottom side is exactly `pen` device pixels thick, all along.
    assert.deepEqual(r.thickness, Array(5).fill(r.pen));
    assert.equal(r.pen, Math.max(1, Math.round(r.scale * dpr)));
    assert.equal(r.width, Math.round(402 * r.scale * dpr));
    await page.close();
  });
}

test("the circle and the segment: circles and a slanting line", async () => {
  const page = await open(browser, { width: 1366, height: 768 });
  await openFigure(page, "Command1", "Formk");
  await setBar(page, "Formk", "hsbR", 6);
  let r = await check(page, "Formk", { circles: [[3000, 2000, 10], [3000, 2000, 720]], letters: [[3000, 1800]] });
  assert.equal(r.strayCount, 0, JSON.stringify(r.strays));
  assert.ok(r.white > 1000);
  assert.equal(r.letters, 1);
  await win(page, "Formk").locator('[data-control="Command2"]').click();
  await openFigure(page, "Command7", "Formline");
  await setBar(page, "Formline", "hsbmhkos", 5000);
  await setBar(page, "Formline", "hsbdief", 3000);
  const hx = Math.cos(Math.PI / 6) * 25 * 36, hy = Math.sin(Math.PI / 6) * 25 * 36;
  const B = [3000 + hx, 1990 - hy], A = [3000 - hx, 1990 + hy];
  r = await check(page, "Formline", {
    lines: [[...B, ...A]], circles: [[...B, 25], [...A, 25]],
    letters: [[B[0] + 100, B[1] - 210], [A[0] - 210, A[1] - 210]],
  });
  assert.equal(r.strayCount, 0, JSON.stringify(r.strays));
  assert.equal(r.gapCount, 0, JSON.stringify(r.gaps));
  assert.equal(r.letters, 2);
  await page.close();
});

test("the drawing follows the scale: redrawn, not stretched", async () => {
  const page = await open(browser, { width: 1366, height: 768 });
  await openFigure(page, "Command2", "Formt");
  await setBar(page, "Formt", "hsbpleyra", 4);
  const before = await check(page, "Formt", {});
  await page.setViewportSize({ width: 700, height: 600 });
  await page.waitForFunction((s) => Number(document.getElementById("desk").dataset.scale) !== s, before.scale);
  const r = await check(page, "Formt", {
    lines: [[1200, 3500, 2400, 3500], [2400, 3500, 2400, 2300], [1200, 3500, 1200, 2300], [1200, 2300, 2400, 2300]],
    letters: [[1100, 3500], [2400, 3500], [2400, 2100], [1100, 2100]],
  });
  assert.notEqual(r.width, before.width);
  assert.equal(r.strayCount, 0, JSON.stringify(r.strays));
  assert.equal(r.gapCount, 0, JSON.stringify(r.gaps));
  await page.close();
});
