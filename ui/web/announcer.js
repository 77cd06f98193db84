// Tells a screen reader a short text while the focus stays where it is: a polite live region,
// out of sight, where each text comes as a paragraph of its own. Orca drops a text inserted into
// a live region that equals the one it last read; a new paragraph is an object of its own, where
// the text of a span would merge into the region's. Texts asked for while a handler runs are told
// once it returns, the last of them.
export class Announcer {
  constructor(region) {
    this.region = region;
    this.text = null;
  }

  Say(text) {
    const pending = this.text !== null;
    this.text = text;
    if (pending) return;
    queueMicrotask(() => {
      const said = this.region.ownerDocument.createElement('p');
      said.textContent = this.text;
      this.region.replaceChildren(said);
      this.text = null;
    });
  }
}
