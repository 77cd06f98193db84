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
        // The list shows its lines in sight, not those laid out ahead, unseen.
        const shown = element.querySelector('.list-in-sight:not([inert])') ?? element;
        return {
          left: box.left - origin.left - window.clientLeft,
          top: box.top - origin.top - window.clientTop,
          width: box.width,
          height: box.height,
          text: 'value' in element && element.tagName !== 'BUTTON' ? element.value : shown.textContent,
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
      disabled: memcode.querySelector('textarea').disabled,
      scrollBar: getComputedStyle(memcode.querySelector('.list-scroll')).overflowY,
      takesPointer: getComputedStyle(memcode).pointerEvents !== 'none',
      // Safari knows user-select only by its prefixed name.
      selectable: ![getComputedStyle(memcode).userSelect, getComputedStyle(memcode).webkitUserSelect].includes('none'),
    };
  });
  assert.deepEqual(list, { disabled: true, scrollBar: 'scroll', takesPointer: false, selectable: false });
});

test('a search of the page finds nothing of the list laid out ahead, unseen', async (t) => {
  if (page.cannot.searchSkippingInert) return t.skip(page.cannot.searchSkippingInert);
  await Start(page, site.url);
  await List(page);
  // From outside the draw field: a search from inside it stays there.
  assert.equal(await page.Evaluate(() => (document.activeElement.blur(), window.find('0001'))), false);
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
      // What the user sees as the busy cursor comes, as it goes and after: the cursor over the
      // list's lines and every control, the lines and the caption.
      await page.Evaluate(() => {
        const frmmain = document.getElementById('frmmain');
        window.Seen = () => {
          const lines = frmmain.querySelector('#memcode .list-in-sight:not([inert])');
          return {
            busy: [lines, ...frmmain.children].map((control) => getComputedStyle(control).cursor === 'wait'),
            lines: lines.textContent,
            caption: document.getElementById('lbljushu').textContent,
          };
        };
        window.seen = { before: window.Seen() };
        const { add, remove } = frmmain.classList;
        frmmain.classList.add = function (...names) {
          add.apply(this, names);
          window.seen.on = window.Seen();
        };
        frmmain.classList.remove = function (...names) {
          window.seen.off = window.Seen();
          remove.apply(this, names);
        };
      });
      await Perform(page, ['filter']);
      const list = await List(page);
      const { before, on, off, after } = await page.Evaluate(() => ({ ...window.seen, after: window.Seen() }));
      const busy = on.busy.map(() => true);
      assert.deepEqual([on.busy, off.busy, after.busy], [busy, busy, busy.map(() => false)]);
      assert.equal(on.lines, before.lines);
      assert.deepEqual([off.lines, off.caption], [after.lines, cases.filledCaption]);
      assert.ok(off.lines !== '' && list.startsWith(off.lines.split('\n')[0]));
      assert.ok(list.startsWith(run.start));
      assert.equal(list.length, cases.resultLength);
      assert.equal(await Caption(page), cases.filledCaption);
      assert.equal(await Value(page, 'edtdj'), verdict);
      assert.equal(await page.Evaluate(() => document.querySelector('#memcode .list-scroll').scrollTop), 0);
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
        busy: document.getElementById('frmmain').classList.contains('busy'),
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

test('what the window tells a screen reader where the player types', async (t) => {
  for (const row of cases.announcements) {
    await t.test(row.row, async () => {
      await StartAfter(row.before);
      // Each text comes into the live region as a node of its own.
      await page.Evaluate(() => {
        window.told = [];
        new MutationObserver((changes) => {
          for (const change of changes) for (const node of change.addedNodes) window.told.push(node.textContent);
        }).observe(document.getElementById('announcement'), { childList: true });
      });
      await Perform(page, row.steps);
      assert.deepEqual(await page.Evaluate(() => window.told), row.said);
    });
  }
  await t.test('as a polite status, read after a run, a hit and a miss', { skip: page.cannot.spokenNames }, async () => {
    await Start(page, site.url);
    const heard = [];
    for (const steps of [['type 1234', 'filter'], ['click', 'type 1234'], ['click', `type ${cases.excludedDraw}`]]) {
      await Perform(page, steps);
      heard.push(await page.LiveRegions());
    }
    const region = (text) => [{ role: 'status', live: 'polite', text }];
    assert.deepEqual(heard, [region(cases.filledCaption), region('中'), region('X')]);
  });
});

// A screenshot once two in a row are the same: a scroll bar that overlays its view (WebKitGTK's)
// shows as the view scrolls and fades out after.
async function SettledScreenshot(selector) {
  let shot = await page.Screenshot(selector);
  for (let tries = 0; tries < 20; ++tries) {
    await new Promise((resolve) => setTimeout(resolve, 250));
    const next = await page.Screenshot(selector);
    if (next.equals(shot)) return shot;
    shot = next;
  }
  return shot;
}

// Where the line with the entry `number` lies in the list's view, whose edges are inside its
// padding. The lines in sight are one text, a line break after each.
function HitLine(number) {
  return page.Evaluate((entry) => {
    const memcode = document.getElementById('memcode');
    const view = memcode.querySelector('.list-scroll');
    const inSight = memcode.querySelector('.list-in-sight:not([inert])');
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
      const seen = await page.Evaluate(() => {
        const list = document.querySelector('#memcode textarea');
        return { start: list.selectionStart, selected: list.value.slice(list.selectionStart, list.selectionEnd) };
      });
      assert.deepEqual(seen, { start: hit.start, selected: hit.number });

      // The selection is set but not drawn: the list looks the same without it.
      const withSelection = await SettledScreenshot('#memcode');
      await page.Evaluate(() => document.querySelector('#memcode textarea').setSelectionRange(0, 0));
      assert.ok(withSelection.equals(await SettledScreenshot('#memcode')));

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
  t.after(() => page.SetSize(1280, 720));
  for (const row of rows) {
    await t.test(row.row, async () => {
      await page.SetSize(row.width, row.height);
      await StartAfter(['type 1234', 'filter', ...(row.hit ? ['click', `type ${row.hit}`] : [])]);
      if (row.resizedTo) await page.SetSize(row.resizedTo, row.height);
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
  return page.Evaluate(async () => {
    const memcode = document.getElementById('memcode');
    const view = memcode.querySelector('.list-scroll');
    const InSight = () => memcode.querySelector('.list-in-sight:not([inert])');
    const range = document.createRange();
    // The top of a character's box. WebKit gives the range of a character that starts a wrapped
    // line an empty box at the end of the line before too: the character's own is the last.
    const TopOf = (node, at, origin) => {
      range.setStart(node, at);
      range.setEnd(node, at + 1);
      const box = [...range.getClientRects()].findLast((rect) => rect.width > 0);
      return Math.round(box.top - origin.getBoundingClientRect().top);
    };
    const shown = new Map();
    for (let top = 0; top < view.scrollHeight; top += view.clientHeight) {
      view.scrollTop = top;
      // Read once the frame is painted: the list wraps anew for a new width within it.
      await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve)));
      const inSight = InSight();
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
    InSight().append(whole);
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
      const list = document.querySelector('#memcode .list-scroll');
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
