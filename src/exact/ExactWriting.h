#pragma once

#include <string>

#include <gmpxx.h>

#include "ExactComplex.h"

namespace zorvel {

// Writes an exact complex number rounded once to `places` (0..9), each part
// half away from zero, in the written form of the rounded parts: a part that
// rounds to zero is left out, an imaginary part that rounds to 1 or -1 is the
// unit alone ("2", "i", "2-i", "0,5+0,25i", "0"). Every integer digit is
// written, however many. No number writes the too-large message.
std::string WriteExact(int places, const ExactComplex& value);

// The same for (re + im i) / denominator with a positive denominator, not
// reduced: results of elimination are written without reducing them first.
std::string WriteExact(int places, const mpz_class& re, const mpz_class& im, const mpz_class& denominator);

}  // namespace zorvel
