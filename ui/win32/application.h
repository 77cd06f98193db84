#pragma once

namespace win32 {

// The program from its start to its end: the main window shown, and the messages delivered
// until it closes. Returns the exit code: the window's, or 1 when the window could not be
// created, which a box tells the user, rather than waiting in a loop with nothing on screen.
int RunApplication(int showCommand);

}  // namespace win32
