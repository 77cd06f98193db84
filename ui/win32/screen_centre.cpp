#include "ui/win32/screen_centre.h"

namespace win32 {

void CentreOnScreen(HWND window, SIZE size) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& screen = monitor.rcMonitor;
  SetWindowPos(window, nullptr, (screen.left + screen.right - size.cx) / 2,
               (screen.top + screen.bottom - size.cy) / 2, size.cx, size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace win32
