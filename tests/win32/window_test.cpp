#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/win32/window_driver.h"

namespace {

const std::wstring kElsewhere = L"put there by another program";

RECT ScreenRect() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
  return monitor.rcMonitor;
}

bool CentredOnScreen(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  const RECT screen = ScreenRect();
  return std::abs((frame.left + frame.right) - (screen.left + screen.right)) <= 2 &&
         std::abs((frame.top + frame.bottom) - (screen.top + screen.bottom)) <= 2;
}

std::string ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return win32::Narrow(name);
}

// What the rejection box showed while it was open.
struct BoxSeen {
  bool shown = false;
  std::string title;
  std::vector<std::string> texts;
  std::vector<std::string> buttons;
  bool icon = true;
  bool centred = false;
  bool busyCursor = true;
};

struct BoxAnswer {
  UINT key;
  BoxSeen* seen;
};
BoxAnswer* pendingAnswer = nullptr;

HWND OpenBox() {
  HWND box = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM found) CALLBACK {
        if (ClassOf(window) != "#32770" || IsWindowVisible(window) == FALSE) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&box));
  return box;
}

void CALLBACK AnswerBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = OpenBox();
  if (box == nullptr || pendingAnswer == nullptr) return;
  KillTimer(nullptr, timer);
  BoxSeen& seen = *pendingAnswer->seen;
  seen.shown = true;
  seen.title = win32::Narrow(win32::WindowText(box));
  seen.icon = (GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) == 0;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string text = win32::Narrow(win32::WindowText(child));
    if (ClassOf(child) == "Button") seen.buttons.push_back(text);
    if (ClassOf(child) == "Static") {
      if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) seen.icon = true;
      seen.texts.push_back(text);
    }
  }
  seen.centred = CentredOnScreen(box);
  seen.busyCursor = GetCursor() == LoadCursorW(nullptr, IDC_WAIT);
  PostMessageW(GetFocus(), WM_KEYDOWN, pendingAnswer->key, 1);
  pendingAnswer = nullptr;
}

// Once the next modal box is open, notes what it shows and presses the key in it.
void AnswerNextBox(BoxAnswer* answer) {
  pendingAnswer = answer;
  SetTimer(nullptr, 0, 20, AnswerBox);
}

// Notes the cursor at the moment the list receives its text.
LRESULT CALLBACK NoteCursor(HWND view, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR noted) {
  if (message == WM_SETTEXT) *reinterpret_cast<HCURSOR*>(noted) = GetCursor();
  return DefSubclassProc(view, message, wParam, lParam);
}

}  // namespace

TEST(Win32Window, OpensWithItsControlsInPlace) {
  WindowDriver window;
  RECT frame{};
  GetWindowRect(window.window(), &frame);
  EXPECT_EQ(frame.right - frame.left, 507);
  EXPECT_EQ(frame.bottom - frame.top, 386);
  RECT client{};
  GetClientRect(window.window(), &client);
  EXPECT_GE(client.right, 457);
  EXPECT_GE(client.bottom, 345);
  EXPECT_TRUE(CentredOnScreen(window.window()));
  EXPECT_EQ(win32::Narrow(win32::WindowText(window.window())), "Tarvello");
  const LONG_PTR style = GetWindowLongPtrW(window.window(), GWL_STYLE);
  EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);  // resizable, all three boxes
  EXPECT_EQ(window.focusName(), "edtcode");
  EXPECT_FALSE(IsWindowEnabled(window.control("memcode")));
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof(bar);
  GetScrollBarInfo(window.control("memcode"), OBJID_VSCROLL, &bar);
  EXPECT_EQ(bar.rgstate[0] & STATE_SYSTEM_INVISIBLE, 0u);

  for (const cases::Control& expected : cases::kControls) {
    SCOPED_TRACE(std::string(expected.row));
    HWND control = window.control(expected.name);
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window.window(), reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, expected.left);
    EXPECT_EQ(place.top, expected.top);
    EXPECT_EQ(place.right - place.left, expected.width);
    EXPECT_EQ(place.bottom - place.top, expected.height);
    EXPECT_EQ(window.text(expected.name), expected.text);
    // Windows names a field after the label created just before it, a label or a button after
    // its own text.
    const bool field = ClassOf(control) == "Edit" || expected.name == "memcode";
    HWND named = field ? GetWindow(control, GW_HWNDPREV) : control;
    EXPECT_EQ(win32::Narrow(win32::WindowText(named)), expected.spokenName);
  }
}

TEST(Win32Window, TabVisitsTheControlsInOrder) {
  WindowDriver window;
  std::vector<std::string> visited;
  for (std::size_t i = 0; i < cases::kTabOrder.size(); ++i) {
    window.KeyInFocus(VK_TAB);
    visited.push_back(window.focusName());
  }
  EXPECT_EQ(visited, std::vector<std::string>(cases::kTabOrder.begin(), cases::kTabOrder.end()));
}

