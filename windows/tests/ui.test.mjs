// The Windows edition worked as a pupil works it, under Wine on a private X server: every
// window opened from the menu, bars moved by thumb drags, arrows, trough clicks and keys,
// the boxes read back as a user copies them (Ctrl+A, Ctrl+C) and compared with the texts
// every edition's suites expect, the drawing looked at, back, the credits, the notice, the
// end button and the close of a window; the worksheet's keys and the picture they copy and
// save. Run twice: in C.UTF-8, and as a Greek school's PC runs (SCHIMATIOS_LOCALE): Wine's
// user locale Greek, with its decimal comma, and the keyboard's Greek layout active.
import assert from "node:assert/strict";
import { execFileSync, spawnSync } from "node:child_process";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { test } from "node:test";
import { CIRCLE, PARALLELOGRAM, RECTANGLE, SQUARE_EMB, SQUARE_PER, TRAPEZIUM, TRIANGLE_RIGHT, segmentIn } from "../../tests/expected.mjs";
import { K, box, boxes, captionOf, click, designs, env, fromMenu, greek, home, key, program, rect, run, setUp, sleep,
         start, stop, visibleForms, waitWindow, xdo } from "./wine.mjs";

setUp();

// A bar set with its keys, from where it stands, as a pupil steps it (a jump through
// Home could pass through a figure that cannot be drawn): an arrow clicked for the
// focus and taken back, then Ctrl steps of a tenth on a long bar and single steps.
const bars = {};
async function setBar(win, form, bar, value) {
  const r = rect(win, form, bar);
  let now = bars[bar] ?? r.value;
  if (now > r.min) {
    await click(r.x + r.w / 2, r.y + 4);
    await key("Down");
  } else {
    await click(r.x + r.w / 2, r.y + r.h - 4);
    await key("Up");
  }
  const tenth = Math.max(1, Math.round((r.max - r.min) / 10));
  if (r.max - r.min > 100)
    for (; Math.abs(value - now) >= tenth; now += Math.sign(value - now) * tenth)
      await key(value > now ? "ctrl+Down" : "ctrl+Up");
  for (; now !== value; now += Math.sign(value - now)) xdo("key", value > now ? "Down" : "Up");
  bars[bar] = value;
  await sleep(150);
}

async function openFigure(menu, button, caption) {
  for (const name of Object.keys(bars)) delete bars[name];
  const r = rect(menu, "Form1", button);
  await click(r.x + r.w / 2, r.y + r.h / 2);
  return waitWindow(caption);
}
async function back(win, form, button) {
  const r = rect(win, form, button);
  await click(r.x + r.w / 2, r.y + r.h / 2);
  return waitWindow("ΕΥΚΛΕΙΔΕΙΑ");
}

// The pixels of a rectangle of the window (twips), as ImageMagick lists them.
function pixels(win, x0, y0, x1, y1) {
  const file = path.join(home, "shot.png");
  run("import", ["-window", "root", file]);
  const px = (t) => Math.round(t / 15);
  return run("convert", [file, "-crop", `${px(x1 - x0)}x${Math.max(1, px(y1 - y0))}+${win.x + px(x0)}+${win.y + px(y0)}`,
                         "-depth", "8", "txt:-"]).split("\n").filter((l) => l.includes("#"));
}
// The window as a picture, a control's rectangle blacked out; how many pixels two differ in.
let shots = 0;
function windowShot(win, hide) {
  const file = path.join(home, `window${++shots}.png`);
  run("import", ["-window", "root", file]);
  run("convert", [file, "-crop", `${win.w}x${win.h}+${win.x}+${win.y}`, "+repage", "-fill", "black",
                  "-draw", `rectangle ${hide.x - win.x},${hide.y - win.y} ${hide.x - win.x + hide.w},${hide.y - win.y + hide.h}`, file]);
  return file;
}
// How many pixels of the window lie in black squares of 5 × 5 pixels: a place nothing
// painted (the boxes' black digits are thinner than that).
function blackIn(win) {
  const file = path.join(home, "shot.png");
  run("import", ["-window", "root", file]);
  return Math.round(Number(run("convert", [file, "-crop", `${win.w}x${win.h}+${win.x}+${win.y}`, "+repage", "-fill", "white",
                                           "+opaque", "black", "-negate", "-morphology", "Erode", "Square:2",
                                           "-format", "%[fx:mean*w*h]", "info:"])));
}
function differing(a, b) {
  const r = spawnSync("compare", ["-metric", "AE", a, b, "null:"], { env, encoding: "utf8" });
  return Number(r.stderr.trim().split(" ")[0]);
}
// How many pure white pixels a row of the window has between two x, at y.
const whiteAlong = (win, y, x0, x1) => pixels(win, x0, y, x1, y + 15).filter((l) => l.includes("#FFFFFF")).length;
// How many pixels of a rectangle are not the windows' blue: the ink of a label's letters.
const inkIn = (win, x0, y0, x1, y1) => pixels(win, x0, y0, x1, y1).filter((l) => !l.includes("#0000FF")).length;

