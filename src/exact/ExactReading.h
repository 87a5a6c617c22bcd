#pragma once

#include <string_view>

#include "ExactComplex.h"

namespace zorvel {

// A cell text read exactly, by the very rules that ParseComplex reads it
// with: "0,1" is one tenth, "2,5+3i" is 25 (the reading stops at the "+"),
// "-i" is minus the unit. A number beyond the range of the hand arithmetic's
// numbers fails with the same overflow error; a number below 10^-400, far
// below that range, reads as 0. `whole` is false where ReadComplex marks the
// text as not read whole.
struct ExactReading {
  ExactComplex value;
  bool whole = true;
};
ExactReading ReadExact(std::string_view text);

}  // namespace zorvel
