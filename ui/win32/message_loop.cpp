#include "ui/win32/message_loop.h"

#include "ui/win32/u_main.h"

namespace win32 {

void DeliverMessage(Tfrmmain& window, const MSG& message) {
  if (window.PreTranslateMessage(message)) return;
  MSG copy = message;
  if (window.Handle() != nullptr && IsDialogMessageW(window.Handle(), &copy) != FALSE) return;
  TranslateMessage(&copy);
  DispatchMessageW(&copy);
}

int RunMessageLoop(Tfrmmain& window) {
  MSG message;
  BOOL got;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0) {
    if (got == -1) return 1;
    DeliverMessage(window, message);
  }
  return static_cast<int>(message.wParam);
}

std::optional<int> DeliverQueuedMessages(Tfrmmain& window) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE) != FALSE) {
    if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
    DeliverMessage(window, message);
  }
  return std::nullopt;
}

}  // namespace win32
