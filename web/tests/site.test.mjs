// The installable web app, served as a school would serve it (here by the test itself on
// 127.0.0.1): its manifest read without errors, its icons, the service worker active after
// a reload, and the page working again with the server gone.
import assert from "node:assert/strict";
import fs from "node:fs";
import http from "node:http";
import path from "node:path";
import { after, before, test } from "node:test";
import { assertNoErrors, engine, html, launch } from "./browser.mjs";
import { Page } from "./driver/page.mjs";

const folder = path.join(path.dirname(html), "site");
const TYPES = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".png": "image/png",
                ".webmanifest": "application/manifest+json" };

let browser, server, base;
before(async () => {
  browser = await launch();
  server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, "http://x").pathname).replace(/^\/$/, "/index.html");
    const file = path.join(folder, path.normalize(name));
    if (!file.startsWith(folder) || !fs.existsSync(file)) return res.writeHead(404).end();
    res.writeHead(200, { "content-type": TYPES[path.extname(file)] || "application/octet-stream" });
    res.end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  base = `http://127.0.0.1:${server.address().port}/`;
});
after(async () => {
  await browser.close();
  server.close();
});

const ready = (page) => page.waitForFunction(() => document.body.hasAttribute("data-ready"));

test("the manifest, its icons and the page as an app", async () => {
  const page = new Page(await browser.newTab({ width: 1366, height: 768, locale: "el-GR", deviceScaleFactor: 1 }), engine);
  await page.goto(base);
  await ready(page);
  // The manifest as the server gives it, the icons as the page loads them.
  const link = await page.evaluate(() => document.querySelector('link[rel="manifest"]').href);
  const manifest = JSON.parse(fs.readFileSync(path.join(folder, new URL(link).pathname)));
  const icons = await page.evaluate(async ({ link, icons }) => {
    const out = [];
    for (const icon of icons) {
      const img = new Image();
      img.src = new URL(icon.src, link).href;
      await img.decode();
      out.push([icon.sizes, icon.purpose, img.width, img.height]);
    }
    return out;
  }, { link, icons: manifest.icons });
  const m = { name: manifest.name, short: manifest.short_name, display: manifest.display, lang: manifest.lang,
              start: manifest.start_url, icons };
  if (page.tab.cdp) {
    // The browser's own reading of the manifest: no error, installable.
    const read = await page.tab.cdp("Page.getAppManifest", {});
    assert.deepEqual(read.result.errors, []);
  }
  assertNoErrors(page);
  await page.close();
});

test("kept for use offline: the service worker, then the page with no server", async () => {
  const page = new Page(await browser.newTab({ width: 1366, height: 768, locale: "el-GR", deviceScaleFactor: 1 }), engine);
  await page.goto(base);
  await ready(page);
  await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
  await page.goto(base); // a reload: now the worker serves the page
  await ready(page);
  assert.equal(await page.evaluate(() => navigator.serviceWorker.controller !== null), true);
  await new Promise((resolve) => server.close(resolve));
  server.closeAllConnections?.();
  await page.goto(base);
  await ready(page);
  assert.deepEqual(await page.evaluate(() => [...document.querySelectorAll("[data-form]")].map((w) => w.dataset.form)), ["Form1"]);
  // A figure opens and computes with no network at all.
  await page.evaluate(() => document.querySelector('[data-form="Form1"] [data-control="Command2"]').click());
  await page.waitForFunction(() => document.querySelector('[data-form="Formt"]') !== null);
  await page.close();
});
