// The figure onto paper and into worksheets, from the page: Ctrl+C puts the figure and
// the values on the clipboard (a box's selected text stays the box's), the context menu
// offers copy, save and print, a saved picture is downloaded, the printed page shows the
// caption, the figure for paper and the values.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { after, before, test } from "node:test";
import { ctl, engine, launch, open, openFigure, setBar, win } from "./browser.mjs";

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

// The trapezium a teacher wants on tomorrow's worksheet.
async function trapezium() {
  const page = await open(browser);
  await openFigure(page, "Command6", "Formtra");
  for (const [bar, v] of [["hsbpleuraa", 10], ["hsbpleurag", 5], ["hsbgoniaa", 60], ["hsbgoniab", 60]])
    await setBar(page, "Formtra", bar, v);
  return page;
}

const VALUES = "ΓΩΝΙΑ Α:\t60°\nΓΩΝΙΑ Β:\t60°\nΠΛΕΥΡΑ α:\t10\nΠΛΕΥΡΑ β:\t4.99999999999999\nΓΩΝΙΑ Δ:\t120°\n" +
  "ΠΛΕΥΡΑ γ:\t5\nΠΛΕΥΡΑ δ:\t4.99999999999999\nΥΨΟΣ h:\t4.33012701892218\nΠΕΡΙΜΕΤΡΟΣ:\t25\nΕΜΒΑΔΟ:\t32.4759526419164\n";

// What the clipboard holds: {type: text, or a PNG's size for an image}.
const clipboard = (page) => page.waitForFunction(async () => {
  const out = {};
  for (const item of await navigator.clipboard.read())
    for (const type of item.types) {
      const blob = await item.getType(type);
      if (type === "image/png") {
        const bitmap = await createImageBitmap(blob);
        out[type] = [bitmap.width, bitmap.height];
      } else {
        out[type] = await blob.text();
      }
    }
  return Object.keys(out).length ? out : null;
});

// A picture for paper as any program reads it (the page opens in Greek, el-GR): the SVG an
// XML document whose root gives its width and height in points, the PNG decoding to that
// size at 300 dpi. Its size in inches.
async function paperPicture(page, svg, png) {
  const got = await page.evaluate(async ([text, base64]) => {
    const doc = new DOMParser().parseFromString(text, "image/svg+xml");
    if (doc.querySelector("parsererror")) return { error: doc.querySelector("parsererror").textContent };
    const root = doc.documentElement;
    const inches = ["width", "height"].map((a) => (/^[0-9]+(\.[0-9]+)?pt$/.test(root.getAttribute(a)) ? parseFloat(root.getAttribute(a)) / 72 : null));
    if (!base64) return { root: root.localName, inches };
    const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes], { type: "image/png" }));
    return { root: root.localName, inches, png: [bitmap.width, bitmap.height] };
  }, [svg, png ? png.toString("base64") : null]);
  assert.equal(got.error, undefined, got.error);
  assert.equal(got.root, "svg");
  assert.ok(got.inches.every((n) => n > 0.5), JSON.stringify(got.inches));
  if (png) assert.deepEqual(got.png, got.inches.map((n) => Math.round(n * 300)));
  return got.inches;
}

const chromiumOnly = engine !== "chromium" && "only Chromium's driver grants a page the clipboard";

