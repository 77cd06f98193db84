#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace {

std::vector<std::string> Entries(const std::string& text) {
  std::vector<std::string> entries;
  for (std::size_t at = 0; at + engine::kEntryWidth <= text.size(); at += engine::kEntryWidth) {
    entries.push_back(text.substr(at, 4));
  }
  return entries;
}

class FilterRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine::ResetRunCounter();
    engine::Fill();
  }
};

TEST_F(FilterRunTest, FirstThreeRunsListTheirFixedOrders) {
  struct Case {
    std::vector<std::string> first;
    std::vector<std::string> last;
  };
  const Case runs[] = {
      {{"0001", "0003", "0002", "0004", "0008", "0006", "0000", "0005", "0007", "0009", "0051",
        "0053"},
       {"5198", "5196", "5190", "5195", "5197", "5199"}},
      {{"1122", "1126", "1125", "1127", "1124", "1128", "1120", "1129", "1121", "1123", "1182",
        "1185"},
       {"8754", "8758", "8750", "8759", "8751", "8753"}},
      {{"2333", "2339", "2330", "2334", "2336", "2337", "2338", "2332", "2335", "2331", "2313",
        "2319"},
       {"5886", "5887", "5888", "5882", "5885", "5881"}},
  };
  std::int32_t expectedCounter = 0;
  for (const Case& run : runs) {
    // Worked out ahead, it leaves the counter to the run, which lists the same text.
    const std::string preview = engine::NextRunText();
    EXPECT_EQ(engine::RunCounter(), expectedCounter);
    const std::string text = engine::RunFilter().text;
    EXPECT_EQ(text, preview);
    const std::vector<std::string> entries = Entries(text);
    expectedCounter += engine::kPermutationsPerRun;
    EXPECT_EQ(engine::RunCounter(), expectedCounter);
    ASSERT_EQ(entries.size(), 8554u);
    EXPECT_EQ(std::vector<std::string>(entries.begin(), entries.begin() + 12), run.first);
    EXPECT_EQ(std::vector<std::string>(entries.end() - 6, entries.end()), run.last);
  }
}

TEST_F(FilterRunTest, EveryRunKeepsTheSameSetInANewFormattedOrder) {
  std::set<std::string> firstSet;
  std::string previousText;
  for (int run = 0; run < 5; ++run) {
    const engine::FilterResult result = engine::RunFilter();
    EXPECT_EQ(result.count, 8554);
    EXPECT_EQ(result.caption, "缩水结果：8554注");
    ASSERT_EQ(result.text.size(), 42770u);
    for (std::size_t at = 0; at < result.text.size(); ++at) {
      const bool spaceSlot = at % engine::kEntryWidth == 4;
      ASSERT_EQ(result.text[at] == ' ', spaceSlot) << "run " << run << " at " << at;
      if (!spaceSlot) {
        ASSERT_TRUE(result.text[at] >= '0' && result.text[at] <= '9');
      }
    }
    const std::vector<std::string> entries = Entries(result.text);
    const std::set<std::string> kept(entries.begin(), entries.end());
    EXPECT_EQ(kept.size(), entries.size()) << "an entry repeats in run " << run;
    for (const std::string& entry : entries) {
      ASSERT_FALSE(engine::IsExcluded(std::stoi(entry))) << entry;
    }
    if (run == 0) firstSet = kept;
    EXPECT_EQ(kept, firstSet);
    EXPECT_NE(result.text, previousText);
    previousText = result.text;
  }
}

TEST_F(FilterRunTest, ARejectedDrawChangesNeitherCounterNorNextOrder) {
  const std::string expectedFirst = [] {
    const std::string text = engine::RunFilter().text;
    engine::ResetRunCounter();
    engine::Fill();
    return text;
  }();
  ASSERT_TRUE(engine::ValidateDraw("12a4").has_value());
  EXPECT_EQ(engine::RunCounter(), 0);
  for (std::int32_t n = 0; n < engine::kCandidateCount; ++n) ASSERT_FALSE(engine::IsExcluded(n));
  EXPECT_EQ(engine::RunFilter().text, expectedFirst);
}

TEST_F(FilterRunTest, RunsAcrossTheCounterWrapStillListTheWholeBase) {
  engine::SetRunCounter(2147483647 - 1);
  const std::string preview = engine::NextRunText();
  const engine::FilterResult result = engine::RunFilter();
  EXPECT_EQ(result.text, preview);
  EXPECT_EQ(engine::RunCounter(), -2147483647 - 1 + 2);
  EXPECT_EQ(result.count, 8554);
  EXPECT_EQ(result.text.size(), 42770u);
}

}  // namespace