test("the square: keys, the drawing, back; its table to the last digit", async () => {
  let menu = await start();
  const sq = await openFigure(menu, "Command2", "ΤΕΤΡΑΓΩΝΟ");
  for (const s of [2, 5, 10, 7]) {
    await setBar(sq, "Formt", "hsbpleyra", s);
    assert.deepEqual(await boxes(sq, "Formt", ["txtpleyra", "per", "emb"]), [" " + s, SQUARE_PER[s - 1], SQUARE_EMB[s - 1]]);
  }
  // The side of 7 drawn: its bottom from (1200, 3500) to (3300, 3500), white all along.
  assert.ok(whiteAlong(sq, 3500, 1300, 3200) >= 125, "the bottom side drawn");
  await setBar(sq, "Formt", "hsbpleyra", 3); // shrunk: nothing left of the larger square
  assert.equal(whiteAlong(sq, 1400, 1300, 3200), 0, "the old top gone");
  // Ctrl + grows the window and every control in it, all painted anew; Ctrl 0 brings it
  // back exactly as it was (but for the focused bar's blinking thumb), a pixel to the side
  // at most as it grew and shrank about its middle.
  xdo("mousemove", sq.x + sq.w / 2, sq.y + 10); // (the keys go where the pointer is)
  const before = windowShot(sq, rect(sq, "Formt", "hsbpleyra"));
  await key("ctrl+plus");
  const big = await waitWindow("ΤΕΤΡΑΓΩΝΟ", true, (w) => w.w !== sq.w);
  assert.equal(big.w, Math.round(sq.w * 1.25));
  assert.equal(blackIn(big), 0, "nothing left unpainted");
  await key("ctrl+0");
  const again = await waitWindow("ΤΕΤΡΑΓΩΝΟ", true, (w) => w.w === sq.w);
  assert.equal(differing(before, windowShot(again, rect(again, "Formt", "hsbpleyra"))), 0, "the same window after Ctrl 0");
  menu = await back(sq, "Formt", "Command2");
  assert.equal(await waitWindow("ΤΕΤΡΑΓΩΝΟ", false), null);
});

test("the circle: a thumb drag, the arrows and the trough", async () => {
  const menu = await fromMenu();
  const k = await openFigure(menu, "Command1", "ΚΥΚΛΟΣ");
  const bar = rect(k, "Formk", "hsbR");
  // The thumb, at 1 under the up arrow, dragged to the bottom: Scroll all the way to 10.
  const x = bar.x + bar.w / 2;
  xdo("mousemove", x, bar.y + bar.w * 1.5);
  xdo("mousedown", 1);
  for (let y = bar.y + bar.w * 1.5; y <= bar.y + bar.h; y += 4) xdo("mousemove", x, Math.round(y));
  xdo("mouseup", 1);
  await sleep(200);
  assert.deepEqual(await boxes(k, "Formk", ["txtR", "per", "emb"]), [" 10", ...CIRCLE[9]]);
  // The up arrow: 9; the trough above the thumb: 8.
  await click(x, bar.y + 4);
  assert.deepEqual(await boxes(k, "Formk", ["txtR", "emb"]), [" 9", CIRCLE[8][1]]);
  await click(x, bar.y + bar.w * 2);
  assert.deepEqual(await boxes(k, "Formk", ["txtR", "per"]), [" 8", CIRCLE[7][0]]);
  await back(k, "Formk", "Command2");
});

