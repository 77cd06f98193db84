#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "engine/engine.h"

namespace {

using engine::DigitPermutation;

TEST(OrderingGenerator, FirstDrawsFromSeedOne) {
  engine::OrderingGenerator generator{1};
  const std::vector<std::int32_t> expected = {0, 8, 2, 2, 6, 3, 1, 3, 4, 0, 4, 0};
  std::vector<std::int32_t> drawn;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    drawn.push_back(generator.NextRandom(10));
    if (i == 0) {
      EXPECT_EQ(generator.seed, 134775814u);
    }
  }
  EXPECT_EQ(drawn, expected);
}

TEST(OrderingGenerator, SeedWrapsModulo2To32AndStaysInRange) {
  engine::OrderingGenerator generator{0xFFFFFFFFu};
  EXPECT_EQ(generator.NextRandom(10), 9);  // (2^32 - 134775812) * 10 / 2^32
  EXPECT_EQ(generator.seed, 0xFFFFFFFFu * engine::kGeneratorMultiplier + 1u);
  for (int i = 0; i < 1000; ++i) {
    const std::int32_t value = generator.NextRandom(10);
    ASSERT_GE(value, 0);
    ASSERT_LT(value, 10);
  }
}

TEST(DigitPermutation, SeedsOfTheFirstThreeRuns) {
  struct Case {
    std::uint32_t seed;
    DigitPermutation expected;
  };
  const Case cases[] = {
      {1, {0, 8, 2, 6, 3, 1, 4, 9, 7, 5}},  {2, {0, 6, 5, 3, 9, 4, 7, 8, 2, 1}},
      {3, {0, 5, 8, 4, 6, 7, 3, 2, 1, 9}},  {4, {1, 3, 2, 4, 8, 6, 0, 5, 7, 9}},
      {5, {1, 5, 2, 9, 6, 7, 0, 4, 3, 8}},  {6, {1, 0, 9, 6, 5, 3, 4, 8, 2, 7}},
      {7, {2, 8, 6, 0, 7, 4, 3, 9, 1, 5}},  {8, {2, 6, 5, 7, 4, 8, 0, 9, 1, 3}},
      {9, {2, 4, 9, 8, 0, 3, 6, 1, 7, 5}},  {10, {3, 2, 9, 1, 7, 0, 4, 5, 6, 8}},
      {11, {3, 1, 6, 9, 7, 5, 4, 0, 2, 8}}, {12, {3, 9, 0, 4, 6, 7, 8, 2, 5, 1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(engine::PermutationFromSeed(c.seed), c.expected) << "seed " << c.seed;
  }
}

TEST(DigitPermutation, HoldsEveryDigitOnceForAnySeed) {
  const std::uint32_t seeds[] = {0u, 13u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 123456789u};
  for (const std::uint32_t seed : seeds) {
    DigitPermutation sorted = engine::PermutationFromSeed(seed);
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (DigitPermutation{0, 1, 2, 3, 4, 5, 6, 7, 8, 9})) << "seed " << seed;
  }
}

TEST(BuildOrder, NestsThousandsOutermostAndCoversEveryNumberOnce) {
  const engine::OrderList order =
      engine::BuildOrder(engine::PermutationFromSeed(1), engine::PermutationFromSeed(2),
                         engine::PermutationFromSeed(3), engine::PermutationFromSeed(4));
  const std::vector<std::int32_t> firstTen(order.begin(), order.begin() + 10);
  EXPECT_EQ(firstTen, (std::vector<std::int32_t>{1, 3, 2, 4, 8, 6, 0, 5, 7, 9}));
  EXPECT_EQ(order[10], 51);       // units start over under the next tens digit (5)
  EXPECT_EQ(order.back(), 5199);  // last digit of each permutation

  engine::OrderList sorted = order;
  std::sort(sorted.begin(), sorted.end());
  for (std::int32_t n = 0; n < engine::kCandidateCount; ++n) ASSERT_EQ(sorted[n], n);
}

TEST(RunCounter, NextPermutationAdvancesItAndSeedsWithTheNewValue) {
  engine::ResetRunCounter();
  EXPECT_EQ(engine::RunCounter(), 0);
  EXPECT_EQ(engine::NextPermutation(), engine::PermutationFromSeed(1));
  EXPECT_EQ(engine::NextPermutation(), engine::PermutationFromSeed(2));
  EXPECT_EQ(engine::RunCounter(), 2);
}

TEST(RunCounter, WrapsPastTheLargestSignedValue) {
  engine::SetRunCounter(INT_MAX);
  EXPECT_EQ(engine::NextPermutation(), engine::PermutationFromSeed(0x80000000u));
  EXPECT_EQ(engine::RunCounter(), INT_MIN);
  engine::SetRunCounter(-1);
  EXPECT_EQ(engine::NextPermutation(), engine::PermutationFromSeed(0u));
  EXPECT_EQ(engine::RunCounter(), 0);
}

}  // namespace
