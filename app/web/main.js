// Starts the program: the engine, then the window. Every load of the page is a new start.
import TarvelloEngine from './tarvello_engine.js';
import { Tfrmmain } from './u_main.js';

const engine = await TarvelloEngine();
new Tfrmmain(engine, document);

// Keeps the site's files, so that the next start needs no network.
if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
