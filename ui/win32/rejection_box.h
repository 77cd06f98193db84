#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

// Tells the user why a previous-draw text was refused: a modal box centred on the screen,
// titled with the application's name, with no icon, the message, and one button "确定" that
// both Enter and Esc press. The stock message box would caption its button in the system's
// language. The box is laid out, frame included, at `dpi`, the density of the window it
// belongs to, and draws in a font of its own in the window's face, so that the window may
// change its font while the box is open. Returns once the box is closed.
void ShowRejection(HWND owner, std::wstring_view message, const std::wstring& face, int dpi);

}  // namespace win32
