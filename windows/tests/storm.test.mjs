// The storm: a seeded random walk of real X input through the .exe under Wine, as the
// desktop's storm walks its windows: clicks anywhere, drags, arrows and troughs held, the
// wheel, keys with and without Ctrl (Ctrl + − 0 among them, Alt+F4 for a close box), over
// whatever windows are up. After every batch of input: at most one menu or figure window,
// one credits, one notice; the program alive and showing a window (or ended by its own End
// or a close, then started again); and every figure window's boxes what the core computes
// from its bars, both read from outside as a screen reader reads them (designs.exe watch).
//   SCHIMATIOS_STORM_EVENTS  how many events (20 000)
//   SCHIMATIOS_STORM_SEED    the walk to replay (a failure names its seed)
//   SCHIMATIOS_STORM_TRACE   a line per batch
// (The worksheet's keys and right clicks are left out: their dialogs wait for a person; they
// have tests of their own.)
import assert from "node:assert/strict";
import { test } from "node:test";
import { captionOf, program, rect, run, setUp, sleep, start, stop, visibleForms, waitWindow,
         xdo } from "./wine.mjs";

setUp();

const KEYS = ["Up", "Down", "Left", "Right", "Prior", "Next", "Home", "End", "Tab", "shift+Tab", "Return", "space",
              "Escape", "ctrl+Up", "ctrl+Down", "ctrl+Left", "ctrl+Right", "ctrl+Prior", "ctrl+Next", "ctrl+plus",
              "ctrl+minus", "ctrl+0", "alt+F4"];
const BATCH = 200;
const trace = (line) => process.env.SCHIMATIOS_STORM_TRACE && console.log("# " + line);

// One batch of input over the windows up, as one xdotool command line. On the menu, three
// events in four go to a figure's button, so that the walk spends its time in the figures.
const FIGURE_BUTTONS = ["Command1", "Command2", "Command3", "Command5", "Command6", "Command7", "Command8", "Command10"];
function batch(up, random, n) {
  const args = [];
  const inside = (r) => [r.x + 2 + random(Math.max(1, r.w - 4)), r.y + 2 + random(Math.max(1, r.h - 4))];
  for (let k = 0; k < n; ++k) {
    const w = up[random(up.length)];
    let [x, y] = inside(w);
    if (w.form === "Form1") {
      // (its End button ends the program, and a restart under Wine takes seconds: it comes
      // up a thirtieth as often as anything else)
      const end = rect(w, "Form1", "Command4");
      if (random(4)) [x, y] = inside(rect(w, "Form1", FIGURE_BUTTONS[random(FIGURE_BUTTONS.length)]));
      else if (x >= end.x && x < end.x + end.w && y >= end.y && y < end.y + end.h && random(30)) [x, y] = [x, w.y + 2];
    }
    [x, y] = [Math.min(1279, Math.max(0, x)), Math.min(1023, Math.max(0, y))]; // (on the screen)
    args.push("mousemove", x, y);
    const kind = random(20);
    if (kind < 6) args.push("click", "--delay", 0, 1);
    else if (kind < 8) args.push("click", "--delay", 0, random(2) ? 4 : 5); // the wheel
    else if (kind < 10) args.push("mousedown", 1, "mousemove", x, Math.max(0, y + random(240) - 120), "mouseup", 1);
    else if (kind < 11) args.push("mousedown", 1, "sleep", 0.1, "mouseup", 1); // an arrow or the trough held
    else {
      let k = KEYS[random(KEYS.length)];
      if (k === "alt+F4" && random(30)) k = "Tab"; // (a close box: as rare, for the same reason)
      args.push("key", "--delay", 0, k);
    }
    args.push("sleep", 0.004);
  }
  return args;
}

test("the storm: seeded random real input; the windows, and every box as the core computes it from its bars", async () => {
  const seed = Number(process.env.SCHIMATIOS_STORM_SEED ?? 20261210);
  const total = Number(process.env.SCHIMATIOS_STORM_EVENTS ?? 20000);
  let state = seed;
  const random = (n) => { state = (state * 1103515245 + 12345) % 2147483648; return Math.floor((state / 2147483648) * n); };
  const running = () => program.exitCode === null && program.signalCode === null;
  const restart = async () => {
    const t = Date.now();
    if (running()) stop();
    ++restarts;
    await start();
    trace(`restart: ${Date.now() - t} ms`);
  };
  let restarts = 0, checks = 0, unread = 0;
  const seen = {};
  await start();
  for (let done = 0; done < total;) {
    let label = `seed ${seed}, after ${done} events`;
    const up = [];
    for (const f of visibleForms()) {
      try { up.push({ form: f, ...(await waitWindow(captionOf(f))) }); } catch { /* gone meanwhile */ }
    }
    if (up.length === 0) {
      // Ended by its End button or a close: started again. Alive with no window is a fault.
      for (let i = 0; i < 50 && running() && visibleForms().length === 0; ++i) await sleep(100);
      if (visibleForms().length) continue;
      assert.ok(!running(), `${label}: alive, but no window`);
      await restart();
      continue;
    }
    const n = Math.min(BATCH, total - done);
    const t0 = Date.now();
    xdo(...batch(up, random, n));
    done += n;
    label = `seed ${seed}, after ${done} events`;
    const t1 = Date.now();
    // Once the program has caught up with the input, its windows as Windows has them (the X
    // server lags behind a program working through a flood), and every figure window's bars
    // and boxes, read from outside.
    const said = run("wine", [process.env.SCHIMATIOS_DESIGNS, "watch", "."]).trim();
    trace(`${label}: input ${t1 - t0} ms, quiet ${Date.now() - t1} ms: ${said.replace(/\r?\n/g, "; ")}`);
    if (said === "") // (its End pressed, or its last window closed: ending)
      for (let i = 0; i < 50 && running(); ++i) await sleep(100);
    if (!running()) continue; // (ended meanwhile: its windows were going one by one)
    assert.notEqual(said, "", `${label}: alive, but no window`);
    assert.notEqual(said, "busy", `${label}: the program never came to rest`);
    const lines = said.split(/\r?\n/).filter(Boolean).map((l) => l.split(" "));
    const windows = lines.map(([form]) => form);
    const dialogs = windows.filter((f) => ["Formd", "Formm"].includes(f));
    assert.ok(windows.length - dialogs.length <= 1 && new Set(dialogs).size === dialogs.length,
              `${label}: the windows up: ${windows.join(" ")}`);
    for (const [form, verdict, ...rest] of lines) {
      assert.ok(["up", "ok", "fresh", "unread"].includes(verdict), `${label}: ${[form, verdict, ...rest].join(" ")}`);
      unread += verdict === "unread";
      if (verdict !== "ok") continue;
      ++checks;
      seen[form] = (seen[form] ?? 0) + 1;
    }
  }
  console.log(`# storm, seed ${seed}: ${total} events, ${checks} figure windows checked box by box ` +
              `(${JSON.stringify(seen)}), ${unread} that did not answer, ${restarts} restarts after End or a close`);
  // A walk that never reached a figure, or never read one, proved nothing of the boxes.
  assert.ok(Object.keys(seen).length >= Math.min(4, Math.floor(total / 2500)), `figures checked: ${JSON.stringify(seen)}`);
  assert.ok(checks >= total / BATCH / 4, `${checks} checks in ${total} events`);
  // (a window may be read as it is taken down; a program that often does not answer is a fault)
  assert.ok(unread <= Math.max(2, checks / 5), `${unread} windows did not answer, ${checks} did`);
});
