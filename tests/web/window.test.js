// The page's window driven as a user drives it, over the same tables as the desktop windows, in
// the engine TARVELLO_ENGINE names (chromium, webkit or firefox; Chromium when unset).
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';

import { LaunchEngine } from './drivers/launch.js';
import {
  Caption, cases, Focused, List, Perform, ServeSite, Start, Started, TapRunThenFindItsLast, Value,
} from './page.js';

const kElsewhere = 'put there by another program';
let site;
let engine;
let page;

before(async () => {
  site = await ServeSite();
  engine = await LaunchEngine(process.env.TARVELLO_ENGINE ?? 'chromium');
  console.log(engine.version);
  page = await engine.NewPage();
});

after(async () => {
  await engine?.Close();
  await site?.close();
  assert.deepEqual(page?.errors ?? [], []);
});

// A fresh start of the program, after these steps.
async function StartAfter(steps) {
  await Start(page, site.url);
  await Perform(page, steps);
}

const Clipboard = () => page.Evaluate(() => navigator.clipboard.readText());
const SetClipboard = (text) => page.Evaluate((t) => navigator.clipboard.writeText(t), text);

// Waits for the clipboard to hold the text, as a Copy finishes after its click returns.
async function ClipboardBecomes(text) {
  await page.WaitFor(async (t) => (await navigator.clipboard.readText()) === t, text);
  return true;
}

test('controls sit at their places with their texts and spoken names', async (t) => {
  await Start(page, site.url);
  for (const control of cases.controls) {
    await t.test(control.row, async () => {
      const seen = await page.Evaluate((name) => {
        const element = document.getElementById(name);
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
      }, control.name);
      const { left, top, width, height, text } = control;
      assert.deepEqual(seen, { left, top, width, height, text });
    });
  }
  await t.test('spoken names', { skip: page.cannot.spokenNames }, async () => {
    for (const control of cases.controls) {
      assert.equal(await page.SpokenName(control.name), control.spokenName, control.row);
    }
  });
});

test('the window opens titled, in Chinese, with the focus in the draw field and the list greyed', async () => {
  await Start(page, site.url);
  assert.deepEqual(await page.Evaluate(() => [document.title, document.documentElement.lang]), ['Tarvello', 'zh-CN']);
  assert.equal(await Focused(page), 'edtcode');
  const list = await page.Evaluate(() => {
    const memcode = document.getElementById('memcode');
    return {
    disabled: memcode.disabled,
    scrollBar: getComputedStyle(memcode).overflowY,
    takesPointer: getComputedStyle(memcode).pointerEvents !== 'none',
    };
  });
  assert.deepEqual(list, { disabled: true, scrollBar: 'scroll', takesPointer: false });
});

test('Tab goes round the window in its order', async () => {
  await Start(page, site.url);
  const visited = [];
  for (let i = 0; i < cases.tabOrder.length; ++i) {
    await page.Press('Tab');
    visited.push(await Focused(page));
  }
  assert.deepEqual(visited, cases.tabOrder);
});

