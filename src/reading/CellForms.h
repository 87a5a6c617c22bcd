#pragma once

#include <string_view>

#include "ComplexText.h"
#include "ExactComplex.h"

namespace zorvel {

// The forms of a cell beyond the program's own reading.
enum class CellForm {
  Today,     // read whole by the program's own rules
  Written,   // digit groups, prefixes or the unit j: a sum of numbers as people write them
  Fraction,  // a term p/q, or a quotient of complex texts in parentheses
  Polar,     // r∠φ
  NotRead,   // fits no form: read partly by the program's own rules
};

// Why a text fits no form, where its characters tell which form it nearly fits.
enum class CellMiss { None, ZeroDivision, Polar, Fraction, BothUnits, TooManyDigits };

// A text read in one of the new forms: both values, and whether the exact one
// is rounded to significant digits (a polar cell at an angle that is no whole
// multiple of 90 degrees).
struct FormReading {
  CellForm form = CellForm::NotRead;
  CellMiss miss = CellMiss::None;
  Complex hand;
  ExactComplex exact;
  bool approximate = false;
};

// Reads a whole text in one of the new forms; form NotRead (with the miss that
// explains it) when the whole text fits none. Fails with the overflow error
// for a value beyond the double range.
FormReading ReadNewForm(std::string_view text);

}  // namespace zorvel
