// The program's core, compiled to WebAssembly: every form class, one run of a handler, a
// bar's value as a screen reader says it, and the raster that sets lines and circles on
// the device-pixel grid.
//
// Its script comes after the page's runtime in the file, so that the first window is
// built before the core has even been read: the core is there once the document is, and
// is compiled after the first window has been painted (or a tenth of a second later,
// where the browser paints nothing, as in a tab in the background).
export async function loadCore() {
  if (document.readyState === "loading")
    await new Promise((resolve) => document.addEventListener("DOMContentLoaded", resolve, { once: true }));
  await new Promise((resolve) => {
    requestAnimationFrame(() => setTimeout(resolve, 0));
    setTimeout(resolve, 100);
  });
  const core = await SchimatiosCore();
  const run = core.cwrap("schimatios_run", "string", ["string", "string", "string", "string", "string"]);
  return {
    program: JSON.parse(core.cwrap("schimatios_program", "string", [])()),
    // {steps: [[kind, name, text, x1, y1, x2, y2, colour], ...], drawing: [[kind, x1, y1, x2,
    // y2, colour, text], ...] where the steps draw} or {error, message}.
    run: (form, control, event, values, separator) => JSON.parse(run(form, control, event, values, separator)),
    spokenValue: core.cwrap("schimatios_spoken", "string", ["string", "string", "number", "string"]),
    // What a key ("Ctrl+ArrowDown") does in a form, with the focus on a control (a bar at
    // value, a box with text selected or not): {command, value, control}.
    key: (form, focused, value, selection, key) =>
      JSON.parse(core.ccall("schimatios_key", "string", ["string", "string", "number", "number", "string"],
                            [form, focused, value, selection ? 1 : 0, key])),
    // What a link opens: {form ("" for the menu), values: [[bar, value]], problem, steps,
    // drawing}; and a figure's link at its bars' values ("bar=value" lines): {link,
    // encoded, scheme, readableScheme}.
    openLink: (text, separator) =>
      JSON.parse(core.ccall("schimatios_open_link", "string", ["string", "string"], [text, separator])),
    linkOf: (form, values) =>
      JSON.parse(core.ccall("schimatios_link_of", "string", ["string", "string"], [form, values])),
    // The page's zoom after Ctrl + ("in"), Ctrl − ("out") or Ctrl 0 ("reset").
    zoom: (now, ask) => core.ccall("schimatios_zoom", "number", ["number", "number"],
                                   [now, ["in", "out", "reset"].indexOf(ask)]),
    ringWidth: core.cwrap("schimatios_ring", "number", ["number"]),
    // A window's rest rule: moved and released (→ ms to wait), written, due (→ {wakeAfter,
    // say}), stop.
    rest: {
      moved: core.cwrap("schimatios_rest_moved", "number", ["string"]),
      released: core.cwrap("schimatios_rest_released", "number", ["string"]),
      written: core.cwrap("schimatios_rest_written", null, ["string", "string", "string"]),
      due: (form, held) => JSON.parse(core.ccall("schimatios_rest_due", "string", ["string", "number"], [form, held ? 1 : 0])),
      stop: core.cwrap("schimatios_rest_stop", null, ["string"]),
    },
    // The desk told of a window shown or unloaded; the window being worked comes back.
    desk: (form, shown) => core.ccall("schimatios_desk", "string", ["string", "number"], [form, shown ? 1 : 0]),
    // The window's drawing as the core keeps it, as an SVG document (for paper or as on screen).
    picture: (form, paper, back, fore, description) =>
      core.ccall("schimatios_picture", "string", ["string", "number", "number", "number", "string"],
                 [form, paper ? 1 : 0, back, fore, description]),
    // A line's width and the letters' size in device pixels at a scale.
    pen: core.cwrap("schimatios_pen", "number", ["number"]),
    fontPixels: core.cwrap("schimatios_font", "number", ["number"]),
    // The form's boxes by spoken name and text ("box=text" lines given): tab-separated lines.
    values: core.cwrap("schimatios_values", "string", ["string", "string"]),
    fileName: core.cwrap("schimatios_file_name", "string", ["string", "string"]),
    // The rectangles [x, y, w, h, ...] a line or a circle sets, as a view of the core's
    // memory that holds until the next call.
    raster(circle, x1, y1, x2, y2, pen, width, height) {
      const at = core._schimatios_raster(circle ? 1 : 0, x1, y1, x2, y2, pen, width, height) >> 2;
      const heap = core.HEAP32;
      return heap.subarray(at + 1, at + 1 + 4 * heap[at]);
    },
  };
}
