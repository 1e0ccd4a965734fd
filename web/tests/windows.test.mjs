// Every window in the page: its design on opening, its tables to the last digit through
// real keys and drags, the names a screen reader speaks.
import assert from "node:assert/strict";
import { after, before, describe, test } from "node:test";
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
  const per = [" 4", " 8", " 12", " 16", " 20", " 24", " 28", " 32", " 36", " 40"];
  const emb = [" 1", " 4", " 9", " 16", " 25", " 36", " 49", " 64", " 81", " 100"];
  // The first update comes with the first move: from 1 to 2, then every side down to 1.
  for (const s of [2, 3, 4, 5, 6, 7, 8, 9, 10, 1])
    assert.deepEqual(await shows(page, "Formt", [["hsbpleyra", s]], ["txtpleyra", "per", "emb"]),
                     [" " + s, per[s - 1], emb[s - 1]]);
  await page.close();
});

test("circle: every radius", async () => {
  const page = await open(browser);
  await openFigure(page, "Command1", "Formk");
  const rows = [
    [" 6.28318530717958", " 3.14159265358979"], [" 12.5663706143592", " 12.5663706143592"],
    [" 18.8495559215387", " 28.2743338823081"], [" 25.1327412287183", " 50.2654824574366"],
    [" 31.4159265358979", " 78.5398163397447"], [" 37.6991118430775", " 113.097335529232"],
    [" 43.9822971502571", " 153.9380400259"], [" 50.2654824574366", " 201.061929829747"],
    [" 56.5486677646162", " 254.469004940773"], [" 62.8318530717958", " 314.159265358979"],
  ];
  for (const R of [2, 3, 4, 5, 6, 7, 8, 9, 10, 1])
    assert.deepEqual(await shows(page, "Formk", [["hsbR", R]], ["txtR", "per", "emb"]),
                     [" " + R, ...rows[R - 1]]);
  await page.close();
});

test("rectangle and angle", async () => {
  const page = await open(browser);
  await openFigure(page, "Command3", "Formo");
  for (const [a, b, emb, per] of [[7, 3, " 21", " 20"], [10, 10, " 100", " 40"], [1, 1, " 1", " 4"]])
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
  const rows = [
    [1, 1, 30, " .5", " .5", " 4", " 30°"],
    [1, 1, 45, " .707106781186547", " .707106781186547", " 4", " 45°"],
    [3, 5, 60, " 4.33012701892219", " 12.9903810567666", " 16", " 60°"],
    [2, 3, 1, " .0523572193118505", " .104714438623701", " 10", " 1°"],
    [10, 10, 90, " 10", " 100", " 40", " 90°"],
    [10, 10, 93, " 9.98629534754574", " 99.8629534754574", " 40", " 93°"],
    [1, 1, 0, " 0", " 0", " 4", " 0°"],
  ];
  for (const [a, b, phi, ...texts] of rows)
    assert.deepEqual(await shows(page, "Formparal", [["hsbpleurac", a], ["hsbpleurad", b], ["hsbgonia1", phi]],
                                 ["txth", "emb", "txtper", "txtgon"]), texts, `${a} ${b} ${phi}`);
  await page.close();
});

test("triangle: the right triangle at Α = 90°", async () => {
  const page = await open(browser);
  await openFigure(page, "Command5", "Formtri");
  assert.deepEqual(await shows(page, "Formtri", [["hsbgoniaa", 90], ["hsbgoniag", 1], ["hsbpleurab", 1]],
                               ["txtk", "txtpleurag", "txtpleuraa", "per", "emb", "txtgoniab"]),
                   [" .0174550649282176", " .0174550649282176", " 1.00015232804391", " 2.01760739297212",
                    " .00872753246410878", " 89°"]);
  assert.deepEqual(await shows(page, "Formtri", [["hsbgoniaa", 60], ["hsbgoniag", 60], ["hsbpleurab", 6]],
                               ["txtgoniab", "txtpleuraa", "txtpleurag"]),
                   [" 60°", " 5.99999999999999", " 5.99999999999999"]);
  await page.close();
});

test("trapezium: the table", async () => {
  const page = await open(browser);
  await openFigure(page, "Command6", "Formtra");
  const rows = [
    [45, 45, 10, 0, " 7.07106781186547", " 7.07106781186547", " 4.99999999999999", " 135°", " 24.1421356237309", " 25"],
    [60, 60, 10, 5, " 4.99999999999999", " 4.99999999999999", " 4.33012701892218", " 120°", " 25", " 32.4759526419164"],
    [30, 60, 8, 2, " 3", " 5.19615242270663", " 2.59807621135331", " 150°", " 18.1961524227066", " 12.9903810567666"],
    [90, 30, 3, 1, " 2.3094010767585", " 1.15470053837925", " 1.15470053837925", " 90°", " 7.46410161513775", " 2.3094010767585"],
    [90, 60, 10, 0, " 19.9999999999999", " 17.3205080756887", " 17.3205080756887", " 90°", " 47.3205080756886", " 86.6025403784434"],
  ];
  // α first, so that no step on the way refuses the bases.
  for (const [A, B, a, g, ...texts] of rows)
    assert.deepEqual(await shows(page, "Formtra", [["hsbpleuraa", a], ["hsbpleurag", g], ["hsbgoniaa", A], ["hsbgoniab", B]],
                                 ["txtpleurab", "txtpleurad", "txtyphsos", "txtgoniad", "per", "emb"]),
                     texts, `${A} ${B} ${a} ${g}`);
  await page.close();
});

test("line segment: the table under the Greek language", async () => {
  const page = await open(browser, { locale: "el-GR" });
  await openFigure(page, "Command7", "Formline");
  const rows = [
    [100, 3, "001,00", "000,03°", " .000166666666666667 π rad", " .0333333333333333 βαθμοί"],
    [5000, 4550, "050,00", "045,50°", " .252777777777778 π rad", " 50.5555555555556 βαθμοί"],
    [2550, 9000, "025,50", "090,00°", " .5 π rad", " 100 βαθμοί"],
    [777, 12345, "007,77", "123,45°", " .685833333333333 π rad", " 137.166666666667 βαθμοί"],
    [10000, 18000, "100,00", "180,00°", " 1 π rad", " 200 βαθμοί"],
  ];
  for (const [length, direction, ...texts] of rows)
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
