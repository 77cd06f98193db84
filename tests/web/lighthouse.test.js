// Lighthouse's mobile audit of the site as the test server serves it, text compressed. The scores
// that do not depend on time are asserted; performance is a timing, and only printed.
import assert from 'node:assert/strict';
import { execFile } from 'node:child_process';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { test } from 'node:test';
import { promisify } from 'node:util';

import { kSite, ServeSite } from './page.js';

const kLighthouse = path.join(path.dirname(createRequire(import.meta.url).resolve('lighthouse/package.json')), 'cli/index.js');
// Debian's Chromium, off the network as in the other tests.
const kChromeFlags = [
  '--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

test('Lighthouse on a phone: accessibility, best practices and SEO score 100', async (t) => {
  const site = await ServeSite();
  t.after(() => site.close());
  const { stdout } = await promisify(execFile)(process.execPath, [
    kLighthouse, site.url, '--output=json', '--output-path=stdout', '--quiet',
    '--only-categories=performance,accessibility,best-practices,seo', `--chrome-flags=${kChromeFlags.join(' ')}`,
  ], { env: { ...process.env, CHROME_PATH: '/usr/bin/chromium' }, maxBuffer: 64 * 1024 * 1024 });
  const report = JSON.parse(stdout);
  const scores = Object.fromEntries(
    Object.entries(report.categories).map(([name, category]) => [name, Math.round(category.score * 100)]));
  const audit = (name) => report.audits[name].displayValue;
  const summary = `Lighthouse ${report.lighthouseVersion}, mobile: performance ${scores.performance} (first contentful paint ${audit('first-contentful-paint')}, ` +
    `largest contentful paint ${audit('largest-contentful-paint')}, total blocking time ` +
    `${audit('total-blocking-time')}, layout shift ${audit('cumulative-layout-shift')}); ` +
    `accessibility ${scores.accessibility}, best practices ${scores['best-practices']}, SEO ${scores.seo}`;
  // Beside the site too, for the test command to show.
  console.log(summary);
  fs.writeFileSync(path.join(kSite, '../lighthouse.txt'), `${summary}\n`);
  const failed = (name) => report.categories[name].auditRefs
    .map(({ id }) => report.audits[id]).filter((a) => a.score !== null && a.score < 1).map((a) => a.id);
  for (const name of ['accessibility', 'best-practices', 'seo']) {
    assert.equal(scores[name], 100, `${name}: ${failed(name).join(', ')}`);
  }
});
