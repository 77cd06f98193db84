#include "ui/win32/u_main.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "engine/engine.h"
#include "ui/enter_key.h"
#include "ui/verdict_text.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/dpi.h"
#include "ui/win32/rejection_box.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/result_view.h"
#include "ui/win32/screen_centre.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/window_font.h"
#include "ui/window_layout.h"

namespace {

constexpr wchar_t kWindowClass[] = L"TarvelloMainWindow";

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

// SetCursor shows the cursor at once, not at the next mouse move.
void ShowBusyCursor() { SetCursor(LoadCursorW(nullptr, IDC_WAIT)); }
void ShowDefaultCursor() { SetCursor(LoadCursorW(nullptr, IDC_ARROW)); }

HWND MakeControl(HWND window, const wchar_t* windowClass, const ui::ControlLayout& layout,
                 ControlId id, DWORD style, DWORD extendedStyle = 0) {
  const std::wstring text = win32::Widen(layout.text);
  return CreateWindowExW(extendedStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0,
                         0, 0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), nullptr);
}

constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;

// Where the controls lie at 96 dots per inch: the top left of the client area.
constexpr SIZE kControlsArea{457, 345};

}  // namespace

Tfrmmain::Tfrmmain() : fontFace(win32::ChineseFaceName()) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  win32::RegisterWindowClass(instance, {kWindowClass, win32::ObjectWindowProc<Tfrmmain>,
                                        LoadIconW(instance, MAKEINTRESOURCEW(IDI_TARVELLO)),
                                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)});
  win32::RegisterResultView(instance);

  const std::wstring title = win32::Widen(ui::kApplicationTitle);
  // WM_NCCREATE has set frmmain already, for WM_CREATE, which sizes the window for the density
  // of the monitor it opens on; this keeps it null if creation failed.
  frmmain = CreateWindowExW(0, kWindowClass, title.c_str(), kWindowStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
}

Tfrmmain::~Tfrmmain() {
  if (frmmain != nullptr) DestroyWindow(frmmain);
}

void Tfrmmain::Show(int showCommand) {
  win32::CentreOnScreen(frmmain, FrameSize());
  ShowWindow(frmmain, showCommand);
  UpdateWindow(frmmain);
  SetFocus(edtcode);
}

bool Tfrmmain::PreTranslateMessage(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (message.hwnd != frmmain && GetAncestor(message.hwnd, GA_ROOT) != frmmain) return false;

  // The dialog manager would turn Esc into IDCANCEL; the window has nothing to cancel. Alt+Esc
  // stays the system's.
  if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) return true;
  if (message.wParam != VK_RETURN) return false;

  HWND focus = GetFocus();
  const bool focusOnButton = focus == btnfilt || focus == btncopy || focus == btnclose;
  const bool modifierHeld = message.message == WM_SYSKEYDOWN || KeyHeld(VK_SHIFT) ||
                            KeyHeld(VK_CONTROL) || KeyHeld(VK_MENU);
  switch (ui::ResolveEnter(focusOnButton, modifierHeld)) {
    case ui::EnterPress::FocusedButton:
      OnCommand(GetDlgCtrlID(focus), BN_CLICKED);
      break;
    case ui::EnterPress::DefaultButton:
      OnCommand(kIdBtnfilt, BN_CLICKED);
      break;
    case ui::EnterPress::Nothing:
      break;
  }
  return true;
}

Tfrmmain* Tfrmmain::Attach(HWND window, const CREATESTRUCTW& create) {
  auto* self = static_cast<Tfrmmain*>(create.lpCreateParams);
  self->frmmain = window;
  return self;
}

void Tfrmmain::Detach(Tfrmmain* self) { self->frmmain = nullptr; }

