#pragma once

#include <gmpxx.h>

#include "ComplexText.h"
#include "ExactComplex.h"

namespace zorvel {

// The double nearest a rational (ties to even); the overflow error beyond the
// double range.
double NearestDouble(const mpq_class& value);

// The significant digits to which a polar cell's parts are read exactly when
// its angle is no whole multiple of 90 degrees.
inline constexpr int kPolarDigits = 40;

// r∠φ with φ in degrees (or radians): a whole multiple of 90 degrees gives
// exact parts; any other angle each part to kPolarDigits significant digits.
// `approximate` tells which.
ExactComplex ExactPolar(const mpq_class& r, const mpq_class& phi, bool radians, bool& approximate);

// The same by hand: r·cos φ and r·sin φ, each worked in extended precision
// and rounded to double; a whole multiple of 90 degrees gives exact parts.
Complex HandPolar(double r, double phi, bool radians, bool quarterTurns);

// Whether an angle in degrees is a whole multiple of 90.
bool IsQuarterTurns(const mpq_class& degrees);

}  // namespace zorvel
