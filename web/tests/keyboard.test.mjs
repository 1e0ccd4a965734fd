// A keyboard-only pupil: from the menu to every window and back with Tab, Space, Enter and
// the bar keys alone, every control reached in its tab order with a visible ring.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { FIGURES, boxes, launch, loadedForms, open, win } from "./browser.mjs";

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

const focused = (page) => page.evaluate(() => {
  const el = document.activeElement;
  const style = getComputedStyle(el);
  return { form: el.closest("[data-form]")?.dataset.form, control: el.dataset.control,
           name: el.getAttribute("aria-label") || el.textContent.trim(), ring: parseFloat(style.outlineWidth),
           focus: el.matches(":focus"), page: document.hasFocus() };
});

test("every window with the keyboard alone", async () => {
  const page = await open(browser);
  for (const w of FIGURES) {
    // Tab round the menu to the figure's button, then Space.
    let f = await focused(page);
    for (let i = 0; i < 12 && f.control !== w.button; ++i) {
      await page.keyboard.press("Tab");
      f = await focused(page);
    }
    assert.equal(f.control, w.button, w.row);
    assert.ok(f.ring >= 2, `a visible ring on ${w.button}: ${JSON.stringify(f)}`);
    await page.keyboard.press("Space");
    await win(page, w.form).waitFor();
    // Tab visits every bar, box and button once, in tab order, each with a name.
    const seen = [];
    for (let i = 0; i < 40; ++i) {
      f = await focused(page);
      if (seen.includes(f.control)) break;
      seen.push(f.control);
      assert.equal(f.form, w.form);
      assert.ok(f.name, `${w.form} ${f.control} has a name`);
      assert.ok(f.ring >= 2, `${w.form} ${f.control} shows its focus`);
      const role = await page.evaluate(() => document.activeElement.getAttribute("role"));
      if (role === "slider") {
        await page.keyboard.press("ArrowDown");
        await page.keyboard.press("ArrowDown");
      }
      await page.keyboard.press("Tab");
    }
    const design = await win(page, w.form).evaluate((el) =>
      [...el.querySelectorAll("input, button[data-control], [role=slider]")].length);
    assert.equal(seen.length, design, `${w.form}: ${seen.join(" ")}`);
    // Every result box has a number now.
    const shown = await boxes(page, w.form);
    for (const [box, text] of Object.entries(shown)) assert.match(text, /\d/, `${w.form} ${box}`);
    // Back with Enter on the back button.
    for (let i = 0; i < 40 && (await focused(page)).control !== w.back; ++i) await page.keyboard.press("Tab");
    await page.keyboard.press("Enter");
    await win(page, "Form1").waitFor();
    assert.deepEqual(await loadedForms(page), ["Form1"]);
  }
  await page.close();
});

test("the menu's tab order follows the design, round and round, and Shift+Tab goes back", async () => {
  const page = await open(browser);
  assert.equal((await focused(page)).control, "Command1"); // tab index 0 has the focus first
  const order = [];
  for (let i = 0; i < 10; ++i) {
    await page.keyboard.press("Tab");
    order.push((await focused(page)).control);
  }
  assert.deepEqual(order, ["Command2", "Command3", "Command4", "Command5", "Command6", "Command7",
                           "Command8", "Command9", "Command10", "Command1"]);
  await page.keyboard.press("Shift+Tab");
  assert.equal((await focused(page)).control, "Command10");
  await page.close();
});
