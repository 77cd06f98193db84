#include "engine/filter_run.h"

#include <cstddef>

#include "engine/candidates.h"
#include "engine/ordering.h"

namespace engine {

FilterResult RunFilter() {
  const DigitPermutation p1 = NextPermutation();
  const DigitPermutation p2 = NextPermutation();
  const DigitPermutation p3 = NextPermutation();
  const DigitPermutation p4 = NextPermutation();
  const OrderList order = BuildOrder(p1, p2, p3, p4);
  ApplyExclusionRule();

  FilterResult result;
  // Sized once for the largest possible list and trimmed to what was written.
  result.text.resize(static_cast<std::size_t>(kCandidateCount) * kEntryWidth);
  char* out = result.text.data();
  const CandidateTable& table = Candidates();
  std::int32_t count = 0;  // a local: stores through `out` could alias a member
  // Every entry is written, and an excluded one is overwritten by the next: a branch on the
  // mark would be mispredicted for about one entry in seven.
  for (const std::int32_t n : order) {
    const CandidateRecord& record = table[n];
    out[0] = static_cast<char>('0' + record.thousands);
    out[1] = static_cast<char>('0' + record.hundreds);
    out[2] = static_cast<char>('0' + record.tens);
    out[3] = static_cast<char>('0' + record.units);
    out[4] = ' ';
    const std::int32_t kept = 1 - record.excluded;
    out += kEntryWidth * kept;
    count += kept;
  }
  result.count = count;
  result.text.resize(static_cast<std::size_t>(count) * kEntryWidth);

  result.caption.append(kCaptionPrefix).append(std::to_string(result.count)).append(kCaptionSuffix);
  return result;
}

}  // namespace engine
