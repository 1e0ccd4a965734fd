// The worksheet's and the zoom's keys with the keyboard a Greek school's PC has: layouts gr
// and us, Greek active, the browser shown on an X server of its own. Each key is pressed as
// the keyboard sends it (xdotool): the C key types "ψ" there, and Ctrl with it still copies
// the figure, as Ctrl with S offers the save and with P prints; Ctrl + − 0 zoom.
import assert from "node:assert/strict";
import { execFileSync } from "node:child_process";
import { after, before, test } from "node:test";
import { engine, launch, open, openFigure, setBar } from "./browser.mjs";

let browser;
before(async () => { browser = await launch({ keyboard: "gr,us" }); });
after(async () => { await browser.close(); });

const xdotool = (...args) => execFileSync("xdotool", args.map(String), { env: { ...process.env, DISPLAY: browser.display },
                                                                         encoding: "utf8" });

// Keys pressed with the pointer on the browser's window, or another (no window manager:
// the keyboard follows the pointer).
async function press(keys, window = xdotool("search", "--onlyvisible", "--name", "ΣΧΗμάτιος").trim().split("\n").at(-1)) {
  const g = Object.fromEntries(xdotool("getwindowgeometry", "--shell", window).trim().split("\n").map((l) => l.split("=")));
  xdotool("mousemove", Number(g.X) + Math.round(g.WIDTH / 2), Number(g.Y) + Math.round(g.HEIGHT / 2));
  xdotool("key", "--clearmodifiers", keys);
  await new Promise((resolve) => setTimeout(resolve, 300));
}

test("Ctrl with the Greek keyboard's C, S and P keys; Ctrl + − 0", async () => {
  const page = await open(browser);
  await openFigure(page, "Command2", "Formt");
  await setBar(page, "Formt", "hsbpleyra", 3);
  // What the commands do, counted rather than done: the clipboard, the print dialog.
  await page.evaluate(() => {
    window.done = { copies: [], prints: 0, keys: [] };
    navigator.clipboard.write = async (items) => { window.done.copies.push(items.flatMap((i) => i.types)); };
    window.print = () => { window.done.prints += 1; };
    document.addEventListener("keydown", (e) => window.done.keys.push([e.key, e.code]), true);
  });
  const done = () => page.evaluate(() => window.done);

  await press("ctrl+Greek_psi");
  await page.waitForFunction(() => window.done.copies.length === 1);
  const { copies, keys } = await done();
  assert.deepEqual(keys.at(-1), ["ψ", "KeyC"], "the C key, typing ψ");
  // (The SVG beside them where the browser takes it.)
  assert.ok(copies[0].includes("image/png") && copies[0].includes("text/plain"), JSON.stringify(copies));

  await press("ctrl+Greek_sigma");
  await page.waitForFunction(() => document.getElementById("menu")?.querySelectorAll("[role=menuitem]").length === 2);
  assert.deepEqual((await done()).keys.at(-1), ["σ", "KeyS"]);
  await press("Escape");

  const shown = () => xdotool("search", "--onlyvisible", "--name", ".").trim().split("\n");
  const before = shown();
  await press("ctrl+Greek_pi");
  if (engine === "webkit") {
    // WebKitGTK's MiniBrowser keeps Ctrl+P for itself: its print dialog, for this page
    // (whose printed sheet the page makes ready as printing begins). Escape closes it.
    let dialog;
    for (let i = 0; i < 50 && !dialog; ++i, await page.waitForTimeout(100)) dialog = shown().find((id) => !before.includes(id));
    assert.ok(dialog, "a print dialog");
    await press("Escape", dialog);
    for (let i = 0; i < 50 && shown().includes(dialog); ++i) await page.waitForTimeout(100);
    assert.ok(!shown().includes(dialog), "the print dialog closed");
  } else {
    await page.waitForFunction(() => window.done.prints === 1);
  }

  // The zoom keys: a step up, back down, up again, back to the start. (WebKitGTK's
  // MiniBrowser keeps them for its own zoom, whatever the layout: tried in the others.)
  if (engine === "webkit") return page.close();
  const scale = () => page.evaluate(() => Number(document.getElementById("desk").dataset.scale));
  const start = await scale();
  for (const [keys, larger] of [["ctrl+plus", true], ["ctrl+minus", false], ["ctrl+equal", true], ["ctrl+0", false]]) {
    await press(keys);
    assert.equal((await scale()) > start, larger, `${keys}: ${await scale()} against ${start}`);
    if (!larger) assert.equal(await scale(), start, keys);
  }
  await page.close();
});
