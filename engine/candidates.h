#pragma once

#include <array>
#include <cstdint>

namespace engine {

inline constexpr std::int32_t kCandidateCount = 10000;
inline constexpr std::int32_t kDigitCount = 10;  // the decimal digits 0-9

// The four digits of one number from 0000 to 9999 and whether the big base drops it.
struct CandidateRecord {
  std::int32_t thousands;
  std::int32_t hundreds;
  std::int32_t tens;
  std::int32_t units;
  std::int32_t excluded;  // 0 = kept, 1 = excluded
};

// Indexed by the number itself: record n holds the digits of n.
using CandidateTable = std::array<CandidateRecord, kCandidateCount>;

// The mark the exclusion rule gives these digits: 1 exactly when two are big (5-9)
// and two are odd.
std::int32_t ExclusionMark(const CandidateRecord& record);

// The process's table. All zero until Fill; its marks are those of the last run.
const CandidateTable& Candidates();

void Fill();
void ApplyExclusionRule();
bool IsExcluded(std::int32_t n);

}  // namespace engine
