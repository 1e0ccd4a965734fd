// Classic WebDriver over HTTP, for the engine whose driver speaks nothing else (WebKitGTK's
// WebKitWebDriver): one session, one window, seen through the operations the page facade
// needs.
import http from "node:http";
export class ClassicTab {
  // `around`: the point of the screen the window is kept over (where the pointer rests,
  // so that the window has the keyboard focus where no window manager gives it).
  static async open(base, capabilities, { width, height }, around) {
    const r = await request(base, "POST", "/session", { capabilities: { alwaysMatch: capabilities } });
    const tab = new ClassicTab(base, r.sessionId, around);
    try {
      await tab.setViewport(width, height);
    } catch (e) {
      await tab.close().catch(() => {});
      throw e;
    }
    return tab;
  }

  constructor(base, session, around) {
    this.base = base;
    this.session = session;
    this.around = around;
    this.errors = null; // the driver tells no console messages
    this.chrome = null; // the window's frame and toolbar, measured once
  }

  send(method, path, body) {
    return request(this.base, method, `/session/${this.session}${path}`, body);
  }

  // The window is sized from outside: its frame and toolbar come off the viewport. The
  // window manager takes a moment to carry a new size out.
  async setViewport(width, height) {
    const inner = () => this.send("POST", "/execute/sync", { script: "return [innerWidth, innerHeight]", args: [] });
    for (let attempt = 0; attempt < 3; ++attempt) {
      const chrome = this.chrome || { width: 0, height: 0 };
      const size = { width: width + chrome.width, height: height + chrome.height };
      const at = this.around ? { x: Math.round(this.around.x - size.width / 2),
                                 y: Math.round(this.around.y - size.height / 2) } : {};
      await this.send("POST", "/window/rect", { ...size, ...at });
      let seen, settled = 0;
      for (let i = 0; i < 40 && settled < 3; ++i) {
        const now = await inner();
        settled = seen && now[0] === seen[0] && now[1] === seen[1] ? settled + 1 : 0;
        seen = now;
        if (now[0] === width && now[1] === height) return;
        await new Promise((resolve) => setTimeout(resolve, 50));
      }
      const rect = await this.send("GET", "/window/rect");
      this.chrome = { width: rect.width - seen[0], height: rect.height - seen[1] };
    }
    throw new Error(`the window cannot show a ${width}×${height} viewport`);
  }

  navigate(url) {
    return this.send("POST", "/url", { url });
  }

  call(functionDeclaration, argument) {
    return this.send("POST", "/execute/sync", {
      script: `return (${functionDeclaration})(arguments[0]);`, args: [argument] });
  }

  run(source) {
    return this.send("POST", "/execute/sync", { script: source + "\nreturn null;", args: [] });
  }

  perform(actions) {
    return this.send("POST", "/actions", { actions });
  }

  release() {
    return this.send("DELETE", "/actions");
  }

  async screenshot() {
    return Buffer.from(await this.send("GET", "/screenshot"), "base64");
  }

  close() {
    return this.send("DELETE", "");
  }
}

// One command, on a connection of its own: the driver may close a kept-alive connection
// just as the next command goes out on it.
export function request(base, method, path, body) {
  const data = body === undefined ? undefined : JSON.stringify(body);
  return new Promise((resolve, reject) => {
    const r = http.request(base + path, {
      method, agent: false,
      headers: { "content-type": "application/json; charset=utf-8",
                 ...(data === undefined ? {} : { "content-length": Buffer.byteLength(data) }) },
    }, (response) => {
      const chunks = [];
      response.on("data", (c) => chunks.push(c));
      response.on("end", () => {
        let json;
        try {
          json = JSON.parse(Buffer.concat(chunks).toString("utf8"));
        } catch (e) {
          return reject(new Error(`${method} ${path}: ${response.statusCode}, no JSON`));
        }
        if (response.statusCode >= 400)
          reject(new Error(`${method} ${path}: ${json.value.error}: ${json.value.message}`));
        else resolve(json.value);
      });
    });
    r.on("error", reject);
    r.setTimeout(120000, () => r.destroy(new Error(`${method} ${path}: no answer in two minutes`)));
    if (data !== undefined) r.write(data);
    r.end();
  });
}
