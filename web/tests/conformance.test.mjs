// The conformance table, played on the page in this engine: every scenario with the
// engine's real input (a click on a button, keys pressed as a keyboard sends them),
// every expectation read back from the page.
import assert from "node:assert/strict";
import fs from "node:fs";
import { after, before, test } from "node:test";
import { ctl, launch, loadedForms, open, win } from "./browser.mjs";

const table = JSON.parse(fs.readFileSync(new URL("../../tests/conformance/scenarios.json", import.meta.url)));

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

// "Ctrl+KeyC" as the driver presses it: "Control+c".
const pressed = (name) => name.split("+").map((k) =>
  k === "Ctrl" ? "Control" : /^Key[A-Z]$/.test(k) ? k.slice(3).toLowerCase() : k === "Digit0" ? "0" : k).join("+");

async function expectations(page, e, label) {
  const at = (name) => page.locator(`[data-control="${name}"]`);
  for (const [bar, value] of Object.entries(e.values ?? {}))
    assert.equal(Number(await at(bar).evaluate((el) => el.getAttribute("aria-valuenow"))), value, `${label}: ${bar}`);
  const sep = await page.evaluate(() => new Intl.NumberFormat(navigator.language).formatToParts(1.5)
    .find((p) => p.type === "decimal").value);
  for (const [box, text] of Object.entries(e.boxes ?? {}))
    assert.equal(await at(box).evaluate((el) => el.value), text.replace(".", sep), `${label}: ${box}`);
  if (e.loaded) assert.deepEqual(await loadedForms(page), [...e.loaded].sort(), label);
  for (const [dialog, worked] of Object.entries(e.above ?? {})) {
    const z = async (form) => Number(await win(page, form).evaluate((el) => getComputedStyle(el).zIndex));
    assert.ok(await z(dialog) > await z(worked), `${label}: ${dialog} above ${worked}`);
  }
  if (e.focus)
    assert.equal(await page.evaluate(() => document.activeElement.dataset.control), e.focus, `${label}: focus`);
}

for (const scenario of table.scenarios)
  test(scenario.name, async () => {
    const page = await open(browser);
    for (const [i, step] of scenario.steps.entries()) {
      const label = `${scenario.name}, step ${i + 1}`;
      if (step.click) {
        await ctl(page, ...step.click).click();
        await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(resolve)));
      } else if (step.focus) {
        await ctl(page, ...step.focus).evaluate((el) => el.focus());
      } else if (step.keys) {
        for (const k of step.keys) await page.keyboard.press(pressed(k));
      } else if (step.expect) {
        await expectations(page, step.expect, label);
      }
    }
    await page.close();
  });
