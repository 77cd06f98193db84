// Takes the README's pictures of the page after a run with a hit: the window on a desktop and
// on a 360 x 740 phone. node tests/web/screenshots.js
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { ChromiumPage } from './drivers/chromium.js';
import { LaunchBrowser, Perform, ServeSite, Start, TapRunThenFindItsLast } from './page.js';

const kDocs = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../docs');
const site = await ServeSite();
// Scroll bars as a person sees them.
const browser = await LaunchBrowser({ ignoreDefaultArgs: ['--hide-scrollbars'] });

const desktop = new ChromiumPage(await browser.newPage({ viewport: { width: 640, height: 420 } }));
await Start(desktop, site.url);
await Perform(desktop, ['type 1234', 'filter', 'click', 'type 1234']);
await desktop.page.screenshot({ path: path.join(kDocs, 'screenshot-web.png') });

const phone = new ChromiumPage(await browser.newPage({
  viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true,
}));
await Start(phone, site.url);
await TapRunThenFindItsLast(phone);
await phone.page.screenshot({ path: path.join(kDocs, 'screenshot-web-phone.png') });

await browser.close();
await site.close();
