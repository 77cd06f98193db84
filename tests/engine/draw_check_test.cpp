#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"

namespace {

using engine::CheckDraw;
using engine::VerdictKind;

// The text of the first run after start, built once.
const std::string& FirstRunText() {
  static const std::string text = [] {
    engine::ResetRunCounter();
    engine::Fill();
    return engine::RunFilter().text;
  }();
  return text;
}

TEST(CheckDraw, GivesNoneWithoutAResultWhateverTheDraw) {
  const char* const blankResults[] = {"", " ", "  \t\r\n", "\x01\x1f "};
  const char* const draws[] = {"", "1234", "5610", "12", "abcd"};
  for (const char* result : blankResults) {
    for (const char* draw : draws) {
      EXPECT_EQ(CheckDraw(result, draw).kind, VerdictKind::None) << '"' << draw << '"';
    }
  }
}

TEST(CheckDraw, LeavesTheVerdictAloneWhenTheDrawDoesNotMeasureFour) {
  const char* const draws[] = {"", "123", "12345", "中1", "中文1", "\xE4"};
  for (const char* draw : draws) {
    EXPECT_EQ(CheckDraw(FirstRunText(), draw).kind, VerdictKind::Unchanged) << '"' << draw << '"';
  }
}

TEST(CheckDraw, FindsKeptEntriesAtTheirPlaceInTheFirstRun) {
  struct Case {
    std::string draw;
    std::int32_t start;
  };
  const Case cases[] = {
      {"0001", 0},  // first entry
      {"0000", 30},
      {"1234", 25175},
      {"5199", 42765},  // last entry
  };
  for (const Case& c : cases) {
    const engine::DrawVerdict verdict = CheckDraw(FirstRunText(), c.draw);
    ASSERT_EQ(verdict.kind, VerdictKind::Hit) << c.draw;
    EXPECT_EQ(verdict.start, c.start) << c.draw;
    EXPECT_EQ(verdict.length, 4) << c.draw;
    EXPECT_EQ(FirstRunText().substr(verdict.start, 4), c.draw);
  }
}

TEST(CheckDraw, HitsOnlyWholeEntries) {
  struct Case {
    const char* result;
    const char* draw;
    VerdictKind kind;
    std::int32_t start;
  };
  const Case cases[] = {
      // Across the boundary of two adjacent entries: never a draw.
      {"0001 0003 ", "01 0", VerdictKind::Miss, 0},
      {"0001 0003 ", " 000", VerdictKind::Miss, 0},
      {"0001 0003 ", "001 ", VerdictKind::Miss, 0},
      {"1123 4567 ", "123 ", VerdictKind::Miss, 0},
      // Part of a longer token only.
      {"12345 1234", "1234", VerdictKind::Hit, 6},
      {"12345 ", "2345", VerdictKind::Miss, 0},
      // Whitespace and control characters around the text separate entries too.
      {"\t0001 0003\r\n", "0001", VerdictKind::Hit, 1},
      {"  0001 0003", "0003", VerdictKind::Hit, 7},
      {"\x01"
       "0001\x1f",
       "0001", VerdictKind::Hit, 1},
      // Byte-for-byte and case-sensitive.
      {"abcd ABCD ", "ABCD", VerdictKind::Hit, 5},
      {"abcd ", "ABCD", VerdictKind::Miss, 0},
  };
  for (const Case& c : cases) {
    const engine::DrawVerdict verdict = CheckDraw(c.result, c.draw);
    EXPECT_EQ(verdict.kind, c.kind) << '"' << c.result << "\" / \"" << c.draw << '"';
    if (c.kind == VerdictKind::Hit) {
      EXPECT_EQ(verdict.start, c.start) << c.draw;
    }
  }
}

TEST(CheckDraw, MissesDrawsThatAreNotInTheBase) {
  const char* const draws[] = {"5610", "1256", "abcd", "中12", "12 4", "    "};
  for (const char* draw : draws) {
    EXPECT_EQ(CheckDraw(FirstRunText(), draw).kind, VerdictKind::Miss) << '"' << draw << '"';
  }
}

TEST(CheckDraw, AFourDigitDrawHitsExactlyWhenItIsKept) {
  const std::string& text = FirstRunText();
  char draw[5];
  for (std::int32_t n = 0; n < engine::kCandidateCount; ++n) {
    std::snprintf(draw, sizeof draw, "%.4d", n);
    const engine::DrawVerdict verdict = CheckDraw(text, draw);
    const engine::CandidateRecord digits{n / 1000, n / 100 % 10, n / 10 % 10, n % 10, 0};
    const bool kept = engine::ExclusionMark(digits) == 0;
    ASSERT_EQ(verdict.kind, kept ? VerdictKind::Hit : VerdictKind::Miss) << draw;
    if (kept) {
      ASSERT_EQ(text.compare(verdict.start, 4, draw), 0) << draw;
    }
  }
}

}  // namespace
