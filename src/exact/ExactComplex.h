#pragma once

#include <gmpxx.h>

namespace zorvel {

// A complex number held exactly, as two rationals. A cell holding the
// too-large message is no number, and neither is anything computed from it.
struct ExactComplex {
  mpq_class re;
  mpq_class im;
  bool notANumber = false;

  [[nodiscard]] bool IsZero() const { return !notANumber && sgn(re) == 0 && sgn(im) == 0; }
};

}  // namespace zorvel
