#pragma once

#include <string>

#include <gmpxx.h>

#include "ExactComplex.h"

namespace zorvel {

// The most digits of a number a cell can hold.
inline constexpr unsigned long kMostWrittenDigits = 32767;

// Writes an exact complex number rounded once to `places` (0..9), each part
// half away from zero, in the written form of the rounded parts: a part that
// rounds to zero is left out, an imaginary part that rounds to 1 or -1 is the
// unit alone ("2", "i", "2-i", "0,5+0,25i", "0"). Every digit is written,
// up to the most a cell holds: a part whose rounded digits would be more than
// kMostWrittenDigits writes the too-large message.
std::string WriteExact(int places, const ExactComplex& value);

// Whether numerator / denominator (denominator > 0) rounded to the places
// has more digits than kMostWrittenDigits: such a value is not written out
// first (10^99999999 would take half a minute and 100 MB).
bool TooLongToWrite(const mpz_class& numerator, const mpz_class& denominator, int places);

// The same for (re + im i) / denominator with a positive denominator, not
// reduced: results of elimination are written without reducing them first.
std::string WriteExact(int places, const mpz_class& re, const mpz_class& im, const mpz_class& denominator);

}  // namespace zorvel