test("the trapezium's table, and its notice closed by Escape", async () => {
  const menu = await fromMenu();
  const t = await openFigure(menu, "Command6", "ΤΡΑΠΕΖΙΟ");
  for (const [A, B, a, g, ...texts] of TRAPEZIUM.slice(0, 3)) {
    await setBar(t, "Formtra", "hsbpleuraa", a);
    await setBar(t, "Formtra", "hsbpleurag", g);
    await setBar(t, "Formtra", "hsbgoniaa", A);
    await setBar(t, "Formtra", "hsbgoniab", B);
    assert.deepEqual(await boxes(t, "Formtra", ["txtpleurab", "txtpleurad", "txtyphsos", "txtgoniad", "per", "emb"]), texts);
  }
  // γ up to α: refused, the notice; Escape closes it, the figure stays as it was.
  await setBar(t, "Formtra", "hsbpleuraa", 3);
  await setBar(t, "Formtra", "hsbpleurag", 3);
  const notice = await waitWindow("^ΣΧΗμάτιος$");
  assert.ok(notice.w > 0);
  await key("Escape");
  assert.equal(await waitWindow("^ΣΧΗμάτιος$", false), null);
  // Back on the bar it left: Up takes γ to 2, and the trapezium is drawn again.
  await key("Up");
  bars.hsbpleurag = 2;
  assert.notEqual(await box(t, "Formtra", "txtyphsos"), TRAPEZIUM[2][6]);
  await back(t, "Formtra", "Command1");
});

test("the rectangle, the angle, the oblique parallelogram and the right triangle", async () => {
  let menu = await fromMenu();
  const o = await openFigure(menu, "Command3", "ΟΡΘΟΓΩΝΙΟ");
  for (const [a, b, emb, per] of RECTANGLE) {
    await setBar(o, "Formo", "hsbpleyraa", a);
    await setBar(o, "Formo", "hsbpleyrab", b);
    assert.deepEqual(await boxes(o, "Formo", ["emb", "per"]), [emb, per]);
  }
  menu = await back(o, "Formo", "Command2");
  const angle = await openFigure(menu, "Command8", "ΓΩΝΙΑ");
  await setBar(angle, "Formangle", "hsbgonia", 41);
  assert.deepEqual(await boxes(angle, "Formangle", ["txtgonia"]), [" 41°"]);
  menu = await back(angle, "Formangle", "Command1");
  const p = await openFigure(menu, "Command10", "ΠΛΑΓΙΟ ΠΑΡΑΛΛΗΛΟΓΡΑΜΜΟ");
  for (const [a, b, phi, ...texts] of [PARALLELOGRAM[1], PARALLELOGRAM[3], PARALLELOGRAM[5]]) {
    await setBar(p, "Formparal", "hsbpleurac", a);
    await setBar(p, "Formparal", "hsbpleurad", b);
    await setBar(p, "Formparal", "hsbgonia1", phi);
    assert.deepEqual(await boxes(p, "Formparal", ["txth", "emb", "txtper", "txtgon"]), texts);
  }
  menu = await back(p, "Formparal", "Command2");
  const t = await openFigure(menu, "Command5", "ΤΡΙΓΩΝΟ");
  const [A, G, b, ...texts] = TRIANGLE_RIGHT;
  await setBar(t, "Formtri", "hsbgoniaa", A);
  await setBar(t, "Formtri", "hsbgoniag", G);
  await setBar(t, "Formtri", "hsbpleurab", b);
  assert.deepEqual(await boxes(t, "Formtri", ["txtk", "txtpleurag", "txtpleuraa", "per", "emb", "txtgoniab"]), texts);
  await back(t, "Formtri", "Command1");
});

