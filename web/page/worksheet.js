// The figure onto paper and into worksheets: Ctrl+C copies the figure (SVG where the
// browser takes it, PNG at 300 dpi for paper) with the values as text, unless a box's text
// is selected; Ctrl+S saves it as SVG or PNG; Ctrl+P prints one page with the caption, the
// figure at its size and the values; a context menu on the drawing (right click, a long
// press, the Menu key) offers the same. The picture and the words are the core's.
import { linkOnPaper, sharedLink } from "./link.js";

// The form's drawing as the core's SVG: for paper, or as on screen.
export function pictureOf(form, paper) {
  return form.shell.core.picture(form.name, paper, form.design.backColor, form.surface.foreColor,
                                 form.surface.canvas.getAttribute("aria-label") || "");
}

// The window's boxes, each by its spoken name and its text: [[name, text], ...].
export function valuesOf(form) {
  const lines = [];
  for (const [name, c] of form.controls) if (c.kind === "textbox") lines.push(name + "=" + c.el.value);
  return form.shell.core.values(form.name, lines.join("\n")).split("\n").filter((l) => l)
    .map((l) => l.split("\t"));
}

const svgUrl = (svg) => "data:image/svg+xml;charset=utf-8," + encodeURIComponent(svg);

// The picture for paper at its size and the core's resolution, as PNG.
export async function pngOf(svg, dpi) {
  const img = new Image();
  img.src = svgUrl(svg);
  await img.decode();
  const size = (attribute) => Number(new RegExp(attribute + '="([0-9.]+)pt"').exec(svg)[1]) / 72 * dpi;
  const canvas = document.createElement("canvas");
  canvas.width = Math.round(size("width"));
  canvas.height = Math.round(size("height"));
  canvas.getContext("2d").drawImage(img, 0, 0, canvas.width, canvas.height);
  return new Promise((resolve) => canvas.toBlob(resolve, "image/png"));
}

// Puts the figure and the values on the clipboard.
export function copyFigure(form) {
  const svg = pictureOf(form, true);
  const text = valuesOf(form).map((v) => v.join("\t")).join("\n") + "\n";
  const items = { "text/plain": new Blob([text], { type: "text/plain" }),
                  "image/png": pngOf(svg, form.shell.core.program.worksheet.dpi) };
  if (ClipboardItem.supports && ClipboardItem.supports("image/svg+xml"))
    items["image/svg+xml"] = new Blob([svg], { type: "image/svg+xml" });
  // (Written at once, the picture to follow: the key press still allows it.)
  return navigator.clipboard.write([new ClipboardItem(items)]);
}

// Downloads the figure as SVG or PNG, named after the window.
export async function saveFigure(form, format) {
  const svg = pictureOf(form, true);
  const blob = format === "svg" ? new Blob([svg], { type: "image/svg+xml" })
                                : await pngOf(svg, form.shell.core.program.worksheet.dpi);
  const a = document.createElement("a");
  a.href = URL.createObjectURL(blob);
  a.download = form.shell.core.fileName(form.name, format);
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(a.href), 10000);
}

// What the printed page shows (the print style sheet shows it alone): the caption, the
// figure for paper at its size, the values as a table.
export function prepareSheet(form) {
  const sheet = document.getElementById("sheet");
  sheet.replaceChildren();
  if (!form || !form.loaded || !form.design.description) return;
  const heading = document.createElement("h1");
  heading.textContent = form.design.caption;
  const img = document.createElement("img");
  const svg = pictureOf(form, true);
  img.src = svgUrl(svg);
  img.alt = form.surface.canvas.getAttribute("aria-label") || "";
  for (const attribute of ["width", "height"])
    img.style[attribute] = new RegExp(attribute + '="([0-9.]+pt)"').exec(svg)[1];
  const table = document.createElement("table");
  for (const [name, text] of valuesOf(form)) {
    const row = table.insertRow();
    row.insertCell().textContent = name;
    row.insertCell().textContent = text;
  }
  sheet.append(heading, img, linkOnPaper(form), table);
}

