// Shared by the browser suites: Debian's Chromium, headless, on the built file.
import { chromium } from "playwright-core";
import path from "node:path";
import url from "node:url";

export const html = path.resolve(process.env.SCHIMATIOS_HTML ||
                                 new URL("../../build/web/schimatios.html", import.meta.url).pathname);
export const fileUrl = url.pathToFileURL(html).href;

export async function launch(options = {}) {
  return chromium.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking",
           "--disable-component-update", "--disable-sync", "--no-first-run",
           "--disable-quic", ...(options.args || [])],
  });
}

// A fresh page on the program, the menu shown. Every request the page makes is kept.
export async function open(browser, { width = 1366, height = 768, locale = "el-GR",
                                      deviceScaleFactor = 1, hasTouch = false } = {}) {
  const context = await browser.newContext({ viewport: { width, height }, locale,
                                             deviceScaleFactor, hasTouch });
  const page = await context.newPage();
  page.requests = [];
  page.errors = [];
  page.on("request", (r) => page.requests.push(r.url()));
  page.on("pageerror", (e) => page.errors.push(String(e)));
  page.on("console", (m) => { if (m.type() === "error") page.errors.push(m.text()); });
  await page.goto(fileUrl);
  await page.waitForSelector("body[data-ready]");
  return page;
}

export const win = (page, form) => page.locator(`[data-form="${form}"]`);
export const ctl = (page, form, control) =>
  page.locator(`[data-form="${form}"] [data-control="${control}"]`);
