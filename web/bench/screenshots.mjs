// Screenshots of every window at a phone's, a laptop's and a projector's size in each
// engine, each figure grown to its largest and then shrunk, so that a stale line would
// show:  node web/bench/screenshots.mjs [folder] [engine ...]
import fs from "node:fs";
import { FIGURES, ctl, open, openFigure, setBar } from "../tests/browser.mjs";
import { ENGINES, launchEngine, unsupported } from "../tests/driver/engines.mjs";

const [folder = "screenshots", ...chosen] = process.argv.slice(2);
fs.mkdirSync(folder, { recursive: true });
// Each figure large first, then as it is shown.
const grown = {
  Formline: [["hsbmhkos", 10000], ["hsbdief", 9000]], Formangle: [["hsbgonia", 124]], Formt: [["hsbpleyra", 10]],
  Formo: [["hsbpleyraa", 10], ["hsbpleyrab", 10]], Formk: [["hsbR", 10]],
  Formtri: [["hsbpleurab", 10], ["hsbgoniaa", 80], ["hsbgoniag", 80]],
  Formparal: [["hsbpleurac", 10], ["hsbpleurad", 10], ["hsbgonia1", 90]],
  Formtra: [["hsbpleuraa", 10], ["hsbpleurag", 9], ["hsbgoniaa", 79], ["hsbgoniab", 79]],
};
const shrunk = {
  Formline: [["hsbmhkos", 7097], ["hsbdief", 4645]], Formangle: [["hsbgonia", 41]], Formt: [["hsbpleyra", 6]],
  Formo: [["hsbpleyraa", 7], ["hsbpleyrab", 4]], Formk: [["hsbR", 6]],
  Formtri: [["hsbpleurab", 6], ["hsbgoniaa", 60], ["hsbgoniag", 60]],
  Formparal: [["hsbpleurac", 5], ["hsbpleurad", 3], ["hsbgonia1", 60]],
  Formtra: [["hsbpleurag", 5], ["hsbgoniaa", 60], ["hsbgoniab", 60]],
};
for (const engine of chosen.length ? chosen : ENGINES) {
  const browser = await launchEngine(engine);
  browser.engine = engine;
  for (const [width, height] of [[390, 844], [450, 844], [1366, 768], [1920, 1080]]) {
    if (unsupported(engine, { width })) continue;
    const page = await open(browser, { width, height });
    const shot = (name) => page.screenshot({ path: `${folder}/${engine}-${width}x${height}-${name}.png` });
    await shot("menu");
    await ctl(page, "Form1", "Command9").click();
    await shot("credits");
    await ctl(page, "Formd", "Command1(1)").click();
    for (const f of FIGURES) {
      await openFigure(page, f.button, f.form);
      for (const [bar, value] of [...grown[f.form], ...shrunk[f.form]]) await setBar(page, f.form, bar, value);
      await shot(f.row);
      if (f.form === "Formtra") {
        await setBar(page, "Formtra", "hsbpleurag", 9); // γ up: α = 10 still longer
        await setBar(page, "Formtra", "hsbpleuraa", 9); // α = γ: the notice
        await shot("notice");
        await ctl(page, "Formm", "Command1").click();
      }
      await ctl(page, f.form, f.back).click();
    }
    await page.close();
  }
  await browser.close();
}
