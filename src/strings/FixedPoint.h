#pragma once

#include <cstdint>

#include "ShortText.h"

namespace zorvel {

// A real rounded to `places` decimals the way the program writes numbers:
// integerPart,units with `units` in units of the last place.
struct FixedPoint {
  bool tooLarge = false;  // the integer part needs more than 31 bits
  bool minus = false;     // written with "-": negative and not rounded to zero
  std::uint32_t integerPart = 0;
  std::uint32_t units = 0;
  int places = 0;
};

// Rounds x (fails with the invalid-operation error for |x| >= 2^63 and NaN).
FixedPoint RoundFixedPoint(int places, double x);

// Appends the text of a rounded number: with stripZeros the fraction loses its
// trailing zeros and the comma goes when none is left, as StripZeros does.
void AppendFixedPoint(ShortText& out, const FixedPoint& number, bool stripZeros);

// The value that the text of x rounded to `places` reads back as (failing as
// RoundFixedPoint does; NaN when the number is too large to write): its
// digits as one whole number over the power of ten of its fraction, as
// reading the text computes it. The determinant reads back every step.
double RoundedValue(int places, double x);

}  // namespace zorvel
