#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The whole text of a window or control, in one read.
std::wstring WindowText(HWND window);

// Writes the text only when it differs, so that writing what a field already holds raises no
// change notification.
void SetTextIfDifferent(HWND window, std::wstring_view text);

}  // namespace win32
