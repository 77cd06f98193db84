#pragma once

#include <windows.h>

namespace win32 {

// A read-only view of a long text, wrapped between words and drawn a screenful at a time. The
// stock multi-line edit control lays out a 40,000-character list far too slowly to redraw it on
// every Filter press; this view keeps the text, breaks it into lines once per text or width,
// and paints only the lines in view.
//
// It answers the messages of a text view: WM_SETTEXT (shows a new text from its start),
// WM_GETTEXT, WM_GETTEXTLENGTH, WM_SETFONT, WM_GETFONT, WM_PRINTCLIENT, EM_SETSEL, EM_GETSEL,
// EM_SCROLLCARET (brings the end of the selection into view), EM_GETFIRSTVISIBLELINE,
// EM_GETLINECOUNT and EM_LINEFROMCHAR. The selection is kept but never drawn: the list is
// always disabled, and a disabled view has no focus to show a selection with. Its vertical
// scroll bar is always shown.
inline constexpr wchar_t kResultViewClass[] = L"TarvelloResultView";

void RegisterResultView(HINSTANCE instance);

}  // namespace win32
