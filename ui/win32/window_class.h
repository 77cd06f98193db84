#pragma once

#include <windows.h>

namespace win32 {

// A window class: its name and procedure, and for a top-level window its icon and background
// (a control that paints every pixel itself has neither).
struct WindowClass {
  const wchar_t* name;
  WNDPROC procedure;
  HICON icon = nullptr;
  HBRUSH background = nullptr;
};

// Registers the class, with the arrow cursor. Registering twice fails harmlessly; the class
// stays as first registered.
void RegisterWindowClass(HINSTANCE instance, const WindowClass& windowClass);

// The procedure of a class whose windows each belong to an object of type `Window`, which
// answers their messages in `OnMessage(message, wParam, lParam)`. The window keeps the object's
// address in GWLP_USERDATA from WM_NCCREATE, where `Window::Attach(window, create)` names the
// object (one handed in through CreateWindowEx, or one made for the window), to WM_NCDESTROY,
// its last message, after which `Window::Detach(object)` lets the object go. The few messages
// before WM_NCCREATE get the default answer.
template <typename Window>
LRESULT CALLBACK ObjectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    Window* object = Window::Attach(window, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
  }
  auto* object = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (object == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    Window::Detach(object);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return object->OnMessage(message, wParam, lParam);
}

}  // namespace win32
