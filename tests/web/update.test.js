// A new version of the site reaching a visitor of the last one, in Chromium, from a host that
// lets browsers keep every file ten minutes, as common static hosts do.
import assert from 'node:assert/strict';
import crypto from 'node:crypto';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { ReadSources, WriteSite } from '../../app/web/site.mjs';
import { ChromiumPage, kWithoutWebAssembly } from './drivers/chromium.js';
import {
  cases, kSite, LaunchBrowser, List, Perform, PlainEngineKept, ServeSite, Start, Started,
} from './page.js';

const kRepository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const kSiteFiles = process.env.TARVELLO_SITE_FILES ?? path.join(kSite, '../app/web/site_files.txt');
const kOldText = '过滤';
const kNewText = '筛选';

// The next version: the site built again with Filter's text changed where the build puts it,
// in the page and in the script that writes the window's texts.
function BuildNextVersion(t) {
  const sources = ReadSources(kSiteFiles);
  for (const name of ['index.html', 'window_layout.js']) {
    sources.set(name, Buffer.from(sources.get(name).toString('utf8').replaceAll(kOldText, kNewText)));
  }
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvello-next-'));
  t.after(() => fs.rmSync(folder, { recursive: true, force: true }));
  WriteSite(sources, folder, fs.readFileSync(path.join(kRepository, 'app/web/sw.js.in'), 'utf8'));
  return folder;
}

const Digest = (bytes) => crypto.createHash('sha256').update(bytes).digest('hex');
const CacheName = (folder) => /const kCache = '([^']+)'/.exec(fs.readFileSync(path.join(folder, 'sw.js'), 'utf8'))[1];

// What this load of the page runs: Filter's text from the page, and the files it fetched.
const Loaded = (page) => page.Evaluate(() => ({
  text: document.getElementById('btnfilt').textContent,
  files: performance.getEntriesByType('resource').map((entry) => new URL(entry.name).pathname.slice(1)),
}));

// The worker's cache: each file's name and the digest of what it keeps.
const Kept = (page, cache) => page.Evaluate(async (name) => {
  const kept = {};
  const open = await caches.open(name);
  for (const request of await open.keys()) {
    const bytes = await (await open.match(request)).arrayBuffer();
    const digest = await crypto.subtle.digest('SHA-256', bytes);
    kept[new URL(request.url).pathname.slice(1) || 'index.html'] =
      [...new Uint8Array(digest)].map((byte) => byte.toString(16).padStart(2, '0')).join('');
  }
  return { names: await caches.keys(), kept };
}, cache);

test('an update reaches an earlier visitor whole within two loads, and then works offline', async (t) => {
  const rows = [
    { row: 'with WebAssembly' },
    // Which keeps the next version's engine too.
    { row: 'with the engine in plain JavaScript, WebAssembly missing', without: 'missing' },
  ];
  const next = BuildNextVersion(t);
  const browser = await LaunchBrowser();
  t.after(() => browser.close());
  for (const row of rows) {
    await t.test(row.row, async (t) => {
      const site = await ServeSite(0, { cacheControl: 'max-age=600' });
      t.after(() => site.close());
      const context = await browser.newContext();
      t.after(() => context.close());
      await kWithoutWebAssembly[row.without]?.Prepare(context);
      const page = new ChromiumPage(await context.newPage());
      await Start(page, site.url);
      await page.WaitFor(() => navigator.serviceWorker.controller !== null);
      if (row.without) await PlainEngineKept(page);

      site.Serve(next);
      const versions = { [kOldText]: fs.readdirSync(kSite), [kNewText]: fs.readdirSync(next) };
      const newCache = CacheName(next);
      let last;
      let cache;
      for (const load of [1, 2]) {
        await page.Reload();
        await Started(page);
        last = await Loaded(page);
        assert.deepEqual(last.files.filter((file) => !versions[last.text].includes(file)), [], `load ${load}: one version`);
        // The new worker takes over, as it does while a visitor reads the page.
        await page.WaitFor(async (name) => (await caches.keys()).join() === name, newCache);
        // Whole once it has, so that the next load works offline.
        if (load === 1) cache = await Kept(page, newCache);
      }
      assert.equal(last.text, kNewText);

      const { names, kept } = cache;
      assert.deepEqual(names, [newCache]);
      // The engine in plain JavaScript only where the browser runs it.
      const runs = (name) => row.without || !name.startsWith('tarvello_engine_plain.');
      const files = versions[kNewText].filter((name) => name !== 'sw.js' && runs(name));
      assert.deepEqual(kept, Object.fromEntries(files.map((name) => [name, Digest(fs.readFileSync(path.join(next, name)))])));

      await site.close();
      await page.Reload();
      await Started(page);
      await Perform(page, ['type 1234', 'filter']);
      assert.equal((await Loaded(page)).text, kNewText);
      assert.ok((await List(page)) === cases.firstRuns[0]);
    });
  }
});
