// Starts the program: the engine, then the window. Every load of the page is a new start.
import TarvelloEngine from './tarvello_engine.js';
import { Tfrmmain } from './u_main.js';

// Only where WebAssembly is missing (Lockdown Mode) or refused (a policy read without
// 'wasm-unsafe-eval'): the loader then throws at once, or its promise rejects.
const kPlainEngine = './tarvello_engine_plain.js';

// Without the rejection box the page does not start, and its message says why.
if (typeof HTMLDialogElement !== 'function') throw new Error('no <dialog>');

async function StartEngine() {
  try {
    return { engine: await TarvelloEngine(), plain: false };
  } catch {
    const { default: PlainEngine } = await import(kPlainEngine);
    return { engine: await PlainEngine(), plain: true };
  }
}

// Not awaited at the top level, which Chrome knows only from 89.
StartEngine().then(({ engine, plain }) => {
  new Tfrmmain(engine, document);
  // Keeps the site's files, so that the next start needs no network; the worker did not see the
  // plain engine fetched, and is asked to keep it.
  if (!('serviceWorker' in navigator)) return;
  navigator.serviceWorker.register('sw.js');
  if (plain) {
    const file = new URL(kPlainEngine, import.meta.url).href;
    navigator.serviceWorker.ready.then(({ active }) => active.postMessage(file));
  }
});
