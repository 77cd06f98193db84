// The page's site and the steps a user takes in it, for the page's tests and benchmark, in any
// engine (drivers/). TARVELLO_SITE names the site's folder, TARVELLO_CASES the window tests'
// tables.
import fs from 'node:fs';
import path from 'node:path';

import { ChromiumPage, LaunchChromium } from './drivers/chromium.js';
import { DrivenPage } from './drivers/driven_page.js';
import { kSite } from './server.js';

export { kSite, ServeSite } from './server.js';
export { LaunchChromium as LaunchBrowser };
export const cases = JSON.parse(
  fs.readFileSync(process.env.TARVELLO_CASES ?? path.join(kSite, '../tests/web/window_cases.json'), 'utf8'));

// Each load of the page is a start of the program; it has started once its controls are enabled.
// The page is a driven one, or Playwright's in Chromium.
export async function Start(page, url) {
  const driven = page instanceof DrivenPage ? page : new ChromiumPage(page);
  await driven.Goto(url);
  await Started(driven);
}

export const Started = (page) => page.WaitFor(() => document.querySelector('#btnfilt:enabled') !== null);

// Steps as a user takes them: "type X" into the draw field, "dj X" into the verdict field,
// "back" (Backspace in the draw field), "click" (into the draw field), "filter".
export async function Perform(page, steps) {
  for (const step of steps) {
    if (step.startsWith('type ')) await TypeInto(page, 'edtcode', step.slice(5));
    if (step.startsWith('dj ')) await TypeInto(page, 'edtdj', step.slice(3));
    if (step === 'back') await TypeInto(page, 'edtcode', '', 'Backspace');
    if (step === 'click') await page.Click('#edtcode');
    if (step === 'filter') await page.Click('#btnfilt');
  }
}

// A run on a touch screen, then the run's last entry typed as the draw: a hit at the list's end.
export async function TapRunThenFindItsLast(page) {
  await page.Tap('#edtcode');
  await page.Type('1234');
  await page.Tap('#btnfilt');
  await page.Tap('#edtcode');
  await page.Type(cases.lastOfFirstRun);
}

async function TypeInto(page, field, text, key) {
  if ((await Focused(page)) !== field) {
    await page.Focus(`#${field}`);
    await page.Press('End');
  }
  if (text !== '') await page.Type(text);
  if (key) await page.Press(key);
}

export const Focused = (page) => page.Evaluate(() => document.activeElement?.id ?? '');
export const Value = (page, id) => page.Evaluate((i) => document.getElementById(i).value, id);
// The list as screen readers read it, all of it, which the page gives them in a task after the
// frame after the one that shows the lines in sight: a task asked for the same way now comes after.
export const List = (page) => page.Evaluate(async () => {
  await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(resolve))));
  return document.querySelector('#memcode textarea').value;
});
export const Caption = (page) => page.Evaluate(() => document.getElementById('lbljushu').textContent);
// Waits until the service worker keeps the engine in plain JavaScript, as the page asks it to.
export const PlainEngineKept = (page) => page.WaitFor(async () => {
  const kept = await Promise.all((await caches.keys()).map(async (name) => (await caches.open(name)).keys()));
  return kept.flat().some(({ url }) => url.includes('/tarvello_engine_plain.'));
});