test("the segment in the system's language: long bars, Ctrl steps a tenth", async () => {
  const menu = await fromMenu();
  const s = await openFigure(menu, "Command7", "ΕΥΘΥΓΡΑΜΜΟ");
  for (const [length, direction, ...texts] of segmentIn(greek ? "," : ".").slice(0, 3)) {
    await setBar(s, "Formline", "hsbmhkos", length);
    await setBar(s, "Formline", "hsbdief", direction);
    assert.deepEqual(await boxes(s, "Formline", ["txtmhkos", "txtdief", "txtdief3", "txtdief4"]), texts);
  }
  // "φ:" above the direction bar, inside the wide box of the label "ΜΗΚΟΣ:" made before it.
  assert.ok(inkIn(s, 600, 0, 840, 240) > 10, "φ: shown");
  await back(s, "Formline", "Command1");
});

// What the clipboard holds of a type, as bytes, asked as a program pasting asks: first
// which types it holds, then for one of them. (Wine gives out a registered format such as
// image/svg+xml only to a program that asked for the types first.)
async function clipboardOf(type) {
  const xclip = (target) => execFileSync("xclip", ["-o", "-selection", "clipboard", "-t", target], { env, stdio: ["ignore", "pipe", "ignore"] });
  for (let i = 0; i < 50; ++i) {
    try {
      if (String(xclip("TARGETS")).split("\n").includes(type)) return xclip(type);
    } catch { /* between owners */ }
    await sleep(100);
  }
  throw new Error(`no ${type} on the clipboard`);
}
// A picture for paper as any program reads it: the SVG as XML with its size in points, the
// PNG decoded at that size at 300 dpi. Its size in inches.
function paperPicture(svg, png) {
  const files = [["picture.svg", svg], ["picture.png", png]].filter(([, bytes]) => bytes)
    .map(([name, bytes]) => { fs.writeFileSync(path.join(home, name), bytes); return path.join(home, name); });
  const r = spawnSync("python3", [path.join(path.dirname(new URL(import.meta.url).pathname), "../../tests/paper-picture.py"), ...files],
                      { encoding: "utf8" });
  assert.equal(r.status, 0, r.stdout + r.stderr);
  return r.stdout.trim().split(" ").map(Number);
}
// Keys pressed on a window, the pointer on it (the keyboard follows the pointer).
async function keysOn(win, ...keys) {
  xdo("mousemove", win.x + Math.round(win.w / 2), win.y + 4);
  await key(...keys);
}