LRESULT Tfrmmain::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      CreateControls();
      ApplyLayout(win32::WindowDpi(frmmain));
      const SIZE frame = FrameSize();
      SetWindowPos(frmmain, nullptr, 0, 0, frame.cx, frame.cy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      FormCreate();
      return 0;
    }
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(kIdBtnfilt, DC_HASDEFID);
    case WM_ACTIVATE:
      // A plain window forgets its focused control when another window is activated.
      if (LOWORD(wParam) == WA_INACTIVE) {
        focusBeforeDeactivation = GetFocus();
      } else if (focusBeforeDeactivation != nullptr && IsChild(frmmain, focusBeforeDeactivation)) {
        SetFocus(focusBeforeDeactivation);
      }
      return 0;
    case WM_DPICHANGED: {
      // The system suggests where the window goes on the new monitor; its size is the
      // window's own, so that the client area still holds every control.
      ApplyLayout(HIWORD(wParam));
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      const SIZE frame = FrameSize();
      SetWindowPos(frmmain, nullptr, suggested->left, suggested->top, frame.cx, frame.cy,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(frmmain, message, wParam, lParam);
  }
}

void Tfrmmain::OnCommand(int control, int notification) {
  switch (control) {
    case kIdBtnfilt:
      if (notification == BN_CLICKED) btnfiltClick();
      break;
    case kIdBtncopy:
      if (notification == BN_CLICKED) btncopyClick();
      break;
    case kIdBtnclose:
      if (notification == BN_CLICKED) btncloseClick();
      break;
    case kIdEdtcode:
    case kIdEdtdj:
      if (notification == EN_CHANGE) edtcodeChange();
      break;
    default:
      break;
  }
}

