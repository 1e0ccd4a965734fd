// Links on the page: the address's fragment opens the window with its bars set, from the
// single file and from the site as a school serves it; the address follows the bars and a
// reload keeps the figure; the menu clears it; the copied link opens the same state; a
// link not understood says so and opens what it can; the printed page holds the link and
// a QR code that decodes to it; a seeded fuzz of fragments runs nothing and breaks nothing.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";
import { assertNoErrors, beeps, boxes, ctl, engine, fileUrl, html, launch, loadedForms, open, openFigure,
         setBar, win } from "./browser.mjs";

let browser, server, base;
before(async () => {
  browser = await launch();
  const folder = path.join(path.dirname(html), "site");
  server = http.createServer((req, res) => {
    const file = path.join(folder, path.normalize(new URL(req.url, "http://x").pathname.replace(/^\/$/, "/index.html")));
    if (!file.startsWith(folder) || !fs.existsSync(file)) return res.writeHead(404).end();
    res.writeHead(200, { "content-type": file.endsWith(".html") ? "text/html; charset=utf-8" : "application/octet-stream" });
    res.end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  base = `http://127.0.0.1:${server.address().port}/index.html`;
});
after(async () => {
  await browser.close();
  server.close();
});

const TRIANGLE = "1/τρίγωνο/Α=50/Γ=60/β=5";
const encoded = (link) => link.split("/").map(encodeURIComponent).join("/").replace(/%3D/g, "=");
const hashOf = (page) => page.evaluate(() => decodeURIComponent(location.hash));
const said = (page) => page.evaluate(() => { const t = document.getElementById("told"); return t && !t.hidden ? t.textContent : ""; });
// What a pupil sees of a window: its boxes and its drawing's pixels.
const state = (page, form) => Promise.all([boxes(page, form), win(page, form).locator("canvas")
  .evaluate((c) => Array.from(c.fullRedraw().data.filter((_, i) => i % 16 === 0)).join(","))]);

test("a link in the address opens its window with its bars set, as moved there by hand", async () => {
  // By hand first.
  const hand = await open(browser);
  const entries = await hand.evaluate(() => history.length);
  await openFigure(hand, "Command5", "Formtri");
  await setBar(hand, "Formtri", "hsbgoniaa", 50);
  await setBar(hand, "Formtri", "hsbgoniag", 60);
  await setBar(hand, "Formtri", "hsbpleurab", 5);
  const byHand = await state(hand, "Formtri");
  // The address follows the bars, without a history entry a step.
  assert.equal(await hashOf(hand), "#" + TRIANGLE);
  assert.equal(await hand.evaluate(() => history.length), entries);
  // The figure's menu copies it: from a file, the program's own scheme.
  await hand.evaluate(() => { navigator.clipboard.writeText = async (t) => { window.copied = t; }; });
  await ctl(hand, "Formtri", "hsbpleurab").focus();
  await hand.keyboard.press("Shift+F10");
  await hand.locator("#menu [role=menuitem]:last-child").click();
  await hand.waitForFunction(() => window.copied);
  const copied = await hand.evaluate(() => window.copied);
  assert.equal(copied, "schimatios:" + encoded(TRIANGLE));
  // Back to the menu clears the address.
  await ctl(hand, "Formtri", "Command1").click();
  await win(hand, "Form1").waitFor();
  assert.equal(await hashOf(hand), "");
  await hand.close();

  // The copied link, and the address's own form, open the same state.
  for (const address of [fileUrl + "#" + copied, fileUrl + "#" + encoded(TRIANGLE), fileUrl + "#" + TRIANGLE]) {
    const page = await open(browser, { address });
    assert.deepEqual(await loadedForms(page), ["Formtri"], address);
    assert.deepEqual(await state(page, "Formtri"), byHand, address);
    assert.equal(await said(page), "");
    // A reload keeps the figure.
    await page.evaluate(() => { document.body.dataset.old = ""; setTimeout(() => location.reload(), 10); });
    await page.waitForFunction(() => !document.body.hasAttribute("data-old")).catch(() => {});
    await page.waitForFunction(() => document.body.hasAttribute("data-ready") && document.querySelector("[data-form]"));
    assert.deepEqual(await loadedForms(page), ["Formtri"]);
    assert.deepEqual(await state(page, "Formtri"), byHand);
    assertNoErrors(page);
    await page.close();
  }
});

test("the trapezium's refusing link shows the notice once; links not understood say so", async () => {
  const page = await open(browser, { address: fileUrl + "#" + encoded("1/τραπέζιο/Α=60/Β=70/α=3/γ=5") });
  assert.deepEqual(await loadedForms(page), ["Formm", "Formtra"]);
  assert.equal(await beeps(page), 1);
  const rows = [
    ["1/κύβος/α=3", ["Form1"], "Δεν υπάρχει σχήμα «κύβος» στο πρόγραμμα."],
    ["2/τετράγωνο/α=3", ["Form1"], "Ο σύνδεσμος γράφτηκε για νεότερη έκδοση του προγράμματος (2) και δεν ανοίγει σε αυτήν."],
    ["1/τετράγωνο/α=12", ["Formt"], "Από τον σύνδεσμο δεν έγιναν δεκτά: «α=12» (από 1 έως 10)."],
    ["1/τετράγωνο/α=7", ["Formt"], ""],
  ];
  // A link pasted into the address of the open page opens in place of what is open.
  for (const [link, forms, message] of rows) {
    await page.evaluate((h) => { location.hash = h; }, encoded(link));
    await page.waitForFunction((f) => [...document.querySelectorAll("[data-form]")].map((w) => w.dataset.form).sort().join() === f,
                               forms.join());
    assert.equal(await said(page), message ? message + "Εντάξει" : message, link);
    if (message) await page.locator("#told button").click();
  }
  assert.equal((await boxes(page, "Formt")).emb, " 49");
  assertNoErrors(page);
  await page.close();
});

// Random fragments: cut, changed and doubled links, bytes, markup. Nothing throws, nothing
// runs, and what is open is the menu or one figure (with the trapezium's notice).
test("a seeded fuzz of links breaks nothing and runs nothing", async () => {
  const page = await open(browser);
  let seed = 1210;
  const random = (n) => { seed = (seed * 1103515245 + 12345) % 2147483648; return seed % n; };
  const pieces = ["1/", "τρίγωνο", "τραπέζιο", "/Α=", "50", "/β=", "%", "%CE", "<img src=x onerror=window.pwned=1>",
                  "\"'><script>window.pwned=1</script>", "javascript:window.pwned=1", "#", "=", "°", "%00", ",", "..", "\u202e"];
  for (let n = 0; n < 60; ++n) {
    let text = "";
    for (let k = 1 + random(6); k > 0; --k) text += pieces[random(pieces.length)];
    await page.evaluate((h) => { location.hash = h; }, text);
    await page.waitForTimeout(30);
  }
  await page.waitForTimeout(300);
  assert.equal(await page.evaluate(() => typeof window.pwned), "undefined");
  const open_ = await loadedForms(page);
  assert.ok(open_.length >= 1 && open_.filter((f) => !["Formm", "Formd"].includes(f)).length === 1, open_.join());
  assertNoErrors(page);
  await page.close();
});

test("the printed page holds the web address and a QR code that decodes to it", { skip: engine === "webkit" && "WebKitWebDriver cannot print" }, async () => {
  const address = base + "#" + encoded(TRIANGLE);
  const page = await open(browser, { address });
  assert.deepEqual(await loadedForms(page), ["Formtri"]);
  await page.evaluate(() => { navigator.clipboard.writeText = async (t) => { window.copied = t; }; });
  await ctl(page, "Formtri", "hsbpleurab").focus();
  await page.keyboard.press("Shift+F10");
  await page.locator("#menu [role=menuitem]:last-child").click();
  await page.waitForFunction(() => window.copied);
  assert.equal(await page.evaluate(() => window.copied), address); // served: the web address
  await page.evaluate(() => window.dispatchEvent(new Event("beforeprint")));
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), "link-"));
  const pdf = path.join(dir, "page.pdf");
  fs.writeFileSync(pdf, await page.tab.print());
  const text = execFileSync("pdftotext", ["-layout", pdf, "-"]).toString().replace(/\s+/g, "");
  assert.ok(text.includes(decodeURI(address).replace(/\s+/g, "")), text);
  execFileSync("pdftoppm", ["-r", "200", "-png", "-singlefile", pdf, path.join(dir, "page")]);
  const decoded = execFileSync("zbarimg", ["--quiet", "--raw", path.join(dir, "page.png")]).toString().trim();
  assert.equal(decoded, address);
  await page.close();
});
