// Debian's Firefox ESR through puppeteer-core, over WebDriver BiDi: no geckodriver needed.
import puppeteer from 'puppeteer-core';

import { DrivenPage, kOnlyChromium, kWebDriverKeys, SplitKey } from './driven_page.js';

export async function LaunchFirefox() {
  const browser = await puppeteer.launch({
    browser: 'firefox',
    protocol: 'webDriverBiDi',
    executablePath: '/usr/bin/firefox-esr',
    headless: true,
    // Off the network: no updates, reports or studies of its own.
    extraPrefsFirefox: {
      'app.update.disabledForTesting': true,
      'datareporting.policy.dataSubmissionEnabled': false,
      'network.captive-portal-service.enabled': false,
      'network.connectivity-service.enabled': false,
    },
  });
  return {
    version: (await browser.version()).replace(/^firefox\//, 'Firefox ESR '),
    async NewPage({ width = 1280, height = 720, touch = false } = {}) {
      const context = await browser.createBrowserContext();
      const page = await context.newPage();
      await page.setViewport({ width, height, hasTouch: touch });
      return new FirefoxPage(page);
    },
    Close: () => browser.close(),
  };
}

class FirefoxPage extends DrivenPage {
  cannot = kOnlyChromium;

  constructor(page) {
    super();
    this.page = page;
    this.errors = [];
    page.on('pageerror', (error) => this.errors.push(error.message));
  }

  Goto(url) { return this.page.goto(url); }
  Reload() { return this.page.reload(); }
  Evaluate(fn, arg) { return this.page.evaluate(fn, arg); }
  Click(selector, button = 'left') { return this.page.click(selector, { button }); }
  Tap(selector) { return this.page.tap(selector); }
  Type(text) { return this.page.keyboard.type(text); }
  SetSize(width, height) { return this.page.setViewport({ width, height }); }
  Close() { return this.page.browserContext().close(); }

  async Press(combination) {
    const { modifiers, key } = SplitKey(combination);
    for (const modifier of modifiers) await this.page.keyboard.down(modifier);
    try {
      // Puppeteer knows no keypad Enter, but passes WebDriver's code points on.
      await this.page.keyboard.press(key === 'NumpadEnter' ? kWebDriverKeys[key] : key);
    } finally {
      for (const modifier of modifiers.reverse()) await this.page.keyboard.up(modifier);
    }
  }

  async Drag(selector, x, y) {
    const box = await this.Box(selector);
    await this.page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    await this.page.mouse.down();
    await this.page.mouse.move(x, y);
    await this.page.mouse.up();
  }

  async Screenshot(selector) {
    return Buffer.from(await (selector ? (await this.page.$(selector)).screenshot() : this.page.screenshot()));
  }
}
