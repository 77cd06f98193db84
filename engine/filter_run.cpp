#include "engine/filter_run.h"

#include <cstddef>
#include <cstring>

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
    const char entry[kEntryWidth] = {
        static_cast<char>('0' + record.thousands), static_cast<char>('0' + record.hundreds),
        static_cast<char>('0' + record.tens), static_cast<char>('0' + record.units), ' '};
    std::memcpy(out, entry, kEntryWidth);
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
