// The windows' lifecycle in the page: a figure replaces the menu where it stood, back
// returns, the credits and the notice are modeless and never shown twice, the last window
// closed or the end button ends the program, and the page offers to start again.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { FIGURES, assertNoErrors, beeps, boxes, ctl, engine, launch, loadedForms, open, openFigure, outsideRequests, setBar, win } from "./browser.mjs";

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

test("starts on the menu alone, nothing computed", async () => {
  const page = await open(browser);
  assert.deepEqual(await loadedForms(page), ["Form1"]);
  assert.equal(await page.title(), "ΣΧΗμάτιος: ΕΥΚΛΕΙΔΕΙΑ ΓΕΩΜΕΤΡΙΑ");
  assert.equal(await beeps(page), 0);
  assert.equal(await page.evaluate(() => document.documentElement.lang), "el");
  assert.equal(await ctl(page, "Form1", "Label1").textContent(),
               "Σχεδίαση και Μελέτη βασικών χαρακτηριστικών Γεωμετρικών σχημάτων:");
  await page.close();
});

// On a slow machine the menu is there before the core has compiled: a pupil who presses
// a figure's button then finds the figure open once the core is ready.
test("the menu works before the core is ready", { skip: engine !== "chromium" && "only Chromium's CPU can be slowed" }, async () => {
  let early = null;
  const page = await open(browser, {
    async before(page) {
      await page.tab.cdp("Emulation.setCPUThrottlingRate", { rate: 20 });
      const goto = page.goto.bind(page);
      page.goto = async (url) => {
        // Back once the document has loaded; pressed at once, unless the core was quicker.
        for (let attempt = 0; attempt < 5 && !(early && !early.core); ++attempt) {
          await goto(url);
          early = await page.evaluate(() => {
            const core = document.body.hasAttribute("data-core");
            document.querySelector('[data-form="Form1"] [data-control="Command2"]').click();
            return { core, opened: document.querySelector('[data-form="Formt"]') !== null };
          });
        }
      };
    },
  });
  await win(page, "Formt").waitFor();
  assert.deepEqual(early, { core: false, opened: false }, "pressed before the core could run it");
  assert.deepEqual(await loadedForms(page), ["Formt"]);
  assert.equal(await beeps(page), 1);
  await page.tab.cdp("Emulation.setCPUThrottlingRate", { rate: 1 });
  await page.close();
});

test("every figure opens in the menu's place and goes back, from its design each time", async () => {
  const page = await open(browser);
  for (const w of FIGURES) {
    const menuAt = await win(page, "Form1").boundingBox();
    await openFigure(page, w.button, w.form);
    assert.deepEqual(await loadedForms(page), [w.form].sort(), w.row);
    const at = await win(page, w.form).boundingBox();
    assert.ok(Math.abs(at.x + at.width / 2 - (menuAt.x + menuAt.width / 2)) < 2, w.row);
    const first = await boxes(page, w.form);
    const bar = win(page, w.form).locator("[role=slider]").first();
    await bar.focus();
    await page.keyboard.press("ArrowDown");
    await ctl(page, w.form, w.back).click();
    assert.deepEqual(await loadedForms(page), ["Form1"]);
    await openFigure(page, w.button, w.form);
    assert.deepEqual(await boxes(page, w.form), first, w.row + " starts from its design again");
    await ctl(page, w.form, w.back).click();
  }
  // Each open and each back beeps once.
  assert.equal(await beeps(page), FIGURES.length * 4);
  await page.close();
});

