// The list: a disabled text view that the user reads and only the program scrolls. A text area
// cannot say where a character lies, so a hidden copy of the list, laid out at the same width,
// tells where an entry's line is.

// Safari has no requestIdleCallback: there the copy waits for a task after the list's paint.
const WhenIdle = globalThis.requestIdleCallback ?? ((callback) => setTimeout(callback));

export class ResultView {
  constructor(view, copy) {
    this.view = view;
    this.copy = copy;
  }

  get text() {
    return this.view.value;
  }

  // A new text is shown from its start. The copy is laid out when the page is idle, or at the
  // first hit if that comes sooner, so that the list is painted without waiting for it.
  Show(text) {
    this.view.value = text;
    this.view.scrollTop = 0;
    this.copy.hidden = true;
    this.copy.textContent = text;
    WhenIdle(() => this.LayOutCopy());
  }

  // Selects the range, which a view without the focus does not draw, and scrolls so that the
  // end of the range is in sight.
  Select(start, length) {
    this.view.setSelectionRange(start, start + length);
    const line = this.LineOf(start, length);
    const style = getComputedStyle(this.view);
    const paddingTop = parseFloat(style.paddingTop);
    const paddingBottom = parseFloat(style.paddingBottom);
    const top = line.top + paddingTop;
    const bottom = line.bottom + paddingTop;
    if (bottom > this.view.scrollTop + this.view.clientHeight - paddingBottom) {
      this.view.scrollTop = Math.ceil(bottom + paddingBottom - this.view.clientHeight);
    } else if (top < this.view.scrollTop) {
      this.view.scrollTop = Math.floor(top - paddingTop);
    }
  }

  // Lays the copy out as the list is now: its width and font may have changed with the screen.
  LayOutCopy() {
    const style = getComputedStyle(this.view);
    const width =
      this.view.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    // Property by property: the font shorthand reads empty once kerning is set.
    Object.assign(this.copy.style, {
      width: `${width}px`,
      fontFamily: style.fontFamily,
      fontSize: style.fontSize,
      fontStyle: style.fontStyle,
      fontWeight: style.fontWeight,
      lineHeight: style.lineHeight,
    });
    this.copy.hidden = false;
    this.copy.getBoundingClientRect();
  }

  // Where the last line of the range lies in the list's text, in pixels from its first line.
  LineOf(start, length) {
    this.LayOutCopy();
    const range = this.copy.ownerDocument.createRange();
    range.setStart(this.copy.firstChild, start);
    range.setEnd(this.copy.firstChild, start + length);
    const rects = range.getClientRects();
    const last = rects[rects.length - 1];
    const origin = this.copy.getBoundingClientRect().top;
    return { top: last.top - origin, bottom: last.bottom - origin };
  }
}
