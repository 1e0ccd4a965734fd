// Shared by the browser suites: the built file in one of the three engines, chosen by
// ENGINE (chromium, firefox or webkit; chromium when unset).
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import path from "node:path";
import url from "node:url";
import { launchEngine, unsupported as engineCannot } from "./driver/engines.mjs";
import { Page } from "./driver/page.mjs";

export const html = path.resolve(process.env.SCHIMATIOS_HTML ||
                                 new URL("../../build/web/schimatios.html", import.meta.url).pathname);
export const fileUrl = url.pathToFileURL(html).href;
export const engine = process.env.ENGINE || "chromium";

// `options.keyboard`: keyboard layouts ("gr,us") on an X server of the browser's own, its
// display `browser.display`.
export async function launch(options = {}) {
  const browser = await launchEngine(engine, options);
  browser.engine = engine;
  return browser;
}

// Why this run's engine cannot show a viewport, or false when it can: a test skips with it.
export const unsupported = (viewport) => engineCannot(engine, viewport);

// A fresh page on the program, the menu shown and the core ready; `before(page)` runs
// before the page is opened.
export async function open(browser, { width = 1366, height = 768, locale = "el-GR",
                                      deviceScaleFactor = 1, before = null, address = fileUrl } = {}) {
  const page = new Page(await browser.newTab({ width, height, locale, deviceScaleFactor }), browser.engine);
  if (before) await before(page);
  await page.goto(address);
  await page.waitForFunction(() => document.body.hasAttribute("data-ready"));
  return page;
}

export const win = (page, form) => page.locator(`[data-form="${form}"]`);
export const ctl = (page, form, control) =>
  page.locator(`[data-form="${form}"] [data-control="${control}"]`);

// Moves a bar to `value` with the keys a keyboard user has: Home or End, Ctrl with the
// arrows for tenths of a long bar, then single steps.
export async function setBar(page, form, bar, value) {
  const el = ctl(page, form, bar);
  await el.focus();
  const [min, max] = (await el.evaluate((e) => [e.getAttribute("aria-valuemin"), e.getAttribute("aria-valuemax")])).map(Number);
  const tenth = Math.max(1, Math.round((max - min) / 10));
  let now = Number(await el.getAttribute("aria-valuenow"));
  if (now === value) return;
  const long = max - min > 100; // short bars step there, passing every value on the way
  if (long && Math.abs(value - min) < Math.abs(value - now)) {
    await page.keyboard.press("Home");
    now = min;
  }
  if (long && Math.abs(max - value) < Math.abs(value - now)) {
    await page.keyboard.press("End");
    now = max;
  }
  while (long && Math.abs(value - now) >= tenth) {
    await page.keyboard.press(value > now ? "Control+ArrowDown" : "Control+ArrowUp");
    now += value > now ? tenth : -tenth;
  }
  if (Math.abs(value - now) > 30) {
    // The rest of the way on a long bar: the thumb dragged near, then the arrow keys.
    await dragThumb(page, form, bar, value);
    await el.focus();
    now = Number(await el.getAttribute("aria-valuenow"));
  }
  while (now !== value) {
    await page.keyboard.press(value > now ? "ArrowDown" : "ArrowUp");
    now += value > now ? 1 : -1;
  }
  const shown = Number(await el.getAttribute("aria-valuenow"));
  if (shown !== value) throw new Error(`${bar} at ${shown}, not ${value}`);
}

// Drags a bar's thumb with the mouse to where `value` lies and lets go; returns the
// values the bar passed through.
export async function dragThumb(page, form, bar, value, steps = 20) {
  const el = ctl(page, form, bar);
  const [min, max] = (await el.evaluate((e) => [e.getAttribute("aria-valuemin"), e.getAttribute("aria-valuemax")])).map(Number);
  const track = await el.locator('[data-part="track"]').boundingBox();
  const thumb = await el.locator('[data-part="thumb"]').boundingBox();
  const x = thumb.x + thumb.width / 2, y = thumb.y + thumb.height / 2;
  const targetY = track.y + thumb.height / 2 + ((value - min) / (max - min)) * (track.height - thumb.height);
  await page.mouse.move(x, y);
  await page.mouse.down();
  await page.mouse.move(x, targetY, { steps });
  await page.mouse.up();
}

// What a screen reader names a control: its label, or the text inside it (a picture
// button's name is heard, not seen).
export const nameOf = (locator) => locator.evaluate((el) => el.getAttribute("aria-label") || el.textContent.trim());

// The texts of a window's boxes, by name.
export async function boxes(page, form) {
  return win(page, form).evaluate((w) => Object.fromEntries(
    [...w.querySelectorAll("input[data-control]")].map((i) => [i.dataset.control, i.value])));
}

// Opens a window through its menu button, as a pupil would.
export async function openFigure(page, button, form) {
  await ctl(page, "Form1", button).click();
  await win(page, form).waitFor();
}

// From now on, every designed event the page tells of: {form, control, event}.
export async function recordEvents(page) {
  await page.evaluate(() => {
    window.seenEvents = [];
    document.addEventListener("schimatios:event", (e) => window.seenEvents.push(e.detail));
  });
  return () => page.evaluate(() => window.seenEvents.splice(0));
}

// From now on, every text the live region says, in order, in window.said.
export const listen = (page) => page.evaluate(() => {
  window.said = [];
  new MutationObserver(() => {
    const text = document.getElementById("spoken").textContent;
    if (text) window.said.push(text);
  }).observe(document.getElementById("spoken"), { childList: true, characterData: true, subtree: true });
});

export const loadedForms = (page) =>
  page.evaluate(() => [...document.querySelectorAll("[data-form]")].map((w) => w.dataset.form).sort());

// No console error and no uncaught exception, where the driver tells them
// (WebKitWebDriver tells none: the other engines cover it).
export function assertNoErrors(page) {
  if (page.errors !== null) assert.deepEqual(page.errors, []);
}

export const beeps = (page) => page.evaluate(() => Number(document.body.dataset.beeps || 0));

// Only the file itself and what it carries inside: no request leaves the page. The
// driver's record where it keeps one, the page's own record of what it fetched otherwise.
export async function outsideRequests(page) {
  const requests = page.tab.requests ||
    await page.evaluate(() => performance.getEntriesByType("resource").map((e) => e.name));
  return requests.filter((u) => !u.startsWith("data:") && u !== fileUrl);
}

// The figure windows, as the menu opens them: read from the program's table of forms (the
// core built beside the page, run here as the page runs it).
const program = JSON.parse(execFileSync(process.execPath, ["-e",
  "require(process.argv[1])().then((m) => process.stdout.write(m.cwrap('schimatios_program', 'string', [])()))",
  path.join(path.dirname(html), "web", "schimatios-core.js")], { encoding: "utf8" }));
export const FIGURES = program.figures.map((name) => {
  const f = program.forms.find((form) => form.name === name);
  return { row: name, button: f.way.opens, form: name, caption: f.caption, back: f.way.back };
});
