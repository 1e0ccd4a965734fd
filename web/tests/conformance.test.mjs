// The conformance table, played on the page in this engine: every scenario with the
// engine's real input (a click on a button, keys pressed as a keyboard sends them),
// every expectation read back from the page.
import assert from "node:assert/strict";
import fs from "node:fs";
import { after, before, test } from "node:test";
import { ctl, launch, listen, loadedForms, open, win } from "./browser.mjs";

const table = JSON.parse(fs.readFileSync(new URL("../../tests/conformance/scenarios.json", import.meta.url)));

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

// "Ctrl+KeyC" as the driver presses it: "Control+c".
const pressed = (name) => name.split("+").map((k) =>
  k === "Ctrl" ? "Control" : /^Key[A-Z]$/.test(k) ? k.slice(3).toLowerCase() : k === "Digit0" ? "0" : k).join("+");


// A control off the page's view or under another window: scrolled to, and that window
// dragged aside by its title bar first, as a pupil would.
async function uncover(page, form, control) {
  for (let tries = 0; tries < 4; ++tries) {
    const found = await ctl(page, form, control).evaluate((el) => {
      el.scrollIntoView({ block: "nearest", inline: "nearest" }); // (as a pupil scrolls to it)
      const r = el.getBoundingClientRect();
      const top = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
      const w = top && top.closest("[data-form]");
      if (!w || el.closest("[data-form]").contains(top)) return null;
      const c = w.getBoundingClientRect();
      // Beside the control, to its right if the page has room there, else to its left.
      const right = r.right + 8 - c.left, left = r.left - 8 - c.right;
      return { form: w.dataset.form, dx: c.right + right <= innerWidth ? right : left };
    });
    if (!found) return;
    const bar = await win(page, found.form).locator(".titlebar .caption").boundingBox();
    const [x, y] = [bar.x + 4, bar.y + bar.height / 2];
    await page.mouse.move(x, y);
    await page.mouse.down();
    await page.mouse.move(x + found.dx, y, { steps: 6 });
    await page.mouse.up();
  }
}

async function expectations(page, e, label) {
  if (e.said) {
    const sep = await page.evaluate(() => new Intl.NumberFormat(navigator.language).formatToParts(1.5)
      .find((p) => p.type === "decimal").value);
    // A window that opens is said by the system on the other editions and by the page itself
    // here ("ΣΧΗμάτιος: ΤΕΤΡΑΓΩΝΟ. …"): that is the window's name, not a result.
    const said = await page.evaluate(() => {
      const captions = [...document.querySelectorAll(".caption")].map((c) => c.textContent + ". ");
      return window.said.splice(0).filter((t) => !captions.some((c) => t.startsWith(c)));
    });
    assert.deepEqual(said, e.said.map((t) => t.replace(".", sep)), `${label}: said`);
  }
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

// Each scenario, and a second time zoomed where it says so.
const played = table.scenarios.flatMap((s) => s["zoomed too"] ? [s, { name: `${s.name}, zoomed`, steps: [...table.zoom, ...s.steps] }] : [s]);
for (const scenario of played)
  test(scenario.name, async () => {
    const page = await open(browser);
    await listen(page);
    let held = null; // the pointer holding a thumb down: where it is
    for (const [i, step] of scenario.steps.entries()) {
      const label = `${scenario.name}, step ${i + 1}`;
      if (step.hold) {
        // The thumb pressed and dragged a pixel at a time until the bar reads the value.
        const [form, bar, value] = step.hold;
        const thumb = await ctl(page, form, bar).locator('[data-part="thumb"]').boundingBox();
        held = { x: thumb.x + thumb.width / 2, y: thumb.y + thumb.height / 2 };
        await page.mouse.move(held.x, held.y);
        await page.mouse.down();
        const now = () => ctl(page, form, bar).evaluate((el) => Number(el.getAttribute("aria-valuenow")));
        for (let n = 0, v = await now(); v !== value && n < 2000; ++n, v = await now()) {
          held.y += v < value ? 1 : -1;
          await page.mouse.move(held.x, held.y);
        }
        assert.equal(await now(), value, `${label}: the thumb dragged to ${value}`);
      } else if (step.release) {
        await page.mouse.up();
        held = null;
      } else if (step.wait) {
        await page.waitForTimeout(step.wait);
      } else if (step.click) {
        await uncover(page, ...step.click);
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
