// Every window in the page: its design on opening, its tables to the last digit through
// real keys and drags, the names a screen reader speaks.
import assert from "node:assert/strict";
import { after, before, describe, test } from "node:test";
import { CIRCLE, PARALLELOGRAM, RECTANGLE, SEGMENT_EL, SQUARE_EMB, SQUARE_PER, TRAPEZIUM, TRIANGLE_RIGHT } from "../../tests/expected.mjs";
import { FIGURES, boxes, ctl, launch, nameOf, open, openFigure, outsideRequests, setBar, win } from "./browser.mjs";

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

// Sets the bars in order, then reads the named boxes.
async function shows(page, form, bars, names) {
  for (const [bar, value] of bars) await setBar(page, form, bar, value);
  const all = await boxes(page, form);
  return names.map((n) => all[n]);
}

describe("design texts on opening", () => {
  const designs = {
    Formt: { txtpleyra: "α", per: "4·α", emb: "α·α" },
    Formk: { txtR: "R", per: "2·π·R", emb: "π·R^2" },
    Formo: { txtpleyraa: "α", txtpleyrab: "β", per: "2·(α+β)", emb: "α·β" },
    Formangle: { txtgonia: "ω" },
    Formline: { txtmhkos: "(ΑΒ)", txtdief4: "φ βαθμοί", txtdief: "φ°", txtdief2: "φ° ' \"", txtdief3: "φ rad" },
    Formtra: { txtgoniaa: "Α", txtgoniab: "Β", txtpleuraa: "α", txtpleurab: "β", txtgoniad: "Δ",
               txtpleurag: "γ", txtpleurad: "δ", txtyphsos: "h", per: "α+β+γ+δ", emb: "(β+α)·h/2" },
  };
  for (const w of FIGURES) {
    test(w.row, async () => {
      const page = await open(browser);
      await openFigure(page, w.button, w.form);
      assert.equal(await win(page, w.form).locator(".caption").textContent(), w.caption);
      assert.equal(await page.title(), w.caption);
      if (designs[w.form]) assert.deepEqual(await boxes(page, w.form), designs[w.form]);
      // Every box is read-only; every bar starts at its stored value.
      for (const box of await win(page, w.form).locator("input[data-control]").all())
        assert.equal(await box.getAttribute("readonly"), "");
      assert.deepEqual(await outsideRequests(page), []);
      await page.close();
    });
  }
});

test("square: the side bar, every side", async () => {
  const page = await open(browser);
  await openFigure(page, "Command2", "Formt");
  // The first update comes with the first move: from 1 to 2, then every side down to 1.
  for (const s of [2, 3, 4, 5, 6, 7, 8, 9, 10, 1])
    assert.deepEqual(await shows(page, "Formt", [["hsbpleyra", s]], ["txtpleyra", "per", "emb"]),
                     [" " + s, SQUARE_PER[s - 1], SQUARE_EMB[s - 1]]);
  await page.close();
});

test("circle: every radius", async () => {
  const page = await open(browser);
  await openFigure(page, "Command1", "Formk");
  for (const R of [2, 3, 4, 5, 6, 7, 8, 9, 10, 1])
    assert.deepEqual(await shows(page, "Formk", [["hsbR", R]], ["txtR", "per", "emb"]),
                     [" " + R, ...CIRCLE[R - 1]]);
  await page.close();
});

test("rectangle and angle", async () => {
  const page = await open(browser);
  await openFigure(page, "Command3", "Formo");
  for (const [a, b, emb, per] of RECTANGLE)
    assert.deepEqual(await shows(page, "Formo", [["hsbpleyraa", a], ["hsbpleyrab", b]], ["emb", "per"]), [emb, per]);
  await ctl(page, "Formo", "Command2").click();
  await openFigure(page, "Command8", "Formangle");
  for (const V of [41, 90, 124, 1])
    assert.deepEqual(await shows(page, "Formangle", [["hsbgonia", V]], ["txtgonia"]), [` ${V}°`]);
  await page.close();
});

test("oblique parallelogram: the table", async () => {
  const page = await open(browser);
  await openFigure(page, "Command10", "Formparal");
  for (const [a, b, phi, ...texts] of PARALLELOGRAM)
    assert.deepEqual(await shows(page, "Formparal", [["hsbpleurac", a], ["hsbpleurad", b], ["hsbgonia1", phi]],
                                 ["txth", "emb", "txtper", "txtgon"]), texts, `${a} ${b} ${phi}`);
  await page.close();
});

