// Starts the program: the engine, then the window. Every load of the page is a new start.
import TarvelloEngine from './tarvello_engine.js';
import { Tfrmmain } from './u_main.js';

// The engine as plain JavaScript: fetched only where WebAssembly is missing (Lockdown Mode) or
// refused (a policy read without 'wasm-unsafe-eval'), and then kept by the service worker.
const kPlainEngine = './tarvello_engine_plain.js';

// Without the box a rejection shows in, the page does not start: the page's message says why.
if (typeof HTMLDialogElement !== 'function') throw new Error('no <dialog>: the browser is too old for the page');

// Where WebAssembly is missing, the loader throws at once; where it is refused, its promise
// rejects.
async function StartEngine() {
  try {
    return { engine: await TarvelloEngine(), plain: false };
  } catch {
    const { default: PlainEngine } = await import(kPlainEngine);
    return { engine: await PlainEngine(), plain: true };
  }
}

const { engine, plain } = await StartEngine();
new Tfrmmain(engine, document);

// Keeps the site's files, so that the next start needs no network. The plain engine was fetched
// before any worker could see it: the worker is asked to keep it.
if ('serviceWorker' in navigator) {
  navigator.serviceWorker.register('sw.js');
  if (plain) {
    const file = new URL(kPlainEngine, import.meta.url).href;
    navigator.serviceWorker.ready.then(({ active }) => active.postMessage(file));
  }
}
