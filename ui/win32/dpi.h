#pragma once

#include <windows.h>

namespace win32 {

// The density of the monitor the window is on, where the system tells it for each window
// (Windows 10 1607 on); the screen's otherwise.
int WindowDpi(HWND window);

// A length of the window's 96-dpi layout at `dpi`.
int Scale(int pixels, int dpi);

// The outer size of a window with this style whose client area is `client`, at `dpi`: frames
// and captions grow with the density on Windows 10 and 11.
SIZE FrameAround(SIZE client, DWORD style, DWORD extendedStyle, int dpi);

}  // namespace win32
