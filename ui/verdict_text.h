#pragma once

#include <optional>
#include <string_view>

#include "engine/draw_check.h"

namespace ui {

inline constexpr std::string_view kHitText = "中";
inline constexpr std::string_view kMissText = "X";

// What the verdict field is to show after a draw check; no value leaves it as it is.
constexpr std::optional<std::string_view> VerdictText(engine::VerdictKind kind) {
  switch (kind) {
    case engine::VerdictKind::None:
      return std::string_view();
    case engine::VerdictKind::Hit:
      return kHitText;
    case engine::VerdictKind::Miss:
      return kMissText;
    case engine::VerdictKind::Unchanged:
      break;
  }
  return std::nullopt;
}

// What a screen reader is told after a draw check, where the player keeps typing: the verdict
// the field then shows, told even when the field showed it already (a hit after a hit), since
// the field's unchanged text raises nothing a screen reader would read. A check that empties
// the field or leaves it as it was tells nothing.
constexpr std::optional<std::string_view> VerdictAnnouncement(engine::VerdictKind kind) {
  if (kind == engine::VerdictKind::Hit) return kHitText;
  if (kind == engine::VerdictKind::Miss) return kMissText;
  return std::nullopt;
}

}  // namespace ui