test('the first three Filter presses list what the desktop programs list, after a load and a reload', async () => {
  await Start(page, site.url);
  for (const load of ['load', 'reload']) {
    if (load === 'reload') await page.Reload();
    await Started(page);
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
      await page.Evaluate(() => {
        const memcode = document.getElementById('memcode');
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
      const cursors = await page.Evaluate(() => [
        window.cursorWhileShown, getComputedStyle(document.getElementById('memcode')).cursor,
      ]);
      assert.deepEqual(cursors.map((cursor) => cursor === 'wait'), [true, false]);
      assert.ok(list.startsWith(run.start));
      assert.equal(list.length, cases.resultLength);
      assert.equal(await Caption(page), cases.filledCaption);
      assert.equal(await Value(page, 'edtdj'), verdict);
      assert.equal(await page.Evaluate(() => document.getElementById('memcode').scrollTop), 0);
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
      const box = await page.Evaluate(() => {
        const dialog = document.getElementById('rejection');
        return {
        modal: dialog.matches(':modal'),
        title: document.getElementById(dialog.getAttribute('aria-labelledby')).textContent,
        text: document.getElementById(dialog.getAttribute('aria-describedby')).textContent,
        buttons: [...dialog.querySelectorAll('button')].map((button) => button.textContent),
        focusOnButton: document.activeElement.parentElement === dialog,
        busy: document.documentElement.classList.contains('busy'),
        };
      });
      assert.deepEqual(box, {
        modal: true, title: 'Tarvello', text: cases.rejection, buttons: ['确定'],
        focusOnButton: true, busy: false,
      });
      await page.Press(run.closedWith === 'Enter' ? 'Enter' : 'Escape');

      assert.equal(await page.Evaluate(() => document.getElementById('rejection').open), false);
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
    await t.test(row.row, { skip: page.cannot.clipboard }, async () => {
      await StartAfter(row.before);
      await SetClipboard(kElsewhere);
      if (row.refused) {
        await page.Evaluate(() => {
          navigator.clipboard.writeText = () => Promise.reject(new DOMException('refused', 'NotAllowedError'));
        });
      }
      await page.Click('#btncopy');
      if (row.copied) {
        assert.ok(await ClipboardBecomes(await List(page)));
        assert.equal((await Clipboard()).length, cases.resultLength);
      } else {
        assert.equal(await Clipboard(), kElsewhere);
      }
    });
  }
});

// Where the clipboard cannot be read, the rows check the list and caption, and Copy's rows
// what else it must leave as it is.
test('Enter presses the focused button or Filter; with a modifier, and Esc, nothing', async (t) => {
  const kKeys = { Return: 'Enter', KeypadEnter: 'NumpadEnter', Escape: 'Escape' };
  const kModifiers = { None: '', Shift: 'Shift+', Ctrl: 'Control+', Alt: 'Alt+' };
  const rows = [
    ...cases.keyPresses.map((press) => ({ ...press, key: kModifiers[press.modifier] + kKeys[press.key] })),
    { row: 'clicking Filter', focus: 'btnfilt', action: 'Filter' },
    { row: 'clicking Copy', focus: 'btncopy', action: 'Copy' },
    { row: 'clicking Exit', focus: 'btnclose', action: 'Close' },
  ];
  const readsClipboard = !page.cannot.clipboard;
  if (!readsClipboard) t.diagnostic(`not checked: ${page.cannot.clipboard}`);
  for (const row of rows) {
    await t.test(row.row, async () => {
      await StartAfter(['type 1234', 'filter']);
      const firstList = await List(page);
      if (readsClipboard) await SetClipboard(kElsewhere);
      await page.Focus(`#${row.focus}`);

      if (row.key) await page.Press(row.key);
      else await page.Click(`#${row.focus}`);

      const list = await List(page);
      assert.equal(list !== firstList && list !== '', row.action === 'Filter');
      if (readsClipboard && row.action === 'Copy') assert.ok(await ClipboardBecomes(firstList));
      else if (readsClipboard) assert.equal(await Clipboard(), kElsewhere);
      assert.equal(list === '' && (await Caption(page)) === '缩水结果：', row.action === 'Close');
    });
  }
});

test('Exit ends this start: the next Filter lists the first run again', async () => {
  await StartAfter(['type 1234', 'filter', 'filter', 'click', 'type 1234']);
  await page.Click('#btnclose');
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
      await page.Evaluate(() => {
        window.changes = 0;
        for (const id of ['edtcode', 'edtdj']) {
          document.getElementById(id).addEventListener('input', () => ++window.changes);
        }
      });
      await page.Type(row.typed);
      assert.equal(await page.Evaluate(() => window.changes), row.handlerRuns);
    });
  }
});

