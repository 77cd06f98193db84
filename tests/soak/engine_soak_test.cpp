#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace {

// Sanitizer builds run this many times slower; they ask for fewer runs through the environment.
std::int32_t SoakRuns() {
  const char* runs = std::getenv("TARVELLO_SOAK_RUNS");
  return runs != nullptr ? std::atoi(runs) : 100000;
}

// Which numbers one result text lists, or an empty set if an entry is malformed or repeats.
std::vector<bool> ListedNumbers(const std::string& text) {
  std::vector<bool> listed(engine::kCandidateCount, false);
  if (text.size() % engine::kEntryWidth != 0) return {};
  for (std::size_t at = 0; at < text.size(); at += engine::kEntryWidth) {
    std::int32_t n = 0;
    for (std::size_t i = 0; i < 4; ++i) {
      const char c = text[at + i];
      if (c < '0' || c > '9') return {};
      n = n * 10 + (c - '0');
    }
    if (text[at + 4] != ' ' || listed[n]) return {};
    listed[n] = true;
  }
  return listed;
}

TEST(EngineSoak, LongSessionsKeepTheSameBaseAndAdvanceTheCounterByFour) {
  const std::int32_t runs = SoakRuns();
  ASSERT_GT(runs, 1);
  engine::ResetRunCounter();
  engine::Fill();
  // Half the runs lie before the wrap from 2^31 - 1 to -2^31, which falls inside a run.
  const std::uint32_t start = static_cast<std::uint32_t>(INT32_MAX) -
                              static_cast<std::uint32_t>(runs / 2) * engine::kPermutationsPerRun +
                              2u;
  engine::SetRunCounter(static_cast<std::int32_t>(start));

  const std::vector<bool> expected = ListedNumbers(engine::RunFilter().text);
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(engine::kCandidateCount));
  auto counter = static_cast<std::uint32_t>(engine::RunCounter());
  bool wrapped = false;
  for (std::int32_t run = 1; run < runs; ++run) {
    const engine::FilterResult result = engine::RunFilter();
    counter += engine::kPermutationsPerRun;
    const std::int32_t now = engine::RunCounter();
    ASSERT_EQ(static_cast<std::uint32_t>(now), counter) << "run " << run;
    wrapped = wrapped || now < 0;
    ASSERT_EQ(result.text.size(), 42770u) << "run " << run;
    ASSERT_EQ(result.count, 8554) << "run " << run;
    ASSERT_EQ(result.caption, "缩水结果：8554注") << "run " << run;
    ASSERT_EQ(ListedNumbers(result.text), expected) << "run " << run;
  }
  EXPECT_TRUE(wrapped);
}

// A megabyte in either field must cost no more than a linear pass.
TEST(EngineSoak, MegabyteTextsAreHandledAtOnce) {
  constexpr std::size_t kMegabyte = 1 << 20;
  std::string digits;
  while (digits.size() < kMegabyte) digits += "1234";
  std::string chinese;
  while (chinese.size() < kMegabyte) chinese += "中";
  std::string malformed(kMegabyte, '\xE4');
  // Every four bytes repeat the draw with no separator: each occurrence is a near miss.
  const std::string nearMisses = digits + " ";
  std::string entries;
  while (entries.size() < kMegabyte) entries += "1234 ";
  entries += "9999 ";

  struct Case {
    const std::string* result;
    std::string draw;
    engine::VerdictKind kind;
  };
  const Case checks[] = {
      {&digits, digits, engine::VerdictKind::Unchanged},
      {&digits, chinese, engine::VerdictKind::Unchanged},
      {&digits, malformed, engine::VerdictKind::Unchanged},
      {&nearMisses, "1234", engine::VerdictKind::Miss},
      {&entries, "9999", engine::VerdictKind::Hit},
      {&malformed, "\xE4\xE4", engine::VerdictKind::Miss},
  };
  const auto begin = std::chrono::steady_clock::now();
  for (const std::string* draw : {&digits, &chinese, &malformed}) {
    const std::optional<std::string> rejection = engine::ValidateDraw(*draw);
    ASSERT_TRUE(rejection.has_value());
    EXPECT_EQ(*rejection, engine::kRejectionMessage);
  }
  for (const Case& c : checks) {
    const engine::DrawVerdict verdict = engine::CheckDraw(*c.result, c.draw);
    EXPECT_EQ(verdict.kind, c.kind) << c.draw.substr(0, 8);
  }
  EXPECT_EQ(engine::CheckDraw(entries, "9999").start,
            static_cast<std::int32_t>(entries.size() - 5));
  const auto elapsed = std::chrono::steady_clock::now() - begin;
  EXPECT_LT(elapsed, std::chrono::seconds(2));
}

}  // namespace