test("the worksheet's keys: Ctrl+C copies a picture any program reads, Ctrl+S saves it, Ctrl+P prints", async () => {
  const menu = await fromMenu();
  const sq = await openFigure(menu, "Command2", "ΤΕΤΡΑΓΩΝΟ");
  await setBar(sq, "Formt", "hsbpleyra", 3);
  // Something else on the clipboard first: text, from another program.
  execFileSync("xclip", ["-selection", "clipboard", "-i"], { env, input: "\u2205", stdio: ["pipe", "ignore", "ignore"] });
  await keysOn(sq, `ctrl+${K.c}`);
  const svg = await clipboardOf("image/svg+xml");
  // The side of 3 is 900 twips, 0.625 in; the picture that, its letters and its margins:
  // 1572.58 × 1730 twips.
  const [w, h] = paperPicture(svg, await clipboardOf("image/png"));
  assert.ok(Math.abs(w - 1572.58 / 1440) < 0.001 && Math.abs(h - 1730 / 1440) < 0.001, `${w} × ${h} in`);
  assert.equal(String(await clipboardOf("UTF8_STRING")).replace(/\r/g, "").split("\n")[0], "ΠΛΕΥΡΑ α:\t3");
  // Ctrl+S: the save dialog, in the folder the program was started in; a name typed, saved
  // as SVG.
  await keysOn(sq, `ctrl+${K.s}`);
  const dialog = await waitWindow("Αποθήκευση εικόνας");
  await keysOn(dialog, `ctrl+${K.a}`, "BackSpace");
  xdo("type", "--delay", 40, "saved");
  await key("Return");
  const saved = path.join(home, "saved.svg");
  for (let i = 0; i < 50 && !fs.existsSync(saved); ++i) await sleep(100);
  await waitWindow("Αποθήκευση εικόνας", false);
  assert.deepEqual(paperPicture(fs.readFileSync(saved)), [w, h]);
  // Ctrl+P: the print dialog (Wine has no printer: it says so, in a window of its own
  // language's title, and Return closes it).
  const shown = () => run("xdotool", ["search", "--onlyvisible", "--name", "."]).trim().split("\n");
  const before = shown();
  await keysOn(sq, `ctrl+${K.p}`);
  let print;
  for (let i = 0; i < 50 && !print; ++i, await sleep(100)) print = shown().find((id) => !before.includes(id));
  assert.ok(print, "a print window");
  const g = run("xdotool", ["getwindowgeometry", "--shell", print]);
  const [px, py] = ["X", "Y"].map((k) => Number(new RegExp(`${k}=(\\d+)`).exec(g)[1]));
  await keysOn({ x: px, y: py, w: 40 }, "Return");
  for (let i = 0; i < 50 && shown().includes(print); ++i) await sleep(100);
  assert.ok(!shown().includes(print), "the print window closed");
  // Ctrl − and Ctrl 0 on this keyboard: smaller than at Ctrl +, back as it was.
  await keysOn(sq, "ctrl+plus");
  const big = await waitWindow("ΤΕΤΡΑΓΩΝΟ", true, (win) => win.w > sq.w);
  await keysOn(big, "ctrl+minus");
  await waitWindow("ΤΕΤΡΑΓΩΝΟ", true, (win) => win.w === sq.w);
  await keysOn(sq, "ctrl+plus");
  await waitWindow("ΤΕΤΡΑΓΩΝΟ", true, (win) => win.w > sq.w);
  await keysOn(big, "ctrl+0");
  await waitWindow("ΤΕΤΡΑΓΩΝΟ", true, (win) => win.w === sq.w);
  await back(sq, "Formt", "Command2");
});

test("the credits stay above the window being worked, from the menu to a figure and back", async () => {
  let menu = await fromMenu();
  const c = rect(menu, "Form1", "Command9");
  await click(c.x + c.w / 2, c.y + c.h / 2);
  let credits = await waitWindow("ΔΗΜΙΟΥΡΓΟΣ");
  // Out of the way of the menu's buttons (no window manager: the program's own place kept).
  xdo("windowmove", credits.id, 0, 0);
  credits = await waitWindow("ΔΗΜΙΟΥΡΓΟΣ", true, (w) => w.x === 0);
  // The menu gives way to the square, and the square to the menu: the credits stay.
  const sq = await openFigure(menu, "Command2", "ΤΕΤΡΑΓΩΝΟ");
  assert.ok(await waitWindow("ΔΗΜΙΟΥΡΓΟΣ"), "the credits over the square");
  menu = await back(sq, "Formt", "Command2");
  assert.ok(await waitWindow("ΔΗΜΙΟΥΡΓΟΣ"), "the credits over the menu again");
  // Closed by their button, and opened again by the menu's.
  const close = rect(credits, "Formd", "Command1(1)");
  await click(close.x + close.w / 2, close.y + close.h / 2);
  assert.equal(await waitWindow("ΔΗΜΙΟΥΡΓΟΣ", false), null);
  const again = rect(menu, "Form1", "Command9");
  await click(again.x + again.w / 2, again.y + again.h / 2);
  credits = await waitWindow("ΔΗΜΙΟΥΡΓΟΣ");
  const close2 = rect(credits, "Formd", "Command1(1)");
  await click(close2.x + close2.w / 2, close2.y + close2.h / 2);
  assert.equal(await waitWindow("ΔΗΜΙΟΥΡΓΟΣ", false), null);
  assert.ok(await waitWindow("ΕΥΚΛΕΙΔΕΙΑ"), "the menu still there");
});

