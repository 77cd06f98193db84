#pragma once

#include <windows.h>

#include <optional>

class Tfrmmain;

namespace win32 {

// Delivers one message taken from the queue as the program does: the window's own keys first,
// then the dialog manager (Tab and the focus), then the window procedure.
void DeliverMessage(Tfrmmain& window, const MSG& message);

// Runs until the window has closed and returns the exit code it quit with.
int RunMessageLoop(Tfrmmain& window);

// Delivers every message already queued. Once the window has quit: the exit code it quit with.
std::optional<int> DeliverQueuedMessages(Tfrmmain& window);

}  // namespace win32
