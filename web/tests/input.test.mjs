// The page's own controls take input as the desktop's do: Scroll for every value of a
// thumb drag (mouse or finger), Change for an arrow, a trough click, a key and the wheel,
// nothing more at the end of a drag; an arrow held repeats; buttons take Space and Enter.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { boxes, ctl, dragThumb, engine, launch, loadedForms, open, openFigure, recordEvents, win } from "./browser.mjs";

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

const value = (page, form, bar) => ctl(page, form, bar).getAttribute("aria-valuenow").then(Number);

test("a thumb drag is Scroll for every value and nothing at its end", async () => {
  const page = await open(browser);
  await openFigure(page, "Command2", "Formt");
  const taken = await recordEvents(page);
  await dragThumb(page, "Formt", "hsbpleyra", 10, 40);
  const events = await taken();
  assert.equal(await value(page, "Formt", "hsbpleyra"), 10);
  assert.deepEqual(events.map((e) => e.event), Array(9).fill("Scroll"));
  assert.ok(events.every((e) => e.form === "Formt" && e.control === "hsbpleyra"));
  assert.deepEqual((await boxes(page, "Formt")).per, " 40");
  await page.close();
});

test("arrows, trough, keys and the wheel are Change, one a step", async () => {
  const page = await open(browser);
  await openFigure(page, "Command1", "Formk");
  const bar = ctl(page, "Formk", "hsbR");
  const taken = await recordEvents(page);
  const box = await bar.boundingBox();
  const down = await bar.locator('[data-part="down"]').boundingBox();
  await page.mouse.click(down.x + down.width / 2, down.y + down.height / 2); // 1 → 2
  await page.mouse.click(box.x + box.width / 2, down.y - 4);                  // trough: 2 → 3
  await page.keyboard.press("ArrowDown");                                       // 4
  await page.keyboard.press("PageDown");                                        // 5
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
  await page.mouse.wheel(0, 100);                                               // 6
  await page.keyboard.press("Home");                                            // 1
  await page.keyboard.press("ArrowUp");                                         // at the top: nothing
  await page.keyboard.press("End");                                             // 10
  const events = await taken();
  assert.deepEqual(events.map((e) => e.event), Array(7).fill("Change"));
  assert.equal(await value(page, "Formk", "hsbR"), 10);
  assert.equal((await boxes(page, "Formk")).txtR, " 10");
  await page.close();
});

test("an arrow held down repeats, and stops when let go", async () => {
  const page = await open(browser);
  await openFigure(page, "Command8", "Formangle");
  const down = await ctl(page, "Formangle", "hsbgonia").locator('[data-part="down"]').boundingBox();
  await page.mouse.move(down.x + down.width / 2, down.y + down.height / 2);
  await page.mouse.down();
  await page.waitForTimeout(1000);
  await page.mouse.up();
  const held = await value(page, "Formangle", "hsbgonia");
  assert.ok(held > 5, `only ${held} after a second`);
  await page.waitForTimeout(300);
  assert.equal(await value(page, "Formangle", "hsbgonia"), held);
  assert.equal((await boxes(page, "Formangle")).txtgonia, ` ${held}°`);
  await page.close();
});

test("a finger drags the thumb", { skip: engine === "webkit" && "WebKitWebDriver delivers a finger's actions as a mouse's" }, async () => {
  const page = await open(browser);
  await openFigure(page, "Command2", "Formt");
  const taken = await recordEvents(page);
  const thumb = await ctl(page, "Formt", "hsbpleyra").locator('[data-part="thumb"]').boundingBox();
  const track = await ctl(page, "Formt", "hsbpleyra").locator('[data-part="track"]').boundingBox();
  const x = thumb.x + thumb.width / 2;
  const points = [];
  for (let y = thumb.y + thumb.height / 2; y < track.y + track.height / 2; y += 6) points.push([x, y]);
  await page.evaluate(() => {
    window.pointerTypes = new Set();
    document.addEventListener("pointerdown", (e) => window.pointerTypes.add(e.pointerType), true);
  });
  await page.touchscreen.drag(points);
  assert.deepEqual(await page.evaluate(() => [...window.pointerTypes]), ["touch"]);
  const reached = await value(page, "Formt", "hsbpleyra");
  assert.ok(reached >= 5 && reached <= 7, `at ${reached}`);
  const events = await taken();
  assert.equal(events.length, reached - 1);
  assert.ok(events.every((e) => e.event === "Scroll"));
  assert.equal((await boxes(page, "Formt")).txtpleyra, " " + reached);
  await page.close();
});

test("Space and Enter press the focused picture button", async () => {
  const page = await open(browser);
  await ctl(page, "Form1", "Command2").focus();
  await page.keyboard.press("Space");
  await win(page, "Formt").waitFor();
  await ctl(page, "Formt", "Command2").focus();
  await page.keyboard.press("Enter");
  await win(page, "Form1").waitFor();
  assert.deepEqual(await loadedForms(page), ["Form1"]);
  await page.close();
});
