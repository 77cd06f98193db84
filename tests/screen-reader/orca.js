// What Orca says, read from its log, and keys typed through the X server, which is where Orca
// hears them: keys sent to a program directly would bypass it.
import { execFile, execFileSync } from 'node:child_process';
import fs from 'node:fs';
import { setTimeout as sleep } from 'node:timers/promises';
import { promisify } from 'node:util';

const kLog = process.env.TARVELLO_ORCA_LOG;
// Orca has said all it will for a step once it has been quiet this long.
const kQuiet = 2000;
const kLongest = 20000;
// Orca, a browser and their buses take a while to start on a busy machine.
const kLongestStart = 60000;

function Utterances() {
  const log = fs.readFileSync(kLog, 'utf8');
  const said = [];
  for (const line of log.split(/\r?\n/)) {
    const match = /SPEECH OUTPUT: '(.*)' ?\{'established'/.exec(line);
    if (match) said.push(match[1]);
  }
  return said;
}

// What Orca says from now until it falls quiet, once what it has said satisfies `until` (or at
// once, when no `until` is given).
export async function Hear(action, until = null) {
  const before = Utterances().length;
  await action();
  const start = Date.now();
  let count = before;
  let changed = Date.now();
  for (;;) {
    await sleep(200);
    const now = Utterances();
    if (now.length !== count) {
      count = now.length;
      changed = Date.now();
    }
    const heard = now.slice(before);
    const awaited = until === null || until(heard);
    if ((awaited && Date.now() - changed >= kQuiet) || Date.now() - start > kLongest) return heard;
  }
}

export async function OrcaReady() {
  const start = Date.now();
  while (Date.now() - start < kLongestStart) {
    if (fs.existsSync(kLog) && /Orca is ready|Screen reader on/i.test(fs.readFileSync(kLog, 'utf8'))) return;
    await sleep(200);
  }
  throw new Error('Orca did not start');
}

// Waits for the program's window and gives it the keyboard, as a player's click would. Not
// synchronous: the page's server runs in this process, and must go on serving while it waits.
export async function ActivateWindow(title) {
  await promisify(execFile)('xdotool', ['search', '--sync', '--onlyvisible', '--name', title.source, 'windowactivate'], {
    timeout: kLongestStart,
  });
}

export function Keys(...keys) {
  execFileSync('xdotool', ['key', '--delay', '150', ...keys]);
}

export function Type(text) {
  execFileSync('xdotool', ['type', '--delay', '150', text]);
}
