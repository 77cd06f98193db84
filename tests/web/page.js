// Debian's Chromium driving the site served from 127.0.0.1, for the page's tests and benchmark.
// TARVELLO_SITE names the site's folder, TARVELLO_CASES the window tests' tables.
import fs from 'node:fs';
import path from 'node:path';
import { chromium } from 'playwright-core';

import { kSite } from './server.js';

export { kSite, ServeSite } from './server.js';
export const cases = JSON.parse(
  fs.readFileSync(process.env.TARVELLO_CASES ?? path.join(kSite, '../tests/web/window_cases.json'), 'utf8'));

// Chromium kept off the network, in a fresh profile of Playwright's.
export function LaunchBrowser(options = {}) {
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

// Each load of the page is a start of the program; it has started once its controls are enabled.
export async function Start(page, url) {
  await page.goto(url);
  await page.waitForSelector('#btnfilt:enabled');
}

// Steps as a user takes them: "type X" into the draw field, "dj X" into the verdict field,
// "back" (Backspace in the draw field), "click" (into the draw field), "filter".
export async function Perform(page, steps) {
  for (const step of steps) {
    if (step.startsWith('type ')) await TypeInto(page, 'edtcode', step.slice(5));
    if (step.startsWith('dj ')) await TypeInto(page, 'edtdj', step.slice(3));
    if (step === 'back') await TypeInto(page, 'edtcode', '', 'Backspace');
    if (step === 'click') await page.click('#edtcode');
    if (step === 'filter') await page.click('#btnfilt');
  }
}

// A run on a touch screen, then the run's last entry typed as the draw: a hit at the list's end.
export async function TapRunThenFindItsLast(page) {
  await page.tap('#edtcode');
  await page.keyboard.type('1234');
  await page.tap('#btnfilt');
  await page.tap('#edtcode');
  await page.keyboard.type(cases.lastOfFirstRun);
}

async function TypeInto(page, field, text, key) {
  if ((await Focused(page)) !== field) {
    await page.focus(`#${field}`);
    await page.keyboard.press('End');
  }
  if (text !== '') await page.keyboard.type(text);
  if (key) await page.keyboard.press(key);
}

export const Focused = (page) => page.evaluate(() => document.activeElement?.id ?? '');
// The list as screen readers read it, all of it, which the page gives them in the frame after
// the one that shows the lines in sight.
export const List = (page) => page.$eval('#memcode textarea', async (list) => {
  await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
  return list.value;
});
export const Value = (page, id) => page.$eval(`#${id}`, (control) => control.value);
export const Caption = (page) => page.$eval('#lbljushu', (label) => label.textContent);
