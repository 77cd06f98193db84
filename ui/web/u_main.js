// The program's one window. It holds its controls and passes every user action to the engine.
import { Announcer } from './announcer.js';
import { CopyText } from './clipboard.js';
import { SetText } from './edit_text.js';
import { ShowRejection } from './rejection_box.js';
import { ResultView } from './result_view.js';
import { kControls } from './window_layout.js';

const kButtons = ['btnfilt', 'btncopy', 'btnclose'];
// How a page shows when it was installed as an app with a window of its own.
const kAppWindow =
  '(display-mode: standalone), (display-mode: minimal-ui), (display-mode: window-controls-overlay)';

export class Tfrmmain {
  constructor(engine, document) {
    this.engine = engine;
    this.document = document;
    const control = (name) => document.getElementById(name);
    this.frmmain = control('frmmain');
    this.lbljushu = control('lbljushu');
    this.memcode = control('memcode');
    this.Label1 = control('Label1');
    this.Label2 = control('Label2');
    this.edtcode = control('edtcode');
    this.edtdj = control('edtdj');
    this.btnfilt = control('btnfilt');
    this.btncopy = control('btncopy');
    this.btnclose = control('btnclose');
    this.announcer = new Announcer(control('announcement'));
    this.result = new ResultView(this.memcode, () => this.engine.NextRunText());

    this.btnfilt.addEventListener('click', () => this.btnfiltClick());
    this.btncopy.addEventListener('click', () => this.btncopyClick());
    this.btnclose.addEventListener('click', () => this.btncloseClick());
    this.edtcode.addEventListener('input', () => this.edtcodeChange());
    this.edtdj.addEventListener('input', () => this.edtcodeChange());
    this.WatchClicks(this.edtcode, () => this.edtcodeClick());
    document.addEventListener('keydown', (event) => this.KeyDown(event));

    this.ShowCreated();
    this.FormCreate();
    for (const name of ['edtcode', 'edtdj', ...kButtons]) control(name).disabled = false;
    this.edtcode.focus();
  }

  // The handlers, each the user's action it answers; why they make these calls in this order
  // is told once for every front end, in ui/window_layout.h.
  //
  // The window is made: the page loaded, or started afresh by Exit.
  FormCreate() {
    this.engine.ResetRunCounter();
    this.engine.Fill();
  }

  // The user presses Filter (过滤).
  async btnfiltClick() {
    const rejection = this.engine.ValidateDraw(this.edtcode.value);
    if (rejection !== null) {
      await ShowRejection(this.document, rejection);
      SetText(this.edtcode, '');
      this.edtcode.focus();
      return;
    }
    this.ShowBusyCursor();
    const run = this.engine.RunFilter();
    this.result.Show(run.text);
    // The same caption again would be laid out again.
    if (this.lbljushu.textContent !== run.caption) this.lbljushu.textContent = run.caption;
    this.ShowDefaultCursor();
    this.announcer.Say(run.caption);
  }

  // The user presses Copy (复制).
  btncopyClick() {
    const list = this.result.text;
    if (list !== '') CopyText(this.document, list);
  }

  // The user presses Exit (退出), which ends this start of the program: an installed app's
  // window closes, a page in a tab is left as a fresh start leaves it.
  btncloseClick() {
    this.ShowCreated();
    this.FormCreate();
    this.edtcode.focus();
    // In a tab, closing would take the page away; the tab shows a fresh start instead.
    if (window.matchMedia(kAppWindow).matches) window.close();
  }

  // The user, or the handler itself, changes the text of edtcode or edtdj.
  edtcodeChange() {
    const verdict = this.engine.CheckDraw(this.result.text, this.edtcode.value);
    const text = this.engine.VerdictText(verdict.kind);
    if (text === null) return;
    SetText(this.edtdj, text);
    if (verdict.kind === this.engine.VerdictKind.Hit) this.result.Select(verdict.start, verdict.length);
    const spoken = this.engine.VerdictAnnouncement(verdict.kind);
    if (spoken !== null) this.announcer.Say(spoken);
  }

  // The user clicks in edtcode.
  edtcodeClick() {
    SetText(this.edtcode, '');
  }

  // The controls as the window opens: each with its first text, the list empty.
  ShowCreated() {
    for (const { name, text } of kControls) {
      const control = this.document.getElementById(name);
      if (control === this.memcode) continue;
      if (control instanceof HTMLInputElement) {
        control.value = text;
      } else {
        control.textContent = text;
      }
    }
    this.result.Show('');
  }

  // A click is a left-button press inside the field and its release inside it; a label's click
  // that only moves the focus here is none.
  WatchClicks(field, onClick) {
    let pressed = false;
    field.addEventListener('pointerdown', (event) => {
      pressed = event.button === 0;
    });
    field.addEventListener('pointerup', (event) => {
      const box = field.getBoundingClientRect();
      const inside =
        event.clientX >= box.left && event.clientX < box.right &&
        event.clientY >= box.top && event.clientY < box.bottom;
      if (pressed && event.button === 0 && inside) onClick();
    });
    this.document.addEventListener('pointerup', () => (pressed = false));
    this.document.addEventListener('pointercancel', () => (pressed = false));
  }

  // Enter as in a dialog (ui/enter_key.h), and Tab that goes round the window.
  KeyDown(event) {
    if (this.document.getElementById('rejection').open) return;
    if (event.key === 'Enter' && !event.isComposing) {
      event.preventDefault();
      const focused = this.document.activeElement;
      const onButton = kButtons.includes(focused?.id);
      const modifierHeld = event.shiftKey || event.ctrlKey || event.altKey || event.metaKey;
      const press = this.engine.ResolveEnter(onButton, modifierHeld);
      if (press === this.engine.EnterPress.FocusedButton) focused.click();
      if (press === this.engine.EnterPress.DefaultButton) this.btnfilt.click();
      return;
    }
    if (event.key === 'Tab' && !event.ctrlKey && !event.altKey && !event.metaKey) {
      const [first, last] = [this.edtcode, this.edtdj];
      const from = event.shiftKey ? first : last;
      if (this.document.activeElement !== from) return;
      event.preventDefault();
      const to = event.shiftKey ? last : first;
      to.focus();
      to.select();
    }
  }

  // Over the window, which fills the page.
  ShowBusyCursor() {
    this.frmmain.classList.add('busy');
  }

  ShowDefaultCursor() {
    this.frmmain.classList.remove('busy');
  }
}
