#pragma once

#include <gmpxx.h>

namespace zorvel {

// 10^exponent, exactly.
inline mpz_class TenToThe(unsigned long exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
  return power;
}

// A complex number held exactly, as two rationals. A cell holding the
// too-large message is no number, and neither is anything computed from it.
struct ExactComplex {
  mpq_class re;
  mpq_class im;
  bool notANumber = false;

  [[nodiscard]] bool IsZero() const { return !notANumber && sgn(re) == 0 && sgn(im) == 0; }
};

}  // namespace zorvel
