#include "ui/win32/result_view.h"

#include <uxtheme.h>

#include <vssym32.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/win32/font_context.h"
#include "ui/win32/list_accessible.h"
#include "ui/win32/owned_handle.h"
#include "ui/win32/window_class.h"

namespace win32 {
namespace {

class ResultView {
 public:
  explicit ResultView(HWND window) : window_(window) {}

  // Each view is made for its window, and goes with it.
  static ResultView* Attach(HWND window, const CREATESTRUCTW& /*create*/) {
    return new ResultView(window);
  }
  static void Detach(ResultView* view) { delete view; }
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void SetText(const wchar_t* text);
  void SetFont(HFONT font);
  void SetSelection(std::int32_t anchor, std::int32_t caret);
  void ScrollCaretIntoView();
  void Paint(HDC dc) const;
  void OpenTheme();
  void PaintThemedBorder() const;

  void BreakLines();
  void UpdateScrollBar();
  void ScrollTo(std::int32_t line);
  int CharWidth(wchar_t c, FontContext& measure) const;
  HGDIOBJ DrawnFont() const;
  int AvailableWidth() const;
  std::int32_t LinesInView() const;
  std::int32_t LineCount() const { return static_cast<std::int32_t>(lineStarts_.size()); }
  std::int32_t LineOf(std::int32_t index) const;
  std::int32_t LineLength(std::int32_t line) const;

  HWND window_;
  OwnedTheme theme_;  // none without visual styles, or in high contrast
  std::wstring text_;
  std::vector<std::int32_t> lineStarts_{0};
  std::int32_t anchor_ = 0;
  std::int32_t caret_ = 0;
  std::int32_t firstLine_ = 0;
  HFONT font_ = nullptr;
  std::array<int, 128> asciiWidths_{};
  int lineHeight_ = 13;
  int margin_ = 2;
  int brokenForWidth_ = -1;
  std::int32_t barLast_ = -1;  // the scroll bar's range and page as last set
  std::int32_t barPage_ = -1;
};

RECT ClientRect(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client;
}

LRESULT ResultView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      SetText(reinterpret_cast<const wchar_t*>(lParam));
      return TRUE;
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(text_.size());
    case WM_GETTEXT: {
      if (wParam == 0) return 0;
      const std::size_t copied = std::min<std::size_t>(text_.size(), wParam - 1);
      auto* buffer = reinterpret_cast<wchar_t*>(lParam);
      text_.copy(buffer, copied);
      buffer[copied] = L'\0';
      return static_cast<LRESULT>(copied);
    }
    case WM_SETFONT:
      SetFont(reinterpret_cast<HFONT>(wParam));
      if (LOWORD(lParam) != 0) InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case EM_SETSEL:
      SetSelection(static_cast<std::int32_t>(wParam), static_cast<std::int32_t>(lParam));
      return 0;
    case EM_GETSEL: {
      const auto start = static_cast<DWORD>(std::min(anchor_, caret_));
      const auto end = static_cast<DWORD>(std::max(anchor_, caret_));
      if (wParam != 0) *reinterpret_cast<DWORD*>(wParam) = start;
      if (lParam != 0) *reinterpret_cast<DWORD*>(lParam) = end;
      return static_cast<LRESULT>(
          MAKELONG(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF)));
    }
    case EM_SCROLLCARET:
      ScrollCaretIntoView();
      return TRUE;
    case EM_GETFIRSTVISIBLELINE:
      return firstLine_;
    case EM_GETLINECOUNT:
      return LineCount();
    case EM_LINEFROMCHAR:
      return LineOf(static_cast<std::int32_t>(wParam) < 0 ? caret_
                                                          : static_cast<std::int32_t>(wParam));
    case WM_SIZE:
      BreakLines();
      ScrollTo(firstLine_);
      return 0;
    case WM_CREATE:
      OpenTheme();
      return 0;
    case WM_THEMECHANGED:
      OpenTheme();
      RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return 0;
    case WM_NCPAINT:
      // The system draws the scroll bar and the classic sunken edge; under visual styles the
      // edge is then drawn over as the system's edit fields draw theirs.
      DefWindowProcW(window_, message, wParam, lParam);
      if (theme_ != nullptr) PaintThemedBorder();
      return 0;
    case WM_ENABLE:
      RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return 0;
    case WM_GETOBJECT:
      return AnswerGetObject(window_, wParam, lParam);
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      Paint(dc);
      EndPaint(window_, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void ResultView::SetText(const wchar_t* text) {
  text_ = text != nullptr ? text : L"";
  anchor_ = caret_ = 0;
  brokenForWidth_ = -1;
  BreakLines();
  ScrollTo(0);
  InvalidateRect(window_, nullptr, FALSE);
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window_, OBJID_CLIENT, CHILDID_SELF);
}

void ResultView::OpenTheme() { theme_.reset(OpenThemeData(window_, L"Edit")); }

void ResultView::PaintThemedBorder() const {
  RECT frame{};
  GetWindowRect(window_, &frame);
  POINT client{0, 0};
  ClientToScreen(window_, &client);
  // The edge is as wide on every side as it is at the top left; the scroll bar lies inside it.
  const int edgeX = static_cast<int>(client.x - frame.left);
  const int edgeY = static_cast<int>(client.y - frame.top);
  const RECT whole{0, 0, frame.right - frame.left, frame.bottom - frame.top};
  const bool enabled = IsWindowEnabled(window_) != FALSE;
  int part = EP_EDITBORDER_VSCROLL;
  int state = enabled ? EPSV_NORMAL : EPSV_DISABLED;
  if (IsThemePartDefined(theme_.get(), part, 0) == FALSE) {
    part = EP_EDITTEXT;
    state = enabled ? ETS_NORMAL : ETS_DISABLED;
  }
  HDC dc = GetWindowDC(window_);
  ExcludeClipRect(dc, edgeX, edgeY, whole.right - edgeX, whole.bottom - edgeY);
  DrawThemeBackground(theme_.get(), dc, part, state, &whole, nullptr);
  ReleaseDC(window_, dc);
}

void ResultView::SetFont(HFONT font) {
  font_ = font;
  TEXTMETRICW metrics{};
  {
    FontContext measure(window_, DrawnFont());
    GetCharWidth32W(measure.Get(), 0, static_cast<UINT>(asciiWidths_.size() - 1),
                    asciiWidths_.data());
    GetTextMetricsW(measure.Get(), &metrics);
  }
  lineHeight_ = std::max(1, static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading));
  margin_ = std::max(1, static_cast<int>(metrics.tmAveCharWidth) / 3);
  brokenForWidth_ = -1;
  BreakLines();
  ScrollTo(firstLine_);
}

