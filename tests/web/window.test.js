// The page's window driven as a user drives it, over the same tables as the desktop windows.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import {
  Caption, cases, Focused, LaunchBrowser, List, Perform, ServeSite, Start, Value,
} from './page.js';

const kElsewhere = 'put there by another program';
let site;
let browser;
let context;
let page;

before(async () => {
  site = await ServeSite();
  browser = await LaunchBrowser();
  context = await browser.newContext();
  await context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: site.url });
  page = await context.newPage();
  page.on('pageerror', (error) => assert.fail(error));
});

after(async () => {
  await browser?.close();
  await site?.close();
});

// A fresh start of the program, after these steps.
async function StartAfter(steps) {
  await Start(page, site.url);
  await Perform(page, steps);
}

const Clipboard = () => page.evaluate(() => navigator.clipboard.readText());
const SetClipboard = (text) => page.evaluate((t) => navigator.clipboard.writeText(t), text);

// Waits for the clipboard to hold the text, as a Copy finishes after its click returns.
async function ClipboardBecomes(text) {
  await page.waitForFunction(async (t) => (await navigator.clipboard.readText()) === t, text);
  return true;
}

// What a screen reader calls the control: its name, or for a label the text it reads out.
async function SpokenName(id) {
  const cdp = await context.newCDPSession(page);
  const { root } = await cdp.send('DOM.getDocument');
  const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector: `#${id}` });
  const { nodes } = await cdp.send('Accessibility.getPartialAXTree', { nodeId, fetchRelatives: true });
  await cdp.detach();
  const [node] = nodes;
  if (node.name?.value) return node.name.value;
  return nodes.filter((n) => node.childIds.includes(n.nodeId)).map((n) => n.name?.value ?? '').join('');
}

test('controls sit at their places with their texts and spoken names', async (t) => {
  await Start(page, site.url);
  for (const control of cases.controls) {
    await t.test(control.row, async () => {
      const seen = await page.$eval(`#${control.name}`, (element) => {
        const window = document.getElementById('frmmain');
        const origin = window.getBoundingClientRect();
        const box = element.getBoundingClientRect();
        return {
          left: box.left - origin.left - window.clientLeft,
          top: box.top - origin.top - window.clientTop,
          width: box.width,
          height: box.height,
          text: 'value' in element && element.tagName !== 'BUTTON' ? element.value : element.textContent,
        };
      });
      const { left, top, width, height, text } = control;
      assert.deepEqual(seen, { left, top, width, height, text });
      assert.equal(await SpokenName(control.name), control.spokenName);
    });
  }
});

test('the window opens titled, in Chinese, with the focus in the draw field and the list greyed', async () => {
  await Start(page, site.url);
  assert.equal(await page.title(), 'Tarvello');
  assert.equal(await page.$eval('html', (html) => html.lang), 'zh-CN');
  assert.equal(await Focused(page), 'edtcode');
  const list = await page.$eval('#memcode', (memcode) => ({
    disabled: memcode.querySelector('textarea').disabled,
    scrollBar: getComputedStyle(memcode.querySelector('.list-scroll')).overflowY,
    takesPointer: getComputedStyle(memcode).pointerEvents !== 'none',
    selectable: getComputedStyle(memcode).userSelect !== 'none',
  }));
  assert.deepEqual(list, { disabled: true, scrollBar: 'scroll', takesPointer: false, selectable: false });
});

test('Tab goes round the window in its order', async () => {
  await Start(page, site.url);
  const visited = [];
  for (let i = 0; i < cases.tabOrder.length; ++i) {
    await page.keyboard.press('Tab');
    visited.push(await Focused(page));
  }
  assert.deepEqual(visited, cases.tabOrder);
});

test('the first three Filter presses list what the desktop programs list, after a load and a reload', async () => {
  await Start(page, site.url);
  for (const load of ['load', 'reload']) {
    if (load === 'reload') await page.reload();
    await page.waitForSelector('#btnfilt:enabled');
    await Perform(page, ['type 1234']);
    for (const expected of cases.firstRuns) {
      await Perform(page, ['filter']);
      assert.ok((await List(page)) === expected, `${load}: run ${cases.firstRuns.indexOf(expected) + 1}`);
    }
  }
});

