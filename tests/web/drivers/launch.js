// The engines the window tests run in, each through its driver.
import { LaunchChromiumEngine } from './chromium.js';
import { LaunchFirefox } from './firefox.js';
import { LaunchWebKit } from './webkit.js';

const kEngines = { chromium: LaunchChromiumEngine, firefox: LaunchFirefox, webkit: LaunchWebKit };

export function LaunchEngine(name) {
  if (!kEngines[name]) throw new Error(`no engine named ${name}`);
  return kEngines[name]();
}
