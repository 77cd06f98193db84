#include "engine/candidates.h"

namespace engine {
namespace {

constexpr std::int32_t kBigDigitDivisor = 5;  // digits with a quotient above 0 are big
constexpr std::int32_t kExcludedBigCount = 2;
constexpr std::int32_t kExcludedOddCount = 2;

// The big and odd counts are summed in separate bit fields (each count is at most 4), so one
// comparison decides the mark without branches: the rule runs over the whole table every run.
constexpr std::int32_t kBigUnit = 1;
constexpr std::int32_t kOddUnit = 8;
constexpr std::int32_t kExcludedWeight =
    kExcludedBigCount * kBigUnit + kExcludedOddCount * kOddUnit;

constexpr std::array<std::int32_t, kDigitCount> kDigitWeights = [] {
  std::array<std::int32_t, kDigitCount> weights{};
  for (std::int32_t digit = 0; digit < kDigitCount; ++digit) {
    weights[digit] = (digit / kBigDigitDivisor > 0 ? kBigUnit : 0) + (digit % 2 > 0 ? kOddUnit : 0);
  }
  return weights;
}();

CandidateTable table{};

}  // namespace

std::int32_t ExclusionMark(const CandidateRecord& record) {
  const std::int32_t weight = kDigitWeights[record.thousands] + kDigitWeights[record.hundreds] +
                              kDigitWeights[record.tens] + kDigitWeights[record.units];
  return static_cast<std::int32_t>(weight == kExcludedWeight);
}

const CandidateTable& Candidates() { return table; }

void Fill() {
  std::int32_t index = 0;
  for (std::int32_t thousands = 0; thousands < kDigitCount; ++thousands) {
    for (std::int32_t hundreds = 0; hundreds < kDigitCount; ++hundreds) {
      for (std::int32_t tens = 0; tens < kDigitCount; ++tens) {
        for (std::int32_t units = 0; units < kDigitCount; ++units) {
          table[index++] = CandidateRecord{thousands, hundreds, tens, units, 0};
        }
      }
    }
  }
}

void ApplyExclusionRule() {
  for (CandidateRecord& record : table) {
    record.excluded = ExclusionMark(record);
  }
}

bool IsExcluded(std::int32_t n) { return table[n].excluded != 0; }

}  // namespace engine
