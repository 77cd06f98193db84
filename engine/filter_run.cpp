#include "engine/filter_run.h"

#include <cstddef>
#include <cstring>

#include "engine/candidates.h"
#include "engine/ordering.h"

namespace engine {
namespace {

// Writes the numbers of `order` that `markOf` keeps, each as four digits and a space, into a
// text sized once for the largest possible list, and trims it to what was written.
template <typename MarkOf>
std::int32_t WriteKept(const OrderList& order, const MarkOf& markOf, std::string& text) {
  text.resize(static_cast<std::size_t>(kCandidateCount) * kEntryWidth);
  char* out = text.data();
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
    const std::int32_t kept = 1 - markOf(record);
    out += kEntryWidth * kept;
    count += kept;
  }
  text.resize(static_cast<std::size_t>(count) * kEntryWidth);
  return count;
}

}  // namespace

FilterResult RunFilter() {
  const DigitPermutation p1 = NextPermutation();
  const DigitPermutation p2 = NextPermutation();
  const DigitPermutation p3 = NextPermutation();
  const DigitPermutation p4 = NextPermutation();
  const OrderList order = BuildOrder(p1, p2, p3, p4);
  ApplyExclusionRule();

  FilterResult result;
  result.count = WriteKept(
      order, [](const CandidateRecord& record) { return record.excluded; }, result.text);
  result.caption.append(kCaptionPrefix).append(std::to_string(result.count)).append(kCaptionSuffix);
  return result;
}

std::string NextRunText() {
  // The four seeds NextPermutation would take next; unsigned, they wrap as the counter does.
  const auto counter = static_cast<std::uint32_t>(RunCounter());
  const OrderList order =
      BuildOrder(PermutationFromSeed(counter + 1u), PermutationFromSeed(counter + 2u),
                 PermutationFromSeed(counter + 3u), PermutationFromSeed(counter + 4u));
  std::string text;
  WriteKept(order, ExclusionMark, text);
  return text;
}

}  // namespace engine
