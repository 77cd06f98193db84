// Debian's Firefox ESR through puppeteer-core, over WebDriver BiDi: no geckodriver needed.
import puppeteer from 'puppeteer-core';

import { kOnlyChromium, kWebDriverKeys, SplitKey } from './driven_page.js';
import { ScriptedPage } from './scripted_page.js';

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

class FirefoxPage extends ScriptedPage {
  cannot = kOnlyChromium;

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

  async Screenshot(selector) {
    return Buffer.from(await (selector ? (await this.page.$(selector)).screenshot() : this.page.screenshot()));
  }
}