test("the credits, then the end button ends the program; a window's close ends it too", async () => {
  const menu = await fromMenu();
  const c = rect(menu, "Form1", "Command9");
  await click(c.x + c.w / 2, c.y + c.h / 2);
  const credits = await waitWindow("ΔΗΜΙΟΥΡΓΟΣ");
  // Its three lines, each label's box over the next one's top: every line shows, where only
  // its own label could have drawn it.
  for (const [y0, y1, x0, x1] of [[360, 600, 480, 3000], [600, 840, 480, 3000], [840, 1335, 840, 1800]])
    assert.ok(inkIn(credits, x0, y0, x1, y1) > 20, `the line at ${y0} shown`);
  const close = rect(credits, "Formd", "Command1(1)");
  await click(close.x + close.w / 2, close.y + close.h / 2);
  assert.equal(await waitWindow("ΔΗΜΙΟΥΡΓΟΣ", false), null);
  const end = rect(menu, "Form1", "Command4");
  await click(end.x + end.w / 2, end.y + end.h / 2);
  assert.equal(await waitWindow("ΕΥΚΛΕΙΔΕΙΑ", false), null);
  // Started again: the last window closed (Alt+F4, the system's close) ends it.
  const again = await start();
  await click(again.x + again.w - 8, again.y + again.h - 8); // the window's own background
  await key("alt+F4");
  assert.equal(await waitWindow("ΕΥΚΛΕΙΔΕΙΑ", false), null);
  const code = await new Promise((resolve) => (program.exitCode !== null ? resolve(program.exitCode) : program.once("exit", resolve)));
  assert.equal(code, 0);
});

