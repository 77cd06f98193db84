// CheckDraw on the text of a real filter run with a fuzzed draw. On such a text the verdict is
// known without searching: a draw hits exactly when it is four ASCII digits of a kept number.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fuzz/draw_oracle.h"
#include "fuzz/fuzz_check.h"

namespace {

const std::string& ResultText() {
  static const std::string text = [] {
    engine::ResetRunCounter();
    engine::Fill();
    engine::RunFilter();  // the second run's text: entry 0000 is not at a fixed place
    return engine::RunFilter().text;
  }();
  return text;
}

// The number the draw writes with four ASCII digits, or -1.
std::int32_t FourDigitNumber(std::string_view draw) {
  if (draw.size() != 4) return -1;
  std::int32_t n = 0;
  for (const char c : draw) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& result = ResultText();
  const std::string_view draw(reinterpret_cast<const char*>(data), size);
  const engine::DrawVerdict verdict = engine::CheckDraw(result, draw);
  fuzz::CheckVerdictShape(result, draw, verdict);
  const std::int32_t n = FourDigitNumber(draw);
  const bool kept = n >= 0 && !engine::IsExcluded(n);
  FUZZ_CHECK((verdict.kind == engine::VerdictKind::Hit) == kept);
  if (kept) {
    FUZZ_CHECK(verdict.start % engine::kEntryWidth == 0 && verdict.length == 4);
  }
  return 0;
}
