// The text measure on raw bytes (malformed UTF-8 included) and on well-formed UTF-8 that is
// encoded here from code points taken out of the input.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fuzz/fuzz_check.h"

namespace {

bool IsAscii(char c) { return static_cast<unsigned char>(c) < 0x80u; }

void AppendUtf8(std::string& out, std::uint32_t cp) {
  const auto put = [&out](std::uint32_t byte) { out.push_back(static_cast<char>(byte)); };
  if (cp < 0x80u) {
    put(cp);
  } else if (cp < 0x800u) {
    put(0xC0u | (cp >> 6));
    put(0x80u | (cp & 0x3Fu));
  } else if (cp < 0x10000u) {
    put(0xE0u | (cp >> 12));
    put(0x80u | ((cp >> 6) & 0x3Fu));
    put(0x80u | (cp & 0x3Fu));
  } else {
    put(0xF0u | (cp >> 18));
    put(0x80u | ((cp >> 12) & 0x3Fu));
    put(0x80u | ((cp >> 6) & 0x3Fu));
    put(0x80u | (cp & 0x3Fu));
  }
}

// Decodes by the lead byte's bit pattern first and judges the code point afterwards, the other
// way round from the engine's table of byte ranges. A byte that starts no well-formed
// character counts 2 on its own.
std::int64_t ReferenceMeasure(std::string_view text) {
  std::int64_t measure = 0;
  std::size_t at = 0;
  while (at < text.size()) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80u) {
      measure += 1;
      ++at;
      continue;
    }
    std::size_t length = 0;
    std::uint32_t cp = 0;
    std::uint32_t smallest = 0;
    if ((lead & 0xE0u) == 0xC0u) {
      length = 2, cp = lead & 0x1Fu, smallest = 0x80u;
    } else if ((lead & 0xF0u) == 0xE0u) {
      length = 3, cp = lead & 0x0Fu, smallest = 0x800u;
    } else if ((lead & 0xF8u) == 0xF0u) {
      length = 4, cp = lead & 0x07u, smallest = 0x10000u;
    }
    bool wellFormed = length != 0 && at + length <= text.size();
    for (std::size_t i = 1; wellFormed && i < length; ++i) {
      const auto next = static_cast<unsigned char>(text[at + i]);
      wellFormed = (next & 0xC0u) == 0x80u;
      cp = cp << 6 | (next & 0x3Fu);
    }
    wellFormed = wellFormed && cp >= smallest && cp <= 0x10FFFFu && (cp < 0xD800u || cp > 0xDFFFu);
    measure += 2;
    at += wellFormed ? length : 1;
  }
  return measure;
}

void CheckRawBytes(std::string_view text) {
  const std::int64_t measure = engine::TextMeasure(text);
  FUZZ_CHECK(measure == ReferenceMeasure(text));
  std::int64_t ascii = 0;
  for (const char c : text) ascii += IsAscii(c) ? 1 : 0;
  const auto size = static_cast<std::int64_t>(text.size());
  FUZZ_CHECK(measure <= 2 * size);
  FUZZ_CHECK(measure >= ascii);
  // Every other unit is a character or a malformed byte of at most four bytes, counted 2.
  FUZZ_CHECK((measure - ascii) % 2 == 0);
  FUZZ_CHECK(2 * (measure - ascii) >= size - ascii);

  // No character spans an ASCII byte, so the measure adds up across a cut in front of one.
  for (std::size_t cut = text.size() / 2; cut < text.size(); ++cut) {
    if (!IsAscii(text[cut])) continue;
    FUZZ_CHECK(engine::TextMeasure(text.substr(0, cut)) + engine::TextMeasure(text.substr(cut)) ==
               measure);
    break;
  }
}

// Three input bytes make one code point, folded into the Unicode range without surrogates.
void CheckWellFormed(const std::uint8_t* data, std::size_t size) {
  std::string text;
  std::int64_t expected = 0;
  for (std::size_t at = 0; at + 3 <= size; at += 3) {
    std::uint32_t cp = (static_cast<std::uint32_t>(data[at]) << 16 |
                        static_cast<std::uint32_t>(data[at + 1]) << 8 | data[at + 2]) %
                       0x110000u;
    if (cp >= 0xD800u && cp <= 0xDFFFu) cp -= 0xD800u;
    // Small code points most of the time, so ASCII and Chinese mix.
    if ((data[at] & 0x80u) == 0) cp &= 0x7FFFu;
    AppendUtf8(text, cp);
    expected += cp < 0x80u ? 1 : 2;
  }
  FUZZ_CHECK(engine::TextMeasure(text) == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckRawBytes(std::string_view(reinterpret_cast<const char*>(data), size));
  CheckWellFormed(data, size);
  return 0;
}