export function printFigure(form) {
  prepareSheet(form);
  window.print();
}

// A menu of commands at a point of the page: arrows move, Enter or a click runs one,
// Escape or a click elsewhere closes it, and the focus goes back where it was.
export function showMenu(x, y, entries) {
  closeMenu();
  const menu = document.createElement("div");
  menu.id = "menu";
  menu.setAttribute("role", "menu");
  const back = document.activeElement;
  const buttons = entries.map(([label, run]) => {
    const b = document.createElement("button");
    b.type = "button";
    b.setAttribute("role", "menuitem");
    b.textContent = label;
    b.addEventListener("click", () => {
      closeMenu(back);
      run();
    });
    return b;
  });
  menu.append(...buttons);
  menu.addEventListener("keydown", (e) => {
    const i = buttons.indexOf(document.activeElement);
    if (e.key === "ArrowDown" || e.key === "ArrowUp") {
      e.preventDefault();
      buttons[(i + (e.key === "ArrowDown" ? 1 : buttons.length - 1)) % buttons.length].focus();
    } else if (e.key === "Escape" || e.key === "Tab") {
      e.preventDefault();
      e.stopPropagation();
      closeMenu(back);
    }
  });
  document.getElementById("desk").append(menu);
  menu.style.left = Math.max(0, Math.min(x, innerWidth - menu.offsetWidth)) + "px";
  menu.style.top = Math.max(0, Math.min(y, innerHeight - menu.offsetHeight)) + "px";
  buttons[0].focus();
  setTimeout(() => document.addEventListener("pointerdown", closeOutside, true));
}

function closeOutside(e) {
  const menu = document.getElementById("menu");
  if (menu && !menu.contains(e.target)) closeMenu();
}

function closeMenu(focusBack) {
  document.removeEventListener("pointerdown", closeOutside, true);
  const menu = document.getElementById("menu");
  if (menu) menu.remove();
  if (focusBack && focusBack.isConnected) focusBack.focus();
}

// The worksheet's commands, as the core names them, in a figure window.
export function worksheetCommand(form, command) {
  const r = form.surface.canvas.getBoundingClientRect();
  const [x, y] = [r.left + r.width / 2, r.top + r.height / 2];
  const run = {
    CopyFigure: () => copyFigure(form).catch((error) => { window.lastCopyError = String(error); }),
    SaveFigure: () => saveMenu(form, x, y),
    PrintFigure: () => printFigure(form),
    FigureMenu: () => menuAt(form, x, y),
    CopyLink: () => navigator.clipboard.writeText(sharedLink(form).copied)
      .catch((error) => { window.lastCopyError = String(error); }),
  };
  if (run[command]) run[command]();
}

// Saved as SVG or as PNG: the page asks which, as a desktop's save dialog does.
function saveMenu(form, x, y) {
  const names = form.shell.core.program.worksheet;
  showMenu(x, y, [[names.svg, () => saveFigure(form, "svg")], [names.png, () => saveFigure(form, "png")]]);
}

// The figure's context menu at a point, its entries the core's.
function menuAt(form, x, y) {
  showMenu(x, y, form.design.menu.map(([command, text]) =>
    [text, command === "SaveFigure" ? () => saveMenu(form, x, y) : () => worksheetCommand(form, command)]));
}

// A figure window's menu on the drawing: a right click, or a long press of a finger.
export function attachWorksheet(form) {
  const canvas = form.surface.canvas;
  canvas.addEventListener("contextmenu", (e) => {
    e.preventDefault();
    menuAt(form, e.clientX, e.clientY);
  });
  // A long press of a finger, where a touch screen gives no context menu of its own.
  let press = null;
  canvas.addEventListener("pointerdown", (e) => {
    if (e.pointerType !== "touch") return;
    press = setTimeout(() => menuAt(form, e.clientX, e.clientY), 600);
  });
  for (const end of ["pointerup", "pointercancel", "pointermove"])
    canvas.addEventListener(end, () => clearTimeout(press));
}
