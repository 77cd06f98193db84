// The modal box that shows a rejection: titled with the program's name, no icon, one button that
// Enter and Esc both press. Resolves as the box closes, before anything else can happen. Its
// title and button text are in the page.
export function ShowRejection(document, message) {
  const box = document.getElementById('rejection');
  document.getElementById('rejection-message').textContent = message;
  const ok = document.getElementById('rejection-ok');
  return new Promise((resolve) => {
    const press = () => {
      box.close();
      resolve();
    };
    // Enter presses the focused button; Esc presses it too, rather than closing the box by itself.
    ok.onclick = press;
    box.oncancel = (event) => {
      event.preventDefault();
      press();
    };
    box.showModal();
    ok.focus();
  });
}
