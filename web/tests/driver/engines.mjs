// The three engines pupils use, all from Debian's packages: Chromium (through chromedriver,
// WebDriver BiDi), Firefox ESR (its own WebDriver BiDi) and WebKitGTK, Safari's engine
// (WebKitWebDriver driving its MiniBrowser on a private Xvfb, classic WebDriver).
import { execFileSync, spawn } from "node:child_process";
import fs from "node:fs";
import net from "node:net";
import os from "node:os";
import path from "node:path";
import { BiDi, BiDiTab } from "./bidi.mjs";
import { ClassicTab, request } from "./classic.mjs";

export const ENGINES = ["chromium", "firefox", "webkit"];

const freePort = () => new Promise((resolve) => {
  const server = net.createServer();
  server.listen(0, "127.0.0.1", () => {
    const { port } = server.address();
    server.close(() => resolve(port));
  });
});

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Every browser, driver and X server started here ends with this process, however it
// ends, and so does whatever it started in turn: each leads a process group of its own.
const children = new Set();
const killGroup = (child, signal) => {
  try {
    process.kill(-child.pid, signal);
  } catch {
    // already gone
  }
};
process.on("exit", () => {
  for (const child of children) killGroup(child, "SIGKILL");
});
function start(command, args, options) {
  const child = spawn(command, args, { ...options, detached: true });
  children.add(child);
  child.once("exit", () => children.delete(child));
  return child;
}

// Waits until a WebDriver server answers its status.
async function ready(base, child) {
  for (let i = 0; i < 200; ++i) {
    if (child.exitCode !== null) throw new Error(`${child.spawnfile} ended with ${child.exitCode}`);
    try {
      await request(base, "GET", "/status");
      return;
    } catch {
      await sleep(50);
    }
  }
  throw new Error(`${child.spawnfile} does not answer`);
}

const stopped = (child) => new Promise((resolve) => {
  if (child.exitCode !== null || child.signalCode !== null) return resolve();
  child.once("exit", resolve);
  killGroup(child, "SIGTERM");
});

const subscriptions = { events: ["log.entryAdded", "network.beforeRequestSent"] };

// An X server of a test's own, with the keyboard layouts asked for (kept: the server is
// not reset when setxkbmap, its only client so far, leaves); its display.
async function xServer(layouts) {
  const xvfb = start("Xvfb", ["-displayfd", "3", "-screen", "0", "3840x2400x24", "-nolisten", "tcp",
                             ...(layouts ? ["-noreset"] : [])],
                     { stdio: ["ignore", "ignore", "ignore", "pipe"] });
  const display = await new Promise((resolve, reject) => {
    xvfb.stdio[3].once("data", (d) => resolve(":" + String(d).trim()));
    xvfb.once("exit", (code) => reject(new Error(`Xvfb ended with ${code}`)));
  });
  if (layouts) execFileSync("setxkbmap", ["-layout", layouts], { env: { ...process.env, DISPLAY: display } });
  return { xvfb, display };
}

// `keyboard`: the browser shown on an X server of its own with these keyboard layouts
// ("gr,us"), for keys pressed as a keyboard sends them; headless otherwise.
async function chromium({ keyboard } = {}) {
  const port = await freePort();
  const x = keyboard ? await xServer(keyboard) : null;
  const driver = start(process.env.CHROMEDRIVER || "/usr/bin/chromedriver", [`--port=${port}`],
                       { stdio: "ignore", env: x ? { ...process.env, DISPLAY: x.display } : process.env });
  const base = `http://127.0.0.1:${port}`;
  await ready(base, driver);
  const session = await request(base, "POST", "/session", { capabilities: { alwaysMatch: {
    browserName: "chrome", webSocketUrl: true,
    "goog:chromeOptions": {
      binary: process.env.CHROMIUM || "/usr/bin/chromium",
      args: [...(x ? [] : ["--headless=new"]), "--no-sandbox", "--disable-gpu", "--disable-background-networking",
             "--disable-component-update", "--disable-sync", "--no-first-run", "--disable-quic",
             "--autoplay-policy=no-user-gesture-required"],
    },
  } } });
  const bidi = await BiDi.connect(session.capabilities.webSocketUrl);
  await bidi.send("session.subscribe", subscriptions);
  const downloads = fs.mkdtempSync(path.join(os.tmpdir(), "schimatios-downloads-"));
  return {
    downloads,
    display: x?.display,
    async newTab(options) {
      const tab = await BiDiTab.open(bidi, options);
      // The DevTools protocol beside BiDi, for what only Chromium can do (slow its CPU,
      // grant the clipboard, say where downloads go).
      tab.cdp = async (method, params) => {
        const { session } = await bidi.send("goog:cdp.getSession", { context: tab.context });
        return bidi.send("goog:cdp.sendCommand", { method, params, session });
      };
      await tab.cdp("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads,
                                                     browserContextId: tab.userContext });
      return tab;
    },
    async close() {
      bidi.close();
      await request(base, "DELETE", `/session/${session.sessionId}`).catch(() => {});
      await stopped(driver);
      if (x) await stopped(x.xvfb);
      fs.rmSync(downloads, { recursive: true, force: true });
    },
  };
}

