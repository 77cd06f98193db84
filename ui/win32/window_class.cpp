#include "ui/win32/window_class.h"

namespace win32 {

void RegisterWindowClass(HINSTANCE instance, const WindowClass& windowClass) {
  WNDCLASSEXW registered{};
  registered.cbSize = sizeof(registered);
  registered.lpfnWndProc = windowClass.procedure;
  registered.hInstance = instance;
  registered.hIcon = windowClass.icon;
  registered.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  registered.hbrBackground = windowClass.background;
  registered.lpszClassName = windowClass.name;
  RegisterClassExW(&registered);
}

}  // namespace win32
