// WebDriver BiDi over a WebSocket: commands answered by id, events to whoever listens.
// Firefox speaks it natively; Chromium through chromedriver.
import WebSocket from "ws";

export class BiDi {
  static async connect(url) {
    const socket = new WebSocket(url, { perMessageDeflate: false });
    await new Promise((resolve, reject) => {
      socket.once("open", resolve);
      socket.once("error", reject);
    });
    return new BiDi(socket);
  }

  constructor(socket) {
    this.socket = socket;
    this.next = 0;
    this.pending = new Map();
    this.listeners = new Map();
    socket.on("message", (data) => this.receive(JSON.parse(data)));
    socket.on("close", () => {
      for (const { reject } of this.pending.values()) reject(new Error("the browser went away"));
      this.pending.clear();
    });
  }

  receive(message) {
    if (message.type === "event") {
      for (const listener of this.listeners.get(message.method) || []) listener(message.params);
      return;
    }
    const waiting = this.pending.get(message.id);
    if (!waiting) return;
    this.pending.delete(message.id);
    if (message.type === "error") waiting.reject(new Error(`${waiting.method}: ${message.error}: ${message.message}`));
    else waiting.resolve(message.result);
  }

  send(method, params = {}) {
    const id = ++this.next;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject, method });
      this.socket.send(JSON.stringify({ id, method, params }));
    });
  }

  on(event, listener) {
    if (!this.listeners.has(event)) this.listeners.set(event, []);
    this.listeners.get(event).push(listener);
  }

  close() {
    this.socket.close();
  }
}

// One tab in a user context of its own (its own storage, locale and viewport), seen
// through the operations the page facade needs.
export class BiDiTab {
  static async open(bidi, { width, height, locale, deviceScaleFactor }) {
    const { userContext } = await bidi.send("browser.createUserContext", {});
    const { context } = await bidi.send("browsingContext.create", { type: "tab", userContext });
    const tab = new BiDiTab(bidi, userContext, context);
    await bidi.send("emulation.setLocaleOverride", { userContexts: [userContext], locale });
    await tab.setViewport(width, height, deviceScaleFactor);
    return tab;
  }

  constructor(bidi, userContext, context) {
    this.bidi = bidi;
    this.userContext = userContext;
    this.context = context;
    this.errors = [];
    this.requests = [];
    bidi.on("log.entryAdded", (e) => {
      if (e.source.context === context && (e.level === "error" || e.type === "javascript"))
        this.errors.push(e.text || JSON.stringify(e.args));
    });
    bidi.on("network.beforeRequestSent", (e) => {
      if (e.context === context) this.requests.push(e.request.url);
    });
  }

  async setViewport(width, height, deviceScaleFactor = this.ratio || 1) {
    this.ratio = deviceScaleFactor;
    await this.bidi.send("browsingContext.setViewport", {
      context: this.context, viewport: { width, height }, devicePixelRatio: deviceScaleFactor });
  }

  navigate(url) {
    return this.bidi.send("browsingContext.navigate", { context: this.context, url, wait: "complete" });
  }

  async call(functionDeclaration, argument) {
    const r = await this.bidi.send("script.callFunction", {
      functionDeclaration, awaitPromise: true, target: { context: this.context },
      arguments: [{ type: "string", value: argument }], resultOwnership: "none" });
    if (r.type === "exception") throw new Error(r.exceptionDetails.text);
    return r.result.value;
  }

  run(source) {
    return this.bidi.send("script.evaluate", { expression: source, target: { context: this.context },
                                               awaitPromise: false, resultOwnership: "none" });
  }

  perform(actions) {
    return this.bidi.send("input.performActions", { context: this.context, actions });
  }

  release() {
    return this.bidi.send("input.releaseActions", { context: this.context });
  }

  // The page as the browser prints it, on A4: a PDF.
  async print() {
    const { data } = await this.bidi.send("browsingContext.print", {
      context: this.context, page: { width: 21, height: 29.7 }, background: true });
    return Buffer.from(data, "base64");
  }

  async screenshot() {
    const { data } = await this.bidi.send("browsingContext.captureScreenshot", { context: this.context });
    return Buffer.from(data, "base64");
  }

  async close() {
    await this.bidi.send("browser.removeUserContext", { userContext: this.userContext });
  }
}
