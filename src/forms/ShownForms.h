#pragma once

#include <string>
#include <string_view>

#include "ExactComplex.h"
#include "ShownForm.h"

namespace zorvel {

// An exact result written once in the chosen form: to `digits` places, or to
// `digits` significant digits when the form says so (a value below 0,001 or
// of 10^9 or more then with an exponent, "4,068E-10"); polar as modulus and
// angle in degrees in (-180°, 180°], "265,577∠25,659°"; fractions reduced,
// "-3/250-13/750i". Every text reads back, as a cell, as the value shown.
std::string WriteShown(const ShownForm& form, int digits, const ExactComplex& value);
// The same for (re + im i) / denominator, denominator > 0, not reduced.
std::string WriteShown(const ShownForm& form, int digits, const mpz_class& re, const mpz_class& im,
                       const mpz_class& denominator);

// A result the hand arithmetic wrote in the rectangular form, shown in the
// chosen one: polar worked from the exact value of the text, written to the
// places; the unit j put before the number. The too-large message and the
// default form stay as they are.
std::string ShownHandText(const ShownForm& form, int places, std::string_view text);

}  // namespace zorvel
