#include <gtest/gtest.h>

#include <algorithm>

#include "engine/engine.h"

namespace {

engine::CandidateRecord DigitsOf(std::int32_t n) {
  return {n / 1000, n / 100 % 10, n / 10 % 10, n % 10, 0};
}

TEST(ExclusionRule, DropsExactlyTwoBigAndTwoOdd) {
  struct Case {
    std::int32_t number;
    std::int32_t mark;
  };
  const Case cases[] = {
      {0, 0},                                                 // no big, no odd
      {9999, 0},                                              // four big, four odd
      {5610, 1}, {1256, 1}, {9900, 1}, {5050, 1}, {5511, 0},  // two big, four odd
      {6802, 0},                                              // two big, no odd
      {1357, 0},                                              // two big, four odd
      {9988, 0},                                              // four big
      {1133, 0},                                              // no big, four odd
  };
  for (const Case& c : cases) {
    EXPECT_EQ(engine::ExclusionMark(DigitsOf(c.number)), c.mark) << c.number;
  }
}

TEST(CandidateTable, FillPutsEachNumbersDigitsAtItsIndex) {
  engine::Fill();
  const engine::CandidateTable& table = engine::Candidates();
  for (std::int32_t n = 0; n < engine::kCandidateCount; ++n) {
    const engine::CandidateRecord expected = DigitsOf(n);
    ASSERT_EQ(table[n].thousands, expected.thousands) << n;
    ASSERT_EQ(table[n].hundreds, expected.hundreds) << n;
    ASSERT_EQ(table[n].tens, expected.tens) << n;
    ASSERT_EQ(table[n].units, expected.units) << n;
  }
}

TEST(CandidateTable, MarksAreClearUntilTheRuleIsAppliedThenCount1446) {
  engine::Fill();
  const auto excluded = [] {
    std::int32_t count = 0;
    for (std::int32_t n = 0; n < engine::kCandidateCount; ++n) count += engine::IsExcluded(n);
    return count;
  };
  EXPECT_EQ(excluded(), 0);
  engine::ApplyExclusionRule();
  EXPECT_EQ(excluded(), 1446);
  EXPECT_TRUE(engine::IsExcluded(5610));
  EXPECT_FALSE(engine::IsExcluded(1234));
}

}  // namespace
