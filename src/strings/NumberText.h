#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ShortText.h"

namespace zorvel {

// Conversions between numbers and their texts. Texts are Windows-1250 byte
// strings; numbers are written with a decimal comma and read with a comma or
// a point.

// x as fixed-point text with exactly `places` (0..9) digits after the comma,
// or the too-large message when the rounded integer part needs more than 31
// bits. Fails with the invalid-operation error for |x| >= 2^63 (and NaN).
ShortText RealToText(int places, double x);

// Drops leading zeros before the integer digit and trailing zeros of the
// fraction (and a comma left alone at the end). Exponent and power forms and
// texts without a comma keep their trailing zeros.
std::string StripZeros(std::string_view text);

// Reads a real number. Never rejects a text: reading stops at the first
// character that does not fit, and the value is then the whole number of all
// digits read before it, without sign, point or exponent ("2,5+3i" reads as
// 25). Fails with the overflow error for a value beyond the double range.
double TextToReal(std::string_view text);
// The same, and with `stopped` it tells whether the reading stopped at a
// character that does not fit (so the value is the partial one).
double TextToReal(std::string_view text, bool* stopped);

// How TextToReal reads a text: the digits it takes (those before the point,
// then those after it) and, when the whole text fits, the sign and the power
// of ten that the point and the exponent give. A reading that stopped early
// is the whole number of its digits alone: no sign, and a power of 0. Lets
// another arithmetic read the same texts by the same rules.
struct RealScan {
  std::string_view integerDigits;
  std::string_view fractionDigits;
  std::int64_t power = 0;
  bool negative = false;
  bool stopped = false;
};
RealScan ScanReal(std::string_view text);

// Reads an integer (decimal, or hexadecimal after "$", "x" or "0x"). Never
// rejects a text: on a character that does not fit, on overflow or on an empty
// text the value read so far is returned, unsigned, as a 32-bit number.
std::int64_t TextToInt(std::string_view text);

// The value of a text that is a valid integer as a whole, nothing otherwise
// (what a spin edit's Value understands).
std::optional<std::int32_t> TryTextToInt(std::string_view text);

std::string IntToText(std::int64_t n);

// x with a decimal point and every fraction digit, as the sign factor of a
// cofactor is written: 1.0, -1.0, 2.5, 0.05.
std::string RealToDigits(double x);

// x to the power n (n >= 0) by repeated multiplication, each product rounded
// to double.
double PowerOf(std::int64_t n, double x);

}  // namespace zorvel
