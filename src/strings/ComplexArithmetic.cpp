#include "ComplexArithmetic.h"

#include "FloatError.h"

namespace zorvel {
namespace {

using Extended = long double;

// Reads both texts, computes and writes the result: the frame of the four
// operations on texts. The first text is read first: reading can fail, and
// the order of evaluating a call's arguments is the compiler's choice.
template <Complex (*Parts)(const Complex&, const Complex&)>
ShortText OnTexts(std::string_view a, std::string_view b, int places) {
  const Complex first = ParseComplex(a);
  const Complex second = ParseComplex(b);
  const Complex parts = Parts(first, second);
  return FormatComplex(places, parts.re, parts.im);
}

}  // namespace

Complex ComplexAddParts(const Complex& x, const Complex& y) {
  if (IsNotANumber(x) || IsNotANumber(y)) return kNotANumber;
  const double re = RoundToDouble(Extended{x.re} + y.re);
  const double im = RoundToDouble(Extended{x.im} + y.im);
  return {re, im};
}

Complex ComplexSubParts(const Complex& x, const Complex& y) {
  if (IsNotANumber(x) || IsNotANumber(y)) return kNotANumber;
  const double re = RoundToDouble(Extended{x.re} - y.re);
  const double im = RoundToDouble(Extended{x.im} - y.im);
  return {re, im};
}

Complex ComplexMulParts(const Complex& x, const Complex& y) {
  if (IsNotANumber(x) || IsNotANumber(y)) return kNotANumber;
  const double re = RoundToDouble(Extended{x.re} * y.re - Extended{x.im} * y.im);
  const double im = RoundToDouble(Extended{x.re} * y.im + Extended{y.re} * x.im);
  return {re, im};
}

Complex ComplexDivParts(const Complex& x, const Complex& y) {
  if (IsNotANumber(x) || IsNotANumber(y)) return kNotANumber;
  // No scaling or guard: a divisor that reads as 0 is 0/0 in the real part.
  const double re = RoundToDouble(
      DivideExtended(Extended{x.re} * y.re + Extended{x.im} * y.im, Extended{y.re} * y.re + Extended{y.im} * y.im));
  const double im = RoundToDouble(
      DivideExtended(Extended{-y.im} * x.re + Extended{y.re} * x.im, Extended{y.re} * y.re + Extended{y.im} * y.im));
  return {re, im};
}

ShortText ComplexAdd(std::string_view a, std::string_view b, int places) {
  return OnTexts<ComplexAddParts>(a, b, places);
}
ShortText ComplexSub(std::string_view a, std::string_view b, int places) {
  return OnTexts<ComplexSubParts>(a, b, places);
}
ShortText ComplexMul(std::string_view a, std::string_view b, int places) {
  return OnTexts<ComplexMulParts>(a, b, places);
}
ShortText ComplexDiv(std::string_view a, std::string_view b, int places) {
  return OnTexts<ComplexDivParts>(a, b, places);
}

}  // namespace zorvel
