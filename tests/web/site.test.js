// The site as a whole, in Chromium: its own files only, offline after one visit, the window
// painted before any script, and what axe-core finds.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { after, before, test } from 'node:test';

import { ChromiumPage, kWithoutWebAssembly } from './drivers/chromium.js';
import {
  cases, kSite, LaunchBrowser, List, Perform, PlainEngineKept, ServeSite, Start, Started,
  TapRunThenFindItsLast,
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
  return { context, page: new ChromiumPage(page), problems };
}

async function AxeViolations(page) {
  await page.page.evaluate(kAxe);
  const { violations } = await page.Evaluate(() => window.axe.run());
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
  await page.Reload();
  await Started(page);
  assert.deepEqual(asked.filter((url) => !url.startsWith(site.url)), []);
  assert.deepEqual(problems, []);
});

const IsPlainEngine = (name) => /(^|\/)tarvello_engine_plain\./.test(name);

test('after one visit the page loads and works with the network gone', async (t) => {
  const rows = [
    // Which never fetches the engine in plain JavaScript, nor does its worker.
    { row: 'with WebAssembly' },
    // Fetched before the worker controls the page, and kept all the same.
    { row: 'with the engine in plain JavaScript, WebAssembly missing', without: 'missing' },
  ];
  for (const row of rows) {
    await t.test(row.row, async (t) => {
      const site = await Serve(t);
      const { context, page, problems } = await OpenPage(t);
      await kWithoutWebAssembly[row.without]?.Prepare(context);
      await Start(page, site.url);
      await page.Evaluate(async () => {
        await navigator.serviceWorker.ready;
        if (!navigator.serviceWorker.controller) {
          await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
        }
      });
      if (row.without) await PlainEngineKept(page);
      else assert.deepEqual(site.requested.filter(IsPlainEngine), []);
      const manifest = await page.Evaluate(async () => (await fetch('manifest.webmanifest')).json());
      await site.close();

      await page.Reload();
      await Started(page);
      await Perform(page, ['type 1234', 'filter']);
      assert.ok((await List(page)) === cases.firstRuns[0]);
      const icons = await page.Evaluate(async (list) => Promise.all(list.map(async ({ src }) => {
        const image = await createImageBitmap(await (await fetch(src)).blob());
        return `${image.width}x${image.height}`;
      })), manifest.icons);
      assert.deepEqual(icons, manifest.icons.map((icon) => icon.sizes));
      assert.deepEqual([manifest.name, manifest.display], ['Tarvello', 'standalone']);
      assert.deepEqual(problems.filter((p) => !p.includes('sw.js')), []);
    });
  }
});

// A phone's screen, 360 x 740.
const kPhone = { viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 };

// Where neither engine can start, the page's message shows over the list, whole, and nothing can
// be pressed; on a page that starts, it never shows.
const CannotStart = (page) => page.Evaluate(() => {
  const message = document.getElementById('cannot-start');
  return {
    shown: !message.hidden && message.parentElement.id === 'memcode',
    whole: message.scrollHeight <= message.clientHeight,
    enabled: document.querySelectorAll('#frmmain :enabled').length,
  };
});

// Why the page cannot start: the failure each row makes.
const kCannotStart = {
  // WebAssembly missing, and the engine in plain JavaScript failing to load.
  engines: async (context) => {
    await kWithoutWebAssembly.missing.Prepare(context);
    await context.route((url) => IsPlainEngine(url.pathname), (route) => route.abort());
  },
  // A browser too old for the page, without the box a rejection shows in.
  oldBrowser: (context) => context.addInitScript('delete globalThis.HTMLDialogElement'),
};

test('axe-core finds no accessibility violation in the window, its box, or its message', async (t) => {
  const rows = [
    { row: 'desktop, after a hit, then the box', steps: ['type 1234', 'filter', 'click', 'type 1234'], box: true },
    { row: 'phone, after a hit at the end of the list', options: kPhone, tapped: true },
    { row: 'desktop, where neither engine can start', cannotStart: 'engines' },
    { row: 'phone, where neither engine can start', options: kPhone, cannotStart: 'engines' },
    { row: 'desktop, in a browser too old for the page', cannotStart: 'oldBrowser' },
  ];
  for (const row of rows) {
    await t.test(row.row, async (t) => {
      const site = await Serve(t);
      const { context, page, problems } = await OpenPage(t, row.options);
      if (row.cannotStart) {
        await kCannotStart[row.cannotStart](context);
        await page.Goto(site.url);
        await page.WaitFor(() => !document.getElementById('cannot-start').hidden);
        assert.deepEqual(await CannotStart(page), { shown: true, whole: true, enabled: 0 });
        assert.deepEqual(await AxeViolations(page), []);
        return;
      }
      await Start(page, site.url);
      assert.equal((await CannotStart(page)).shown, false);
      if (row.tapped) await TapRunThenFindItsLast(page);
      await Perform(page, row.steps ?? []);
      assert.deepEqual(problems, []);
      // axe-core's own styles are what the page's policy refuses from here on.
      assert.deepEqual(await AxeViolations(page), []);
      if (!row.box) return;
      await Perform(page, ['click', 'filter']);
      assert.deepEqual(await AxeViolations(page), []);
    });
  }
});

test('the window is painted before any script runs, and nothing moves when the engine arrives', async (t) => {
  const rows = [{ row: 'desktop' }, { row: 'phone', options: kPhone }];
  for (const row of rows) {
    await t.test(row.row, async (t) => {
      const site = await Serve(t);
      const { page } = await OpenPage(t, row.options);
      await Start(page, site.url);
      await page.Evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve))));
      const shift = await page.Evaluate(() => new Promise((resolve) => {
        let sum = 0;
        new PerformanceObserver((list) => list.getEntries().forEach((entry) => (sum += entry.value)))
          .observe({ type: 'layout-shift', buffered: true });
        setTimeout(() => resolve(sum), 200);
      }));
      assert.equal(shift, 0);
    });
  }
  // Without scripts, the page shows what the window shows as it opens, at its places, with
  // nothing to press until the engine is there.
  await t.test('without scripts', async (t) => {
    const site = await Serve(t);
    const { page } = await OpenPage(t, { javaScriptEnabled: false });
    await page.Goto(site.url);
    const seen = await page.Evaluate((names) => names.map((name) => {
      const element = document.getElementById(name);
      const window = document.getElementById('frmmain');
      const box = element.getBoundingClientRect();
      return {
        name,
        text: 'value' in element && element.tagName !== 'BUTTON' ? element.value : element.textContent,
        left: box.left - window.getBoundingClientRect().left - window.clientLeft,
        top: box.top - window.getBoundingClientRect().top - window.clientTop,
        width: box.width,
        height: box.height,
      };
    }), cases.controls.map((control) => control.name));
    assert.deepEqual(seen, cases.controls.map(({ name, text, left, top, width, height }) => ({
      name, text, left, top, width, height,
    })));
    assert.equal(await page.Evaluate(() => document.querySelectorAll('#frmmain :enabled').length), 0);
  });
});
