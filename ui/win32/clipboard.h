#pragma once

#include <windows.h>

#include <string_view>

namespace win32 {

// Replaces the clipboard's content with the text (CF_UNICODETEXT; Windows offers it as CF_TEXT
// too). Another program may hold the clipboard open for a moment (a clipboard manager, a
// remote desktop session), so a busy clipboard is asked again for about a quarter of a second.
// False when it could not be had.
bool CopyToClipboard(HWND owner, std::wstring_view text);

}  // namespace win32
