// The steps that Playwright's and Puppeteer's pages take alike: both drive a page through objects
// of the same shape (page, keyboard, mouse). Each engine's page adds what differs.
import { DrivenPage } from './driven_page.js';

export class ScriptedPage extends DrivenPage {
  constructor(page) {
    super();
    this.page = page;
    this.errors = [];
    page.on('pageerror', (error) => this.errors.push(error.message));
  }

  Goto(url) { return this.page.goto(url); }
  Reload() { return this.page.reload(); }
  Evaluate(fn, arg) { return this.page.evaluate(fn, arg); }
  Click(selector, button = 'left') { return this.page.click(selector, { button }); }
  Tap(selector) { return this.page.tap(selector); }
  Type(text) { return this.page.keyboard.type(text); }

  async Drag(selector, x, y) {
    const box = await this.Box(selector);
    await this.page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    await this.page.mouse.down();
    await this.page.mouse.move(x, y);
    await this.page.mouse.up();
  }
}
