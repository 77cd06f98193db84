// What Orca says to a blind player who uses the window with the keyboard alone, in the Qt
// program and in the page in Firefox ESR: the same keys, typed through the X server, and the
// same answers heard.
import { spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import test from 'node:test';
import assert from 'node:assert/strict';
import { kSite, ServeSite } from '../web/server.js';
import { ActivateWindow, Hear, Keys, OrcaReady, Type } from './orca.js';

const cases = JSON.parse(fs.readFileSync(path.join(kSite, '../tests/web/window_cases.json'), 'utf8'));

// The answers the window tells where the player types: the count and the verdicts. Orca says
// a Qt notification with its role first.
const kAnswers = new Set([cases.filledCaption, '中', 'X']);
function Answers(heard) {
  return heard.map((text) => text.replace(/^notification /, '').replace(/\.$/, '')).filter((text) => kAnswers.has(text));
}
const Says = (pattern) => (heard) => heard.some((text) => pattern.test(text));

// Each step: the keys, and what the player must then hear: the answers told, in order, and
// anything else said that `also` accepts.
const kSteps = [
  { step: 'a draw before any run', keys: () => Type('1234'), answers: [] },
  { step: 'Enter runs Filter and tells the count', keys: () => Keys('Return'), answers: [cases.filledCaption] },
  { step: 'every run tells it', keys: () => Keys('Return'), answers: [cases.filledCaption] },
  { step: 'three digits of a draw', keys: () => (Keys('ctrl+a'), Type('123')), answers: [] },
  { step: 'the fourth digit hits', keys: () => Type('4'), answers: ['中'] },
  { step: 'the same hit again', keys: () => (Keys('ctrl+a'), Type('1234')), answers: ['中'] },
  { step: 'a miss', keys: () => (Keys('ctrl+a'), Type(cases.excludedDraw)), answers: ['X'] },
  { step: 'Shift+Tab reads the verdict field', keys: () => Keys('shift+Tab'), also: Says(/^X( selected)?\.?$/) },
  {
    step: 'Tab back reads the draw whole',
    keys: () => Keys('Tab'),
    also: (heard) => Says(new RegExp(`\\b${cases.excludedDraw}\\b`))(heard) && !Says(/\b561\b/)(heard),
  },
  {
    step: 'the rejection box is read with its message and button',
    keys: () => (Keys('ctrl+a'), Type('12'), Keys('Return')),
    also: (heard) => Says(new RegExp(cases.rejection))(heard) && Says(/确定/)(heard),
  },
];

async function Listen(t, start) {
  await OrcaReady();
  const opened = await Hear(async () => {
    start();
    await ActivateWindow(/^Tarvello/);
  }, Says(/上期开奖：/));
  t.diagnostic(`the start: ${JSON.stringify(opened)}`);
  assert.ok(Says(/Tarvello/)(opened), `the start: ${JSON.stringify(opened)}`);
  for (const { step, keys, answers, also } of kSteps) {
    await t.test(step, async () => {
      const heard = await Hear(keys, also ?? ((said) => Answers(said).length >= (answers?.length ?? 0)));
      t.diagnostic(`${step}: ${JSON.stringify(heard)}`);
      if (answers) assert.deepEqual(Answers(heard), answers, JSON.stringify(heard));
      if (also) assert.ok(also(heard), JSON.stringify(heard));
    });
  }
  await Hear(() => Keys('Return'));
}

function Run(command, args, env) {
  return spawn(command, args, { env: { ...process.env, LANG: 'zh_CN.UTF-8', ...env }, stdio: 'ignore' });
}

test('the Qt window', async (t) => {
  let program;
  try {
    await Listen(t, () => {
      program = Run('build/default/app/qt/tarvello', [], { QT_LINUX_ACCESSIBILITY_ALWAYS_ON: '1' });
    });
  } finally {
    program?.kill();
  }
});

test('the page in Firefox ESR', async (t) => {
  const site = await ServeSite();
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvello-firefox-'));
  // A fresh profile's first start opens pages of its own, which Orca would read.
  fs.writeFileSync(
    path.join(profile, 'user.js'),
    [
      'user_pref("browser.shell.checkDefaultBrowser", false);',
      'user_pref("browser.startup.homepage_override.mstone", "ignore");',
      'user_pref("browser.aboutwelcome.enabled", false);',
      'user_pref("datareporting.policy.dataSubmissionEnabled", false);',
      'user_pref("toolkit.telemetry.reportingpolicy.firstRun", false);',
      // A first start opens the privacy notice in a tab of its own, a few seconds in.
      'user_pref("datareporting.policy.firstRunURL", "");',
      'user_pref("startup.homepage_welcome_url", "");',
      'user_pref("startup.homepage_welcome_url.additional", "");',
      'user_pref("app.normandy.enabled", false);',
      'user_pref("browser.uitour.enabled", false);',
      '',
    ].join('\n'));
  let browser;
  try {
    await Listen(t, () => {
      browser = Run('firefox-esr', ['--no-remote', '--profile', profile, site.url], { GNOME_ACCESSIBILITY: '1' });
    });
  } finally {
    browser?.kill();
    await site.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
});
