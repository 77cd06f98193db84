// Benchmark of the page in Chromium, driven by real input: what the user waits for, from the
// input event to the end of the frame that shows its result, median of many repetitions, on a
// desktop and on a phone. Beside it, the time from when the page is handed the event: before
// that, the browser is still turning the touch or key into it, which the page has no say in and
// which on a busy machine varies the most. On the phone, the engine in plain JavaScript, as
// browsers without WebAssembly run it, beside the WebAssembly engine. Not a test: it asserts
// nothing.
// node tests/web/bench.js
import { ChromiumPage, kWithoutWebAssembly } from './drivers/chromium.js';
import { LaunchBrowser, List, ServeSite, Start } from './page.js';

const kRepetitions = 21;
// Each engine by how the page goes without WebAssembly (kWithoutWebAssembly), if it does.
const kEngines = { WebAssembly: undefined, 'plain JavaScript': 'missing' };
const kModes = [
  { name: 'desktop', options: {}, throttling: 1, engines: ['WebAssembly'] },
  {
    name: 'phone, 360 x 740 at scale 3, processor 4x slower',
    options: { viewport: { width: 360, height: 740 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
    throttling: 4,
    engines: ['WebAssembly', 'plain JavaScript'],
  },
];

// Starts a clock at the timeStamp of the next `type` event on the control `id`, and another as
// the event reaches the document, before the control's own handlers. Stops both in a task posted
// from the first animation frame after those handlers: the frame's style, layout and paint follow
// its animation callbacks in the same task. The document's listener runs after the control's own.
function Arm(page, id, type) {
  return page.evaluate(({ id, type }) => {
    window.benchTime = new Promise((resolve) => {
      let handed = 0;
      const start = (event) => {
        if (event.target.id === id) handed = performance.now();
      };
      const stop = (event) => {
        if (event.target.id !== id) return;
        document.removeEventListener(type, start, true);
        document.removeEventListener(type, stop);
        requestAnimationFrame(() => setTimeout(() => {
          const now = performance.now();
          resolve([now - event.timeStamp, now - handed]);
        }));
      };
      document.addEventListener(type, start, true);
      document.addEventListener(type, stop);
    });
  }, { id, type });
}

// Lets the page finish what the last action started.
async function Settle(page) {
  await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 50))));
}

const Median = (times) => times.sort((a, b) => a - b)[Math.floor(times.length / 2)];

// Rows compared with each other take turns, a repetition of each at a time: a machine that slows
// down for a while then slows both alike, and each runs after what the other left behind. Each
// row's medians of both clocks.
async function Medians(measures) {
  const times = measures.map(() => []);
  for (let i = 0; i < kRepetitions; ++i) {
    for (const [row, measure] of measures.entries()) times[row].push(await measure());
  }
  return times.map((row) => [0, 1].map((clock) => Median(row.map((time) => time[clock]))));
}

async function Time(page, id, type, act) {
  await Settle(page);
  await Arm(page, id, type);
  await act();
  return page.evaluate(() => window.benchTime);
}

// A run, then the draw field holding all but the last digit of `draw(list)`.
async function RunThenType(page, press, draw) {
  await press('#btnfilt');
  await press('#edtcode');
  const number = draw(await List(new ChromiumPage(page)));
  await page.keyboard.type(number.slice(0, -1));
  return number.slice(-1);
}

// The rows of one engine's page, in their pairs.
async function Pairs(browser, url, mode, engine) {
  const context = await browser.newContext(mode.options);
  await kWithoutWebAssembly[kEngines[engine]]?.Prepare(context);
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: mode.throttling });
  // Forced past Playwright's checks that the control holds still: they end just after a frame has
  // begun, and would put the tap where it waits longest for the next, as no finger does.
  const press = (selector) =>
    (mode.options.hasTouch ? page.tap(selector, { force: true }) : page.click(selector, { force: true }));
  await Start(page, url);
  await press('#edtcode');
  await page.keyboard.type('1234');

  // The press is compared with the floor, the hit with the miss.
  return [[
    ['a tap or click on the count label, which does nothing: the wait for a frame',
      () => Time(page, 'lbljushu', 'click', () => press('#lbljushu'))],
    ['a Filter press, to the list and caption painted',
      () => Time(page, 'btnfilt', 'click', () => press('#btnfilt'))],
  ], [
    ['a keystroke in the draw field: hit on the last entry, with the scroll to it', async () => {
      const last = await RunThenType(page, press, (list) => list.slice(-5, -1));
      return Time(page, 'edtcode', 'input', () => page.keyboard.type(last));
    }],
    ['a keystroke in the draw field: miss', async () => {
      const last = await RunThenType(page, press, () => '5610');
      return Time(page, 'edtcode', 'input', () => page.keyboard.type(last));
    }],
  ]];
}

// The engines of a mode take turns too, each row's columns side by side.
async function Measure(browser, url, mode) {
  const pairs = [];
  for (const engine of mode.engines) pairs.push(await Pairs(browser, url, mode, engine));
  console.log(`${mode.name}: ${mode.engines.join(' | ')}`);
  for (const [index, rows] of pairs[0].entries()) {
    const medians = await Medians(pairs.flatMap((engine) => engine[index].map(([, measure]) => measure)));
    rows.forEach(([what], row) => {
      const columns = mode.engines.map((_, engine) => medians[engine * rows.length + row]
        .map((time) => time.toFixed(1).padStart(6)).join(' '));
      console.log(`${columns.join(' |')}  ${what}`);
    });
  }
  for (const context of browser.contexts()) await context.close();
}

const site = await ServeSite();
const browser = await LaunchBrowser();
console.log(`Chromium ${browser.version()}, median of ${kRepetitions}, in ms to the end of the frame: from the input`);
console.log('event, then from when the page is handed it');
for (const mode of kModes) await Measure(browser, site.url, mode);
await browser.close();
await site.close();
