#include "ExactWriting.h"

#include <cstddef>

#include "Messages.h"

namespace zorvel {
namespace {

// numerator / denominator (denominator > 0) in units of 10^-places, rounded
// half away from zero.
mpz_class RoundedUnits(const mpz_class& numerator, const mpz_class& denominator, const mpz_class& scale) {
  mpz_class scaled = abs(numerator) * scale;
  mpz_class units, remainder;
  mpz_tdiv_qr(units.get_mpz_t(), remainder.get_mpz_t(), scaled.get_mpz_t(), denominator.get_mpz_t());
  remainder *= 2;
  if (remainder >= denominator) ++units;
  if (sgn(numerator) < 0) units = -units;
  return units;
}

// A rounded number as the program writes it: no trailing zeros in the
// fraction, no comma without one, no minus before zero.
std::string NumberText(const mpz_class& units, int places) {
  std::string digits = mpz_class(abs(units)).get_str();
  if (places > 0) {
    if (digits.size() <= static_cast<std::size_t>(places)) digits.insert(0, places + 1 - digits.size(), '0');
    digits.insert(digits.size() - places, 1, ',');
    while (digits.back() == '0') digits.pop_back();
    if (digits.back() == ',') digits.pop_back();
  }
  return sgn(units) < 0 ? "-" + digits : digits;
}

// The parts in units of 10^-places, where `one` is the unit 1.
std::string WriteRounded(const mpz_class& re, const mpz_class& im, const mpz_class& one, int places) {
  if (sgn(im) == 0) return NumberText(re, places);
  std::string text;
  if (sgn(re) != 0) text = NumberText(re, places);
  if (im == one) {
    if (!text.empty()) text += '+';
  } else if (im == -one) {
    text += '-';
  } else {
    if (!text.empty() && sgn(im) > 0) text += '+';
    text += NumberText(im, places);
  }
  return text + 'i';
}

}  // namespace

bool TooLongToWrite(const mpz_class& numerator, const mpz_class& denominator, int places) {
  if (sgn(numerator) == 0) return false;
  // The sizes are exact or one too large, so the units have between
  // above - below - 1 and above - below + 2 digits.
  const std::size_t above = mpz_sizeinbase(numerator.get_mpz_t(), 10) + static_cast<std::size_t>(places);
  const std::size_t below = mpz_sizeinbase(denominator.get_mpz_t(), 10);
  if (above + 2 <= below + kMostWrittenDigits) return false;
  if (above > below + kMostWrittenDigits + 1) return true;
  const mpz_class one = TenToThe(static_cast<unsigned long>(places));
  return abs(RoundedUnits(numerator, denominator, one)) >= TenToThe(kMostWrittenDigits);
}

std::string WriteExact(int places, const ExactComplex& value) {
  if (value.notANumber) return std::string(kTooLargeNumber);
  if (TooLongToWrite(value.re.get_num(), value.re.get_den(), places) ||
      TooLongToWrite(value.im.get_num(), value.im.get_den(), places)) {
    return std::string(kTooLargeNumber);
  }
  const mpz_class one = TenToThe(static_cast<unsigned long>(places));
  return WriteRounded(RoundedUnits(value.re.get_num(), value.re.get_den(), one),
                      RoundedUnits(value.im.get_num(), value.im.get_den(), one), one, places);
}

std::string WriteExact(int places, const mpz_class& re, const mpz_class& im, const mpz_class& denominator) {
  if (TooLongToWrite(re, denominator, places) || TooLongToWrite(im, denominator, places)) {
    return std::string(kTooLargeNumber);
  }
  const mpz_class one = TenToThe(static_cast<unsigned long>(places));
  return WriteRounded(RoundedUnits(re, denominator, one), RoundedUnits(im, denominator, one), one, places);
}

}  // namespace zorvel