// Created in the order that gives the tab order (edtcode first), and each field right after
// its label, which is what screen readers name a field after.
void Tfrmmain::CreateControls() {
  constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
  constexpr DWORD kEdit = WS_TABSTOP | ES_AUTOHSCROLL;
  Label1 = MakeControl(frmmain, L"STATIC", ui::kLabel1, kIdLabel1, kLabel);
  edtcode = MakeControl(frmmain, L"EDIT", ui::kEdtcode, kIdEdtcode, kEdit, WS_EX_CLIENTEDGE);
  lbljushu = MakeControl(frmmain, L"STATIC", ui::kLbljushu, kIdLbljushu, kLabel);
  memcode = MakeControl(frmmain, win32::kResultViewClass, ui::kMemcode, kIdMemcode,
                        WS_DISABLED | WS_VSCROLL, WS_EX_CLIENTEDGE);
  btnfilt =
      MakeControl(frmmain, L"BUTTON", ui::kBtnfilt, kIdBtnfilt, WS_TABSTOP | BS_DEFPUSHBUTTON);
  btncopy = MakeControl(frmmain, L"BUTTON", ui::kBtncopy, kIdBtncopy, WS_TABSTOP | BS_PUSHBUTTON);
  btnclose =
      MakeControl(frmmain, L"BUTTON", ui::kBtnclose, kIdBtnclose, WS_TABSTOP | BS_PUSHBUTTON);
  Label2 = MakeControl(frmmain, L"STATIC", ui::kLabel2, kIdLabel2, kLabel);
  edtdj = MakeControl(frmmain, L"EDIT", ui::kEdtdj, kIdEdtdj, kEdit, WS_EX_CLIENTEDGE);
  announcer.Create(frmmain);

  // Neither field has a length limit; 0 lifts the edit control's default of 32,767.
  SendMessageW(edtcode, EM_SETLIMITTEXT, 0, 0);
  SendMessageW(edtdj, EM_SETLIMITTEXT, 0, 0);
  SetWindowSubclass(edtcode, EdtcodeProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void Tfrmmain::ApplyLayout(int newDpi) {
  dpi = newDpi;
  // The controls let go of the previous font before it is deleted, at the end.
  const win32::OwnedFont previousFont = std::exchange(font, win32::CreateWindowFont(fontFace, dpi));
  const std::array<std::pair<HWND, const ui::ControlLayout*>, 9> controls{{
      {lbljushu, &ui::kLbljushu},
      {memcode, &ui::kMemcode},
      {Label1, &ui::kLabel1},
      {Label2, &ui::kLabel2},
      {edtcode, &ui::kEdtcode},
      {edtdj, &ui::kEdtdj},
      {btnfilt, &ui::kBtnfilt},
      {btncopy, &ui::kBtncopy},
      {btnclose, &ui::kBtnclose},
  }};
  for (const auto& [control, layout] : controls) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    const ui::Place& place = layout->place;
    MoveWindow(control, win32::Scale(place.left, dpi), win32::Scale(place.top, dpi),
               win32::Scale(place.width, dpi), win32::Scale(place.height, dpi), TRUE);
  }
}

// The outer size where the program sets it, or more where a taller caption or wider borders
// (Windows 10 and 11, a high density) would leave less than the controls need.
SIZE Tfrmmain::FrameSize() const {
  const SIZE around =
      win32::FrameAround({win32::Scale(kControlsArea.cx, dpi), win32::Scale(kControlsArea.cy, dpi)},
                         kWindowStyle, 0, dpi);
  return {std::max<LONG>(win32::Scale(ui::kOuterWidth, dpi), around.cx),
          std::max<LONG>(win32::Scale(ui::kOuterHeight, dpi), around.cy)};
}

LRESULT CALLBACK Tfrmmain::EdtcodeProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR subclass, DWORD_PTR data) {
  auto* self = reinterpret_cast<Tfrmmain*>(data);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      self->leftPressedInEdtcode = true;
      break;
    case WM_LBUTTONUP: {
      const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
      // A click is a left press in the field and its release in the field. The edit holds the
      // mouse between the two, so the release comes here wherever it happens.
      POINT release{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ClientToScreen(edit, &release);
      RECT field{};
      GetWindowRect(edit, &field);
      if (std::exchange(self->leftPressedInEdtcode, false) && PtInRect(&field, release) != FALSE) {
        self->edtcodeClick();
      }
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, EdtcodeProc, subclass);
      break;
    default:
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

// The handlers, each the user's action it answers; why they make these calls in this order is
// told once for every front end, in ui/window_layout.h.

// The window is made.
void Tfrmmain::FormCreate() {
  engine::ResetRunCounter();
  engine::Fill();
}

// The user presses Filter (过滤).
void Tfrmmain::btnfiltClick() {
  if (const auto rejection = engine::ValidateDraw(win32::Narrow(win32::WindowText(edtcode)))) {
    win32::ShowRejection(frmmain, win32::Widen(*rejection), fontFace, dpi);
    win32::SetTextIfDifferent(edtcode, L"");
    SetFocus(edtcode);
    return;
  }
  ShowBusyCursor();
  const engine::FilterResult result = engine::RunFilter();
  win32::SetTextIfDifferent(memcode, win32::Widen(result.text));
  win32::SetTextIfDifferent(lbljushu, win32::Widen(result.caption));
  ShowDefaultCursor();
  announcer.Say(win32::Widen(result.caption));
}

// The user presses Copy (复制).
void Tfrmmain::btncopyClick() {
  const std::wstring list = win32::WindowText(memcode);
  if (list.empty()) return;
  // The list did not reach the clipboard: the user should not paste the old content unaware.
  if (!win32::CopyToClipboard(frmmain, list)) MessageBeep(MB_ICONWARNING);
}

// The user presses Exit (退出).
void Tfrmmain::btncloseClick() { SendMessageW(frmmain, WM_CLOSE, 0, 0); }

// The user, or the handler itself, changes the text of edtcode or edtdj.
void Tfrmmain::edtcodeChange() {
  const engine::DrawVerdict verdict = engine::CheckDraw(win32::Narrow(win32::WindowText(memcode)),
                                                        win32::Narrow(win32::WindowText(edtcode)));
  const auto text = ui::VerdictText(verdict.kind);
  if (!text) return;
  win32::SetTextIfDifferent(edtdj, win32::Widen(*text));
  if (verdict.kind == engine::VerdictKind::Hit) SelectInResult(verdict.start, verdict.length);
  if (const auto spoken = ui::VerdictAnnouncement(verdict.kind)) {
    announcer.Say(win32::Widen(*spoken));
  }
}

// The user clicks in edtcode.
void Tfrmmain::edtcodeClick() { win32::SetTextIfDifferent(edtcode, L""); }

void Tfrmmain::SelectInResult(int start, int length) {
  // The list is ASCII, so the engine's byte positions are character positions. The caret ends
  // at the end of the selection, and that is what scrolls into view.
  SendMessageW(memcode, EM_SETSEL, static_cast<WPARAM>(start), start + length);
  SendMessageW(memcode, EM_SCROLLCARET, 0, 0);
}
