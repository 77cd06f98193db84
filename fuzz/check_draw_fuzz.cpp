// CheckDraw with both texts fuzzed: the first byte gives the draw's length, the draw follows,
// and the rest of the input is the result text.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/draw_oracle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // Up to 12 bytes: a draw measuring 4 can be as long as two four-byte characters.
  const std::size_t drawLength = std::min<std::size_t>(data[0] % 13, size - 1);
  const std::string_view draw(reinterpret_cast<const char*>(data) + 1, drawLength);
  const std::string_view result(reinterpret_cast<const char*>(data) + 1 + drawLength,
                                size - 1 - drawLength);
  fuzz::CheckVerdict(result, draw);
  return 0;
}