test('an accepted Filter shows the list and the caption under the busy cursor', async (t) => {
  for (const run of cases.acceptedRuns) {
    await t.test(run.row, async () => {
      await StartAfter(run.before);
      const verdict = await Value(page, 'edtdj');
      // The cursor the list saw when its lines were put in.
      await page.$eval('#memcode .list-in-sight', (lines) => {
        const text = Object.getOwnPropertyDescriptor(Node.prototype, 'textContent');
        Object.defineProperty(lines, 'textContent', {
          get() { return text.get.call(this); },
          set(value) {
            window.cursorWhileShown = getComputedStyle(lines).cursor;
            text.set.call(this, value);
          },
        });
      });
      await Perform(page, ['filter']);
      const list = await List(page);
      assert.equal(await page.evaluate(() => window.cursorWhileShown), 'wait');
      assert.equal(await page.$eval('#memcode .list-in-sight', (lines) => getComputedStyle(lines).cursor), 'default');
      assert.ok(list.startsWith(run.start));
      assert.equal(list.length, cases.resultLength);
      assert.equal(await Caption(page), cases.filledCaption);
      assert.equal(await Value(page, 'edtdj'), verdict);
      assert.equal(await page.$eval('#memcode .list-scroll', (view) => view.scrollTop), 0);
    });
  }
});

test('a rejected Filter shows the modal box, then empties and focuses the draw field', async (t) => {
  for (const run of cases.rejectedRuns) {
    await t.test(run.row, async () => {
      await StartAfter(run.before);
      const listBefore = await List(page);
      const captionBefore = await Caption(page);

      await Perform(page, ['filter']);
      const box = await page.$eval('#rejection', (dialog) => ({
        modal: dialog.matches(':modal'),
        title: document.getElementById(dialog.getAttribute('aria-labelledby')).textContent,
        text: document.getElementById(dialog.getAttribute('aria-describedby')).textContent,
        buttons: [...dialog.querySelectorAll('button')].map((button) => button.textContent),
        focusOnButton: document.activeElement.parentElement === dialog,
        busy: document.documentElement.classList.contains('busy'),
      }));
      assert.deepEqual(box, {
        modal: true, title: 'Tarvello', text: cases.rejection, buttons: ['确定'],
        focusOnButton: true, busy: false,
      });
      await page.keyboard.press(run.closedWith === 'Enter' ? 'Enter' : 'Escape');

      assert.equal(await page.$eval('#rejection', (dialog) => dialog.open), false);
      assert.equal(await Value(page, 'edtcode'), '');
      assert.equal(await Focused(page), 'edtcode');
      assert.equal(await List(page), listBefore);
      assert.equal(await Caption(page), captionBefore);
    });
  }
});

test('Copy puts the whole list on the clipboard, and nothing when the list is empty', async (t) => {
  const rows = [
    { row: 'after a run', before: ['type 1234', 'filter'], copied: true },
    { row: 'before any run', before: [], copied: false },
    { row: 'where the Clipboard API is refused', before: ['type 1234', 'filter'], copied: true, refused: true },
  ];
  for (const row of rows) {
    await t.test(row.row, async () => {
      await StartAfter(row.before);
      await SetClipboard(kElsewhere);
      if (row.refused) {
        await page.evaluate(() => {
          navigator.clipboard.writeText = () => Promise.reject(new DOMException('refused', 'NotAllowedError'));
        });
      }
      await page.click('#btncopy');
      if (row.copied) {
        assert.ok(await ClipboardBecomes(await List(page)));
        assert.equal((await Clipboard()).length, cases.resultLength);
      } else {
        assert.equal(await Clipboard(), kElsewhere);
      }
    });
  }
});

test('Enter presses the focused button or Filter; with a modifier, and Esc, nothing', async (t) => {
  const kKeys = { Return: 'Enter', KeypadEnter: 'NumpadEnter', Escape: 'Escape' };
  const kModifiers = { None: '', Shift: 'Shift+', Ctrl: 'Control+', Alt: 'Alt+' };
  const rows = [
    ...cases.keyPresses.map((press) => ({ ...press, key: kModifiers[press.modifier] + kKeys[press.key] })),
    { row: 'clicking Filter', focus: 'btnfilt', action: 'Filter' },
    { row: 'clicking Copy', focus: 'btncopy', action: 'Copy' },
    { row: 'clicking Exit', focus: 'btnclose', action: 'Close' },
  ];
  for (const row of rows) {
    await t.test(row.row, async () => {
      await StartAfter(['type 1234', 'filter']);
      const firstList = await List(page);
      await SetClipboard(kElsewhere);
      await page.focus(`#${row.focus}`);

      if (row.key) await page.keyboard.press(row.key);
      else await page.click(`#${row.focus}`);

      const list = await List(page);
      assert.equal(list !== firstList && list !== '', row.action === 'Filter');
      if (row.action === 'Copy') assert.ok(await ClipboardBecomes(firstList));
      else assert.equal(await Clipboard(), kElsewhere);
      assert.equal(list === '' && (await Caption(page)) === '缩水结果：', row.action === 'Close');
    });
  }
});

