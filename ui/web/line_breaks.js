// Where the list's lines break, worked out as the browser breaks pre-wrapped text, so that the
// list lays out only the lines in sight. The list's entries are four digits and a space each.
const kCharacters = '0123456789 ';
// Copies of each character laid out in a row: their width, divided, gives its advance to a
// hundredth of the browser's own precision.
const kCopies = 100;
const kSpace = 32;
const kZero = 48;

// The advance of each of the list's characters, by character code, and the height of a line, in
// the font of `element`, measured by laying them out inside it.
export function MeasureFont(element) {
  const document = element.ownerDocument;
  const probe = document.createElement('div');
  probe.style.cssText = 'position: absolute; visibility: hidden; white-space: pre; width: max-content';
  for (const character of kCharacters) {
    const run = document.createElement('span');
    run.textContent = character.repeat(kCopies);
    probe.append(run);
  }
  element.append(probe);
  const advances = new Float64Array(128);
  [...probe.children].forEach((run, i) => {
    advances[kCharacters.charCodeAt(i)] = run.getBoundingClientRect().width / kCopies;
  });
  const lineHeight = probe.getBoundingClientRect().height;
  probe.remove();
  return { advances, lineHeight };
}

// Within this many pixels of the width, a line's fit turns on how the browser rounds its sums,
// and the browser is asked.
const kDoubt = 1 / 16;

// Where each line of the list `text` starts when it wraps at `width`: a line takes entries while
// they fit, and the space after its last entry hangs past its edge. An empty text has no lines.
// `Fits(start, end, sum)` tells whether the text from start to end, whose advances add up to sum,
// fits the width: it is asked only where the sum is too close to the width to tell.
export function LineStarts(text, advances, width, Fits) {
  const digits = advances.subarray(kZero, kZero + 10);
  if (!digits.every((advance) => advance === digits[0])) {
    return FirstLineStarts(text, advances, width, Fits, Infinity);
  }
  // Every entry is then as wide as the next, and every full line holds as many as the first: the
  // first line tells where all of them start. Going through the whole text would take a phone
  // longer than a frame.
  const [, lineLength = text.length] = FirstLineStarts(text, advances, width, Fits, 2);
  const starts = new Int32Array(text === '' ? 0 : Math.ceil(text.length / lineLength));
  for (let line = 0; line < starts.length; ++line) starts[line] = line * lineLength;
  return starts;
}

// The starts of the first `count` lines of `text`, or of all its lines if it has fewer.
function FirstLineStarts(text, advances, width, Fits, count) {
  const starts = [];
  let lineWidth = 0;
  for (let i = 0; i < text.length;) {
    const wordStart = i;
    let word = 0;
    for (; i < text.length && text.charCodeAt(i) !== kSpace; ++i) word += advances[text.charCodeAt(i)];
    const sum = lineWidth + word;
    if (starts.length === 0 || sum > width + kDoubt ||
        (sum > width - kDoubt && !Fits(starts[starts.length - 1], i, sum))) {
      if (starts.length === count) break;
      starts.push(wordStart);
      lineWidth = 0;
    }
    lineWidth += word;
    for (; i < text.length && text.charCodeAt(i) === kSpace; ++i) lineWidth += advances[kSpace];
  }
  return starts;
}

// The line that holds the character at `position`.
export function LineOf(starts, position) {
  let low = 0;
  let high = starts.length - 1;
  while (low < high) {
    const middle = Math.ceil((low + high) / 2);
    if (starts[middle] <= position) low = middle;
    else high = middle - 1;
  }
  return low;
}

// Whether `text` lays out on one line at `width`, wrapped as a text area wraps it, inside
// `element` and so in its font.
export function FitsOnOneLine(element, text, width, lineHeight) {
  const probe = element.ownerDocument.createElement('div');
  probe.style.cssText = `position: absolute; visibility: hidden; width: ${width}px; ` +
    'white-space: pre-wrap; overflow-wrap: break-word; word-break: normal';
  probe.textContent = text;
  element.append(probe);
  const lines = Math.round(probe.getBoundingClientRect().height / lineHeight);
  probe.remove();
  return lines === 1;
}
