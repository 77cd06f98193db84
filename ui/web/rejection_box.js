// The modal box that shows a rejection: titled with the program's name, no icon, one button that
// Enter and Esc both press. Resolves once the box has closed.
import { kApplicationTitle, kConfirmText } from './window_layout.js';

export function ShowRejection(document, message) {
  const box = document.getElementById('rejection');
  document.getElementById('rejection-title').textContent = kApplicationTitle;
  document.getElementById('rejection-message').textContent = message;
  const ok = document.getElementById('rejection-ok');
  ok.textContent = kConfirmText;
  return new Promise((resolve) => {
    // Esc closes the box by itself; Enter presses its focused button.
    ok.onclick = () => box.close();
    box.addEventListener('close', () => resolve(), { once: true });
    box.showModal();
    ok.focus();
  });
}
