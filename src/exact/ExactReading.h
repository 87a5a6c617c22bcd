#pragma once

#include <string_view>

#include <gmpxx.h>

#include "ExactComplex.h"

namespace zorvel {

// A cell text read exactly, by the very rules that ParseComplex reads it
// with: "0,1" is one tenth, "2,5+3i" is 25 (the reading stops at the "+"),
// "-i" is minus the unit, "1e-402" is exactly 10^-402. A number beyond the
// range of the hand arithmetic's numbers fails with the same overflow error.
// `whole` is false where ReadComplex marks the text as not read whole;
// `notByHand` is true where the hand reading cannot hold a number of the text
// that is within that range (more digits than its extended precision reaches).
struct ExactReading {
  ExactComplex value;
  bool whole = true;
  bool notByHand = false;
};
ExactReading ReadExact(std::string_view text);

// The exact value of one number text as TextToReal takes it apart (its
// partial value when the reading stops early).
mpq_class ExactDecimal(std::string_view number);

// Whether an exact value is beyond the range of the hand arithmetic's numbers,
// where their reading fails with the overflow error.
bool BeyondDoubleRange(const mpq_class& value);

}  // namespace zorvel