test('a hit scrolls the entry into view and draws no selection', async (t) => {
  if (page.cannot.revealCaret) t.diagnostic(`not checked: ${page.cannot.revealCaret}`);
  for (const hit of cases.hits) {
    await t.test(hit.row, async () => {
      await StartAfter(['type 1234', 'filter', 'click', `type ${hit.number}`]);
      const seen = await page.Evaluate(() => {
        const view = document.getElementById('memcode');
        return {
          start: view.selectionStart,
          selected: view.value.slice(view.selectionStart, view.selectionEnd),
          scrolled: view.scrollTop > 0,
        };
      });
      assert.deepEqual(seen, { start: hit.start, selected: hit.number, scrolled: hit.scrolled });

      // The selection is set but not drawn: the list looks the same without it.
      const withSelection = await page.Screenshot('#memcode');
      await page.Evaluate(() => document.getElementById('memcode').setSelectionRange(0, 0));
      assert.ok(withSelection.equals(await page.Screenshot('#memcode')));
      if (page.cannot.revealCaret) return;

      // A browser brings a focused text area's caret into sight when it moves, and leaves the
      // view as it is when the caret is in sight already: at the end of the entry, it is.
      const scrollTop = await page.Evaluate((end) => {
        const view = document.getElementById('memcode');
        const hitScroll = view.scrollTop;
        view.disabled = false;
        view.setSelectionRange(end, end);
        view.focus();
        return hitScroll;
      }, hit.start + hit.number.length);
      await page.Press('ArrowLeft');
      await page.Press('ArrowRight');
      const moved = (await page.Evaluate(() => document.getElementById('memcode').scrollTop)) !== scrollTop;
      assert.equal(moved, false);
    });
  }
});

test('a click into the draw field empties it; other gestures keep it', async (t) => {
  for (const row of cases.clicksToClear) {
    await t.test(row.row, { skip: row.gesture === 'RightClick' && page.cannot.rightClick }, async () => {
      await StartAfter(row.before);
      const box = await page.Box('#edtcode');
      if (row.gesture === 'Click') await page.Click('#edtcode');
      if (row.gesture === 'ClickFromCopy') {
        await page.Focus('#btncopy');
        await page.Click('#edtcode');
      }
      if (row.gesture === 'RightClick') await page.Click('#edtcode', 'right');
      if (row.gesture === 'DragOut') await page.Drag('#edtcode', box.x - 10, box.y - 10);
      if (row.gesture === 'TabIn') {
        await page.Focus('#edtdj');
        await page.Press('Tab');
        assert.equal(await Focused(page), 'edtcode');
      }
      assert.equal(await Value(page, 'edtcode'), row.draw);
      assert.equal(await Value(page, 'edtdj'), row.verdict);
    });
  }
});

test('on a 360 x 740 touch screen the window is one column with every control in view', async () => {
  const phone = await engine.NewPage({ width: 360, height: 740, touch: true });
  try {
    await Start(phone, site.url);
    await TapRunThenFindItsLast(phone);
    assert.equal(await Value(phone, 'edtdj'), '中');
    const layout = await phone.Evaluate(() => {
      const list = document.getElementById('memcode');
      return {
        unseen: list.scrollHeight - list.clientHeight - list.scrollTop,
        overflow: document.documentElement.scrollWidth - window.innerWidth,
        boxes: Object.fromEntries(
          ['lbljushu', 'memcode', 'Label1', 'Label2', 'edtcode', 'edtdj', 'btnfilt', 'btncopy', 'btnclose']
            .map((id) => [id, document.getElementById(id).getBoundingClientRect().toJSON()])),
      };
    });
    assert.ok(Math.abs(layout.unseen) <= 1, 'the list scrolled to its last entry');
    assert.equal(layout.overflow, 0);
    for (const [id, box] of Object.entries(layout.boxes)) {
      assert.ok(box.left >= 0 && box.right <= 360 && box.top >= 0 && box.bottom <= 740, `${id} in view`);
      assert.ok(box.width >= 360 - 2 * 8, `${id} fills the width`);
      if (!/^(lbl|Label)/.test(id)) assert.ok(box.height >= 40, `${id} at least 40 pixels high`);
    }
    assert.ok(layout.boxes.memcode.height > 740 / 2, 'the list takes what is left');
    assert.deepEqual(phone.errors, []);
  } finally {
    await phone.Close();
  }
});
