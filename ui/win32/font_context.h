#pragma once

#include <windows.h>

namespace win32 {

// A window's device context with a font selected, for measuring text: borrowed when first
// asked for, and given back as it was lent, its own font selected again, when the holder goes.
class FontContext {
 public:
  FontContext(HWND window, HGDIOBJ font) : window_(window), font_(font) {}
  ~FontContext() {
    if (dc_ == nullptr) return;
    SelectObject(dc_, previous_);
    ReleaseDC(window_, dc_);
  }
  FontContext(const FontContext&) = delete;
  FontContext& operator=(const FontContext&) = delete;

  HDC Get() {
    if (dc_ == nullptr) {
      dc_ = GetDC(window_);
      previous_ = SelectObject(dc_, font_);
    }
    return dc_;
  }

 private:
  HWND window_;
  HGDIOBJ font_;
  HDC dc_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

}  // namespace win32
