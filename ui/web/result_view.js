// The list: a disabled text view that the user reads and only the program scrolls. Laying out
// all of its thousand-odd lines takes a phone several frames, so the view breaks the text into
// lines itself and puts only the lines in sight into the page, under a scroll bar that scrolls
// an empty sheet as tall as the list. Screen readers read the list from a disabled text area
// that holds the whole text and its selection, out of sight and never laid out.
import { FitsOnOneLine, LineOf, LineStarts, MeasureFont } from './line_breaks.js';

// Runs `then` in a task after the frame after next: work the user does not wait for, kept out of
// the frame that shows what they asked for even where the browser, running late, begins the next
// frame straight after it.
const AfterNextFrames = (then) => requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(then)));

export class ResultView {
  constructor(view) {
    const part = (name) => view.querySelector(`.${name}`);
    this.inSight = part('list-in-sight');
    // One text node, whose text is replaced: a new node would be laid out from scratch.
    this.linesInSight = this.inSight.appendChild(view.ownerDocument.createTextNode(''));
    this.scroller = part('list-scroll');
    this.sheet = part('list-sheet');
    this.spoken = { area: part('list-spoken'), text: '' };
    this.text = '';
    this.font = { key: '' };
    this.wrap = {};
    this.shown = {};
    // Where the view is scrolled to: kept here, so that a Filter press or a hit reads nothing
    // from the page's layout before the frame lays it out once.
    this.top = 0;
    this.Measure();
    this.scroller.addEventListener('scroll', () => {
      this.top = this.scroller.scrollTop;
      this.ShowLinesInSight();
    });
    new ResizeObserver(() => {
      this.Measure();
      this.top = this.scroller.scrollTop;
      this.ShowLinesInSight();
    }).observe(this.scroller);
  }

  // A new text is shown from its start.
  Show(text) {
    this.text = text;
    this.Wrap();
    this.ScrollTo(0);
    // Filling the text area takes longer than the lines in sight: it waits until they are painted.
    AfterNextFrames(() => this.Speak());
  }

  // Gives screen readers the text shown.
  Speak() {
    if (this.spoken.text === this.text) return;
    // As its default value: setting `value` would also put the caret at the end, which lays out
    // the whole text.
    this.spoken.area.textContent = this.text;
    this.spoken.text = this.text;
  }

  // Selects the range, which no one sees, and scrolls so that the line that holds its end is in
  // sight: at the bottom edge when the list moves down to it, at the top edge when it moves up.
  Select(start, length) {
    this.Speak();
    this.spoken.area.setSelectionRange(start, start + length);
    const { lineHeight, paddingTop, paddingBottom } = this.font;
    const top = paddingTop + LineOf(this.wrap.starts, start + length - 1) * lineHeight;
    const bottom = top + lineHeight;
    if (bottom > this.top + this.height - paddingBottom) {
      this.ScrollTo(Math.ceil(bottom + paddingBottom - this.height));
    } else if (top < this.top) {
      this.ScrollTo(Math.floor(top - paddingTop));
    }
  }

  // The lines go in first, so that the scroll lays them out with it.
  ScrollTo(top) {
    const moved = top !== this.top;
    this.top = top;
    this.ShowLinesInSight();
    if (moved) this.scroller.scrollTop = top;
  }

  // Reads the list's font, width and height, which change with the screen, and wraps the text
  // anew for them.
  Measure() {
    const style = getComputedStyle(this.inSight);
    const key = [style.fontStyle, style.fontWeight, style.fontSize, style.fontFamily, style.lineHeight].join();
    if (key !== this.font.key) {
      const padding = getComputedStyle(this.scroller);
      this.font = {
        key,
        ...MeasureFont(this.inSight),
        paddingTop: parseFloat(padding.paddingTop),
        paddingBottom: parseFloat(padding.paddingBottom),
      };
      this.inSight.style.left = padding.paddingLeft;
    }
    this.width = this.sheet.getBoundingClientRect().width;
    this.height = this.scroller.clientHeight;
    this.Wrap();
  }

  // Breaks the text into lines, unless they are broken for this text, font and width already.
  // Where the browser is asked whether a line fits, its answer holds for every line of the same
  // sum at this font and width.
  Wrap() {
    const { text, font, width, wrap } = this;
    if (text === wrap.text && font === wrap.font && width === wrap.width) return;
    if (font !== wrap.font || width !== wrap.width) this.answers = new Map();
    const Fits = (start, end, sum) => {
      if (!this.answers.has(sum)) {
        this.answers.set(sum, FitsOnOneLine(this.inSight, text.slice(start, end), width, font.lineHeight));
      }
      return this.answers.get(sum);
    };
    this.wrap = { text, font, width, starts: LineStarts(text, font.advances, width, Fits) };
    this.sheet.style.height = `${this.wrap.starts.length * font.lineHeight}px`;
    this.inSight.style.width = `${width}px`;
  }

  // Puts the lines that are in sight, whole or in part, where the sheet has them: as one text
  // with a line break after each, which lays out many times faster than a block for each.
  ShowLinesInSight() {
    const { lineHeight, paddingTop } = this.font;
    const { starts, text } = this.wrap;
    const top = this.top - paddingTop;
    const first = Math.max(0, Math.floor(top / lineHeight));
    const end = Math.min(starts.length, Math.ceil((top + this.height) / lineHeight));
    this.inSight.style.top = `${first * lineHeight - top}px`;
    this.inSight.style.height = `${(end - first) * lineHeight}px`;
    if (this.shown.starts === starts && this.shown.first === first && this.shown.end === end) return;
    this.shown = { starts, first, end };
    const lines = [];
    for (let line = first; line < end; ++line) lines.push(text.slice(starts[line], starts[line + 1]));
    this.linesInSight.data = lines.join('\n');
  }
}
