// Chromium through Playwright, over Chromium's own protocol (CDP), which also gives what a
// screen reader reads and the clipboard's permissions.
import { chromium } from 'playwright-core';

import { ScriptedPage } from './scripted_page.js';

// Debian's Chromium kept off the network, in a fresh profile of Playwright's.
export function LaunchChromium(options = {}) {
  return chromium.launch({
    ...options,
    executablePath: '/usr/bin/chromium',
    headless: true,
    chromiumSandbox: false,
    args: [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
    ],
  });
}

// Chromium as the browsers that run the engine in plain JavaScript: without WebAssembly, removed
// before the page's scripts run (Lockdown Mode), or refusing it under the page's policy read
// without 'wasm-unsafe-eval', as browsers that do not know the keyword read it, and then without
// the inert property too, as Safari 15.4 and Chrome before 97 are: each the options of its context
// and what is done to it.
export const kWithoutWebAssembly = {
  missing: { Prepare: (context) => context.addInitScript('delete globalThis.WebAssembly') },
  // With no worker, which would serve the page it kept past the route.
  refused: {
    options: { serviceWorkers: 'block' },
    Prepare: async (context) => {
      await context.addInitScript('delete HTMLElement.prototype.inert');
      await context.route((url) => url.pathname === '/', async (route) => {
        const response = await route.fetch();
        await route.fulfill({ response, body: (await response.text()).replace(" 'wasm-unsafe-eval'", '') });
      });
    },
  },
};

// `webAssembly`, where given, names how the pages go without it (kWithoutWebAssembly).
export async function LaunchChromiumEngine({ webAssembly } = {}) {
  const browser = await LaunchChromium();
  return {
    version: `Chromium ${browser.version()}${webAssembly ? `, WebAssembly ${webAssembly}` : ''}`,
    // A page in a context of its own, which may read and write the clipboard.
    async NewPage({ width = 1280, height = 720, touch = false } = {}) {
      const without = kWithoutWebAssembly[webAssembly];
      const context = await browser.newContext({
        viewport: { width, height }, isMobile: touch, hasTouch: touch, deviceScaleFactor: touch ? 2 : 1,
        ...without?.options,
      });
      await context.grantPermissions(['clipboard-read', 'clipboard-write']);
      if (!without) return new ChromiumPage(await context.newPage());
      await without.Prepare(context);
      return new PlainEnginePage(await context.newPage());
    },
    Close: () => browser.close(),
  };
}

export class ChromiumPage extends ScriptedPage {
  Press(key) { return this.page.keyboard.press(key); }
  SetSize(width, height) { return this.page.setViewportSize({ width, height }); }
  Close() { return this.page.context().close(); }

  Screenshot(selector) {
    return selector ? this.page.locator(selector).screenshot() : this.page.screenshot();
  }

  // What a screen reader calls the control: its name, or for a label the text it reads out.
  async SpokenName(id) {
    const cdp = await this.page.context().newCDPSession(this.page);
    const { root } = await cdp.send('DOM.getDocument');
    const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector: `#${id}` });
    const { nodes } = await cdp.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: true });
    await cdp.detach();
    const [node] = nodes;
    if (node.name?.value) return node.name.value;
    return nodes.filter((n) => node.childIds.includes(n.nodeId)).map((n) => n.name?.value ?? '').join('');
  }

  // The page's live regions as a screen reader finds them: role, politeness and text.
  async LiveRegions() {
    const cdp = await this.page.context().newCDPSession(this.page);
    const { nodes } = await cdp.send('Accessibility.getFullAXTree');
    await cdp.detach();
    const byId = new Map(nodes.map((n) => [n.nodeId, n]));
    const text = (n) => (n.role?.value === 'StaticText' ? n.name.value : (n.childIds ?? []).map((id) => text(byId.get(id))).join(''));
    const live = (n) => n.properties?.find((p) => p.name === 'live')?.value.value;
    return nodes
      .filter((n) => live(n) !== undefined && live(byId.get(n.parentId) ?? {}) === undefined)
      .map((n) => ({ role: n.role.value, live: live(n), text: text(n) }));
  }
}

// A page that must run the engine in plain JavaScript: a load that runs another is an error.
class PlainEnginePage extends ChromiumPage {
  async Goto(url) {
    await super.Goto(url);
    await this.RanPlainEngine();
  }

  async Reload() {
    await super.Reload();
    await this.RanPlainEngine();
  }

  async RanPlainEngine() {
    await this.WaitFor(() => document.querySelector('#btnfilt:enabled') !== null);
    const files = await this.Evaluate(() => performance.getEntriesByType('resource').map(({ name }) => name));
    const plain = files.some((file) => file.includes('/tarvello_engine_plain.'));
    if (!plain) this.errors.push('no engine in plain JavaScript');
  }
}
