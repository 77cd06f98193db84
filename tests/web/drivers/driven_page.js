// What the tests do to a page, written once for every engine. Each engine's driver gives the
// steps that need its own client:
//   Goto(url), Reload(), Evaluate(fn, arg), Click(selector, button), Tap(selector),
//   Drag(selector, x, y) (press in the control, release at x, y), Press(key) (a key with its
//   modifiers, as 'Shift+Enter'), Type(text), Screenshot(selector) (PNG bytes; the whole view
//   when no selector is given), SetSize(width, height) (of the view), Close();
// and these are made of them. Evaluate's function runs in the page, so it takes one argument
// that survives JSON and returns such a value. A page also holds its script errors, where the
// client reports them, and what its driver cannot do.
export class DrivenPage {
  // The steps that this engine's driver cannot take, each with the reason.
  cannot = {};

  // Waits until fn(arg), run in the page, comes true.
  async WaitFor(fn, arg, timeout = 10000) {
    for (const end = Date.now() + timeout; ;) {
      if (await this.Evaluate(fn, arg)) return;
      if (Date.now() > end) throw new Error(`timed out waiting for ${fn}`);
      await new Promise((resolve) => setTimeout(resolve, 20));
    }
  }

  Focus(selector) {
    return this.Evaluate((s) => document.querySelector(s).focus(), selector);
  }

  Box(selector) {
    return this.Evaluate((s) => document.querySelector(s).getBoundingClientRect().toJSON(), selector);
  }
}

// What only Chromium's protocol (CDP) gives a test: the clipboard's permissions, so that the page
// may read it, and the accessibility tree, with what a screen reader calls each control.
export const kOnlyChromium = {
  clipboard: 'the clipboard: only Chromium\'s protocol lets a test read it',
  spokenNames: 'spoken names: only Chromium\'s protocol reads the accessibility tree',
};

// WebDriver's code points of the keys that are not characters: Enter is the main one (Return),
// NumpadEnter the keypad's.
export const kWebDriverKeys = {
  Backspace: '\uE003', Tab: '\uE004', Enter: '\uE006', NumpadEnter: '\uE007', Shift: '\uE008',
  Control: '\uE009', Alt: '\uE00A', Escape: '\uE00C', End: '\uE010', ArrowLeft: '\uE012',
  ArrowRight: '\uE014',
};

// A key as Press takes it, 'Shift+Enter': its modifiers, then the key.
export function SplitKey(key) {
  const parts = key.split('+');
  return { modifiers: parts.slice(0, -1), key: parts[parts.length - 1] };
}
