#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/win32/window_driver.h"

namespace {

int SoakPresses() {
  const char* presses = std::getenv("TARVELLO_WINDOW_SOAK_PRESSES");
  return presses != nullptr ? std::atoi(presses) : 1000;
}

struct Resources {
  DWORD gdiObjects;
  DWORD userObjects;
  SIZE_T privateBytes;
  WORD nextGdiSlot;
};

Resources ProcessResources() {
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof(memory);
  GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
  return {GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
          GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), memory.PagefileUsage,
          NextGdiSlot()};
}

// Pastes the text into the field as the user's Ctrl+V would.
void Paste(WindowDriver& window, HWND field, const std::wstring& text) {
  SetClipboardText(text);
  SetFocus(field);
  PostMessageW(field, WM_PASTE, 0, 0);
  window.Pump();
}

}  // namespace

// Each press draws and lays out a new list; a handle, bitmap or string lost on the way would
// pile up over a long session.
TEST(Win32WindowSoak, ManyFilterPressesKeepResourcesLevel) {
  WindowDriver window;
  window.Perform({"type 1234"});
  Resources atTenth{};
  const int presses = SoakPresses();
  for (int press = 1; press <= presses; ++press) {
    window.Click("btnfilt");
    UpdateWindow(window.window());
    if (press == 10) atTenth = ProcessResources();
  }
  const Resources atLast = ProcessResources();

  EXPECT_EQ(window.list().size(), static_cast<std::size_t>(cases::kResultLength));
  EXPECT_EQ(window.text("lbljushu"), cases::kFilledCaption);
  EXPECT_LE(atLast.gdiObjects, atTenth.gdiObjects);
  EXPECT_LE(atLast.userObjects, atTenth.userObjects);
  EXPECT_EQ(atLast.nextGdiSlot, atTenth.nextGdiSlot);
  EXPECT_LE(atLast.privateBytes, atTenth.privateBytes + (1 << 20));
}

// Longer than the 32,767 characters an edit control holds by default.
TEST(Win32WindowSoak, LongPastesAreKeptWholeAndLeaveTheVerdict) {
  const std::wstring longText(40000, L'7');
  struct LongPaste {
    const char* field;
    cases::Steps before;
    std::size_t length;  // what the field then holds
    const char* verdict;
  };
  const LongPaste pastes[] = {
      {"edtcode", {"type 1234", "filter", "click", "type 5610"}, longText.size() + 4, "X"},
      {"edtdj", {"type 1234", "filter", "click", "type 12"}, longText.size(), nullptr},
  };
  for (const LongPaste& paste : pastes) {
    SCOPED_TRACE(paste.field);
    WindowDriver window;
    window.Perform(paste.before);

    Paste(window, window.control(paste.field), longText);

    EXPECT_EQ(win32::WindowText(window.control(paste.field)).size(), paste.length);
    if (paste.verdict != nullptr) {
      EXPECT_EQ(window.text("edtdj"), paste.verdict);
    }
  }
}
