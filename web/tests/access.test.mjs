// What a blind pupil meets in the page: bars that are sliders and say their value as their
// box writes it, the results told once a bar rests and never during a drag, the drawing
// an image named by the figure it shows, each window's caption its heading, the notice
// and the credits closed by Escape, and axe-core finding nothing serious in any window.
import assert from "node:assert/strict";
import fs from "node:fs";
import { after, before, test } from "node:test";
import { FIGURES, beeps, boxes, ctl, launch, listen, loadedForms, open, openFigure, setBar, win } from "./browser.mjs";

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

const axeSource = fs.readFileSync(new URL("./node_modules/axe-core/axe.min.js", import.meta.url), "utf8");

// axe-core's violations in the page as it stands: [{id, impact, nodes}].
async function violations(page) {
  if (!(await page.evaluate(() => typeof window.axe === "object"))) await page.addScript(axeSource);
  return page.evaluate(async () => {
    const r = await window.axe.run(document, { resultTypes: ["violations"] });
    return r.violations.map((v) => ({ id: v.id, impact: v.impact, nodes: v.nodes.map((n) => n.target.join(" ")) }));
  });
}

// None serious or critical, and none of those the page once had.
async function assertAccessible(page, where) {
  const found = await violations(page);
  const bad = found.filter((v) => v.impact === "serious" || v.impact === "critical" ||
                                  ["page-has-heading-one", "label-content-name-mismatch", "region"].includes(v.id));
  assert.deepEqual(bad, [], where);
}

const said = (page) => page.evaluate(() => window.said.splice(0));
const drawing = (page, form) => win(page, form).locator("canvas[data-surface]");

test("axe-core finds nothing serious in any window, nor on the ended page", async () => {
  const page = await open(browser);
  await assertAccessible(page, "menu");
  await ctl(page, "Form1", "Command9").click();
  await assertAccessible(page, "credits");
  await ctl(page, "Formd", "Command1(1)").click();
  for (const f of FIGURES) {
    await openFigure(page, f.button, f.form);
    await assertAccessible(page, f.row + " as it opens");
    const bar = win(page, f.form).locator("[role=slider]").first();
    await bar.focus();
    await page.keyboard.press("End");
    await assertAccessible(page, f.row + " drawn");
    if (f.form === "Formtra") {
      await setBar(page, "Formtra", "hsbpleuraa", 9);
      await setBar(page, "Formtra", "hsbpleurag", 9); // α = γ: the notice
      await assertAccessible(page, "notice");
      await ctl(page, "Formm", "Command1").click();
    }
    await ctl(page, f.form, f.back).click();
  }
  await ctl(page, "Form1", "Command4").click();
  await assertAccessible(page, "ended");
  await page.close();
});

test("bars are sliders that say their value as their box writes it", async () => {
  const page = await open(browser, { locale: "el-GR" });
  await openFigure(page, "Command7", "Formline");
  await setBar(page, "Formline", "hsbmhkos", 7097);
  await setBar(page, "Formline", "hsbdief", 4645);
  const shown = await boxes(page, "Formline");
  for (const [bar, box] of [["hsbmhkos", "txtmhkos"], ["hsbdief", "txtdief"]]) {
    const el = ctl(page, "Formline", bar);
    assert.equal(await el.getAttribute("role"), "slider");
    assert.equal(await el.getAttribute("aria-valuetext"), shown[box]);
  }
  assert.equal(shown.txtmhkos, "070,97");
  assert.equal(shown.txtdief, "046,45°");
  await page.close();
});

