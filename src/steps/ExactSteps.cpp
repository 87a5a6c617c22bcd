#include "ExactSteps.h"

#include "ExactWriting.h"

namespace zorvel {
namespace {

// Whether a positive denominator divides a power of ten.
bool DecimalEnds(mpz_class denominator) {
  for (const unsigned long prime : {2ul, 5ul}) {
    while (mpz_divisible_ui_p(denominator.get_mpz_t(), prime) != 0) denominator /= prime;
  }
  return denominator == 1;
}

// How many decimals the value's decimal has: the larger power of 2 or 5 in
// the denominator.
unsigned long DecimalPlaces(const mpz_class& denominator) {
  const unsigned long twos = mpz_scan1(denominator.get_mpz_t(), 0);
  unsigned long fives = 0;
  for (mpz_class rest = denominator; mpz_divisible_ui_p(rest.get_mpz_t(), 5) != 0; rest /= 5) ++fives;
  return std::max(twos, fives);
}

}  // namespace

std::string ExactValueText(const ExactValue& value) {
  if (value.notANumber) return WriteExact(0, value);
  mpz_class common = gcd(gcd(value.re, value.im), value.denominator);
  const mpz_class re = value.re / common, im = value.im / common, denominator = value.denominator / common;
  if (DecimalEnds(denominator)) {
    return WriteExact(static_cast<int>(DecimalPlaces(denominator)), re, im, denominator);
  }
  const std::string numerator = WriteExact(0, re, im, mpz_class(1));
  const bool twoParts = sgn(re) != 0 && sgn(im) != 0;
  return (twoParts ? '(' + numerator + ')' : numerator) + '/' + denominator.get_str();
}

void AddExactSteps(Step& step, const std::string& name, const ExactValue& value, int places) {
  step.Add(name + " = " + ExactValueText(value));
  step.Add(WriteExact(places, value));
}

}  // namespace zorvel
