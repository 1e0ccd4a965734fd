// The Windows edition under Wine on a private X server, as its suites work it: the program
// started and stopped, its windows found by caption (with no window manager an X window is
// exactly the form's client area), its controls found from the designs, real X input, and a
// box read as a user copies it. SCHIMATIOS_LOCALE=el_GR.UTF-8 runs it as a Greek school's PC
// does: Wine's user locale Greek, with its decimal comma, and the keyboard's Greek layout.
import { execFileSync, spawn } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { after, before } from "node:test";

export const exe = process.env.SCHIMATIOS_EXE;
export const greek = process.env.SCHIMATIOS_LOCALE === "el_GR.UTF-8";
const locale = greek ? "el_GR.UTF-8" : "C.UTF-8";
// The letter keys as this keyboard sends them: on the Greek layout the C key types "ψ".
export const K = greek ? { a: "Greek_alpha", c: "Greek_psi", s: "Greek_sigma", p: "Greek_pi" } : { a: "a", c: "c", s: "s", p: "p" };
export const home = fs.mkdtempSync(path.join(os.tmpdir(), "schimatios-wine-"));
export const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
export let env, program;
let xvfb;
export const designs = {}; // each form's controls
export const forms = {}; // each form's caption, tab order and width

export function run(command, args, options = {}) {
  return execFileSync(command, args, { env, encoding: "utf8", ...options });
}

// The X server, Wine's prefix and the designs, for every test of a suite.
export function setUp() {
  before(async () => {
    xvfb = spawn("Xvfb", ["-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                 { stdio: ["ignore", "ignore", "ignore", "pipe"], detached: true });
    const display = await new Promise((resolve) => xvfb.stdio[3].once("data", (d) => resolve(":" + String(d).trim())));
    if (greek) execFileSync("localedef", ["-i", "el_GR", "-f", "UTF-8", path.join(home, locale)]);
    env = { ...process.env, DISPLAY: display, WINEPREFIX: path.join(home, "wine"), WINEDEBUG: "-all",
            WINEDLLOVERRIDES: "mscoree,mshtml=", LOCPATH: home, LANG: locale, LC_ALL: locale };
    if (greek) run("setxkbmap", ["-layout", "gr,us"]);
    run("wineboot", ["-i"], { stdio: "ignore" });
    for (const line of run("wine", [process.env.SCHIMATIOS_DESIGNS]).split(/\r?\n/)) {
      const [form, control, kind, ...n] = line.split("\t");
      if (!control) {
        if (form) forms[form] = { caption: kind, tabOrder: (n[0] ?? "").split(" "), width: Number(n[1]) };
        continue;
      }
      const [left, top, width, height, min, max, value] = n.map(Number);
      (designs[form] ??= {})[control] = { kind, left, top, width, height, min, max, value };
    }
  });
  after(() => {
    stop();
    process.kill(-xvfb.pid);
    fs.rmSync(home, { recursive: true, force: true });
  });
}

// The program started (with its command line), on the folder a file is saved in; the first
// window it shows.
export function start(...args) {
  program = spawn("wine", [exe, ...args], { env, stdio: "ignore", cwd: home });
  return args.length ? null : waitWindow("ΕΥΚΛΕΙΔΕΙΑ");
}
// The menu alone on the screen, as a test begins: where an earlier test failed and left
// other windows up, the program started afresh.
export async function fromMenu() {
  const up = visibleForms();
  if (up.length === 1 && up[0] === "Form1" && program?.exitCode === null) return waitWindow("ΕΥΚΛΕΙΔΕΙΑ");
  stop();
  return start();
}
// The program and Wine's server stopped.
export function stop() {
  if (program) program.kill();
  try { run("wineserver", ["-k"]); } catch { /* gone */ }
}

// The X window of a form, by its caption, and where it is.
export async function waitWindow(caption, present = true, as = () => true) {
  let lastSeen = null;
  for (let i = 0; i < 100; ++i) {
    let ids = [];
    try { ids = run("xdotool", ["search", "--onlyvisible", "--name", caption]).trim().split("\n").filter(Boolean); } catch { /* none */ }
    if (present && ids.length) {
      const g = Object.fromEntries(run("xdotool", ["getwindowgeometry", "--shell", ids[0]]).trim().split("\n")
        .map((l) => l.split("=")).map(([k, v]) => [k, Number(v)]));
      const win = { id: ids[0], x: g.X, y: g.Y, w: g.WIDTH, h: g.HEIGHT };
      if (as(win)) return win;
      lastSeen = win;
    }
    if (!present && !ids.length) return null;
    await sleep(100);
  }
  throw new Error(`${caption} ${present ? "never came" : "never went"}${lastSeen ? " as wanted: " + JSON.stringify(lastSeen) : ""}`);
}
// A form's caption as a pattern for xdotool.
export const captionOf = (form) => "^" + forms[form].caption.replace(/[.*+?^${}()|[\]\\]/g, "\\$&") + "$";
// How many windows of a form are up, and which forms are.
export function countOf(form) {
  try { return run("xdotool", ["search", "--onlyvisible", "--name", captionOf(form)]).trim().split("\n").filter(Boolean).length; } catch { return 0; }
}
export const visibleForms = () => Object.keys(forms).filter((f) => countOf(f) > 0).sort();

// A control's rectangle on the screen: its design's twips, 15 a pixel at 96 DPI, times the
// window's zoom (its client area's width over its design's).
export function rect(win, form, control) {
  const c = designs[form][control];
  const zoom = forms[form]?.width ? win.w / Math.round(forms[form].width / 15) : 1;
  const px = (t) => Math.round((t * zoom) / 15);
  return { x: win.x + px(c.left), y: win.y + px(c.top), w: px(c.width), h: px(c.height), ...c };
}

export const xdo = (...args) => run("xdotool", args.map(String));
export async function click(x, y, button = 1) {
  xdo("mousemove", Math.round(x), Math.round(y));
  xdo("click", button);
  await sleep(120);
}
export async function key(...keys) {
  for (const k of keys) {
    xdo("key", k);
    await sleep(40);
  }
  await sleep(120);
}

// A box's text, as a user copies it (copied again if nothing came: on a busy machine Wine
// may take the X selection seconds after the copy).
export async function box(win, form, name) {
  const r = rect(win, form, name);
  const mark = "\u2205"; // (on the clipboard first, to tell the copy from what was there)
  for (let attempt = 0; attempt < 3; ++attempt) {
    await click(r.x + r.w - 4, r.y + r.h / 2);
    execFileSync("xclip", ["-selection", "clipboard", "-i"], { env, input: mark, stdio: ["pipe", "ignore", "ignore"] });
    await key(`ctrl+${K.a}`, `ctrl+${K.c}`);
    for (let i = 0; i < 60; ++i) {
      let text = mark;
      try { text = run("xclip", ["-o", "-selection", "clipboard", "-t", "UTF8_STRING"], { stdio: ["ignore", "pipe", "ignore"] }); } catch { /* between owners */ }
      if (text !== mark) return text;
      await sleep(50);
    }
  }
  throw new Error(`${form}.${name}: nothing copied`);
}
export const boxes = async (win, form, names) => { const out = []; for (const n of names) out.push(await box(win, form, n)); return out; };
