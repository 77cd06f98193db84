#pragma once

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "tests/window_cases.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/u_main.h"
#include "ui/win32/wide_text.h"

// The real main window, opened and driven with posted mouse and key messages, which go
// through the program's own message loop as a user's input does.
class WindowDriver {
 public:
  WindowDriver() {
    window_ = std::make_unique<Tfrmmain>();
    window_->Show(SW_SHOWNORMAL);
    SetForegroundWindow(window_->Handle());
    Pump();
  }
  ~WindowDriver() {
    window_.reset();
    MSG leftOver;
    while (PeekMessageW(&leftOver, nullptr, 0, 0, PM_REMOVE) != FALSE) {
    }
  }
  WindowDriver(const WindowDriver&) = delete;
  WindowDriver& operator=(const WindowDriver&) = delete;

  HWND window() const { return window_->Handle(); }
  HWND control(std::string_view name) const { return GetDlgItem(window(), kControlIds.at(name)); }
  std::string text(std::string_view name) const {
    return win32::Narrow(win32::WindowText(control(name)));
  }
  std::string list() const { return text("memcode"); }
  std::string focusName() const {
    for (const auto& [name, id] : kControlIds) {
      if (GetDlgItem(window(), id) == GetFocus()) return std::string(name);
    }
    return "(elsewhere)";
  }
  // The exit code, once the window has quit.
  std::optional<int> exitCode() const { return exitCode_; }

  void Pump() {
    if (exitCode_) return;
    exitCode_ = win32::DeliverQueuedMessages(*window_);
  }

  // A left press at the middle of the control and its release at `releaseAt` (client
  // coordinates; by default where it was pressed).
  void Click(HWND target, std::optional<POINT> releaseAt = std::nullopt) {
    Press(target, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, releaseAt);
  }
  // The release opens the field's context menu, which the user then dismisses.
  void RightClick(HWND target) {
    SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR timer, DWORD) CALLBACK {
      KillTimer(nullptr, timer);
      EndMenu();
    });
    Press(target, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, {});
  }
  void Click(std::string_view name) { Click(control(name)); }

  // Characters as the keyboard delivers them to the field.
  void Type(HWND target, std::string_view utf8) {
    for (const wchar_t c : win32::Widen(utf8)) {
      PostMessageW(target, WM_CHAR, c, 1);
      Pump();
    }
  }

  void Key(HWND target, UINT virtualKey, cases::Modifier modifier = cases::Modifier::None,
           bool extended = false) {
    const int held = modifier == cases::Modifier::Shift  ? VK_SHIFT
                     : modifier == cases::Modifier::Ctrl ? VK_CONTROL
                     : modifier == cases::Modifier::Alt  ? VK_MENU
                                                         : 0;
    HoldKey(held, true);
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    LPARAM flags = 1 | (static_cast<LPARAM>(scan) << 16) | (extended ? 1 << 24 : 0);
    const bool alt = modifier == cases::Modifier::Alt;
    if (alt) flags |= 1 << 29;
    PostMessageW(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, flags);
    Pump();
    PostMessageW(target, alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey, flags | (1u << 30) | (1u << 31));
    Pump();
    HoldKey(held, false);
  }
  void KeyInFocus(UINT virtualKey, cases::Modifier modifier = cases::Modifier::None) {
    Key(GetFocus(), virtualKey, modifier);
  }

  void Perform(const cases::Steps& steps) {
    for (const std::string_view step : steps) {
      if (step.starts_with("type ")) Type(control("edtcode"), step.substr(5));
      if (step.starts_with("dj ")) Type(control("edtdj"), step.substr(3));
      if (step == "back") Key(control("edtcode"), VK_BACK);
      if (step == "click") Click("edtcode");
      if (step == "filter") Click("btnfilt");
    }
  }

 private:
  static inline const std::map<std::string_view, int> kControlIds = {
      {"lbljushu", kIdLbljushu}, {"memcode", kIdMemcode}, {"Label1", kIdLabel1},
      {"Label2", kIdLabel2},     {"edtcode", kIdEdtcode}, {"edtdj", kIdEdtdj},
      {"btnfilt", kIdBtnfilt},   {"btncopy", kIdBtncopy}, {"btnclose", kIdBtnclose}};

  void Press(HWND target, UINT down, UINT up, WPARAM button, std::optional<POINT> releaseAt) {
    RECT client{};
    GetClientRect(target, &client);
    const POINT middle{client.right / 2, client.bottom / 2};
    const POINT release = releaseAt.value_or(middle);
    PostMessageW(target, down, button, MAKELPARAM(middle.x, middle.y));
    Pump();
    PostMessageW(target, up, 0, MAKELPARAM(release.x, release.y));
    Pump();
  }

  static void HoldKey(int key, bool down) {
    if (key == 0) return;
    BYTE state[256];
    GetKeyboardState(state);
    state[key] = down ? 0x80 : 0;
    SetKeyboardState(state);
  }

  std::unique_ptr<Tfrmmain> window_;
  std::optional<int> exitCode_;
};

// Where the next GDI object lands in the process's handle table. Wine counts no GUI objects
// (GetGuiResources answers 0 there), but an object that is never deleted keeps its slot, so the
// next object lands further on.
inline WORD NextGdiSlot() {
  HBRUSH probe = CreateSolidBrush(RGB(0, 0, 0));
  const auto slot = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(probe) & 0xFFFF);
  DeleteObject(probe);
  return slot;
}

// Reads the clipboard's Unicode text; nullopt when it holds none.
inline std::optional<std::wstring> ClipboardText() {
  if (OpenClipboard(nullptr) == FALSE) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

inline void SetClipboardText(std::wstring_view text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  auto* copy = static_cast<wchar_t*>(GlobalLock(memory));
  text.copy(copy, text.size());
  copy[text.size()] = L'\0';
  GlobalUnlock(memory);
  OpenClipboard(nullptr);
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}
