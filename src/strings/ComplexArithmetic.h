#pragma once

#include <string_view>

#include "ComplexText.h"
#include "ShortText.h"

namespace zorvel {

// The four operations on complex texts. Each reads both operands with
// ParseComplex, computes every product, sum and quotient in 80-bit extended
// precision, rounds each part to double and writes the result rounded to
// `places`, so a chain of operations rounds after every step, exactly as the
// user sees the intermediate texts. An operand that is not a number (the
// too-large message) makes the result that message.
ShortText ComplexAdd(std::string_view a, std::string_view b, int places);
ShortText ComplexSub(std::string_view a, std::string_view b, int places);
ShortText ComplexMul(std::string_view a, std::string_view b, int places);
// Fails with the invalid-operation error when `b` reads as 0.
ShortText ComplexDiv(std::string_view a, std::string_view b, int places);

// The same operations on operands already read, giving the parts as computed
// (each rounded to double, before they are written to `places`; NaN for a
// not-a-number operand). Writing them, or only their read-back value, is the
// caller's next step: chains whose intermediate texts are never shown skip
// both the writing and the reading of those texts.
Complex ComplexAddParts(const Complex& a, const Complex& b);
Complex ComplexSubParts(const Complex& a, const Complex& b);
Complex ComplexMulParts(const Complex& a, const Complex& b);
Complex ComplexDivParts(const Complex& a, const Complex& b);

}  // namespace zorvel
