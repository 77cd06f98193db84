// The list: a disabled text view that the user reads and only the program scrolls. Laying out
// all of its thousand-odd lines takes a phone several frames, so the view breaks the text into
// lines itself and puts only the lines in sight into the page, under a scroll bar that scrolls
// an empty sheet as tall as the list. While the user is not waiting, it lays out the first lines
// of the list that comes next in a second layer, out of sight, and a press that brings that list
// only swaps the layers. Screen readers read the list from a disabled text area that holds the
// whole text and its selection, out of sight and never laid out.
import { FitsOnOneLine, LineOf, LineStarts, MeasureFont } from './line_breaks.js';

// Runs `then` in a task after the frame after next: work the user does not wait for, kept out of
// the frame that shows what they asked for even where the browser, running late, begins the next
// frame straight after it.
const AfterNextFrames = (then) => requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(then)));

// A layer of lines: one text node, whose text is replaced, as a new node would be laid out from
// scratch.
const Layer = (element) => ({ element, lines: element.appendChild(element.ownerDocument.createTextNode('')) });

// The lines from `first` up to `end`, a line break after each but the last.
const LinesText = (text, starts, first, end) => {
  const lines = [];
  for (let line = first; line < end; ++line) lines.push(text.slice(starts[line], starts[line + 1]));
  return lines.join('\n');
};

export class ResultView {
  // `upNext` gives the text the view will most likely show next.
  constructor(view, upNext) {
    const part = (name) => view.querySelector(`.${name}`);
    // Both layers are in the list's font, measured in the first.
    this.firstLayer = part('list-in-sight');
    const ahead = this.firstLayer.cloneNode();
    // The attribute, not the property: it also hides the layer (window.css) where the browser
    // knows no inert.
    ahead.setAttribute('inert', '');
    this.firstLayer.after(ahead);
    this.layers = { shown: Layer(this.firstLayer), ahead: Layer(ahead) };
    this.upNext = upNext;
    this.scroller = part('list-scroll');
    this.sheet = part('list-sheet');
    this.spoken = { area: part('list-spoken'), text: '' };
    this.text = '';
    this.font = { key: '' };
    this.wrap = {};
    this.wrapAhead = {};
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
    // Filling the text area takes longer than the lines in sight: it waits until they are painted,
    // as does laying out the next list ahead.
    AfterNextFrames(() => this.Speak());
    AfterNextFrames(() => this.LayOutAhead(this.upNext()));
  }

  // Lays out the lines a new `text` would show first in the layer out of sight.
  LayOutAhead(text) {
    this.wrapAhead = this.WrapOf(text);
    const { starts } = this.wrapAhead;
    // Placed as a new list is shown, from its start, so that the swap moves nothing.
    const [first, end] = this.LinesInSight(starts, 0);
    this.Place(this.layers.ahead, first, end, 0);
    this.layers.ahead.lines.data = LinesText(text, starts, first, end);
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
    const style = getComputedStyle(this.firstLayer);
    const key = [style.fontStyle, style.fontWeight, style.fontSize, style.fontFamily, style.lineHeight].join();
    if (key !== this.font.key) {
      const padding = getComputedStyle(this.scroller);
      this.font = {
        key,
        ...MeasureFont(this.firstLayer),
        paddingTop: parseFloat(padding.paddingTop),
        paddingBottom: parseFloat(padding.paddingBottom),
      };
      for (const { element } of Object.values(this.layers)) element.style.left = padding.paddingLeft;
    }
    this.width = this.sheet.getBoundingClientRect().width;
    this.height = this.scroller.clientHeight;
    this.Wrap();
  }

  // Breaks the text into lines, unless they are broken for this text, font and width already.
  Wrap() {
    const wrap = this.WrapOf(this.text);
    if (wrap === this.wrap) return;
    this.wrap = wrap;
    this.sheet.style.height = `${wrap.starts.length * wrap.font.lineHeight}px`;
    for (const { element } of Object.values(this.layers)) element.style.width = `${wrap.width}px`;
  }

  // Where the lines of `text` start at this font and width: as worked out for the list shown or
  // the one laid out ahead, where it is one of them. Where the browser is asked whether a line
  // fits, its answer holds for every line of the same sum at this font and width.
  WrapOf(text) {
    const { font, width } = this;
    const known = [this.wrap, this.wrapAhead].find((wrap) => wrap.text === text && wrap.font === font && wrap.width === width);
    if (known) return known;
    if (font !== this.answers?.font || width !== this.answers.width) this.answers = { font, width, fits: new Map() };
    const { fits } = this.answers;
    const Fits = (start, end, sum) => {
      if (!fits.has(sum)) fits.set(sum, FitsOnOneLine(this.firstLayer, text.slice(start, end), width, font.lineHeight));
      return fits.get(sum);
    };
    return { text, font, width, starts: LineStarts(text, font.advances, width, Fits) };
  }

  // Puts the lines that are in sight, whole or in part, where the sheet has them: as one text
  // with a line break after each, which lays out many times faster than a block for each.
  ShowLinesInSight() {
    const { starts, text } = this.wrap;
    const [first, end] = this.LinesInSight(starts, this.top);
    if (this.shown.starts !== starts || this.shown.first !== first || this.shown.end !== end) {
      this.shown = { starts, first, end };
      this.PutInSight(LinesText(text, starts, first, end));
    }
    this.Place(this.layers.shown, first, end, this.top);
  }

  // Where the layer out of sight holds these lines already, the layers swap.
  PutInSight(lines) {
    const { shown, ahead } = this.layers;
    if (lines !== ahead.lines.data) {
      shown.lines.data = lines;
      return;
    }
    this.layers = { shown: ahead, ahead: shown };
    ahead.element.removeAttribute('inert');
    shown.element.setAttribute('inert', '');
  }

  // The first line in sight, whole or in part, when the view is scrolled to `top`, and the line
  // after the last.
  LinesInSight(starts, top) {
    const { lineHeight, paddingTop } = this.font;
    const first = Math.max(0, Math.floor((top - paddingTop) / lineHeight));
    const end = Math.min(starts.length, Math.ceil((top - paddingTop + this.height) / lineHeight));
    return [first, end];
  }

  // Puts the layer's lines where the sheet has them.
  Place({ element }, first, end, top) {
    const { lineHeight, paddingTop } = this.font;
    element.style.top = `${first * lineHeight - (top - paddingTop)}px`;
    element.style.height = `${(end - first) * lineHeight}px`;
  }
}
