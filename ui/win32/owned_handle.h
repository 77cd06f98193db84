#pragma once

#include <windows.h>

#include <uxtheme.h>

#include <memory>
#include <type_traits>

namespace win32 {

// Handles the program makes and must give back, each given back when its holder lets it go:
// replaced, reset or destroyed.

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

struct ThemeCloser {
  void operator()(HTHEME theme) const { CloseThemeData(theme); }
};
using OwnedTheme = std::unique_ptr<std::remove_pointer_t<HTHEME>, ThemeCloser>;

}  // namespace win32
