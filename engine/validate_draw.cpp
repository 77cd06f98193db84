#include <cstddef>

#include "engine/filter_run.h"
#include "engine/text_measure.h"

namespace engine {
namespace {

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) {
  return IsDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool AllOf(std::string_view digits, bool (*isDigit)(char)) {
  if (digits.empty()) return false;
  for (const char c : digits) {
    if (!isDigit(c)) return false;
  }
  return true;
}

// Whether the whole text reads as a signed 32-bit integer: leading spaces, then either an
// optionally signed decimal number or a hexadecimal one after '$', 'x' or '0x' (any case).
// The value is never needed, and a four-character text cannot overflow.
bool IsIntegerText(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  text.remove_prefix(first);

  if (text.front() == '$' || text.front() == 'x' || text.front() == 'X') {
    return AllOf(text.substr(1), IsHexDigit);
  }
  if (text.size() > 1 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    return AllOf(text.substr(2), IsHexDigit);
  }
  if (text.front() == '-' || text.front() == '+') text.remove_prefix(1);
  return AllOf(text, IsDecimalDigit);
}

}  // namespace

std::optional<std::string> ValidateDraw(std::string_view drawText) {
  if (TextMeasure(drawText) != kDrawMeasure || !IsIntegerText(drawText)) {
    return std::string(kRejectionMessage);
  }
  return std::nullopt;
}

}  // namespace engine
