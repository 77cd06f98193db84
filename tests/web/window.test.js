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
    disabled: memcode.disabled,
    scrollBar: getComputedStyle(memcode).overflowY,
    takesPointer: getComputedStyle(memcode).pointerEvents !== 'none',
  }));
  assert.deepEqual(list, { disabled: true, scrollBar: 'scroll', takesPointer: false });
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
      // The cursor the list saw when its text was set.
      await page.$eval('#memcode', (memcode) => {
        const value = Object.getOwnPropertyDescriptor(HTMLTextAreaElement.prototype, 'value');
        Object.defineProperty(memcode, 'value', {
          get() { return value.get.call(this); },
          set(text) {
            window.cursorWhileShown = getComputedStyle(memcode).cursor;
            value.set.call(this, text);
          },
        });
      });
      await Perform(page, ['filter']);
      const list = await List(page);
      assert.equal(await page.evaluate(() => window.cursorWhileShown), 'wait');
      assert.equal(await page.$eval('#memcode', (memcode) => getComputedStyle(memcode).cursor), 'default');
      assert.ok(list.startsWith(run.start));
      assert.equal(list.length, cases.resultLength);
      assert.equal(await Caption(page), cases.filledCaption);
      assert.equal(await Value(page, 'edtdj'), verdict);
      assert.equal(await page.$eval('#memcode', (memcode) => memcode.scrollTop), 0);
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

test('a hit scrolls the entry into view and draws no selection', async (t) => {
  for (const hit of cases.hits) {
    await t.test(hit.row, async () => {
      await StartAfter(['type 1234', 'filter', 'click', `type ${hit.number}`]);
      const memcode = await page.$('#memcode');
      const seen = await memcode.evaluate((view) => ({
        start: view.selectionStart,
        selected: view.value.slice(view.selectionStart, view.selectionEnd),
        scrolled: view.scrollTop > 0,
      }));
      assert.deepEqual(seen, { start: hit.start, selected: hit.number, scrolled: hit.scrolled });

      // The selection is set but not drawn: the list looks the same without it.
      const withSelection = await memcode.screenshot();
      await memcode.evaluate((view) => view.setSelectionRange(0, 0));
      assert.ok(withSelection.equals(await memcode.screenshot()));

      // Chromium brings a focused text area's caret into sight when it moves, and leaves the
      // view as it is when the caret is in sight already: at the end of the entry, it is.
      const scrollTop = await memcode.evaluate((view, end) => {
        const hitScroll = view.scrollTop;
        view.disabled = false;
        view.setSelectionRange(end, end);
        view.focus();
        return hitScroll;
      }, hit.start + hit.number.length);
      await page.keyboard.press('ArrowLeft');
      await page.keyboard.press('ArrowRight');
      const moved = (await memcode.evaluate((view) => view.scrollTop)) !== scrollTop;
      assert.equal(moved, false);
    });
  }
});

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
