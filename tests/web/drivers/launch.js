// The engines the window tests run in, each through its driver.
import { LaunchChromiumEngine } from './chromium.js';
import { LaunchFirefox } from './firefox.js';
import { LaunchWebKit } from './webkit.js';

const kEngines = {
  chromium: LaunchChromiumEngine,
  // The engine in plain JavaScript, where WebAssembly is missing or refused.
  'chromium-without-webassembly': () => LaunchChromiumEngine({ webAssembly: 'missing' }),
  'chromium-refusing-webassembly': () => LaunchChromiumEngine({ webAssembly: 'refused' }),
  firefox: LaunchFirefox,
  webkit: LaunchWebKit,
};

export function LaunchEngine(name) {
  if (!kEngines[name]) throw new Error(`no engine named ${name}`);
  return kEngines[name]();
}
