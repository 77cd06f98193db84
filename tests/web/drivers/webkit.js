// WebKitGTK's MiniBrowser through Debian's WebKitWebDriver, a W3C WebDriver server, spoken to
// over fetch. MiniBrowser draws on an X display of its own (Xvfb), even in automation.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';

import { DrivenPage, kOnlyChromium, kWebDriverKeys, SplitKey } from './driven_page.js';

const kMiniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const kElement = 'element-6066-11e4-a52e-4f735466cecf';

export async function LaunchWebKit() {
  const display = await StartDisplay();
  // Nothing is left running when a test stops early.
  process.once('exit', () => display.process.kill());
  const pages = [];
  let version = '';
  return {
    get version() { return version; },
    // WebKitWebDriver holds one session, and MiniBrowser sizes only its first window freely: each
    // page is a browser of its own, with a server of its own.
    async NewPage({ width = 1280, height = 720 } = {}) {
      const port = await FreePort();
      const server = spawn('WebKitWebDriver', [`--port=${port}`], {
        env: { ...process.env, DISPLAY: display.name }, stdio: 'ignore',
      });
      process.once('exit', () => server.kill());
      const base = `http://127.0.0.1:${port}`;
      await Until(async () => (await fetch(`${base}/status`).then((r) => r.json(), () => null))?.value?.ready);
      // Full screen, MiniBrowser shows no toolbar, which would keep it wider than a phone.
      const { sessionId, capabilities } = await Send(base, 'POST', '/session', {
        capabilities: {
          alwaysMatch: {
            'webkitgtk:browserOptions': { binary: kMiniBrowser, args: ['--automation', '--full-screen'] },
          },
        },
      });
      version = `WebKitGTK ${capabilities.browserVersion}`;
      const page = new WebKitPage(`${base}/session/${sessionId}`, server);
      pages.push(page);
      await page.Send('POST', '/timeouts', { script: 30000 });
      await page.SetSize(width, height);
      return page;
    },
    async Close() {
      for (const page of pages) await page.Close();
      display.process.kill();
    },
  };
}

class WebKitPage extends DrivenPage {
  // WebDriver reports no script errors.
  errors = [];
  cannot = {
    ...kOnlyChromium,
    rightClick: 'a right click: WebKitWebDriver releases the right button as the left one, so the ' +
      'page sees a left click, and the right button held from then on',
    searchSkippingInert: 'a search that skips inert text: WebKit\'s finds it',
  };

  constructor(session, server) {
    super();
    this.session = session;
    this.server = server;
  }

  Send(method, where, body) { return Send(this.session, method, where, body); }

  Goto(url) { return this.Send('POST', '/url', { url }); }
  Reload() { return this.Send('POST', '/refresh', {}); }

  async Close() {
    if (this.server.exitCode !== null) return;
    await this.Send('DELETE', '').catch(() => {});
    this.server.kill();
  }

  async Evaluate(fn, arg) {
    const script = `const done = arguments[arguments.length - 1];
      Promise.resolve().then(() => (${fn})(arguments[0]))
        .then((value) => done({ value }), (error) => done({ error: String(error?.stack ?? error) }));`;
    const { value, error } = await this.Send('POST', '/execute/async', { script, args: [arg ?? null] });
    if (error) throw new Error(error);
    return value ?? undefined;
  }

  async Find(selector) {
    return (await this.Send('POST', '/element', { using: 'css selector', value: selector }))[kElement];
  }

  async Pointer(type, actions) {
    await this.Send('POST', '/actions', {
      actions: [{ type: 'pointer', id: type, parameters: { pointerType: type }, actions }],
    });
    await this.Send('DELETE', '/actions');
  }

  async Click(selector, button = 'left') {
    const origin = { [kElement]: await this.Find(selector) };
    const number = button === 'right' ? 2 : 0;

    await this.Pointer('mouse', [
      { type: 'pointerMove', origin, x: 0, y: 0, duration: 0 },
      { type: 'pointerDown', button: number }, { type: 'pointerUp', button: number },
    ]);
  }

  // WebKitWebDriver takes a touch, but the page receives it as the mouse's.
  async Tap(selector) {
    const origin = { [kElement]: await this.Find(selector) };
    await this.Pointer('touch', [
      { type: 'pointerMove', origin, x: 0, y: 0, duration: 0 },
      { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 },
    ]);
  }

  async Drag(selector, x, y) {
    const origin = { [kElement]: await this.Find(selector) };
    await this.Pointer('mouse', [
      { type: 'pointerMove', origin, x: 0, y: 0, duration: 0 }, { type: 'pointerDown', button: 0 },
      { type: 'pointerMove', origin: 'viewport', x: Math.round(x), y: Math.round(y), duration: 0 },
      { type: 'pointerUp', button: 0 },
    ]);
  }

  async Keys(keys) {
    const actions = [];
    for (const { value, down } of keys) actions.push({ type: down ? 'keyDown' : 'keyUp', value });
    await this.Send('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions }] });
    await this.Send('DELETE', '/actions');
  }

  Press(combination) {
    const { modifiers, key } = SplitKey(combination);
    const values = [...modifiers, key].map((name) => kWebDriverKeys[name] ?? name);
    return this.Keys([
      ...values.map((value) => ({ value, down: true })),
      ...values.reverse().map((value) => ({ value, down: false })),
    ]);
  }

  Type(text) {
    return this.Keys([...text].flatMap((value) => [{ value, down: true }, { value, down: false }]));
  }

  async Screenshot(selector) {
    const where = selector ? `/element/${await this.Find(selector)}/screenshot` : '/screenshot';
    return Buffer.from(await this.Send('GET', where), 'base64');
  }

  // The window is sized whole; the view is what is left of it.
  async SetSize(width, height) {
    await this.Send('POST', '/window/rect', { width, height });
    const inner = await this.Evaluate(() => [innerWidth, innerHeight]);
    await this.Send('POST', '/window/rect', { width: 2 * width - inner[0], height: 2 * height - inner[1] });
  }
}

async function Send(base, method, where, body) {
  const response = await fetch(`${base}${where}`, {
    method,
    headers: { 'Content-Type': 'application/json' },
    body: body === undefined ? undefined : JSON.stringify(body),
  });
  const { value } = await response.json();
  if (!response.ok) throw new Error(`WebDriver ${method} ${where}: ${value.error}: ${value.message}`);
  return value;
}

async function Until(ready) {
  for (let i = 0; i < 200; ++i) {
    if (await ready()) return;
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  throw new Error('WebKitWebDriver did not start');
}

function FreePort() {
  return new Promise((resolve) => {
    const server = net.createServer().listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

// An X server of its own, on the first free display, which it reports.
async function StartDisplay() {
  const file = path.join(fs.mkdtempSync(path.join(os.tmpdir(), 'xvfb-')), 'display');
  const fd = fs.openSync(file, 'w');
  const process = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'], {
    stdio: ['ignore', 'ignore', 'ignore', fd],
  });
  fs.closeSync(fd);
  let name = '';
  await Until(() => (name = fs.readFileSync(file, 'utf8').trim()) !== '');
  fs.rmSync(path.dirname(file), { recursive: true });
  return { name: `:${name}`, process };
}
