#pragma once

#include <cstdint>
#include <string_view>

namespace engine {

enum class VerdictKind { None, Unchanged, Hit, Miss };

struct DrawVerdict {
  VerdictKind kind = VerdictKind::None;
  std::int32_t start = 0;   // Hit only: byte index of the matched entry in the result text
  std::int32_t length = 0;  // Hit only
};

// Whether the draw is one whole entry of the result text, and where.
DrawVerdict CheckDraw(std::string_view resultText, std::string_view drawText);

}  // namespace engine
