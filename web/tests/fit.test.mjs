// The window being worked fills the viewport as far as it fits, on a phone, a laptop and a
// projector; every control sits at its design rectangle times the scale, no caption is
// cut, and Ctrl +, Ctrl − and Ctrl 0 zoom.
import assert from "node:assert/strict";
import { after, before, test } from "node:test";
import { FIGURES, ctl, launch, open, openFigure, setBar, unsupported, win } from "./browser.mjs";

let browser;
before(async () => { browser = await launch(); });
after(async () => { await browser.close(); });

// Everything about one window's layout that can go wrong, measured in the page.
function measure(form) {
  const w = document.querySelector(`[data-form="${form}"]`);
  const scale = Number(document.getElementById("desk").dataset.scale);
  const client = w.querySelector(".client").getBoundingClientRect();
  const rect = w.getBoundingClientRect();
  const controls = [...w.querySelectorAll("[data-control]")];
  const misplaced = [], clipped = [];
  for (const el of controls) {
    const r = el.getBoundingClientRect(), d = el.dataset;
    const want = [d.left * scale, d.top * scale, d.width * scale, d.height * scale];
    const got = [r.left - client.left, r.top - client.top, r.width, r.height];
    if (got.some((v, i) => Math.abs(v - want[i]) > 0.6)) misplaced.push([d.control, got, want]);
  }
  for (const label of controls.filter((el) => el.classList.contains("label"))) {
    const range = document.createRange();
    range.selectNodeContents(label);
    const text = range.getBoundingClientRect();
    const box = label.getBoundingClientRect();
    // The part of the label no other control covers, to the right of where its text starts.
    let right = box.right;
    for (const other of controls) {
      if (other.classList.contains("label")) continue;
      const o = other.getBoundingClientRect();
      if (o.left > text.left && o.top < text.bottom - 1 && o.bottom > text.top + 1) right = Math.min(right, o.left);
    }
    if (text.right > right + 1 || text.bottom > box.bottom + 1) clipped.push([label.dataset.control, label.textContent]);
  }
  const caption = w.querySelector(".caption");
  if (caption.scrollWidth > caption.clientWidth) clipped.push(["caption", caption.textContent]);
  return { scale, client: [client.width, client.height], rect: [rect.left, rect.top, rect.right, rect.bottom],
           viewport: [innerWidth, innerHeight], misplaced, clipped };
}

const sizes = { Form1: [392, 281], Formd: [185, 105], Formm: [121, 74] };

for (const [width, height] of [[390, 844], [1366, 768], [1920, 1080]]) {
  test(`every window at ${width}×${height}`, { skip: unsupported({ width }) }, async () => {
    const page = await open(browser, { width, height });
    const checkWindow = async (form, [w, h], fitted) => {
      const m = await page.evaluate(measure, form);
      assert.deepEqual(m.misplaced, [], form);
      assert.deepEqual(m.clipped, [], form);
      assert.ok(Math.abs(m.client[0] - w * m.scale) < 0.6 && Math.abs(m.client[1] - h * m.scale) < 0.6, form);
      assert.ok(m.rect[0] >= 0 && m.rect[1] >= 0 && m.rect[2] <= width && m.rect[3] <= height, `${form} inside`);
      if (fitted) {
        // The largest that fits: it touches the margin on one side or the other.
        const spare = Math.min(width - (m.rect[2] - m.rect[0]), height - (m.rect[3] - m.rect[1]));
        assert.ok(spare <= 17, `${form} leaves ${spare} px`);
      }
      return m;
    };
    await checkWindow("Form1", sizes.Form1, true);
    await ctl(page, "Form1", "Command9").click();
    await checkWindow("Formd", sizes.Formd, false);
    await ctl(page, "Formd", "Command1(1)").click();
    for (const f of FIGURES) {
      await openFigure(page, f.button, f.form);
      await checkWindow(f.form, [402, 306], true);
      if (f.form === "Formtra") {
        await setBar(page, "Formtra", "hsbpleurag", 1);
        await checkWindow("Formm", sizes.Formm, false);
        await ctl(page, "Formm", "Command1").click();
      }
      await ctl(page, f.form, f.back).click();
    }
    await page.screenshot({ path: `${process.env.SCREENSHOTS || "/tmp"}/menu-${width}x${height}.png` });
    await page.close();
  });
}

test("Ctrl +, Ctrl − and Ctrl 0 zoom the page's windows", async () => {
  const page = await open(browser, { width: 1366, height: 768 });
  const scale = () => page.evaluate(() => Number(document.getElementById("desk").dataset.scale));
  const fitted = await scale();
  await page.keyboard.press("Control+Minus");
  assert.ok(Math.abs((await scale()) - fitted * 0.9) < 1e-9);
  await page.keyboard.press("Control+Minus");
  assert.ok(Math.abs((await scale()) - fitted * 0.8) < 1e-9);
  await page.keyboard.press("Control+Equal");
  await page.keyboard.press("Control+Equal");
  await page.keyboard.press("Control+Equal");
  assert.ok(Math.abs((await scale()) - fitted * 1.1) < 1e-9);
  await openFigure(page, "Command2", "Formt");
  // The figure is fitted in its turn (to the height here: 306 + 22 title pixels), zoomed the same.
  assert.ok(Math.abs((await scale()) - ((768 - 16) / 328) * 1.1) < 1e-9, "the figure opens at the same zoom");
  await page.keyboard.press("Control+0");
  const m = await page.evaluate(measure, "Formt");
  assert.ok(m.rect[3] <= 768 && m.rect[2] <= 1366);
  await page.close();
});