test("the credits open once, outlive the menu and close with their button", async () => {
  const page = await open(browser);
  await ctl(page, "Form1", "Command9").click();
  await ctl(page, "Form1", "Command9").click();
  assert.equal(await page.locator('[data-form="Formd"]').count(), 1);
  assert.equal(await beeps(page), 2);
  assert.equal(await win(page, "Formd").getAttribute("role"), "dialog");
  assert.equal(await page.title(), "ΣΧΗμάτιος: ΔΗΜΙΟΥΡΓΟΣ");
  const lines = await win(page, "Formd").locator(".label").allTextContents();
  assert.deepEqual(lines, ["ΣΧΗμάτιος 1.00.0030", "Η ομάδα ανάπτυξης", "2026"]);
  // (The credits stand over the middle of the menu, as on the desktop; the segment's
  // button at the left is clear of them.)
  await openFigure(page, "Command7", "Formline");
  assert.deepEqual(await loadedForms(page), ["Formd", "Formline"]);
  await ctl(page, "Formline", "Command1").click();
  assert.deepEqual(await loadedForms(page), ["Form1", "Formd"]);
  await ctl(page, "Formd", "Command1(1)").click();
  assert.deepEqual(await loadedForms(page), ["Form1"]);
  await page.close();
});

test("the notice: shown once, brought forward, spoken, closed without a trace", async () => {
  const page = await open(browser);
  await openFigure(page, "Command6", "Formtra");
  await setBar(page, "Formtra", "hsbgoniaa", 45);
  await setBar(page, "Formtra", "hsbgoniab", 45);
  const accepted = await boxes(page, "Formtra");
  const before = await beeps(page);
  await setBar(page, "Formtra", "hsbpleurag", 1); // α = 1 ≤ γ = 1: refused
  assert.equal(await beeps(page), before + 1);
  assert.deepEqual(await loadedForms(page), ["Formm", "Formtra"]);
  const notice = win(page, "Formm").locator(".client"); // (message and button, not the title bar)
  assert.equal(await notice.getAttribute("role"), "dialog");
  assert.equal(await page.locator("#" + await notice.getAttribute("aria-labelledby")).textContent(), "ΣΧΗμάτιος");
  const describedBy = await notice.getAttribute("aria-describedby");
  assert.equal(await page.locator("#" + describedBy).textContent(), "Παρακαλώ α>γ");
  const after = await boxes(page, "Formtra");
  assert.equal(after.txtpleurag, " 1");
  for (const box of ["per", "emb", "txtyphsos", "txtpleurab", "txtpleurad", "txtgoniad"])
    assert.equal(after[box], accepted[box], box);
  // A second refusal beeps and brings the same notice forward.
  await ctl(page, "Formtra", "hsbpleurag").click({ position: { x: 5, y: 5 } }); // the up arrow: γ = 0, accepted
  await setBar(page, "Formtra", "hsbpleurag", 1);
  assert.equal(await page.locator('[data-form="Formm"]').count(), 1);
  const z = (f) => win(page, f).evaluate((w) => Number(w.style.zIndex));
  assert.ok(await z("Formm") > await z("Formtra"));
  await ctl(page, "Formm", "Command1").click();
  assert.deepEqual(await loadedForms(page), ["Formtra"]);
  await page.close();
});

test("closing the last window ends the program; the page offers to start again", async () => {
  const page = await open(browser);
  await openFigure(page, "Command5", "Formtri");
  await win(page, "Formtri").locator(".close").click();
  assert.deepEqual(await loadedForms(page), []);
  assert.ok(await page.locator("#ended").isVisible());
  assert.equal(await page.locator("#ended button").textContent(), "Άνοιγμα ξανά");
  await page.locator("#ended button").click();
  assert.deepEqual(await loadedForms(page), ["Form1"]);
  assert.equal(await page.locator("#ended").isVisible(), false);
  await page.close();
});

test("the end button ends the program with the credits open", async () => {
  const page = await open(browser);
  await ctl(page, "Form1", "Command9").click();
  await ctl(page, "Form1", "Command4").click();
  assert.deepEqual(await loadedForms(page), []);
  assert.ok(await page.locator("#ended").isVisible());
  assert.equal(await beeps(page), 2);
  assert.deepEqual(await outsideRequests(page), []);
  assertNoErrors(page);
  await page.close();
});

test("a close box unloads only its window", async () => {
  const page = await open(browser);
  await ctl(page, "Form1", "Command9").click();
  await win(page, "Formd").locator(".close").click();
  assert.deepEqual(await loadedForms(page), ["Form1"]);
  await page.close();
});
