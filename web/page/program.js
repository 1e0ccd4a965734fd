// The page's program: the core loaded, its form classes reached by name and created on
// first use, the windows laid out on the desk (the window being worked fitted to the
// viewport, the others placed relative to it), the zoom, the end, the start.
import { loadCore } from "./core.js";
import { Form } from "./form.js";
import { followAddress, openLink } from "./link.js";
import { prepareSheet } from "./worksheet.js";
import { keepOffline, showEnded } from "./services.js";

const TITLE_HEIGHT = 22; // logical pixels, scaled with the window
const MARGIN = 8;

const desk = document.getElementById("desk");
// The form the program starts on comes with the page; the others come with the core.
const classes = new Map([[STARTUP.name, STARTUP.form]]);
const forms = new Map(); // created on first use, never destroyed
const waiting = []; // what a pupil did before the core was ready, in order

// What every form may ask of the program.
const shell = {
  core: null, desk, zoom: 1, scale: 1, nextZ: 1, active: null, worked: STARTUP.name,
  form(name) {
    let f = forms.get(name);
    if (!f) {
      f = new Form(classes.get(name), shell);
      forms.set(name, f);
    }
    return f;
  },
  raster: (...args) => shell.core.raster(...args),
  // Runs a handler now, or once the core is ready: nothing done meanwhile is lost.
  run(handler) {
    if (shell.core) handler();
    else waiting.push(handler);
  },
  layout,
  end,
  loadedForms: () => loadedForms(),
  // The address follows the window being worked (once the core is there to write it).
  follow() {
    if (shell.core) followAddress(shell);
  },
  // The core's desk keeps which window is being worked: the page fits that one.
  shown(form) {
    if (shell.core) shell.worked = shell.core.desk(form.name, true);
    shell.follow();
  },
  stepZoom(ask) {
    shell.zoom = shell.core.zoom(shell.zoom, ask);
    layout();
  },
  formUnloaded(form, endWhenLast) {
    if (shell.core) shell.worked = shell.core.desk(form.name, false);
    if (shell.active === form) shell.active = null;
    if (endWhenLast) shell.follow();
    if (!endWhenLast) return;
    if (loadedForms().length === 0) {
      end();
    } else {
      layout();
      loadedForms().sort((a, b) => b.z - a.z)[0].activate(true);
    }
  },
};

const loadedForms = () => [...forms.values()].filter((f) => f.loaded);

function end(message) {
  for (const f of forms.values()) f.unload(false);
  showEnded(message, () => shell.form(STARTUP.name).show());
}

// The window being worked: the page fits it to the viewport; the others are placed
// relative to it. (With none, the largest loaded window.)
function mainWindow() {
  const worked = forms.get(shell.worked);
  if (worked && worked.loaded) return worked;
  let best = null;
  for (const f of loadedForms())
    if (!best || f.design.width * f.design.height > best.design.width * best.design.height)
      best = f;
  return best;
}

function layout() {
  const main = mainWindow();
  if (!main) return;
  const [mw, dh] = main.design.px, mh = dh + TITLE_HEIGHT;
  // (the viewport's size, which asks the browser for no layout)
  const fit = Math.min((innerWidth - 2 * MARGIN) / mw, (innerHeight - 2 * MARGIN) / mh);
  shell.scale = Math.max(0.25, fit) * shell.zoom;
  const s = shell.scale;
  document.documentElement.style.setProperty("--s", String(s));
  if (shell.core) document.documentElement.style.setProperty("--ring", shell.core.ringWidth(s) + "px");
  desk.dataset.scale = String(s);
  const centre = {
    x: Math.max(MARGIN + (mw * s) / 2, innerWidth / 2),
    y: Math.max(MARGIN + (mh * s) / 2, innerHeight / 2),
  };
  for (const f of loadedForms()) {
    const [w, h] = f.design.px;
    f.client.style.width = w * s + "px";
    f.client.style.height = h * s + "px";
    f.el.style.width = w * s + "px";
    const left = centre.x + f.offset.x * s - (w * s) / 2;
    const top = centre.y + f.offset.y * s - ((h + TITLE_HEIGHT) * s) / 2;
    f.el.style.left = Math.max(0, left) + "px";
    f.el.style.top = Math.max(0, top) + "px";
    for (const c of f.controls.values()) {
      const st = c.el.style, d = c.el.dataset;
      st.left = d.left * s + "px";
      st.top = d.top * s + "px";
      st.width = d.width * s + "px";
      st.height = d.height * s + "px";
      if (c.kind === "scrollbar") c.show();
      if (c.kind === "button") c.setScale(s);
      if (c.kind === "textbox") c.fitTitle();
    }
    f.surface.resize(w, h, f.design.backColor);
  }
}

window.addEventListener("resize", layout);
// The browser's own print command prints the figure being worked too.
window.addEventListener("beforeprint", () => prepareSheet(shell.active));

// Every key goes to the window it was pressed in (or the one worked last), which asks
// the core what it does; a menu open on the page keeps its own keys.
document.addEventListener("keydown", (e) => {
  if (!shell.core || e.defaultPrevented || (e.target.closest && e.target.closest("#menu"))) return;
  const form = loadedForms().find((f) => f.el.contains(e.target)) ||
               (shell.active && shell.active.loaded ? shell.active : null);
  if (form) form.key(e);
});

// A link in the address opens its window; one typed or pasted into the address of the open
// page opens in place of what is open. (The page's own writes make no such event.)
window.addEventListener("hashchange", () => {
  if (shell.core) openLink(shell, location.hash);
});

// The first window at once, in the program's own font as soon as it has loaded; then the
// core, and whatever was done while it compiled. (A link's window waits for the core.)
const font = document.fonts.load('10px "Schimatios Sans"', "ΣΧΗμάτιος");
const linked = location.hash.length > 1;
if (!linked) shell.form(STARTUP.name).show();
const core = await loadCore();
for (const f of core.program.forms) classes.set(f.name, f);
shell.core = core;
for (const f of loadedForms().sort((a, b) => a.z - b.z)) shell.shown(f);
if (linked) openLink(shell, location.hash);
document.body.dataset.core = ""; // (for whoever scripts the page: the core is ready)
layout(); // the bars' values as the core says them
for (const handler of waiting.splice(0)) handler();
await font;
keepOffline();
document.body.dataset.ready = "";