test("a figure is told as it opens, its results once a bar rests, never during a drag", async () => {
  const page = await open(browser);
  await listen(page);
  await openFigure(page, "Command2", "Formt");
  await page.waitForTimeout(300);
  // As it opens, the window says what it is and what its drawing shows.
  assert.deepEqual(await said(page), ["ΣΧΗμάτιος: ΤΕΤΡΑΓΩΝΟ. Τετράγωνο: το σχήμα σχεδιάζεται μόλις κινηθεί μια μπάρα"]);
  const bar = ctl(page, "Formt", "hsbpleyra");
  await bar.focus();
  await page.keyboard.press("ArrowDown");
  await page.keyboard.press("ArrowDown");
  assert.deepEqual(await said(page), [], "nothing while the keys come");
  await page.waitForTimeout(1100);
  assert.deepEqual(await said(page), ["ΠΛΕΥΡΑ α: 3, ΠΕΡΙΜΕΤΡΟΣ: 12, ΕΜΒΑΔΟ: 9"]);
  await page.waitForTimeout(900);
  assert.deepEqual(await said(page), [], "told once");
  // The thumb held still for longer than the rest time says nothing until it is let go.
  const thumb = await bar.locator('[data-part="thumb"]').boundingBox();
  const x = thumb.x + thumb.width / 2, y = thumb.y + thumb.height / 2;
  await page.mouse.move(x, y);
  await page.mouse.down();
  await page.mouse.move(x, y + thumb.height * 2, { steps: 8 });
  await page.waitForTimeout(1100);
  assert.deepEqual(await said(page), [], "nothing while the thumb is held");
  await page.mouse.up();
  const side = Number(await bar.getAttribute("aria-valuenow"));
  assert.ok(side > 3, `dragged to ${side}`);
  await page.waitForTimeout(1100);
  assert.deepEqual(await said(page), [`ΠΛΕΥΡΑ α: ${side}, ΠΕΡΙΜΕΤΡΟΣ: ${4 * side}, ΕΜΒΑΔΟ: ${side * side}`]);
  await page.close();
});

test("the drawing is an image named by the figure it shows", async () => {
  const page = await open(browser);
  const named = [];
  for (const f of FIGURES) {
    await openFigure(page, f.button, f.form);
    const canvas = drawing(page, f.form);
    assert.equal(await canvas.getAttribute("role"), "img");
    const before = await canvas.getAttribute("aria-label");
    assert.match(before, /: το σχήμα σχεδιάζεται μόλις κινηθεί μια μπάρα$/, f.row);
    const bar = win(page, f.form).locator("[role=slider]").first();
    await bar.focus();
    await page.keyboard.press("End");
    named.push(await canvas.getAttribute("aria-label"));
    await ctl(page, f.form, f.back).click();
  }
  assert.deepEqual(named, [
    "Ευθύγραμμο τμήμα ΒΑ, μήκος 100,00, διεύθυνση 0,01°",
    "Γωνία ω με κορυφή Α, 124°",
    "Τετράγωνο ΑΒΓΔ, πλευρά α 10",
    "Ορθογώνιο παραλληλόγραμμο ΑΒΓΔ, πλευρές α 10 και β 1",
    "Κύκλος με κέντρο Κ, ακτίνα 10",
    "Τρίγωνο ΑΓΒ, γωνίες Α 90° και Γ 1°, πλευρά β 1",
    "Πλάγιο παραλληλόγραμμο ΑΒΓΔ, πλευρές α 10 και β 1, γωνία Α 0°",
    "Τραπέζιο ΑΒΓΔ, βάσεις α 1 και γ 0, γωνίες Α 100° και Β 1°",
  ]);
  await page.close();
});

test("each window's caption is its heading", async () => {
  const page = await open(browser);
  const heading = (form) => win(page, form).locator(".caption").evaluate((h) => [h.tagName, h.textContent]);
  assert.deepEqual(await heading("Form1"), ["H1", "ΣΧΗμάτιος: ΕΥΚΛΕΙΔΕΙΑ ΓΕΩΜΕΤΡΙΑ"]);
  await ctl(page, "Form1", "Command9").click();
  assert.deepEqual(await heading("Formd"), ["H2", "ΣΧΗμάτιος: ΔΗΜΙΟΥΡΓΟΣ"]);
  await page.close();
});

test("Escape closes the credits and the notice, as their buttons do", async () => {
  const page = await open(browser);
  await ctl(page, "Form1", "Command9").click();
  assert.equal(await page.evaluate(() => document.activeElement.closest("[data-form]").dataset.form), "Formd");
  await page.keyboard.press("Escape");
  assert.deepEqual(await loadedForms(page), ["Form1"]);
  assert.equal(await beeps(page), 2); // opened with a beep, closed with one
  await openFigure(page, "Command6", "Formtra");
  await setBar(page, "Formtra", "hsbgoniaa", 45);
  await setBar(page, "Formtra", "hsbpleurag", 1); // α = 1 ≤ γ = 1: refused
  assert.deepEqual(await loadedForms(page), ["Formm", "Formtra"]);
  await ctl(page, "Formm", "Command1").focus();
  await page.keyboard.press("Escape");
  assert.deepEqual(await loadedForms(page), ["Formtra"]);
  await page.close();
});
