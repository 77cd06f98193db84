#include "engine/draw_check.h"

#include <cstddef>

#include "engine/filter_run.h"
#include "engine/text_measure.h"

namespace engine {
namespace {

// Entries are separated by spaces; control characters count as separators too, as they do
// when deciding whether there is a result at all.
bool IsSeparator(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool IsBlank(std::string_view text) {
  for (const char c : text) {
    if (!IsSeparator(c)) return false;
  }
  return true;
}

bool ContainsSeparator(std::string_view text) {
  for (const char c : text) {
    if (IsSeparator(c)) return true;
  }
  return false;
}

}  // namespace

DrawVerdict CheckDraw(std::string_view resultText, std::string_view drawText) {
  if (IsBlank(resultText)) return {VerdictKind::None};
  if (TextMeasure(drawText) != kDrawMeasure) return {VerdictKind::Unchanged};

  // Only a whole entry is a hit: a draw with a separator in it would otherwise match across
  // the boundary of two entries and tell the player that a non-draw won.
  if (ContainsSeparator(drawText)) return {VerdictKind::Miss};
  for (std::size_t at = resultText.find(drawText); at != std::string_view::npos;
       at = resultText.find(drawText, at + 1)) {
    const std::size_t end = at + drawText.size();
    const bool startsEntry = at == 0 || IsSeparator(resultText[at - 1]);
    const bool endsEntry = end == resultText.size() || IsSeparator(resultText[end]);
    if (startsEntry && endsEntry) {
      return {VerdictKind::Hit, static_cast<std::int32_t>(at),
              static_cast<std::int32_t>(drawText.size())};
    }
  }
  return {VerdictKind::Miss};
}

}  // namespace engine