test("triangle: the right triangle at Α = 90°", async () => {
  const page = await open(browser);
  await openFigure(page, "Command5", "Formtri");
  const [A, G, b, ...texts] = TRIANGLE_RIGHT;
  assert.deepEqual(await shows(page, "Formtri", [["hsbgoniaa", A], ["hsbgoniag", G], ["hsbpleurab", b]],
                               ["txtk", "txtpleurag", "txtpleuraa", "per", "emb", "txtgoniab"]), texts);
  assert.deepEqual(await shows(page, "Formtri", [["hsbgoniaa", 60], ["hsbgoniag", 60], ["hsbpleurab", 6]],
                               ["txtgoniab", "txtpleuraa", "txtpleurag"]),
                   [" 60°", " 5.99999999999999", " 5.99999999999999"]);
  await page.close();
});

test("trapezium: the table", async () => {
  const page = await open(browser);
  await openFigure(page, "Command6", "Formtra");
  // α first, so that no step on the way refuses the bases.
  for (const [A, B, a, g, ...texts] of TRAPEZIUM)
    assert.deepEqual(await shows(page, "Formtra", [["hsbpleuraa", a], ["hsbpleurag", g], ["hsbgoniaa", A], ["hsbgoniab", B]],
                                 ["txtpleurab", "txtpleurad", "txtyphsos", "txtgoniad", "per", "emb"]),
                     texts, `${A} ${B} ${a} ${g}`);
  await page.close();
});

test("line segment: the table under the Greek language", async () => {
  const page = await open(browser, { locale: "el-GR" });
  await openFigure(page, "Command7", "Formline");
  for (const [length, direction, ...texts] of SEGMENT_EL)
    assert.deepEqual(await shows(page, "Formline", [["hsbmhkos", length], ["hsbdief", direction]],
                                 ["txtmhkos", "txtdief", "txtdief3", "txtdief4"]), texts, `${length} ${direction}`);
  await setBar(page, "Formline", "hsbdief", 115);
  assert.equal((await boxes(page, "Formline")).txtdief2, "001° 09' 00\"/,0");
  await page.close();
});

describe("spoken names and values", () => {
  test("every bar, box and button has its Greek name", async () => {
    const page = await open(browser);
    const unnamed = [];
    for (const w of FIGURES) {
      await openFigure(page, w.button, w.form);
      for (const el of await win(page, w.form).locator("input, button[data-control], [role=slider]").all())
        if (!(await nameOf(el))) unnamed.push(w.form + " " + await el.getAttribute("data-control"));
      await ctl(page, w.form, w.back).click();
    }
    assert.deepEqual(unnamed, []);
    assert.equal(await nameOf(ctl(page, "Form1", "Command2")), "Τετράγωνο.");
    assert.equal(await ctl(page, "Form1", "Command2").getAttribute("title"), "Τετράγωνο. ");
    assert.equal(await nameOf(ctl(page, "Form1", "Command4")), "Έξοδος");
    await page.close();
  });

  for (const [locale, sep] of [["el-GR", ","], ["en-US", "."]]) {
    test(`a bar says what its box shows (${locale})`, async () => {
      const page = await open(browser, { locale });
      await openFigure(page, "Command7", "Formline");
      const length = ctl(page, "Formline", "hsbmhkos"), direction = ctl(page, "Formline", "hsbdief");
      await setBar(page, "Formline", "hsbmhkos", 10000);
      assert.equal(await length.getAttribute("aria-valuetext"), `100${sep}00`);
      assert.equal(await length.getAttribute("aria-valuenow"), "10000");
      assert.equal(await length.getAttribute("role"), "slider");
      assert.equal(await length.getAttribute("aria-orientation"), "vertical");
      assert.equal(await length.getAttribute("aria-valuemin"), "0");
      assert.equal(await length.getAttribute("aria-valuemax"), "10000");
      await setBar(page, "Formline", "hsbdief", 2);
      assert.equal(await direction.getAttribute("aria-valuetext"), `000${sep}02°`);
      assert.match(await direction.getAttribute("aria-description"), /Ctrl/);
      await ctl(page, "Formline", "Command1").click();
      await openFigure(page, "Command6", "Formtra");
      await setBar(page, "Formtra", "hsbgoniaa", 45);
      assert.equal(await ctl(page, "Formtra", "hsbgoniaa").getAttribute("aria-valuetext"), "45°");
      await setBar(page, "Formtra", "hsbpleuraa", 7);
      assert.equal(await ctl(page, "Formtra", "hsbpleuraa").getAttribute("aria-valuetext"), "7");
      assert.equal(await ctl(page, "Formtra", "hsbpleuraa").getAttribute("aria-description"), null);
      await page.close();
    });
  }
});
