// A page of the program in any engine, worked as a user works it: a mouse, a keyboard and a
// finger through the driver's input actions, and what the page shows read back by scripts.
// The same few calls on every engine, so that every suite runs in each.

// WebDriver's codes for the keys the suites press.
const KEYS = {
  Control: "\uE009", Shift: "\uE008", Alt: "\uE00A", Tab: "\uE004", Enter: "\uE007",
  Escape: "\uE00C", Space: " ", PageUp: "\uE00E", PageDown: "\uE00F", End: "\uE010",
  Home: "\uE011", ArrowLeft: "\uE012", ArrowUp: "\uE013", ArrowRight: "\uE014",
  ArrowDown: "\uE015", Delete: "\uE017", Backspace: "\uE003", Minus: "-", Equal: "=", F10: "\uE03A",
  Plus: "+", Numpad0: "\uE01A", NumpadAdd: "\uE025", NumpadSubtract: "\uE027",
};
const key = (name) => KEYS[name] ?? name;

// Every element a chain of [selector, index] picks, run inside the page.
const RESOLVE = `(chain) => {
  let found = [document];
  for (const [selector, index] of chain) {
    found = found.flatMap((root) => [...root.querySelectorAll(selector)]);
    if (index !== null) found = found.slice(index, index + 1);
  }
  return found;
}`;

export class Page {
  constructor(tab, engine) {
    this.tab = tab;
    this.engine = engine;
    this.pointer = { x: 0, y: 0 };
    this.mouse = {
      move: (x, y, { steps = 1 } = {}) => this.moveMouse(x, y, steps),
      down: () => this.tab.perform([mouse([{ type: "pointerDown", button: 0 }])]),
      up: () => this.tab.perform([mouse([{ type: "pointerUp", button: 0 }])]),
      click: async (x, y) => {
        await this.moveMouse(x, y, 1);
        await this.tab.perform([mouse([{ type: "pointerDown", button: 0 }, { type: "pointerUp", button: 0 }])]);
      },
      wheel: (deltaX, deltaY) => this.tab.perform([{
        type: "wheel", id: "wheel",
        actions: [{ type: "scroll", x: Math.round(this.pointer.x), y: Math.round(this.pointer.y), deltaX, deltaY }],
      }]),
    };
    this.keyboard = { press: (combination) => this.press(combination) };
    this.touchscreen = { drag: (points) => this.drag(points) };
  }

  // Console errors and uncaught exceptions, where the driver tells them (null where not).
  get errors() {
    return this.tab.errors;
  }

  goto(url) {
    return this.tab.navigate(url);
  }

  // Runs `fn(arg)` in the page and returns its result, through JSON both ways.
  async evaluate(fn, arg) {
    const declaration = `async (json) => {
      const result = await (${fn})(JSON.parse(json));
      return result === undefined ? "null" : JSON.stringify(result);
    }`;
    return JSON.parse(await this.tab.call(declaration, JSON.stringify(arg ?? null)));
  }

  // Runs a script's source in the page, as one of its own would run (a tool such as axe).
  addScript(source) {
    return this.tab.run(source);
  }

  // Runs `fn(elements, arg)` on what a locator's chain picks.
  evaluateOn(chain, fn, arg) {
    return this.evaluate(`({ chain, arg }) => (${fn})((${RESOLVE})(chain), arg)`, { chain, arg });
  }

  async waitForFunction(fn, arg, { timeout = 10000 } = {}) {
    const until = Date.now() + timeout;
    for (;;) {
      const value = await this.evaluate(fn, arg);
      if (value) return value;
      if (Date.now() > until) throw new Error(`waited ${timeout} ms for ${fn}`);
      await this.waitForTimeout(25);
    }
  }

  waitForTimeout(ms) {
    return new Promise((resolve) => setTimeout(resolve, ms));
  }

  title() {
    return this.evaluate(() => document.title);
  }

  // What the page shows once it has painted its latest state (WebKit's driver otherwise
  // takes the frame before).
  async screenshot({ path } = {}) {
    await this.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
    const png = await this.tab.screenshot();
    if (path) (await import("node:fs")).writeFileSync(path, png);
    return png;
  }