test('Exit ends this start: the next Filter lists the first run again', async () => {
  await StartAfter(['type 1234', 'filter', 'filter', 'click', 'type 1234']);
  await page.click('#btnclose');
  const fresh = {
    list: await List(page), caption: await Caption(page),
    draw: await Value(page, 'edtcode'), verdict: await Value(page, 'edtdj'), focus: await Focused(page),
  };
  assert.deepEqual(fresh, { list: '', caption: '缩水结果：', draw: '', verdict: '', focus: 'edtcode' });
  await Perform(page, ['type 1234', 'filter']);
  assert.ok((await List(page)) === cases.firstRuns[0]);
});

test('the verdict field shows the draw check of every change', async (t) => {
  for (const row of cases.verdicts) {
    await t.test(row.row, async () => {
      await StartAfter(row.steps);
      assert.equal(await Value(page, 'edtdj'), row.verdict);
    });
  }
});

test("the program's write of a new verdict re-enters the check once", async (t) => {
  for (const row of cases.reentries) {
    await t.test(row.row, async () => {
      await StartAfter(row.before);
      await page.evaluate(() => {
        window.changes = 0;
        for (const id of ['edtcode', 'edtdj']) {
          document.getElementById(id).addEventListener('input', () => ++window.changes);
        }
      });
      await page.keyboard.type(row.typed);
      assert.equal(await page.evaluate(() => window.changes), row.handlerRuns);
    });
  }
});

// Where the line with the entry `number` lies in the list's view, whose edges are inside its
// padding. The lines in sight are one text, a line break after each.
function HitLine(number) {
  return page.$eval('#memcode', (memcode, entry) => {
    const view = memcode.querySelector('.list-scroll');
    const inSight = memcode.querySelector('.list-in-sight');
    const lines = inSight.textContent.split('\n');
    const lineHeight = inSight.getBoundingClientRect().height / lines.length;
    const index = lines.findIndex((line) => line.split(' ').includes(entry));
    const lineTop = inSight.getBoundingClientRect().top + index * lineHeight;
    const box = view.getBoundingClientRect();
    const style = getComputedStyle(view);
    const top = box.top + view.clientTop + parseFloat(style.paddingTop);
    const bottom = box.top + view.clientTop + view.clientHeight - parseFloat(style.paddingBottom);
    const lineBottom = lineTop + lineHeight;
    const edge = Math.abs(lineBottom - bottom) < 1 ? 'bottom' : Math.abs(lineTop - top) < 1 ? 'top' : 'neither';
    return { scrolled: view.scrollTop > 0, inView: lineTop > top - 1 && lineBottom < bottom + 1, edge };
  }, number);
}

test('a hit selects its entry unseen and scrolls its line exactly into view', async (t) => {
  for (const hit of cases.hits) {
    await t.test(hit.row, async () => {
      await StartAfter(['type 1234', 'filter', 'click', `type ${hit.number}`]);
      const memcode = await page.$('#memcode');
      const seen = await memcode.$eval('textarea', (list) => ({
        start: list.selectionStart,
        selected: list.value.slice(list.selectionStart, list.selectionEnd),
      }));
      assert.deepEqual(seen, { start: hit.start, selected: hit.number });

      // The selection is set but not drawn: the list looks the same without it.
      const withSelection = await memcode.screenshot();
      await memcode.$eval('textarea', (list) => list.setSelectionRange(0, 0));
      assert.ok(withSelection.equals(await memcode.screenshot()));

      // Down to it from the list's start: its line at the bottom edge.
      const down = await HitLine(hit.number);
      assert.deepEqual([down.scrolled, down.inView], [hit.scrolled, true]);
      if (hit.scrolled) assert.equal(down.edge, 'bottom');
      // Up to it from the list's end: at the top edge, unless it is the end.
      await Perform(page, ['click', `type ${cases.lastOfFirstRun}`, 'click', `type ${hit.number}`]);
      const up = await HitLine(hit.number);
      assert.deepEqual([up.inView, up.edge], [true, hit.number === cases.lastOfFirstRun ? 'bottom' : 'top']);
    });
  }
});

