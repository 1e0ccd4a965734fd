// Screenshots of every window at a phone's, a laptop's and a projector's size, each figure
// with something drawn:  node web/bench/screenshots.mjs [folder]
import fs from "node:fs";
import { FIGURES, ctl, launch, open, openFigure, setBar } from "../tests/browser.mjs";

const folder = process.argv[2] || "screenshots";
fs.mkdirSync(folder, { recursive: true });
const drawn = {
  Formline: [["hsbmhkos", 7097], ["hsbdief", 4645]], Formangle: [["hsbgonia", 41]], Formt: [["hsbpleyra", 6]],
  Formo: [["hsbpleyraa", 7], ["hsbpleyrab", 4]], Formk: [["hsbR", 6]],
  Formtri: [["hsbpleurab", 6], ["hsbgoniaa", 60], ["hsbgoniag", 60]],
  Formparal: [["hsbpleurac", 5], ["hsbpleurad", 3], ["hsbgonia1", 60]],
  Formtra: [["hsbpleuraa", 10], ["hsbpleurag", 5], ["hsbgoniaa", 60], ["hsbgoniab", 60]],
};
const browser = await launch();
for (const [width, height] of [[390, 844], [1366, 768], [1920, 1080]]) {
  const page = await open(browser, { width, height });
  const shot = (name) => page.screenshot({ path: `${folder}/${width}x${height}-${name}.png` });
  await shot("menu");
  await ctl(page, "Form1", "Command9").click();
  await shot("credits");
  await ctl(page, "Formd", "Command1(1)").click();
  for (const f of FIGURES) {
    await openFigure(page, f.button, f.form);
    for (const [bar, value] of drawn[f.form]) await setBar(page, f.form, bar, value);
    await shot(f.row);
    if (f.form === "Formtra") {
      await setBar(page, "Formtra", "hsbpleurag", 9); // γ up: α = 10 still longer
      await setBar(page, "Formtra", "hsbpleuraa", 9); // α = γ: the notice
      await shot("notice");
      await ctl(page, "Formm", "Command1").click();
    }
    await ctl(page, f.form, f.back).click();
  }
  await page.context().close();
}
await browser.close();