  setViewportSize({ width, height }) {
    return this.tab.setViewport(width, height);
  }

  locator(selector) {
    return new Locator(this, [[selector, null]]);
  }

  async moveMouse(x, y, steps) {
    const from = this.pointer;
    const moves = [];
    for (let i = 1; i <= steps; ++i)
      moves.push({ type: "pointerMove", x: Math.round(from.x + ((x - from.x) * i) / steps),
                   y: Math.round(from.y + ((y - from.y) * i) / steps), duration: 0 });
    this.pointer = { x, y };
    await this.tab.perform([mouse(moves)]);
  }

  // "Control+ArrowDown": the modifiers held while the last key goes down and up.
  async press(combination) {
    const names = combination.split("+").map((k, i, all) => (k === "" && i === all.length - 1 ? "+" : k))
      .filter((k) => k !== "");
    const keys = names.map(key);
    const actions = [...keys.map((value) => ({ type: "keyDown", value })),
                     ...[...keys].reverse().map((value) => ({ type: "keyUp", value }))];
    await this.tab.perform([{ type: "key", id: "keyboard", actions }]);
  }

  // A finger down at the first point, along the others and up at the last.
  async drag(points) {
    const [first, ...rest] = points.map(([x, y]) => ({ x: Math.round(x), y: Math.round(y) }));
    const actions = [{ type: "pointerMove", ...first }, { type: "pointerDown", button: 0 },
                     ...rest.map((p) => ({ type: "pointerMove", ...p, duration: 0 })),
                     { type: "pointerUp", button: 0 }];
    await this.tab.perform([{ type: "pointer", id: "finger", parameters: { pointerType: "touch" }, actions }]);
  }

  close() {
    return this.tab.close();
  }
}

const mouse = (actions) => ({ type: "pointer", id: "mouse", parameters: { pointerType: "mouse" }, actions });

export class Locator {
  constructor(page, chain) {
    this.page = page;
    this.chain = chain;
  }

  locator(selector) {
    return new Locator(this.page, [...this.chain, [selector, null]]);
  }

  nth(index) {
    const chain = this.chain.slice(0, -1);
    return new Locator(this.page, [...chain, [this.chain.at(-1)[0], index]]);
  }

  first() {
    return this.nth(0);
  }

  async all() {
    return Array.from({ length: await this.count() }, (_, i) => this.nth(i));
  }

  count() {
    return this.page.evaluateOn(this.chain, (found) => found.length);
  }

  // Runs `fn(element, arg)` on the one element picked; it must be there.
  async evaluate(fn, arg) {
    const [ok, value] = await this.page.evaluateOn(this.chain, `(found, arg) =>
      found.length === 0 ? [false] : [true, (${fn})(found[0], arg)]`, arg);
    if (!ok) throw new Error(`nothing at ${JSON.stringify(this.chain)}`);
    return value;
  }

  getAttribute(name) {
    return this.evaluate((el, name) => el.getAttribute(name), name);
  }

  textContent() {
    return this.evaluate((el) => el.textContent);
  }

  allTextContents() {
    return this.page.evaluateOn(this.chain, (found) => found.map((el) => el.textContent));
  }

  boundingBox() {
    return this.evaluate((el) => {
      const r = el.getBoundingClientRect();
      return { x: r.x, y: r.y, width: r.width, height: r.height };
    });
  }

  isVisible() {
    return this.page.evaluateOn(this.chain, (found) =>
      found.length > 0 && found[0].getClientRects().length > 0 && getComputedStyle(found[0]).visibility !== "hidden");
  }

  focus() {
    return this.evaluate((el) => el.focus());
  }

  // A real mouse click in the element's middle, or at `position` from its top-left.
  async click({ position } = {}) {
    await this.waitFor();
    const box = await this.boundingBox();
    const at = position || { x: box.width / 2, y: box.height / 2 };
    await this.page.mouse.click(box.x + at.x, box.y + at.y);
  }

  async waitFor({ timeout = 10000 } = {}) {
    await this.page.waitForFunction(`() => (${RESOLVE})(${JSON.stringify(this.chain)}).length > 0`, null,
                                    { timeout });
  }
}