test("Ctrl+C puts the figure and the values on the clipboard", { skip: chromiumOnly }, async () => {
  const page = await trapezium();
  await page.tab.cdp("Browser.grantPermissions", { permissions: ["clipboardReadWrite", "clipboardSanitizedWrite"],
                                                   browserContextId: page.tab.userContext });
  await page.keyboard.press("Control+c");
  const held = await clipboard(page);
  assert.equal(held["text/plain"], VALUES);
  // (The browser may write the SVG out again, as Chromium does: the same elements.)
  assert.match(held["image/svg+xml"], /<svg [^]*<line [^]*<path [^]*<\/svg>/);
  assert.doesNotMatch(held["image/svg+xml"], /#0000ff|#ffffff/, "for paper: black on nothing");
  // The PNG at 300 dpi of the picture's size in points.
  const inches = await paperPicture(page, held["image/svg+xml"]);
  assert.deepEqual(held["image/png"], inches.map((n) => Math.round(n * 300)));
  // With a box's text selected, Ctrl+C copies that text, as ever.
  await page.evaluate(() => {
    const box = document.querySelector('[data-form="Formtra"] [data-control="emb"]');
    box.focus();
    box.setSelectionRange(1, 5);
  });
  await page.keyboard.press("Control+c");
  await page.waitForFunction(async () => (await navigator.clipboard.readText()) === "32.4");
  await page.close();
});

test("the context menu on the drawing: the mouse's, the keyboard's", async () => {
  const page = await trapezium();
  const menu = () => page.evaluate(() => {
    const m = document.getElementById("menu");
    return m && { role: m.getAttribute("role"), items: [...m.querySelectorAll("[role=menuitem]")].map((b) => b.textContent),
                  focused: document.activeElement.textContent };
  });
  const box = await win(page, "Formtra").locator("canvas").boundingBox();
  await page.mouse.move(box.x + box.width * 0.6, box.y + box.height * 0.4);
  await page.tab.perform([{ type: "pointer", id: "mouse", parameters: { pointerType: "mouse" },
                            actions: [{ type: "pointerDown", button: 2 }, { type: "pointerUp", button: 2 }] }]);
  assert.deepEqual(await menu(), { role: "menu", items: ["Αντιγραφή σχήματος", "Αποθήκευση εικόνας…", "Εκτύπωση…", "Αντιγραφή συνδέσμου"],
                                   focused: "Αντιγραφή σχήματος" });
  await page.keyboard.press("ArrowDown");
  assert.equal((await menu()).focused, "Αποθήκευση εικόνας…");
  await page.keyboard.press("Escape");
  assert.equal(await menu(), null);
  // From the keyboard alone: Shift+F10 where the focus is, in the window.
  await ctl(page, "Formtra", "hsbgoniab").focus();
  await page.keyboard.press("Shift+F10");
  assert.equal((await menu()).items.length, 4);
  await page.keyboard.press("Escape");
  assert.equal(await page.evaluate(() => document.activeElement.dataset.control), "hsbgoniab");
  await page.close();
});

test("Ctrl+S downloads the figure, named after the window", { skip: engine === "webkit" && "WebKitWebDriver's MiniBrowser has no downloads to look at" }, async () => {
  const page = await trapezium();
  for (const [choice, file, check] of [
    [1, "ΤΡΑΠΕΖΙΟ.png", (bytes) => assert.equal(bytes.subarray(1, 4).toString(), "PNG")],
    [0, "ΤΡΑΠΕΖΙΟ.svg", (bytes) => assert.match(bytes.toString("utf8"), /<svg [^]*<title>Τραπέζιο ΑΒΓΔ/)],
  ]) {
    await page.keyboard.press("Control+s");
    for (let i = 0; i < choice; ++i) await page.keyboard.press("ArrowDown");
    await page.keyboard.press("Enter");
    const saved = path.join(browser.downloads, file);
    await page.waitForFunction(() => true); // (a round trip)
    // (The browser makes the file first and writes it after: until it has its bytes.)
    const size = () => (fs.existsSync(saved) ? fs.statSync(saved).size : 0);
    for (let i = 0, last = -1; i < 100 && !(size() > 0 && size() === last); ++i) {
      last = size();
      await page.waitForTimeout(100);
    }
    assert.ok(fs.existsSync(saved), `${file} not among ${fs.readdirSync(browser.downloads)}`);
    check(fs.readFileSync(saved));
  }
  // Both as any program reads them: the PNG the SVG's size at 300 dpi.
  await paperPicture(page, fs.readFileSync(path.join(browser.downloads, "ΤΡΑΠΕΖΙΟ.svg"), "utf8"),
                     fs.readFileSync(path.join(browser.downloads, "ΤΡΑΠΕΖΙΟ.png")));
  await page.close();
});

test("the printed page: the caption, the figure for paper, the values", { skip: engine === "webkit" && "WebKitWebDriver cannot print" }, async () => {
  const page = await trapezium();
  const pdf = path.join(fs.mkdtempSync(path.join(os.tmpdir(), "print-")), "page.pdf");
  fs.writeFileSync(pdf, await page.tab.print());
  assert.match(execFileSync("pdfinfo", [pdf]).toString(), /Pages:\s+1\n[^]*Page size:\s+59[56].* x 84[12].* \(A4\)/);
  const text = execFileSync("pdftotext", ["-layout", pdf, "-"]).toString();
  assert.match(text, /ΣΧΗμάτιος: ΤΡΑΠΕΖΙΟ/);
  for (const line of VALUES.trim().split("\n")) {
    const [name, value] = line.split("\t");
    assert.match(text, new RegExp(name + "\\s+" + value.replace(".", "\\.")));
  }
  // The figure in black below the caption, nothing in the window's blue.
  execFileSync("pdftoppm", ["-r", "50", "-png", "-singlefile", pdf, pdf.replace(".pdf", "")]);
  const png = pdf.replace(".pdf", ".png");
  const pixels = await page.evaluate(async (data) => {
    const img = new Image();
    img.src = "data:image/png;base64," + data;
    await img.decode();
    const c = document.createElement("canvas");
    [c.width, c.height] = [img.width, img.height];
    c.getContext("2d").drawImage(img, 0, 0);
    const d = c.getContext("2d").getImageData(0, 0, c.width, c.height).data;
    let dark = 0, blue = 0;
    for (let i = 0; i < d.length; i += 4) {
      if (d[i] < 100 && d[i + 1] < 100 && d[i + 2] < 100) ++dark;
      if (d[i + 2] > 200 && d[i] < 80) ++blue;
    }
    return { dark, blue };
  }, fs.readFileSync(png).toString("base64"));
  assert.ok(pixels.dark > 500, `${pixels.dark} dark pixels`);
  assert.equal(pixels.blue, 0);
  await page.close();
});
