#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/engine.h"

namespace {

TEST(TextMeasure, CountsAsciiOneAndEveryOtherCharacterTwo) {
  struct Case {
    std::string text;
    std::int32_t measure;
  };
  const Case cases[] = {
      {"", 0},
      {"1234", 4},
      {"a b\t", 4},
      {"中", 2},
      {"中1", 3},
      {"缩水结果：", 10},
      {"１２", 4},              // full-width digits
      {"é", 2},                 // two-byte UTF-8
      {"€", 2},                 // one byte in the code page, still counted 2
      {"\xF0\x9F\x98\x80", 2},  // outside the basic plane
  };
  for (const Case& c : cases) {
    EXPECT_EQ(engine::TextMeasure(c.text), c.measure) << '"' << c.text << '"';
  }
}

TEST(TextMeasure, CountsEachMalformedByteTwoWithoutReadingPastTheEnd) {
  struct Case {
    std::string text;
    std::int32_t measure;
  };
  const Case cases[] = {
      {"\x80", 2},      // stray continuation byte
      {"\xC3", 2},      // truncated two-byte sequence at the end
      {"\xE4\xB8", 4},  // truncated three-byte sequence: each byte counts
      {"\xE4\xB8"
       "1",
       5},                      // truncated before ASCII
      {"\xC0\xAF", 4},          // overlong form
      {"\xED\xA0\x80", 6},      // encoded surrogate
      {"\xF4\x90\x80\x80", 8},  // above U+10FFFF
      {"\xFF", 2},
      {"\xE4\xB8\xAD\xE4", 4},    // a whole character, then a cut one
      {std::string("\0", 1), 1},  // NUL is ASCII
  };
  for (const Case& c : cases) {
    const std::string exact = c.text;  // no terminator to lean on past size()
    EXPECT_EQ(engine::TextMeasure(std::string_view(exact.data(), exact.size())), c.measure);
  }
}

// A gigabyte of non-ASCII bytes measures 2^31, one past what 32 bits hold.
TEST(TextMeasure, ATextTooLongToCountMeasuresTheLargestValue) {
  const std::string text(std::size_t{1} << 30, '\xE4');
  EXPECT_EQ(engine::TextMeasure(text), INT32_MAX);
}

}  // namespace