TEST(Win32Window, AcceptedFilterShowsTheListAndCount) {
  for (const cases::FilterRun& run : cases::kAcceptedRuns) {
    SCOPED_TRACE(std::string(run.row));
    WindowDriver window;
    window.Perform(run.before);
    const std::string verdict = window.text("edtdj");
    HCURSOR cursorAtText = nullptr;
    SetWindowSubclass(window.control("memcode"), NoteCursor, 1,
                      reinterpret_cast<DWORD_PTR>(&cursorAtText));
    SetCursor(LoadCursorW(nullptr, IDC_IBEAM));

    window.Perform({"filter"});

    EXPECT_EQ(cursorAtText, LoadCursorW(nullptr, IDC_WAIT));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
    const std::string list = window.list();
    EXPECT_TRUE(list.starts_with(run.start)) << list.substr(0, 60);
    EXPECT_EQ(list.size(), static_cast<std::size_t>(cases::kResultLength));
    EXPECT_EQ(window.text("lbljushu"), cases::kFilledCaption);
    EXPECT_EQ(window.text("edtdj"), verdict);
    EXPECT_EQ(SendMessageW(window.control("memcode"), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    RemoveWindowSubclass(window.control("memcode"), NoteCursor, 1);
  }
}

TEST(Win32Window, RejectedFilterExplainsAndClearsTheDraw) {
  for (const cases::RejectedRun& run : cases::kRejectedRuns) {
    SCOPED_TRACE(std::string(run.row));
    WindowDriver window;
    window.Perform(run.before);
    SetWindowPos(window.window(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const std::string list = window.list();
    const std::string caption = window.text("lbljushu");

    BoxSeen seen;
    BoxAnswer answer{run.closedWith == cases::BoxKey::Enter ? UINT{VK_RETURN} : UINT{VK_ESCAPE},
                     &seen};
    AnswerNextBox(&answer);
    window.Perform({"filter"});

    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, "Tarvello");
    EXPECT_EQ(seen.texts, std::vector<std::string>{std::string(cases::kRejection)});
    EXPECT_EQ(seen.buttons, std::vector<std::string>{"确定"});
    EXPECT_FALSE(seen.icon);
    EXPECT_TRUE(seen.centred);
    EXPECT_FALSE(seen.busyCursor);
    EXPECT_EQ(OpenBox(), nullptr);
    EXPECT_EQ(window.text("edtcode"), "");
    EXPECT_EQ(window.focusName(), "edtcode");
    EXPECT_EQ(window.list(), list);
    EXPECT_EQ(window.text("lbljushu"), caption);
  }
}

TEST(Win32Window, CopyPutsTheListOnTheClipboard) {
  for (const bool afterRun : {true, false}) {
    SCOPED_TRACE(afterRun ? "after a run" : "before any run");
    WindowDriver window;
    if (afterRun) window.Perform({"type 1234", "filter"});
    SetClipboardText(kElsewhere);

    window.Click("btncopy");

    const std::wstring expected = afterRun ? win32::Widen(window.list()) : kElsewhere;
    EXPECT_EQ(ClipboardText(), expected);
    if (afterRun) {
      EXPECT_EQ(expected.size(), static_cast<std::size_t>(cases::kResultLength));
      EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    }
  }
}

TEST(Win32Window, EnterAndEscFollowTheFocus) {
  for (const cases::KeyPress& press : cases::kKeyPresses) {
    SCOPED_TRACE(std::string(press.row));
    WindowDriver window;
    window.Perform({"type 1234", "filter"});
    const std::string firstList = window.list();
    SetClipboardText(kElsewhere);
    SetFocus(window.control(press.focus));
    ASSERT_EQ(window.focusName(), press.focus);

    const UINT key = press.key == cases::Key::Escape ? UINT{VK_ESCAPE} : UINT{VK_RETURN};
    window.Key(GetFocus(), key, press.modifier, press.key == cases::Key::KeypadEnter);

    EXPECT_EQ(window.exitCode().has_value(), press.action == cases::Action::Close);
    if (window.exitCode()) continue;
    EXPECT_EQ(window.list() != firstList, press.action == cases::Action::Filter);
    EXPECT_EQ(ClipboardText() == win32::Widen(firstList), press.action == cases::Action::Copy);
    EXPECT_EQ(window.focusName(), press.focus);
  }
}

TEST(Win32Window, ExitByButtonCloseBoxOrAltF4EndsWithCodeZero) {
  for (const char* way : {"Exit", "close box", "Alt+F4"}) {
    SCOPED_TRACE(way);
    WindowDriver window;
    const std::string_view chosen = way;
    if (chosen == "Exit") window.Click("btnclose");
    if (chosen == "close box") {
      PostMessageW(window.window(), WM_SYSCOMMAND, SC_CLOSE, 0);
      window.Pump();
    }
    if (chosen == "Alt+F4") window.KeyInFocus(VK_F4, cases::Modifier::Alt);

    EXPECT_EQ(window.exitCode(), 0);
    EXPECT_FALSE(IsWindow(window.window()));
  }
}

TEST(Win32Window, VerdictFieldShowsTheDrawCheck) {
  for (const cases::Verdict& verdict : cases::kVerdicts) {
    SCOPED_TRACE(std::string(verdict.row));
    WindowDriver window;
    window.Perform(verdict.steps);
    EXPECT_EQ(window.text("edtdj"), verdict.verdict);
  }
}

TEST(Win32Window, WritingTheVerdictReentersTheCheckOnce) {
  for (const cases::Reentry& reentry : cases::kReentries) {
    SCOPED_TRACE(std::string(reentry.row));
    WindowDriver window;
    window.Perform(reentry.before);
    // The change handler runs once for every change notification of either field.
    int changes = 0;
    const auto countChanges = [](HWND field, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR counter) CALLBACK -> LRESULT {
      if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) ++*reinterpret_cast<int*>(counter);
      return DefSubclassProc(field, message, wParam, lParam);
    };
    SetWindowSubclass(window.window(), countChanges, 1, reinterpret_cast<DWORD_PTR>(&changes));

    window.Type(window.control("edtcode"), reentry.typed);

    EXPECT_EQ(changes, reentry.handlerRuns);
    RemoveWindowSubclass(window.window(), countChanges, 1);
  }
}

TEST(Win32Window, HitSelectsTheEntryAndScrollsItIntoView) {
  for (const cases::Hit& hit : cases::kHits) {
    SCOPED_TRACE(std::string(hit.row));
    WindowDriver window;
    window.Perform({"type 1234", "filter", "click", "type " + std::string(hit.number)});

    HWND memcode = window.control("memcode");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(memcode, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, static_cast<DWORD>(hit.start));
    EXPECT_EQ(window.list().substr(start, end - start), hit.number);

    const auto first = SendMessageW(memcode, EM_GETFIRSTVISIBLELINE, 0, 0);
    const auto line = SendMessageW(memcode, EM_LINEFROMCHAR, end, 0);
    HDC dc = GetDC(memcode);
    SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(memcode, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    ReleaseDC(memcode, dc);
    RECT client{};
    GetClientRect(memcode, &client);
    const LONG linesInView = client.bottom / (metrics.tmHeight + metrics.tmExternalLeading);
    EXPECT_GE(line, first);
    EXPECT_LT(line, first + linesInView);
    EXPECT_EQ(first > 0, hit.scrolled);
  }
}

TEST(Win32Window, SelectionIsNeverDrawn) {
  WindowDriver window;
  window.Perform({"type 1234", "filter", "click", "type 1234"});
  HWND memcode = window.control("memcode");
  RECT client{};
  GetClientRect(memcode, &client);
  const auto render = [&] {
    HDC screen = GetDC(memcode);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    format.bmiHeader.biWidth = client.right;
    format.bmiHeader.biHeight = -client.bottom;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    SendMessageW(memcode, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> image(pixels, pixels + client.right * client.bottom);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(memcode, screen);
    return image;
  };

  const auto withSelection = render();
  DWORD end = 0;
  SendMessageW(memcode, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
  SendMessageW(memcode, EM_SETSEL, end, end);

  EXPECT_EQ(render(), withSelection);
}

TEST(Win32Window, ClickingIntoTheDrawFieldEmptiesIt) {
  for (const cases::ClickToClear& click : cases::kClicksToClear) {
    SCOPED_TRACE(std::string(click.row));
    WindowDriver window;
    window.Perform(click.before);
    HWND edtcode = window.control("edtcode");

    switch (click.gesture) {
      case cases::Gesture::Click:
        window.Click(edtcode);
        break;
      case cases::Gesture::ClickFromCopy:
        SetFocus(window.control("btncopy"));
        window.Click(edtcode);
        break;
      case cases::Gesture::RightClick:
        window.RightClick(edtcode);
        break;
      case cases::Gesture::DragOut:
        window.Click(edtcode, POINT{-10, -10});
        break;
      case cases::Gesture::TabIn:
        SetFocus(window.control("edtdj"));
        window.KeyInFocus(VK_TAB);
        ASSERT_EQ(window.focusName(), "edtcode");
        break;
    }

    EXPECT_EQ(window.text("edtcode"), click.draw);
    EXPECT_EQ(window.text("edtdj"), click.verdict);
  }
}

// Each run of these tests names the code page its locale gives wine: 936 (GBK) under
// zh_CN.UTF-8, as on the players' Chinese Windows, so that a run in the wrong one shows.
TEST(Win32Window, RunsInTheCodePageOfItsLocale) {
  const char* expected = std::getenv("TARVELLO_CODE_PAGE");
  if (expected == nullptr) GTEST_SKIP() << "TARVELLO_CODE_PAGE is not set";
  EXPECT_EQ(GetACP(), static_cast<UINT>(std::stoul(expected)));
}
