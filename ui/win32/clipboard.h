#pragma once

#include <windows.h>

#include <string_view>

namespace win32 {

// Replaces the clipboard's content with the text (CF_UNICODETEXT; Windows offers it as CF_TEXT
// too). False when the clipboard could not be had.
bool CopyToClipboard(HWND owner, std::wstring_view text);

}  // namespace win32
