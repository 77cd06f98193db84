// ValidateDraw accepts exactly the four-byte texts that read as an integer, rejects everything
// else with the one message, and leaves the engine's state alone either way.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <regex>
#include <string>
#include <string_view>

#include "engine/engine.h"
#include "fuzz/fuzz_check.h"

namespace {

// The integer forms written out as a pattern, independently of the engine's hand-written scan.
bool ReadsAsInteger(std::string_view text) {
  static const std::regex pattern(" *([+-]?[0-9]+|(\\$|[xX]|0[xX])[0-9a-fA-F]+)");
  return std::regex_match(text.begin(), text.end(), pattern);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::int32_t counterBefore = engine::RunCounter();

  const std::optional<std::string> rejection = engine::ValidateDraw(text);

  FUZZ_CHECK(engine::RunCounter() == counterBefore);
  if (rejection.has_value()) {
    FUZZ_CHECK(*rejection == engine::kRejectionMessage);
  }
  // Four measure units are four ASCII bytes for every text that can read as an integer.
  const bool accepted = !rejection.has_value();
  FUZZ_CHECK(accepted == (size == 4 && ReadsAsInteger(text)));
  if (accepted) {
    FUZZ_CHECK(engine::TextMeasure(text) == engine::kDrawMeasure);
  }
  return 0;
}
