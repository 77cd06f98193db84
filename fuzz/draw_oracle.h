#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/engine.h"
#include "fuzz/fuzz_check.h"

namespace fuzz {

inline bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Where the first entry of the result text that equals the draw starts, found by cutting the
// text into entries rather than by searching for the draw; npos if there is none.
inline std::size_t FirstWholeEntry(std::string_view result, std::string_view draw) {
  std::size_t at = 0;
  while (at < result.size()) {
    if (IsSeparator(result[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < result.size() && !IsSeparator(result[end])) ++end;
    if (result.substr(at, end - at) == draw) return at;
    at = end;
  }
  return std::string_view::npos;
}

inline bool IsBlank(std::string_view text) {
  for (const char c : text) {
    if (!IsSeparator(c)) return false;
  }
  return true;
}

// What any verdict must satisfy: None exactly for a blank result, Unchanged exactly for a draw
// that does not measure 4, and a Hit's range lies inside the result and holds the draw.
inline void CheckVerdictShape(std::string_view result, std::string_view draw,
                              const engine::DrawVerdict& verdict) {
  FUZZ_CHECK((verdict.kind == engine::VerdictKind::None) == IsBlank(result));
  if (verdict.kind == engine::VerdictKind::None) return;
  const bool measuresFour = engine::TextMeasure(draw) == engine::kDrawMeasure;
  FUZZ_CHECK((verdict.kind == engine::VerdictKind::Unchanged) == !measuresFour);
  if (verdict.kind != engine::VerdictKind::Hit) return;
  FUZZ_CHECK(verdict.start >= 0 && verdict.length >= 0);
  const auto start = static_cast<std::size_t>(verdict.start);
  const auto length = static_cast<std::size_t>(verdict.length);
  FUZZ_CHECK(length == draw.size());
  FUZZ_CHECK(start <= result.size() && length <= result.size() - start);
  FUZZ_CHECK(result.substr(start, length) == draw);
}

// The verdict is the one the entries give: a Hit at the first entry equal to the draw, else a
// Miss.
inline void CheckVerdict(std::string_view result, std::string_view draw) {
  const engine::DrawVerdict verdict = engine::CheckDraw(result, draw);
  CheckVerdictShape(result, draw, verdict);
  if (verdict.kind == engine::VerdictKind::None || verdict.kind == engine::VerdictKind::Unchanged) {
    return;
  }
  const std::size_t entry = FirstWholeEntry(result, draw);
  if (entry == std::string_view::npos) {
    FUZZ_CHECK(verdict.kind == engine::VerdictKind::Miss);
  } else {
    FUZZ_CHECK(verdict.kind == engine::VerdictKind::Hit);
    FUZZ_CHECK(static_cast<std::size_t>(verdict.start) == entry);
  }
}

}  // namespace fuzz
