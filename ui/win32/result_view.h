#pragma once

#include <windows.h>

namespace win32 {

// The result list: a read-only view of a long text, wrapped between words and drawn a
// screenful at a time. The stock multi-line edit control lays out a 40,000-character list far
// too slowly to redraw it on every Filter press; this view keeps the text, breaks it into lines
// once per text or width, and paints only the lines in view. To the window and to screen
// readers it is the text view the list is shown in: its text, font, selection and scrolling
// are read and set with the messages of a multi-line edit. The selection is kept but never
// drawn: the list is always disabled, and a disabled view has no focus to show a selection
// with. Its vertical scroll bar is always shown.
inline constexpr wchar_t kResultViewClass[] = L"TarvelloResultView";

void RegisterResultView(HINSTANCE instance);

}  // namespace win32