void ResultView::SetSelection(std::int32_t anchor, std::int32_t caret) {
  const auto length = static_cast<std::int32_t>(text_.size());
  const auto clamp = [length](std::int32_t index) {
    return index < 0 || index > length ? length : index;
  };
  if (anchor == -1) {
    anchor_ = caret_;  // -1 as the start drops the selection and keeps the caret
    return;
  }
  anchor_ = clamp(anchor);
  caret_ = clamp(caret);
}

void ResultView::ScrollCaretIntoView() {
  const std::int32_t line = LineOf(caret_);
  const std::int32_t inView = LinesInView();
  if (line < firstLine_) {
    ScrollTo(line);
  } else if (line >= firstLine_ + inView) {
    ScrollTo(line - inView + 1);
  }
}

HGDIOBJ ResultView::DrawnFont() const {
  return font_ != nullptr ? font_ : GetStockObject(SYSTEM_FONT);
}

int ResultView::CharWidth(wchar_t c, FontContext& measure) const {
  if (c < asciiWidths_.size()) return asciiWidths_[c];
  SIZE size{};
  GetTextExtentPoint32W(measure.Get(), &c, 1, &size);
  return static_cast<int>(size.cx);
}

int ResultView::AvailableWidth() const {
  const RECT client = ClientRect(window_);
  return std::max(1, static_cast<int>(client.right - client.left) - 2 * margin_);
}

// Breaks after the last space that keeps a line within the width; spaces may hang past the
// edge, and a word longer than a line is broken where it reaches the edge.
void ResultView::BreakLines() {
  const int available = AvailableWidth();
  if (available == brokenForWidth_) return;
  brokenForWidth_ = available;
  lineStarts_.assign(1, 0);
  // Borrowed only for a character beyond ASCII, whose width the view does not keep.
  FontContext measure(window_, DrawnFont());
  const auto length = static_cast<std::int32_t>(text_.size());
  std::int32_t lineStart = 0;
  std::int32_t afterSpace = -1;
  int width = 0;
  for (std::int32_t i = 0; i < length; ++i) {
    const wchar_t c = text_[static_cast<std::size_t>(i)];
    if (c == L'\n') {
      lineStart = i + 1;
      lineStarts_.push_back(lineStart);
      afterSpace = -1;
      width = 0;
      continue;
    }
    if (c == L'\r') continue;
    const int charWidth = CharWidth(c, measure);
    if (c == L' ') {
      width += charWidth;
      afterSpace = i + 1;
      continue;
    }
    if (width + charWidth > available && i > lineStart) {
      lineStart = afterSpace > lineStart ? afterSpace : i;
      lineStarts_.push_back(lineStart);
      afterSpace = -1;
      width = 0;
      for (std::int32_t j = lineStart; j < i; ++j) {
        width += CharWidth(text_[static_cast<std::size_t>(j)], measure);
      }
    }
    width += charWidth;
  }
}

