#pragma once

// The main window as each of the three front ends shows it: its title, its controls' names,
// texts and places in pixels at 96 dots per inch, and the few words it writes. Texts are UTF-8.

#include <array>
#include <string_view>

namespace ui {

struct Place {
  int left;
  int top;
  int width;
  int height;
};

struct ControlLayout {
  std::string_view name;
  std::string_view text;  // what the control shows when the window opens
  Place place;
};

inline constexpr std::string_view kApplicationTitle = "Tarvello";

// The window font: the first installed face of this list, at this size. The faces hold the
// Chinese texts themselves: Windows's own, the iPhone's (for the page), then those of the Linux
// desktops.
inline constexpr int kFontPoints = 8;
inline constexpr std::array<std::string_view, 7> kFontFaces = {
    "Microsoft YaHei UI", "Microsoft YaHei",    "SimSun", "PingFang SC", "WenQuanYi Micro Hei",
    "Noto Sans CJK SC",   "Droid Sans Fallback"};

// The page's font sizes in CSS pixels. At the window's places, 12 rather than kFontPoints' 10.7:
// Chinese Chrome draws no text smaller than 12 pixels, so every browser is given what it shows.
// In the phone's one column, 16: Safari on the iPhone zooms into a field with smaller text when
// it takes the focus, and a finger needs the larger buttons anyway.
inline constexpr int kPageFontPixels = 12;
inline constexpr int kPhoneFontPixels = 16;

// The whole window, frame and caption bar included, where the program may size it.
inline constexpr int kOuterWidth = 507;
inline constexpr int kOuterHeight = 386;

inline constexpr ControlLayout kLbljushu{"lbljushu", "缩水结果：", {16, 8, 137, 13}};
inline constexpr ControlLayout kMemcode{"memcode", "", {16, 24, 249, 321}};
inline constexpr ControlLayout kLabel1{"Label1", "上期开奖：", {296, 192, 73, 13}};
inline constexpr ControlLayout kLabel2{"Label2", "对奖", {400, 192, 33, 13}};
inline constexpr ControlLayout kEdtcode{"edtcode", "", {296, 208, 73, 21}};
inline constexpr ControlLayout kEdtdj{"edtdj", "", {384, 208, 73, 21}};
inline constexpr ControlLayout kBtnfilt{"btnfilt", "过滤", {296, 240, 75, 25}};
inline constexpr ControlLayout kBtncopy{"btncopy", "复制", {296, 280, 75, 25}};
inline constexpr ControlLayout kBtnclose{"btnclose", "退出", {424, 240, 33, 65}};

// The handlers. Every front end answers the user with the same handlers of Tfrmmain, named
// after the control and the event, and each makes the same calls in the same order, for these
// reasons:
// - FormCreate, the window made: the run counter back to 0 and the table filled before the
//   window shows, so that every start lists the same orders.
// - btnfiltClick, Filter pressed: a draw text that ValidateDraw refuses is told in the modal
//   box, and only once the box is closed is edtcode emptied (its change runs the draw check)
//   and focused, for the draw to be typed again. An accepted one first shows the busy cursor,
//   at once, since the run holds the window until it ends; then the list and the caption are
//   written, and the default cursor comes back, whatever was shown before.
// - btncopyClick, Copy pressed: an empty list is not copied, since copying nothing would wipe
//   what another program put on the clipboard.
// - btncloseClick, Exit pressed: the window closes as its close box closes it (a page in a
//   browser's tab, which it may not close, starts afresh instead).
// - edtcodeChange, either field edited: the draw check of edtcode's text against the list, its
//   verdict written into edtdj and, on a hit, the entry selected and scrolled into view.
//   Writing the verdict changes edtdj, which runs the handler once more; that inner call
//   writes the same verdict, which changes nothing, and the chain ends.
// - edtcodeClick, a click in edtcode (a left press and its release, both in the field): the
//   field emptied for the next draw, whether or not it had the focus.
// What the player would otherwise have to go and look at is told to a screen reader where the
// focus is (each front end's Announcer): after an accepted Filter, the caption, though it reads
// the same after every run; after a draw check, ui::VerdictAnnouncement. One change of a field
// is told once: what the handler's inner run, inside the write of the verdict, asks to tell is
// told together with the outer run's, after the handler, as one announcement.

// The rejection box's one button.
inline constexpr std::string_view kConfirmText = "确定";

// What the program says when its window cannot be opened at all.
inline constexpr std::string_view kNoWindowText = "无法打开 Tarvello 的窗口。";

}  // namespace ui
