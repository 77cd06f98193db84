#pragma once

#include <string>
#include <string_view>

namespace web {

// A UTF-8 text as a JSON (and JavaScript) string literal.
inline std::string JsonText(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    if (static_cast<unsigned char>(c) < 0x20) {
      constexpr char kHex[] = "0123456789abcdef";
      quoted += "\\u00";
      quoted += kHex[(c >> 4) & 0xF];
      quoted += kHex[c & 0xF];
      continue;
    }
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace web
