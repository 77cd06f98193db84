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

}  // namespace ui
