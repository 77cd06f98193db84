#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace win32 {

// Tells a screen reader a short text while the focus stays where it is: a hidden static control,
// a polite live region named with the text, that raises the live region's change for each text;
// Narrator and NVDA read the region's name then. Texts asked for while a handler runs are told
// once it returns, the last of them.
class Announcer {
 public:
  void Create(HWND window);
  void Say(std::wstring text);

 private:
  static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR subclass, DWORD_PTR data);
  void Present();

  HWND control_ = nullptr;
  IAccPropServices* properties_ = nullptr;
  std::wstring text_;
  bool pending_ = false;
};

}  // namespace win32
