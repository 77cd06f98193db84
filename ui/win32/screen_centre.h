#pragma once

#include <windows.h>

namespace win32 {

// Gives the window the size and centres it on the monitor it is on (the primary one when it is
// on none).
void CentreOnScreen(HWND window, SIZE size);

}  // namespace win32