test('the list breaks its lines where its text laid out whole breaks them, at every width', async (t) => {
  const rows = [
    { row: 'at the window\'s places', width: 1280, height: 720 },
    { row: 'in a phone column of 360', width: 360, height: 740 },
    { row: 'in a phone column of 414', width: 414, height: 740 },
    { row: 'from 360 resized to 414, scrolled to a hit', width: 360, height: 740, hit: '1234', resizedTo: 414 },
  ];
  t.after(() => page.setViewportSize({ width: 1280, height: 720 }));
  for (const row of rows) {
    await t.test(row.row, async () => {
      await page.setViewportSize({ width: row.width, height: row.height });
      await StartAfter(['type 1234', 'filter', ...(row.hit ? ['click', `type ${row.hit}`] : [])]);
      if (row.resizedTo) await page.setViewportSize({ width: row.resizedTo, height: row.height });
      const { shown, whole } = await ListLines();
      assert.ok(shown.length > 500);
      assert.deepEqual(shown, whole);
    });
  }
});

// The lines the list shows, a view at a time from its start to its end, and the lines of its
// text laid out whole in the list's font and width, wrapped as a text area wraps it, each with
// its distance from the first.
function ListLines() {
  return page.$eval('#memcode', async (memcode) => {
    const view = memcode.querySelector('.list-scroll');
    const inSight = memcode.querySelector('.list-in-sight');
    const range = document.createRange();
    const TopOf = (node, at, origin) => {
      range.setStart(node, at);
      range.setEnd(node, at + 1);
      return Math.round(range.getBoundingClientRect().top - origin.getBoundingClientRect().top);
    };
    const shown = new Map();
    for (let top = 0; top < view.scrollHeight; top += view.clientHeight) {
      view.scrollTop = top;
      // Read once the frame is painted: the list wraps anew for a new width within it.
      await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
      let at = 0;
      for (const line of inSight.textContent.split('\n')) {
        shown.set(TopOf(inSight.firstChild, at, view.firstChild), line);
        at += line.length + 1;
      }
    }

    const text = memcode.querySelector('textarea').value;
    const whole = document.createElement('div');
    whole.style.cssText = 'position: absolute; top: 0; visibility: hidden; width: 100%; ' +
      'white-space: pre-wrap; overflow-wrap: break-word; word-break: normal';
    whole.textContent = text;
    inSight.append(whole);
    const starts = [];
    for (let word = 0; word < text.length; word = text.indexOf(' ', word) + 1 || text.length) {
      const top = TopOf(whole.firstChild, word, whole);
      if (top !== starts.at(-1)?.top) starts.push({ top, word });
    }
    whole.remove();
    return {
      shown: [...shown].sort(([a], [b]) => a - b),
      whole: starts.map(({ top, word }, i) => [top, text.slice(word, starts[i + 1]?.word)]),
    };
  });
}

test('a click into the draw field empties it; other gestures keep it', async (t) => {
  for (const row of cases.clicksToClear) {
    await t.test(row.row, async () => {
      await StartAfter(row.before);
      const box = await page.locator('#edtcode').boundingBox();
      if (row.gesture === 'Click') await page.click('#edtcode');
      if (row.gesture === 'ClickFromCopy') {
        await page.focus('#btncopy');
        await page.click('#edtcode');
      }
      if (row.gesture === 'RightClick') await page.click('#edtcode', { button: 'right' });
      if (row.gesture === 'DragOut') {
        await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
        await page.mouse.down();
        await page.mouse.move(box.x - 10, box.y - 10);
        await page.mouse.up();
      }
      if (row.gesture === 'TabIn') {
        await page.focus('#edtdj');
        await page.keyboard.press('Tab');
        assert.equal(await Focused(page), 'edtcode');
      }
      assert.equal(await Value(page, 'edtcode'), row.draw);
      assert.equal(await Value(page, 'edtdj'), row.verdict);
    });
  }
});
