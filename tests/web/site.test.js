// The site as a whole: its own files only, offline after one visit, a phone's screen, and what
// axe-core finds.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { after, before, test } from 'node:test';

import {
  cases, kSite, LaunchBrowser, List, Perform, ServeSite, Start, TapRunThenFindItsLast, Value,
} from './page.js';

const kAxe = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const kMostBytes = 200 * 1024;
let browser;

before(async () => {
  browser = await LaunchBrowser();
});

after(async () => {
  await browser?.close();
});

// The site served for one test, closed when the test ends, passed or not.
async function Serve(t) {
  const site = await ServeSite();
  t.after(() => site.close());
  return site;
}

// A page in a context of its own, which records any script error or console error (a refused
// request or a broken policy shows there).
async function OpenPage(t, options = {}) {
  const context = await browser.newContext(options);
  t.after(() => context.close());
  const page = await context.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(error.message));
  page.on('console', (message) => message.type() === 'error' && problems.push(message.text()));
  return { context, page, problems };
}

async function AxeViolations(page) {
  await page.evaluate(kAxe);
  const { violations } = await page.evaluate(() => window.axe.run());
  return violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(', ')}`);
}

test('the site is small, and the page asks for nothing but its own files', async (t) => {
  const bytes = fs.readdirSync(kSite).reduce((sum, name) => sum + fs.statSync(path.join(kSite, name)).size, 0);
  assert.ok(bytes < kMostBytes, `${bytes} bytes`);

  const site = await Serve(t);
  const { context, page, problems } = await OpenPage(t);
  const asked = [];
  context.on('request', (request) => asked.push(request.url()));
  await Start(page, site.url);
  await Perform(page, ['type 1234', 'filter', 'click', 'type 1234']);
  await page.reload();
  await page.waitForSelector('#btnfilt:enabled');
  assert.deepEqual(asked.filter((url) => !url.startsWith(site.url)), []);
  assert.deepEqual(problems, []);
});

test('after one visit the page loads and works with the network gone', async (t) => {
  const site = await Serve(t);
  const { page, problems } = await OpenPage(t);
  await Start(page, site.url);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller) {
      await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
    }
  });
  const manifest = await page.evaluate(async () => (await fetch('manifest.webmanifest')).json());
  await site.close();

  await page.reload();
  await page.waitForSelector('#btnfilt:enabled');
  await Perform(page, ['type 1234', 'filter']);
  assert.ok((await List(page)) === cases.firstRuns[0]);
  const icons = await page.evaluate(async (list) => Promise.all(list.map(async ({ src }) => {
    const image = await createImageBitmap(await (await fetch(src)).blob());
    return `${image.width}x${image.height}`;
  })), manifest.icons);
  assert.deepEqual(icons, manifest.icons.map((icon) => icon.sizes));
  assert.deepEqual([manifest.name, manifest.display], ['Tarvello', 'standalone']);
  assert.deepEqual(problems.filter((p) => !p.includes('sw.js')), []);
});

test('on a 360 x 740 touch screen the window is one column with every control in view', async (t) => {
  const site = await Serve(t);
  const { page, problems } = await OpenPage(t, {
    viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2,
  });
  await Start(page, site.url);
  await TapRunThenFindItsLast(page);
  assert.equal(await Value(page, 'edtdj'), '中');
  const unseen = await page.$eval('#memcode .list-scroll', (list) => list.scrollHeight - list.clientHeight - list.scrollTop);
  assert.ok(Math.abs(unseen) <= 1, 'the list scrolled to its last entry');

  const layout = await page.evaluate(() => ({
    overflow: document.documentElement.scrollWidth - window.innerWidth,
    boxes: Object.fromEntries(
      ['lbljushu', 'memcode', 'Label1', 'Label2', 'edtcode', 'edtdj', 'btnfilt', 'btncopy', 'btnclose']
        .map((id) => [id, document.getElementById(id).getBoundingClientRect().toJSON()])),
  }));
  assert.equal(layout.overflow, 0);
  for (const [id, box] of Object.entries(layout.boxes)) {
    assert.ok(box.left >= 0 && box.right <= 360 && box.top >= 0 && box.bottom <= 740, `${id} in view`);
    assert.ok(box.width >= 360 - 2 * 8, `${id} fills the width`);
    if (!/^(lbl|Label)/.test(id)) assert.ok(box.height >= 40, `${id} at least 40 pixels high`);
  }
  assert.ok(layout.boxes.memcode.height > 740 / 2, 'the list takes what is left');
  assert.deepEqual(problems, []);
  assert.deepEqual(await AxeViolations(page), []);
});

test('axe-core finds no accessibility violation in the window or its box', async (t) => {
  const site = await Serve(t);
  const { page, problems } = await OpenPage(t);
  await Start(page, site.url);
  await Perform(page, ['type 1234', 'filter', 'click', 'type 1234']);
  assert.deepEqual(problems, []);
  // axe-core's own styles are what the page's policy refuses from here on.
  assert.deepEqual(await AxeViolations(page), []);
  await Perform(page, ['click', 'filter']);
  assert.deepEqual(await AxeViolations(page), []);
});
