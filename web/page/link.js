// Links, as the core writes and reads them, carried by the page: the address's fragment
// opens a window with its bars set (at start, or when the fragment is changed by hand);
// the address follows the window being worked without a history entry per step, so that
// a reload keeps the figure, and the menu clears it; the figure's menu copies it; the
// printed page shows it, with a QR code where it is a web address.
import { decimalSeparator } from "./services.js";

// The figure's link: {link, encoded, scheme, readableScheme}; the web address that opens
// it where the page is served from one (null from a file).
export function linkOf(form) {
  return form.shell.core.linkOf(form.name, form.values());
}

export function webAddress(encoded) {
  if (location.protocol !== "http:" && location.protocol !== "https:") return null;
  return location.origin + location.pathname + location.search + "#" + encoded;
}

// What a pupil copies and a teacher prints: the web address, or the program's scheme.
export function sharedLink(form) {
  const l = linkOf(form);
  const address = webAddress(l.encoded);
  return { address, copied: address || l.scheme,
           readable: address ? decodeURI(address) : l.readableScheme };
}

// The address holds the window being worked: a figure's link, or nothing for the menu.
export function followAddress(shell) {
  const worked = shell.worked && shell.form(shell.worked);
  const fragment = worked && worked.loaded && worked.design.description ? linkOf(worked).encoded : "";
  if (location.hash === (fragment ? "#" + fragment : "")) return;
  history.replaceState(history.state, "", location.pathname + location.search + (fragment ? "#" + fragment : ""));
}

// Opens what the address's fragment names, in place of whatever is open: the figure with
// its bars set and what that state shows, or the menu; what was not understood is said.
export function openLink(shell, text) {
  const opening = shell.core.openLink(text, decimalSeparator);
  for (const f of shell.loadedForms()) f.unload(false);
  if (!opening.form || opening.error !== undefined) {
    shell.form(STARTUP.name).show();
  } else {
    const form = shell.form(opening.form);
    form.show();
    for (const [bar, value] of opening.values) form.controls.get(bar).setQuietly(value);
    form.apply(opening);
  }
  if (opening.error !== undefined) shell.end(opening.message);
  else if (opening.problem) notify(opening.problem);
  followAddress(shell);
}

// A message beside the windows that waits for nothing: what a link did not say.
function notify(text) {
  let box = document.getElementById("told");
  if (!box) {
    box = document.createElement("div");
    box.id = "told";
    box.setAttribute("role", "alert");
    const words = document.createElement("p");
    const ok = document.createElement("button");
    ok.type = "button";
    ok.textContent = "Εντάξει";
    ok.addEventListener("click", () => { box.hidden = true; });
    box.append(words, ok);
    document.getElementById("desk").append(box);
  }
  box.querySelector("p").textContent = text;
  box.hidden = false;
}

// The link on the printed page, and its QR code where it is a web address.
export function linkOnPaper(form) {
  const shared = sharedLink(form);
  const part = document.createElement("div");
  part.className = "link";
  const words = document.createElement("p");
  words.textContent = shared.readable;
  part.append(words);
  if (shared.address) {
    const qr = qrcode(0, "M"); // (the library's, taken from npm at build time)
    qr.addData(shared.address);
    qr.make();
    const img = document.createElement("img");
    img.className = "qr";
    img.alt = shared.readable;
    img.src = "data:image/svg+xml;charset=utf-8," + encodeURIComponent(qr.createSvgTag({ cellSize: 4, margin: 4, scalable: true }));
    part.prepend(img);
  }
  return part;
}
