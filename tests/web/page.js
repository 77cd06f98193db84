// The site served from 127.0.0.1 and Debian's Chromium driving it, for the page's tests and
// benchmark. TARVELLO_SITE names the site's folder, TARVELLO_CASES the window tests' tables.
import fs from 'node:fs';
import http from 'node:http';
import path from 'node:path';
import { chromium } from 'playwright-core';

const kRepository = path.resolve(import.meta.dirname, '../..');
export const kSite = process.env.TARVELLO_SITE ?? path.join(kRepository, 'build/web/site');
export const cases = JSON.parse(
  fs.readFileSync(
    process.env.TARVELLO_CASES ?? path.join(kRepository, 'build/web/tests/web/window_cases.json'),
    'utf8'));

const kTypes = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

// Serves the site's files, and nothing else, on a free port of 127.0.0.1.
export async function ServeSite() {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://host').pathname).slice(1);
    const file = path.join(kSite, name === '' ? 'index.html' : name);
    if (path.dirname(file) !== kSite || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': kTypes[path.extname(file)] ?? 'application/octet-stream' });
    response.end(fs.readFileSync(file));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => {
      server.closeAllConnections();
      return new Promise((resolve) => server.close(resolve));
    },
  };
}

// Chromium kept off the network, in a fresh profile of Playwright's.
export function LaunchBrowser() {
  return chromium.launch({
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

async function TypeInto(page, field, text, key) {
  if ((await Focused(page)) !== field) {
    await page.focus(`#${field}`);
    await page.keyboard.press('End');
  }
  if (text !== '') await page.keyboard.type(text);
  if (key) await page.keyboard.press(key);
}

export const Focused = (page) => page.evaluate(() => document.activeElement?.id ?? '');
export const List = (page) => page.$eval('#memcode', (memcode) => memcode.value);
export const Value = (page, id) => page.$eval(`#${id}`, (control) => control.value);
export const Caption = (page) => page.$eval('#lbljushu', (label) => label.textContent);
