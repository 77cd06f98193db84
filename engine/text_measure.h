#pragma once

#include <cstdint>
#include <string_view>

namespace engine {

// The length of a UTF-8 text as the program counts it: 1 for each ASCII character and 2 for
// every other character, which is what a double-byte Chinese code page gives. A text too long
// for 32 bits measures INT32_MAX.
std::int32_t TextMeasure(std::string_view utf8);

}  // namespace engine
