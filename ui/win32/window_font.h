#pragma once

#include <windows.h>

#include <string>

#include "ui/win32/owned_handle.h"

namespace win32 {

// The face the window's texts are drawn in: the first installed face of the window's list,
// else any face that has the Chinese (GB2312) characters. Windows links Chinese glyphs into its
// interface fonts, wine does not, so a face that holds them itself is the one that shows them
// everywhere.
std::wstring ChineseFaceName();

// The window font at `dpi` dots per inch.
OwnedFont CreateWindowFont(const std::wstring& face, int dpi);

}  // namespace win32
