#include "ui/win32/rejection_box.h"

#include <algorithm>
#include <array>
#include <string>

#include "ui/win32/dpi.h"
#include "ui/win32/font_context.h"
#include "ui/win32/screen_centre.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/window_font.h"
#include "ui/window_layout.h"

namespace win32 {
namespace {

// At 96 dots per inch, as a message box lays itself out.
constexpr int kMargin = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kMinimumTextWidth = 160;

struct Box {
  std::wstring message;
  HFONT font;  // the box's own, for its whole life
  int dpi;
};

// A dialog template with no controls: the box makes its own in WM_INITDIALOG, where it can
// measure the message in the window's font.
struct alignas(DWORD) EmptyTemplate {
  DLGTEMPLATE dialog;
  std::array<WORD, 3> noMenuClassOrTitle;
};

RECT MeasureLine(HWND window, HFONT font, const std::wstring& line) {
  RECT measured{0, 0, 0, 0};
  FontContext measure(window, font);
  DrawTextW(measure.Get(), line.c_str(), static_cast<int>(line.size()), &measured,
            DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE);
  return measured;
}

void LayOut(HWND box, const Box& content) {
  const int dpi = content.dpi;
  const auto scale = [dpi](int pixels) { return Scale(pixels, dpi); };

  HWND text = CreateWindowExW(0, L"STATIC", content.message.c_str(),
                              WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, box,
                              nullptr, nullptr, nullptr);
  const std::wstring confirm = Widen(ui::kConfirmText);
  HWND ok = CreateWindowExW(0, L"BUTTON", confirm.c_str(),
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0, 0, box,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)), nullptr, nullptr);
  for (HWND control : {box, text, ok}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(content.font), FALSE);
  }

  const RECT measured = MeasureLine(box, content.font, content.message);
  const int textWidth = std::max(static_cast<int>(measured.right), scale(kMinimumTextWidth));
  const int textHeight = static_cast<int>(measured.bottom);
  const int clientWidth = textWidth + 2 * scale(kMargin);
  const int buttonTop = scale(kMargin) + textHeight + scale(kMargin);
  const int clientHeight = buttonTop + scale(kButtonHeight) + scale(kMargin) / 2;
  MoveWindow(text, scale(kMargin), scale(kMargin), textWidth, textHeight, FALSE);
  MoveWindow(ok, (clientWidth - scale(kButtonWidth)) / 2, buttonTop, scale(kButtonWidth),
             scale(kButtonHeight), FALSE);

  // The frame too at the window's density, as the main window's own.
  CentreOnScreen(box, FrameAround({clientWidth, clientHeight},
                                  static_cast<DWORD>(GetWindowLongPtrW(box, GWL_STYLE)),
                                  static_cast<DWORD>(GetWindowLongPtrW(box, GWL_EXSTYLE)), dpi));
  SetFocus(ok);
}

INT_PTR CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetWindowTextW(box, Widen(ui::kApplicationTitle).c_str());
      LayOut(box, *reinterpret_cast<const Box*>(lParam));
      return FALSE;  // the focus is set
    case WM_COMMAND:
      // Enter presses the default button (IDOK); Esc and the close box send IDCANCEL.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(box, IDOK);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

void ShowRejection(HWND owner, std::wstring_view message, const std::wstring& face, int dpi) {
  const OwnedFont font = CreateWindowFont(face, dpi);
  const Box content{std::wstring(message), font.get(), dpi};
  EmptyTemplate dialog{};
  dialog.dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &dialog.dialog, owner, BoxProc,
                          reinterpret_cast<LPARAM>(&content));
}

}  // namespace win32
