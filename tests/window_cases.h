#pragma once

// What a user does in the main window and what the user must then see, as tables that the Qt
// and the Win32 window tests both run. Texts are UTF-8.
//
// Steps: "type X" types X into the draw field, "dj X" types X into the verdict field, "back"
// presses Backspace in the draw field, "click" clicks into the draw field, "filter" clicks
// Filter.

#include <string_view>
#include <vector>

namespace cases {

using Steps = std::vector<std::string_view>;

inline constexpr int kResultLength = 42770;
inline constexpr std::string_view kFirstRunStart =
    "0001 0003 0002 0004 0008 0006 0000 0005 0007 0009 0051 0053 ";
inline constexpr std::string_view kSecondRunStart =
    "1122 1126 1125 1127 1124 1128 1120 1129 1121 1123 1182 1185 ";
// The last entry of the first run's list, and a draw with two big and two odd digits.
inline constexpr std::string_view kLastOfFirstRun = "5199";
inline constexpr std::string_view kExcludedDraw = "5610";
inline constexpr std::string_view kRejection = "请输入四位数上期开奖号码";
inline constexpr std::string_view kFilledCaption = "缩水结果：8554注";

struct Control {
  std::string_view row;
  std::string_view name;
  std::string_view text;
  int left, top, width, height;
  std::string_view spokenName;  // what a screen reader calls it
};

inline const std::vector<Control> kControls = {
    {"count label", "lbljushu", "缩水结果：", 16, 8, 137, 13, "缩水结果："},
    {"list", "memcode", "", 16, 24, 249, 321, "缩水结果："},
    {"draw label", "Label1", "上期开奖：", 296, 192, 73, 13, "上期开奖："},
    {"verdict label", "Label2", "对奖", 400, 192, 33, 13, "对奖"},
    {"draw field", "edtcode", "", 296, 208, 73, 21, "上期开奖："},
    {"verdict field", "edtdj", "", 384, 208, 73, 21, "对奖"},
    {"Filter", "btnfilt", "过滤", 296, 240, 75, 25, "过滤"},
    {"Copy", "btncopy", "复制", 296, 280, 75, 25, "复制"},
    {"Exit", "btnclose", "退出", 424, 240, 33, 65, "退出"},
};

// Tab from the draw field, five times.
inline const std::vector<std::string_view> kTabOrder = {"btnfilt", "btncopy", "btnclose", "edtdj",
                                                        "edtcode"};

struct FilterRun {
  std::string_view row;
  Steps before;
  std::string_view start;  // how the list begins after one more Filter
};

inline const std::vector<FilterRun> kAcceptedRuns = {
    {"first run", {"type 1234"}, kFirstRunStart},
    {"second run", {"type 1234", "filter"}, kSecondRunStart},
    {"run after a hit near the end",
     {"type 1234", "filter", "click", "type 5199"},
     kSecondRunStart},
};

enum class BoxKey { Enter, Esc };

struct RejectedRun {
  std::string_view row;
  Steps before;
  BoxKey closedWith;
};

inline const std::vector<RejectedRun> kRejectedRuns = {
    {"empty, closed with Enter", {}, BoxKey::Enter},
    {"empty, closed with Esc", {}, BoxKey::Esc},
    {"five digits", {"type 12345"}, BoxKey::Enter},
    {"letters", {"type abcd"}, BoxKey::Esc},
    {"three digits after a run", {"type 1234", "filter", "click", "type 123"}, BoxKey::Enter},
};

enum class Key { Return, KeypadEnter, Escape };
enum class Modifier { None, Shift, Ctrl, Alt };
enum class Action { Filter, Copy, Close, Nothing };

struct KeyPress {
  std::string_view row;
  std::string_view focus;
  Key key;
  Modifier modifier;
  Action action;
};

inline const std::vector<KeyPress> kKeyPresses = {
    {"Return in the draw field", "edtcode", Key::Return, Modifier::None, Action::Filter},
    {"keypad Enter in the draw field", "edtcode", Key::KeypadEnter, Modifier::None, Action::Filter},
    {"Return in the verdict field", "edtdj", Key::Return, Modifier::None, Action::Filter},
    {"Return on Filter", "btnfilt", Key::Return, Modifier::None, Action::Filter},
    {"Return on Copy", "btncopy", Key::Return, Modifier::None, Action::Copy},
    {"keypad Enter on Exit", "btnclose", Key::KeypadEnter, Modifier::None, Action::Close},
    {"Shift+Return in the draw field", "edtcode", Key::Return, Modifier::Shift, Action::Nothing},
    {"Ctrl+Return on Filter", "btnfilt", Key::Return, Modifier::Ctrl, Action::Nothing},
    {"Alt+Return on Copy", "btncopy", Key::Return, Modifier::Alt, Action::Nothing},
    {"Shift+keypad Enter in the verdict field", "edtdj", Key::KeypadEnter, Modifier::Shift,
     Action::Nothing},
    {"Esc in the draw field", "edtcode", Key::Escape, Modifier::None, Action::Nothing},
    {"Esc on Exit", "btnclose", Key::Escape, Modifier::None, Action::Nothing},
};

struct Verdict {
  std::string_view row;
  Steps steps;
  std::string_view verdict;  // what the verdict field then shows
};

inline const std::vector<Verdict> kVerdicts = {
    {"before a run, a draw empties it", {"type 1234"}, ""},
    {"before a run, typing into it empties it", {"dj ab"}, ""},
    {"right after the first run it is still empty", {"type 1234", "filter"}, ""},
    {"a kept number hits", {"type 1234", "filter", "click", "type 1234"}, "中"},
    {"0000 is kept", {"type 1234", "filter", "click", "type 0000"}, "中"},
    {"two big and two odd digits miss", {"type 1234", "filter", "click", "type 5610"}, "X"},
    {"letters miss", {"type 1234", "filter", "click", "type abcd"}, "X"},
    {"a draw across two entries misses", {"type 1234", "filter", "click", "type 01 0"}, "X"},
    {"a shortened draw keeps the verdict",
     {"type 1234", "filter", "click", "type 5610", "back"},
     "X"},
    {"typing into it with a full draw restores the verdict",
     {"type 1234", "filter", "click", "type 1234", "dj z"},
     "中"},
    {"typing into it with a short draw stays",
     {"type 1234", "filter", "click", "type 12", "dj ok"},
     "ok"},
    {"a later run keeps the last verdict",
     {"type 1234", "filter", "click", "type 5610", "filter"},
     "X"},
};

struct Reentry {
  std::string_view row;
  Steps before;
  std::string_view typed;  // one more character typed into the draw field
  int handlerRuns;         // changes of either field it causes
};

inline const std::vector<Reentry> kReentries = {
    {"a new miss re-enters once", {"type 1234", "filter", "click", "type 561"}, "0", 2},
    {"a new hit re-enters once", {"type 1234", "filter", "click", "type 5610", "back"}, "1", 2},
    {"the same verdict again does not re-enter",
     {"type 1234", "filter", "click", "type 5610", "back"},
     "0",
     1},
    {"an empty verdict again does not re-enter", {}, "1", 1},
};

struct Announcement {
  std::string_view row;
  Steps before;
  Steps steps;                         // what the player then does
  std::vector<std::string_view> said;  // what a screen reader is told of it, in order
};

inline const std::vector<Announcement> kAnnouncements = {
    {"every run tells the count", {"type 1234", "filter"}, {"filter"}, {kFilledCaption}},
    {"a hit is told once", {"type 1234", "filter", "click"}, {"type 1234"}, {"中"}},
    {"a miss is told once", {"type 1234", "filter", "click"}, {"type 5610"}, {"X"}},
    {"the same hit again is told again",
     {"type 1234", "filter", "click", "type 1234", "click"},
     {"type 0000"},
     {"中"}},
    {"typing into the verdict field tells the verdict",
     {"type 1234", "filter", "click", "type 5610"},
     {"dj z"},
     {"X"}},
    {"a short draw tells nothing", {"type 1234", "filter", "click"}, {"type 123", "back"}, {}},
    {"a check before any run tells nothing", {}, {"type 1234", "click"}, {}},
};

struct Hit {
  std::string_view row;
  std::string_view number;  // typed after the first run
  int start;                // where the selection starts
  bool scrolled;            // whether the view had to move
};

inline const std::vector<Hit> kHits = {
    {"near the start", "0000", 30, false},
    {"in the middle", "1234", 25175, true},
    {"the last entry", kLastOfFirstRun, kResultLength - 5, true},
};

enum class Gesture { Click, ClickFromCopy, RightClick, DragOut, TabIn };

struct ClickToClear {
  std::string_view row;
  Steps before;
  Gesture gesture;
  std::string_view draw;     // what the draw field then holds
  std::string_view verdict;  // and the verdict field
};

inline const std::vector<ClickToClear> kClicksToClear = {
    {"a click empties it", {"type 1234"}, Gesture::Click, "", ""},
    {"a click without the focus empties it", {"type 1234"}, Gesture::ClickFromCopy, "", ""},
    {"a right click keeps it", {"type 1234"}, Gesture::RightClick, "1234", ""},
    {"a release outside keeps it", {"type 1234"}, Gesture::DragOut, "1234", ""},
    {"Tab into it keeps it", {"type 1234"}, Gesture::TabIn, "1234", ""},
    {"after a run the verdict stays",
     {"type 1234", "filter", "click", "type 5610"},
     Gesture::Click,
     "",
     "X"},
};

}  // namespace cases
