#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

inline constexpr std::int32_t kDrawMeasure = 4;
inline constexpr std::int32_t kEntryWidth = 5;  // four digits and a space
inline constexpr std::string_view kRejectionMessage = "请输入四位数上期开奖号码";
inline constexpr std::string_view kCaptionPrefix = "缩水结果：";
inline constexpr std::string_view kCaptionSuffix = "注";

struct FilterResult {
  std::string text;  // each kept number as four digits followed by a space
  std::int32_t count = 0;
  std::string caption;
};

// No value: the previous-draw text is accepted. A value: the message that rejects it.
std::optional<std::string> ValidateDraw(std::string_view drawText);

// Lists the big base in the next order. Needs Fill and ResetRunCounter first.
FilterResult RunFilter();

// The text the next RunFilter will list, worked out without changing the run counter or the
// table's marks, so that a window can lay it out before the user asks for it.
std::string NextRunText();

}  // namespace engine
