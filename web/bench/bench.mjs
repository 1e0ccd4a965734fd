// The browser edition's numbers, in Debian's headless Chromium: the file's size, the time
// from navigation to the menu painted (warm loads from file://, against a blank page's
// first paint in the same run), and update + paint per drag step of the heaviest windows.
//   node web/bench/bench.mjs      (after cmake --build --preset web; run from web/tests' modules)
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import url from "node:url";
import zlib from "node:zlib";
import { fileUrl, html, launch, open, openFigure, setBar } from "../tests/browser.mjs";

const median = (xs) => { const s = [...xs].sort((a, b) => a - b); return s[Math.floor(s.length / 2)]; };
const bytes = fs.readFileSync(html);
console.log(`file: ${(bytes.length / 1024).toFixed(1)} KB raw, ${(zlib.gzipSync(bytes, { level: 9 }).length / 1024).toFixed(1)} KB gzipped`);

const browser = await launch();
const blank = path.join(fs.mkdtempSync(path.join(os.tmpdir(), "blank-")), "blank.html");
fs.writeFileSync(blank, '<!DOCTYPE html><html lang="el"><meta charset="utf-8"><title>κενή</title><p>ΣΧΗμάτιος</p>');

// Time to the first contentful paint: the menu's captions and pictures are the page's
// first content, so its first contentful paint is the menu painted.
async function firstPaint(target, loads = 20) {
  const context = await browser.newContext({ viewport: { width: 1366, height: 768 }, locale: "el-GR" });
  const page = await context.newPage();
  const times = [];
  for (let i = 0; i <= loads; ++i) {
    await page.goto(target);
    const t = await page.evaluate(() => new Promise((resolve) => {
      const seen = () => performance.getEntriesByName("first-contentful-paint")[0];
      const wait = () => (seen() ? resolve(seen().startTime) : requestAnimationFrame(wait));
      wait();
    }));
    if (i > 0) times.push(t); // the first load warms the caches
  }
  await context.close();
  return median(times);
}
const ours = await firstPaint(fileUrl);
const bare = await firstPaint(url.pathToFileURL(blank).href);
console.log(`navigation to the menu painted: ${ours.toFixed(1)} ms; a blank page's first paint ${bare.toFixed(1)} ms; ratio ${(ours / bare).toFixed(2)}`);

// Update + paint of one drag step: the bar moved by one, the core's handler run, the boxes
// written and the surface repainted, all synchronously; 2 000 steps a sample.
async function perStep(width, height, button, form, bar, from) {
  const page = await open(browser, { width, height });
  await openFigure(page, button, form);
  for (const [b, v] of from) await setBar(page, form, b, v);
  const samples = await page.evaluate(({ form, bar }) => {
    const el = document.querySelector(`[data-form="${form}"] [data-control="${bar}"]`);
    const key = (k) => el.dispatchEvent(new KeyboardEvent("keydown", { key: k, bubbles: true }));
    const out = [];
    for (let s = 0; s < 9; ++s) {
      const t0 = performance.now();
      for (let i = 0; i < 1000; ++i) { key("ArrowDown"); key("ArrowUp"); }
      out.push((performance.now() - t0) / 2000);
    }
    return out;
  }, { form, bar });
  const scale = await page.evaluate(() => Number(document.getElementById("desk").dataset.scale));
  await page.context().close();
  return { ms: median(samples), scale };
}
for (const [w, h] of [[440, 370], [1366, 768], [1920, 1080]]) {
  const trap = await perStep(w, h, "Command6", "Formtra", "hsbgoniaa",
                             [["hsbpleuraa", 10], ["hsbpleurag", 5], ["hsbgoniab", 60], ["hsbgoniaa", 60]]);
  const seg = await perStep(w, h, "Command7", "Formline", "hsbdief", [["hsbmhkos", 7097], ["hsbdief", 4645]]);
  console.log(`${w}×${h} (scale ${trap.scale.toFixed(2)}): trapezium ${(trap.ms * 1000).toFixed(0)} µs, segment ${(seg.ms * 1000).toFixed(0)} µs a step`);
}
await browser.close();
