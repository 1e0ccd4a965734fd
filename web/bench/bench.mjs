// The browser edition's numbers, in each of Debian's Chromium, Firefox ESR and WebKitGTK:
// the file's size; the menu's first contentful paint from file:// against a blank page's
// in the same run (median of warm loads), and in Chromium again with its CPU slowed four
// times, as on a cheap tablet; update + paint per drag step of the heaviest windows.
//   node web/bench/bench.mjs [engine ...] [--paint-only]   (after cmake --build --preset web)
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import url from "node:url";
import zlib from "node:zlib";
import { fileUrl, html, open, openFigure, setBar } from "../tests/browser.mjs";
import { ENGINES, launchEngine } from "../tests/driver/engines.mjs";
import { Page } from "../tests/driver/page.mjs";

const LOADS = 11;
const median = (xs) => { const s = [...xs].sort((a, b) => a - b); return s[Math.floor(s.length / 2)]; };
const bytes = fs.readFileSync(html);
console.log(`file: ${bytes.length} bytes raw, ${zlib.gzipSync(bytes, { level: 9 }).length} gzipped`);

const blank = path.join(fs.mkdtempSync(path.join(os.tmpdir(), "blank-")), "blank.html");
fs.writeFileSync(blank, '<!DOCTYPE html><html lang="el"><meta charset="utf-8"><title>κενή</title><p>ΣΧΗμάτιος</p>');
const blankUrl = url.pathToFileURL(blank).href;

// The first contentful paint of the program and of a blank page, loaded in turn so that
// both see the same machine: the menu's captions and pictures are the page's first
// content, so for the program it is the menu painted. Medians of warm loads.
async function firstPaints(page) {
  const times = { ours: [], bare: [] };
  for (let i = 0; i <= LOADS; ++i)
    for (const [which, target] of [["ours", fileUrl], ["bare", blankUrl]]) {
      await page.goto("about:blank"); // each load from the same empty page, not after the other
      await page.goto(target);
      await page.waitForFunction((url) => location.href === url, target);
      const t = await page.evaluate(() => new Promise((resolve) => {
        const seen = () => performance.getEntriesByName("first-contentful-paint")[0];
        const wait = () => (seen() ? resolve(seen().startTime) : requestAnimationFrame(wait));
        wait();
      }));
      if (i > 0) times[which].push(t); // the first load warms the caches
    }
  return [median(times.ours), median(times.bare)];
}

// Update + paint of one drag step: the bar moved by one, the core's handler run, the boxes
// written and the surface repainted, all synchronously; 2 000 steps a sample.
async function perStep(browser, width, height, button, form, bar, from) {
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
  await page.close();
  return { ms: median(samples), scale };
}

const steps = !process.argv.includes("--paint-only");
const engines = process.argv.slice(2).filter((a) => !a.startsWith("--"));
for (const engine of engines.length ? engines : ENGINES) {
  const browser = await launchEngine(engine);
  browser.engine = engine;
  const page = new Page(await browser.newTab({ width: 1366, height: 768, locale: "el-GR", deviceScaleFactor: 1 }), engine);
  const [ours, bare] = await firstPaints(page);
  console.log(`${engine}: menu painted ${ours.toFixed(1)} ms, a blank page ${bare.toFixed(1)} ms, ratio ${(ours / bare).toFixed(2)}`);
  if (page.tab.cdp) {
    await page.tab.cdp("Emulation.setCPUThrottlingRate", { rate: 4 });
    const [slowOurs, slowBare] = await firstPaints(page);
    await page.tab.cdp("Emulation.setCPUThrottlingRate", { rate: 1 });
    console.log(`${engine}, CPU 4× slower: menu painted ${slowOurs.toFixed(1)} ms, a blank page ${slowBare.toFixed(1)} ms, ratio ${(slowOurs / slowBare).toFixed(2)}`);
  }
  await page.close();
  for (const [w, h] of steps ? [[480, 400], [1366, 768], [1920, 1080]] : []) {
    const trap = await perStep(browser, w, h, "Command6", "Formtra", "hsbgoniaa",
                               [["hsbpleuraa", 10], ["hsbpleurag", 5], ["hsbgoniab", 60], ["hsbgoniaa", 60]]);
    const seg = await perStep(browser, w, h, "Command7", "Formline", "hsbdief", [["hsbmhkos", 7097], ["hsbdief", 4645]]);
    console.log(`${engine} ${w}×${h} (scale ${trap.scale.toFixed(2)}): trapezium ${(trap.ms * 1000).toFixed(0)} µs, segment ${(seg.ms * 1000).toFixed(0)} µs a step`);
  }
  await browser.close();
}