// A link on the command line, as Windows hands the .exe a clicked link: its figure opens in
// place of the menu with its bars set; the figure's menu copies the link and, asked, has
// Windows open such links with this .exe (for this user: nothing installed).
test("a link on the command line opens its figure; the menu copies it and registers the scheme", async () => {
  stop();
  const [A, G, b, ...texts] = TRIANGLE_RIGHT;
  const greekName = encodeURIComponent("τρίγωνο");
  const link = `schimatios:1/${greekName}/${encodeURIComponent("Α")}=${A}/${encodeURIComponent("Γ")}=${G}/${encodeURIComponent("β")}=${b}`;
  start(link);
  const t = await waitWindow("ΤΡΙΓΩΝΟ");
  assert.equal(await waitWindow("ΕΥΚΛΕΙΔΕΙΑ", false), null, "the figure in place of the menu");
  for (const name of Object.keys(bars)) delete bars[name];
  Object.assign(bars, { hsbgoniaa: A, hsbgoniag: G, hsbpleurab: b });
  assert.deepEqual(await boxes(t, "Formtri", ["txtk", "txtpleurag", "txtpleuraa", "per", "emb", "txtgoniab"]), texts);
  // The figure's menu, by a right click on the drawing: its fourth entry copies the link.
  const menuEntry = async (n) => {
    await click(t.x + t.w * 0.6, t.y + t.h * 0.35, 3);
    await sleep(400);
    await key(...Array(n).fill("Down"), "Return");
  };
  execFileSync("xclip", ["-selection", "clipboard", "-i"], { env, input: "\u2205", stdio: ["pipe", "ignore", "ignore"] });
  await menuEntry(4);
  let copied = "\u2205";
  for (let i = 0; i < 50 && copied === "\u2205"; ++i, await sleep(100))
    try { copied = run("xclip", ["-o", "-selection", "clipboard", "-t", "UTF8_STRING"], { stdio: ["ignore", "pipe", "ignore"] }); } catch { /* between owners */ }
  assert.equal(copied, link);
  // Its fifth has Windows open the scheme's links with this .exe, and says so.
  await menuEntry(5);
  const told = await waitWindow("^ΣΧΗμάτιος$");
  await keysOn(told, "Return");
  const command = run("wine", ["reg", "query", "HKCU\\Software\\Classes\\schimatios\\shell\\open\\command"]);
  assert.match(command, /schimatios\.exe" "%1"/i);
  assert.match(run("wine", ["reg", "query", "HKCU\\Software\\Classes\\schimatios", "/v", "URL Protocol"]), /URL Protocol/);
});

// The conformance table, played under Wine with real input: clicks, keys pressed with the
// pointer on the window that has the keyboard (no window manager: the keyboard follows the
// pointer), every expectation read from the screen. What cannot be read from outside the
// program is said where it is left out.
const table = JSON.parse(fs.readFileSync(new URL("../../tests/conformance/scenarios.json", import.meta.url)));
const xKey = (name) => name.split("+").map((k) => ({
  Ctrl: "ctrl", Shift: "shift", Alt: "alt", ArrowUp: "Up", ArrowDown: "Down", ArrowLeft: "Left",
  ArrowRight: "Right", PageUp: "Prior", PageDown: "Next", Enter: "Return", Space: "space", Equal: "equal",
  Minus: "minus", Digit0: "0" }[k] ?? (k.startsWith("Key") ? K[k.slice(3).toLowerCase()] ?? k.slice(3).toLowerCase() : k))).join("+");
// The X windows from the top of the stack down.
const stacking = () => run("xwininfo", ["-root", "-children"]).split("\n")
  .map((l) => l.match(/^\s+(0x[0-9a-f]+) /)).filter(Boolean).map((m) => Number(m[1]));

async function playScenario(scenario) {
  stop();
  await start();
  let shown = visibleForms();
  let front = "Form1"; // the window the keys go to
  const known = {}; // bar values, from the design or the last expectation
  let lastFocus = null;
  // The windows on the screen now; one newly come takes the keys, as it takes the focus.
  const observe = () => {
    const now = visibleForms();
    const fresh = now.filter((f) => !shown.includes(f));
    if (fresh.length) front = fresh[fresh.length - 1];
    else if (now.length && !now.includes(front)) front = now.find((f) => !["Formd", "Formm"].includes(f)) ?? now[0];
    const changed = JSON.stringify(now) !== JSON.stringify(shown);
    shown = now;
    return changed;
  };
  // (a window opened or closed by a step shows within a second)
  const settle = async () => {
    for (let n = 0; n < 8 && !observe(); ++n) await sleep(125);
  };
  // A control under another window: that window dragged aside first, as a pupil would.
  const uncover = async (form, r) => {
    for (const other of visibleForms().filter((f) => f !== form)) {
      const o = await waitWindow(captionOf(other));
      if (o.x < r.x + r.w && r.x < o.x + o.w && o.y < r.y + r.h && r.y < o.y + o.h) {
        xdo("windowmove", o.id, 0, 0);
        await waitWindow(captionOf(other), true, (w) => w.x === 0);
      }
    }
  };
  const focus = async ([form, control]) => {
    const win = await waitWindow(captionOf(form));
    const r = rect(win, form, control);
    await uncover(form, r);
    if (r.kind === "button") {
      // Pressed and let go off the button: focused, not clicked.
      xdo("mousemove", r.x + r.w / 2, r.y + r.h / 2);
      xdo("mousedown", 1);
      xdo("mousemove", win.x + 2, win.y + 2);
      xdo("mouseup", 1);
      await sleep(150);
    } else if (r.kind === "scrollbar") {
      // Its up arrow clicked for the focus, and the step taken back.
      await click(r.x + r.w / 2, r.y + 4);
      if ((known[control] ?? r.value) > r.min) await key("Down");
    } else {
      await click(r.x + r.w / 2, r.y + r.h / 2);
    }
    front = form;
    lastFocus = [form, control];
  };
  for (const [i, step] of scenario.steps.entries()) {
    const label = `${scenario.name}, step ${i + 1}`;
    if (step.click) {
      const win = await waitWindow(captionOf(step.click[0]));
      const r = rect(win, ...step.click);
      await uncover(step.click[0], r);
      await click(r.x + r.w / 2, r.y + r.h / 2);
      await settle();
    } else if (step.focus) {
      await focus(step.focus);
    } else if (step.keys) {
      // The window clicked where it has no control, so that it has the keyboard.
      const win = await waitWindow(captionOf(front));
      await click(win.x + 2, win.y + 2);
      await key(...step.keys.map(xKey));
      await settle();
    } else if (step.expect) {
      const e = step.expect;
      if (e.loaded) {
        const want = JSON.stringify([...e.loaded].sort());
        for (let n = 0; n < 30 && (observe(), JSON.stringify(shown) !== want); ++n) await sleep(100);
        assert.deepEqual(shown, [...e.loaded].sort(), label);
      }
      // A bar's position is not read from outside the program: its box is, below.
      Object.assign(known, e.values ?? {});
      const sep = greek ? "," : ".";
      for (const [name, text] of Object.entries(e.boxes ?? {})) {
        const form = Object.keys(designs).find((f) => designs[f][name] && shown.includes(f));
        assert.equal(await box(await waitWindow(captionOf(form)), form, name), text.replace(".", sep), `${label}: ${name}`);
      }
      if (e.boxes && lastFocus) await focus(lastFocus); // (reading a box took the focus)
      if (e.focus) {
        // The focused control wears the amber ring.
        const form = front;
        const win = await waitWindow(captionOf(form));
        xdo("mousemove", win.x + 2, win.y + 2); // (the keyboard follows the pointer)
        const c = designs[form][e.focus];
        assert.ok(c, `${label}: ${e.focus} in ${form}`);
        let amber = 0; // (a window just opened may take a moment to paint under Wine)
        for (let n = 0; n < 20 && !amber; ++n, await sleep(150))
          amber = pixels(win, c.left, c.top, c.left + c.width, c.top + 30).filter((l) => l.includes("#FFC800")).length;
        assert.ok(amber > 0, `${label}: the ring on ${form}.${e.focus}`);
      }
      for (const [dialog, worked] of Object.entries(e.above ?? {})) {
        // The window being worked activated: its dialog stays above it.
        const w = await waitWindow(captionOf(worked));
        const d = await waitWindow(captionOf(dialog));
        await click(w.x + 2, w.y + 2);
        const order = stacking();
        if (!(order.indexOf(Number(d.id)) < order.indexOf(Number(w.id)))) run("import", ["-window", "root", path.join(os.tmpdir(), "above-failed.png")]);
        assert.ok(order.indexOf(Number(d.id)) < order.indexOf(Number(w.id)), `${label}: ${dialog} above ${worked}`);
      }
    }
  }
}

// What a screen reader is told goes out through UI Automation, which Wine does not carry
// to anything here that could listen: those scenarios are played by the other editions.
const unheard = (scenario) => scenario.steps.some((s) => s.expect?.said) &&
  "the announcements go to UI Automation, which Wine does not carry: played on the desktop and the page";
const played = table.scenarios.flatMap((s) => s["zoomed too"] ? [s, { name: `${s.name}, zoomed`, steps: [...table.zoom, ...s.steps] }] : [s]);
for (const scenario of played)
  test(`conformance: ${scenario.name}`, { skip: unheard(scenario) }, () => playScenario(scenario));
