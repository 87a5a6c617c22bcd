#pragma once

#include <array>
#include <cmath>
#include <cstdint>

#include "FloatError.h"

namespace zorvel {

// 10^exponent (exponent >= 0) in extended precision: exact up to 10^27 (5^27
// fits in the 64-bit significand), the library's power beyond (infinite or
// zero far outside the range, which DecimalValue handles).
inline long double PowerOfTen(std::int64_t exponent) {
  static constexpr auto kExact = [] {
    std::array<long double, 28> powers{};
    long double power = 1.0L;
    for (auto& p : powers) {
      p = power;
      power *= 10.0L;
    }
    return powers;
  }();
  if (exponent < static_cast<std::int64_t>(kExact.size())) return kExact[static_cast<std::size_t>(exponent)];
  return std::pow(10.0L, static_cast<long double>(exponent));
}

// The value of a number read as one whole number of all its digits and the
// power of ten that its point and exponent give: multiplied, or for a negative
// power divided, in extended precision, then rounded to double.
// Always inlined: a call would pass the extended value through memory, and the
// readers of the plain forms call it for every number.
[[gnu::always_inline]] inline double DecimalValue(long double whole, std::int64_t power, bool negative) {
  long double value = whole;
  if (whole != 0.0L && power > 0) value = whole * PowerOfTen(power);
  if (whole != 0.0L && power < 0) value = whole / PowerOfTen(-power);
  if (negative) value = -value;
  return RoundToDouble(value);
}

}  // namespace zorvel
