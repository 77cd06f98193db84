#include "engine/text_measure.h"

#include <algorithm>
#include <cstddef>

namespace engine {
namespace {

constexpr std::int32_t kAsciiMeasure = 1;
// Every non-ASCII character counts 2, including the few a Chinese code page cannot write
// or writes in one byte, and every byte of malformed UTF-8.
constexpr std::int32_t kWideMeasure = 2;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0u) == 0x80u; }

// The length of the well-formed UTF-8 sequence that starts at text[at], or 0 if there is none.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;  // bounds of the second byte, narrower after some leads
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return 0;
  }
  if (text.size() - at < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (!IsContinuation(byte(i))) return 0;
  }
  return length;
}

}  // namespace

std::int32_t TextMeasure(std::string_view utf8) {
  // Summed wide: a gigabyte of non-ASCII bytes would overflow 32 bits.
  std::int64_t measure = 0;
  std::size_t at = 0;
  while (at < utf8.size()) {
    if (static_cast<unsigned char>(utf8[at]) < 0x80u) {
      measure += kAsciiMeasure;
      ++at;
      continue;
    }
    const std::size_t length = SequenceLength(utf8, at);
    measure += kWideMeasure;
    at += length == 0 ? 1 : length;
  }
  return static_cast<std::int32_t>(std::min<std::int64_t>(measure, INT32_MAX));
}

}  // namespace engine
