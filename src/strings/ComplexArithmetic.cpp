#include "ComplexArithmetic.h"

#include <limits>

#include "FloatError.h"

namespace zorvel {
namespace {

using Extended = long double;

constexpr Complex kNotANumber{std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN()};

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
  const double re = RoundToDouble(DivideExtended(Extended{x.re} * y.re + Extended{x.im} * y.im,
                                                 Extended{y.re} * y.re + Extended{y.im} * y.im));
  const double im = RoundToDouble(DivideExtended(Extended{-y.im} * x.re + Extended{y.re} * x.im,
                                                 Extended{y.re} * y.re + Extended{y.im} * y.im));
  return {re, im};
}

ShortText ComplexAdd(std::string_view a, std::string_view b, int places) {
  const Complex parts = ComplexAddParts(ParseComplex(a), ParseComplex(b));
  return FormatComplex(places, parts.re, parts.im);
}

ShortText ComplexSub(std::string_view a, std::string_view b, int places) {
  const Complex parts = ComplexSubParts(ParseComplex(a), ParseComplex(b));
  return FormatComplex(places, parts.re, parts.im);
}

ShortText ComplexMul(std::string_view a, std::string_view b, int places) {
  const Complex parts = ComplexMulParts(ParseComplex(a), ParseComplex(b));
  return FormatComplex(places, parts.re, parts.im);
}

ShortText ComplexDiv(std::string_view a, std::string_view b, int places) {
  const Complex parts = ComplexDivParts(ParseComplex(a), ParseComplex(b));
  return FormatComplex(places, parts.re, parts.im);
}

}  // namespace zorvel