std::int32_t ResultView::LinesInView() const {
  const RECT client = ClientRect(window_);
  return std::max(1, static_cast<int>(client.bottom - client.top) / lineHeight_);
}

std::int32_t ResultView::LineOf(std::int32_t index) const {
  const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), index);
  return static_cast<std::int32_t>(after - lineStarts_.begin()) - 1;
}

std::int32_t ResultView::LineLength(std::int32_t line) const {
  const std::int32_t start = lineStarts_[static_cast<std::size_t>(line)];
  std::int32_t end = line + 1 < LineCount() ? lineStarts_[static_cast<std::size_t>(line) + 1]
                                            : static_cast<std::int32_t>(text_.size());
  while (end > start && (text_[static_cast<std::size_t>(end) - 1] == L'\n' ||
                         text_[static_cast<std::size_t>(end) - 1] == L'\r')) {
    --end;
  }
  return end - start;
}

void ResultView::ScrollTo(std::int32_t line) {
  const std::int32_t last = std::max(0, LineCount() - LinesInView());
  const std::int32_t first = std::clamp(line, 0, last);
  if (first == firstLine_ && LineCount() - 1 == barLast_ && LinesInView() == barPage_) return;
  if (first != firstLine_) {
    firstLine_ = first;
    InvalidateRect(window_, nullptr, FALSE);
  }
  UpdateScrollBar();
}

// Drawing the scroll bar is most of what a scroll costs, so the bar is set whole only when its
// range or page changes; every list has as many lines as the last, so that is rare. A new
// position alone leaves the bar enabled or disabled as it is.
void ResultView::UpdateScrollBar() {
  SCROLLINFO bar{};
  bar.cbSize = sizeof(bar);
  bar.nPos = firstLine_;
  const bool enabled = IsWindowEnabled(window_) != FALSE;
  const std::int32_t last = LineCount() - 1;
  const std::int32_t page = LinesInView();
  if (last == barLast_ && page == barPage_) {
    bar.fMask = SIF_POS;
    // A disabled bar shows no thumb: its look does not change with the position.
    SetScrollInfo(window_, SB_VERT, &bar, enabled);
    return;
  }
  barLast_ = last;
  barPage_ = page;
  bar.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  bar.nMin = 0;
  bar.nMax = last;
  bar.nPage = static_cast<UINT>(page);
  SetScrollInfo(window_, SB_VERT, &bar, enabled);
  // A range to scroll enables the bar again; the view takes no input, its bar included.
  if (!enabled) EnableScrollBar(window_, SB_VERT, ESB_DISABLE_BOTH);
}

void ResultView::Paint(HDC dc) const {
  const RECT client = ClientRect(window_);
  const bool enabled = IsWindowEnabled(window_) != FALSE;
  HGDIOBJ previousFont = SelectObject(dc, DrawnFont());
  SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  SetBkColor(dc, GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE));

  // Each line paints its own background, so nothing is erased first and nothing flickers.
  RECT row = client;
  for (std::int32_t line = firstLine_; line < LineCount() && row.top < client.bottom; ++line) {
    row.bottom = row.top + lineHeight_;
    ExtTextOutW(dc, client.left + margin_, row.top, ETO_OPAQUE | ETO_CLIPPED, &row,
                text_.data() + lineStarts_[static_cast<std::size_t>(line)],
                static_cast<UINT>(LineLength(line)), nullptr);
    row.top = row.bottom;
  }
  if (row.top < client.bottom) {
    row.bottom = client.bottom;
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &row, nullptr, 0, nullptr);
  }
  SelectObject(dc, previousFont);
}

}  // namespace

void RegisterResultView(HINSTANCE instance) {
  RegisterWindowClass(instance, {kResultViewClass, ObjectWindowProc<ResultView>});
}

}  // namespace win32
