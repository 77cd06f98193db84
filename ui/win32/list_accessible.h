#pragma once

#include <windows.h>

namespace win32 {

// Answers WM_GETOBJECT for the result view. A screen reader is given the system's standard
// object for the window, told what the view is: read-only, unavailable text, named after the
// label created before it and with the whole list as its value.
LRESULT AnswerGetObject(HWND view, WPARAM flags, LPARAM objectId);

}  // namespace win32
