#include "ComplexArithmetic.h"

#include <cmath>

#include "ComplexText.h"
#include "FloatError.h"
#include "Messages.h"

namespace zorvel {
namespace {

using Extended = long double;

// Reads both operands; false when either is not a number.
bool ReadOperands(std::string_view a, std::string_view b, Complex& x, Complex& y) {
  x = ParseComplex(a);
  y = ParseComplex(b);
  return !std::isnan(x.re) && !std::isnan(y.re);
}

}  // namespace

ShortText ComplexAdd(std::string_view a, std::string_view b, int places) {
  Complex x, y;
  if (!ReadOperands(a, b, x, y)) return ShortText(kTooLargeNumber);
  const double re = RoundToDouble(Extended{x.re} + y.re);
  const double im = RoundToDouble(Extended{x.im} + y.im);
  return FormatComplex(places, re, im);
}

ShortText ComplexSub(std::string_view a, std::string_view b, int places) {
  Complex x, y;
  if (!ReadOperands(a, b, x, y)) return ShortText(kTooLargeNumber);
  const double re = RoundToDouble(Extended{x.re} - y.re);
  const double im = RoundToDouble(Extended{x.im} - y.im);
  return FormatComplex(places, re, im);
}

ShortText ComplexMul(std::string_view a, std::string_view b, int places) {
  Complex x, y;
  if (!ReadOperands(a, b, x, y)) return ShortText(kTooLargeNumber);
  const double re = RoundToDouble(Extended{x.re} * y.re - Extended{x.im} * y.im);
  const double im = RoundToDouble(Extended{x.re} * y.im + Extended{y.re} * x.im);
  return FormatComplex(places, re, im);
}

ShortText ComplexDiv(std::string_view a, std::string_view b, int places) {
  Complex x, y;
  if (!ReadOperands(a, b, x, y)) return ShortText(kTooLargeNumber);
  // No scaling or guard: a divisor that reads as 0 is 0/0 in the real part.
  const double re = RoundToDouble(DivideExtended(Extended{x.re} * y.re + Extended{x.im} * y.im,
                                                 Extended{y.re} * y.re + Extended{y.im} * y.im));
  const double im = RoundToDouble(DivideExtended(Extended{-y.im} * x.re + Extended{y.re} * x.im,
                                                 Extended{y.re} * y.re + Extended{y.im} * y.im));
  return FormatComplex(places, re, im);
}

}  // namespace zorvel