async function firefox({ keyboard } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "schimatios-firefox-"));
  const downloads = fs.mkdtempSync(path.join(os.tmpdir(), "schimatios-downloads-"));
  // The driver's own recommended preferences keep it off the network; these keep the
  // first run quiet and put downloads in a folder of their own, unasked.
  fs.writeFileSync(path.join(profile, "user.js"), [
    `user_pref("browser.download.dir", ${JSON.stringify(downloads)});`,
    'user_pref("browser.download.folderList", 2);',
    'user_pref("browser.download.useDownloadDir", true);',
    'user_pref("browser.download.always_ask_before_handling_new_types", false);',
    'user_pref("browser.download.alwaysOpenPanel", false);',
    'user_pref("browser.shell.checkDefaultBrowser", false);',
    'user_pref("datareporting.policy.dataSubmissionEnabled", false);',
    'user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);',
    'user_pref("media.autoplay.default", 0);',
  ].join("\n"));
  const x = keyboard ? await xServer(keyboard) : null;
  const child = start(process.env.FIREFOX || "/usr/bin/firefox-esr",
                      [...(x ? [] : ["--headless"]), "--no-remote", "--remote-debugging-port=0", "--profile", profile],
                      { stdio: ["ignore", "ignore", "pipe"], env: x ? { ...process.env, DISPLAY: x.display } : process.env });
  const url = await new Promise((resolve, reject) => {
    let said = "";
    child.stderr.on("data", (d) => {
      said += d;
      const m = said.match(/WebDriver BiDi listening on (ws:\/\/\S+)/);
      if (m) resolve(m[1]);
    });
    child.once("exit", (code) => reject(new Error(`firefox ended with ${code}: ${said}`)));
  });
  const bidi = await BiDi.connect(url + "/session");
  await bidi.send("session.new", { capabilities: { alwaysMatch: { acceptInsecureCerts: false } } });
  await bidi.send("session.subscribe", subscriptions);
  return {
    downloads,
    display: x?.display,
    newTab: (options) => BiDiTab.open(bidi, options),
    async close() {
      await bidi.send("browser.close", {}).catch(() => {});
      bidi.close();
      await stopped(child);
      if (x) await stopped(x.xvfb);
      fs.rmSync(profile, { recursive: true, force: true });
      fs.rmSync(downloads, { recursive: true, force: true });
    },
  };
}

// What a driver cannot do, measured: WebKitGTK's MiniBrowser is never narrower than
// 447 pixels, and its device pixel ratio is GDK's scale, a whole number.
export function unsupported(engine, { width, deviceScaleFactor = 1 }) {
  if (engine !== "webkit") return false;
  if (width < 447) return "WebKitGTK's MiniBrowser cannot be narrower than 447 px";
  if (!Number.isInteger(deviceScaleFactor)) return "WebKitGTK's device pixel ratio is a whole number";
  return false;
}

// WebKitGTK takes its language from the C library's locale and its device pixel ratio from
// GDK's scale: one driver for each pair, the locale compiled into a folder of its own.
async function webkit({ keyboard } = {}) {
  const home = fs.mkdtempSync(path.join(os.tmpdir(), "schimatios-webkit-"));
  const { xvfb, display } = await xServer(keyboard);
  const minibrowser = fs.readdirSync("/usr/lib", { withFileTypes: true })
    .map((d) => path.join("/usr/lib", d.name, "webkit2gtk-4.1", "MiniBrowser"))
    .find((p) => fs.existsSync(p));
  const drivers = new Map();
  async function driverFor(locale, ratio) {
    const key = locale + " " + ratio;
    if (drivers.has(key)) return drivers.get(key);
    const name = locale.replace("-", "_") + ".UTF-8";
    if (!fs.existsSync(path.join(home, name)))
      execFileSync("localedef", ["-i", locale.replace("-", "_"), "-f", "UTF-8", path.join(home, name)]);
    const port = await freePort();
    const child = start(process.env.WEBKITWEBDRIVER || "WebKitWebDriver", [`--port=${port}`], {
      stdio: "ignore",
      env: { ...process.env, DISPLAY: display, LOCPATH: home, LANG: name, LC_ALL: name, LANGUAGE: "",
             GDK_SCALE: String(ratio) },
    });
    const base = `http://127.0.0.1:${port}`;
    await ready(base, child);
    drivers.set(key, { base, child });
    return drivers.get(key);
  }
  // One session a driver, its window used by one page after another: a new session
  // starts a new MiniBrowser, and WebKitWebDriver at times never answers the start of
  // one that follows another closely.
  const windows = new Map();
  return {
    display,
    async newTab(options) {
      const reason = unsupported("webkit", options);
      if (reason) throw new Error(reason);
      const driver = await driverFor(options.locale, options.deviceScaleFactor);
      const { width, height } = options;
      if (!driver.tab) {
        // Xvfb's pointer rests in the middle of its screen; with no window manager the
        // window under it has the keyboard focus.
        driver.tab = await ClassicTab.open(driver.base, {
          "webkitgtk:browserOptions": { binary: minibrowser, args: ["--automation"] },
        }, options, { x: 1920 / options.deviceScaleFactor, y: 1200 / options.deviceScaleFactor });
        windows.set(driver.tab, driver);
      } else {
        await driver.tab.release();
        await driver.tab.setViewport(width, height);
      }
      // Done with, the window shows nothing until the next page.
      return Object.assign(Object.create(driver.tab), { close: () => driver.tab.navigate("about:blank") });
    },
    async close() {
      for (const tab of windows.keys()) await tab.close().catch(() => {});
      for (const { child } of drivers.values()) await stopped(child);
      await stopped(xvfb);
      fs.rmSync(home, { recursive: true, force: true });
    },
  };
}

export function launchEngine(engine, options = {}) {
  const launchers = { chromium, firefox, webkit };
  if (!launchers[engine]) throw new Error(`no engine "${engine}": ${ENGINES.join(", ")}`);
  return launchers[engine](options);
}
