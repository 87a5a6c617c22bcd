#pragma once

#include <string>
#include <string_view>

namespace zorvel {

// Characters that Windows-1250 has no byte for, as core texts write them:
// the escape byte and one character, which the conversion to Qt's text
// (FromCp1250) turns into the character itself. The escape byte cannot be
// typed into a cell; a cell text holding one (pasted) shows the same way.
inline constexpr char kSymbolEscape = '\x1B';
inline constexpr std::string_view kMinusSign = "\x1B-";  // U+2212
inline constexpr std::string_view kSwapArrow = "\x1B<";  // U+2194
inline constexpr std::string_view kComplexNumbers =
    "\x1B"
    "C";  // U+2102
inline constexpr std::string_view kElementOf =
    "\x1B"
    "e";  // U+2208

// A number written in subscript digits: "₁₂".
inline std::string Subscript(int number) {
  std::string digits = std::to_string(number), written;
  for (const char digit : digits) {
    written += kSymbolEscape;
    written += digit;
  }
  return written;
}

}  // namespace zorvel
