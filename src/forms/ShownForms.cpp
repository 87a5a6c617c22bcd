#include "ShownForms.h"

#include <mpfr.h>

#include <algorithm>

#include "ExactReading.h"
#include "ExactWriting.h"
#include "ExtraCharacters.h"
#include "Messages.h"

namespace zorvel {
namespace {

// |x| rounded half away from zero to a whole number.
mpz_class RoundAway(const mpq_class& x) {
  mpq_class twice = abs(x) * 2 + 1;
  mpz_class units = twice.get_num() / (twice.get_den() * 2);
  return sgn(x) < 0 ? mpz_class(-units) : units;
}

// Digits of a whole number of units of 10^-places, as the program writes
// them: no trailing zeros after the comma, no comma alone, no minus before 0.
std::string UnitsText(const mpz_class& units, long places) {
  std::string digits = mpz_class(abs(units)).get_str();
  if (places > 0) {
    const auto p = static_cast<std::size_t>(places);
    if (digits.size() <= p) digits.insert(0, p + 1 - digits.size(), '0');
    digits.insert(digits.size() - p, 1, ',');
    while (digits.back() == '0') digits.pop_back();
    if (digits.back() == ',') digits.pop_back();
  } else if (places < 0) {
    digits.append(static_cast<std::size_t>(-places), '0');
  }
  return sgn(units) < 0 && digits != "0" ? "-" + digits : digits;
}

mpq_class PowerOfTen(long exponent) {
  const mpz_class power = TenToThe(static_cast<unsigned long>(exponent >= 0 ? exponent : -exponent));
  return exponent >= 0 ? mpq_class(power) : mpq_class(mpz_class(1), power);
}

// x to the places, half away from zero.
std::string PlacesText(const mpq_class& x, int places) { return UnitsText(RoundAway(x * PowerOfTen(places)), places); }

// x to `digits` significant digits, half away from zero; below 0,001 and
// from 10^9 on with an exponent that the reading reads back.
std::string SignificantText(const mpq_class& x, int digits) {
  if (sgn(x) == 0) return "0";
  const mpq_class magnitude = abs(x);
  // The decimal exponent e with 10^e <= |x| < 10^(e+1), from the sizes first.
  long e = static_cast<long>(mpz_sizeinbase(magnitude.get_num_mpz_t(), 10)) -
           static_cast<long>(mpz_sizeinbase(magnitude.get_den_mpz_t(), 10));
  while (magnitude < PowerOfTen(e)) --e;
  while (magnitude >= PowerOfTen(e + 1)) ++e;
  mpz_class units = RoundAway(magnitude * PowerOfTen(digits - 1 - e));
  if (units == TenToThe(static_cast<unsigned long>(digits))) {
    units /= 10;
    ++e;
  }
  const std::string sign = sgn(x) < 0 ? "-" : "";
  if (e >= -3 && e < 9) return sign + UnitsText(units, digits - 1 - e);
  std::string mantissa = UnitsText(units, digits - 1);
  return sign + mantissa + (e < 0 ? "E-" : "E+") + std::to_string(e < 0 ? -e : e);
}

std::string FractionText(const mpq_class& x) {
  if (x.get_den() == 1) return x.get_num().get_str();
  return x.get_num().get_str() + "/" + x.get_den().get_str();
}

std::string RealText(const ShownForm& form, int digits, const mpq_class& x) {
  if (form.form == NumberForm::Fraction) return FractionText(x);
  return form.significant ? SignificantText(x, digits) : PlacesText(x, digits);
}

// re and the imaginary part (its text with its sign, "-0,25", "1") joined
// as the unit asks: "2-0,25i" or "2-j0,25"; a part of 1 is the unit alone.
std::string Join(ImaginaryUnit unit, const std::string& re, const std::string& im) {
  const bool zeroRe = re.empty() || re == "0";
  const bool zeroIm = im.empty() || im == "0";
  if (zeroIm) return zeroRe ? "0" : re;
  const bool negative = im[0] == '-';
  const std::string magnitude = negative ? im.substr(1) : im;
  std::string text = zeroRe ? "" : re;
  if (negative) {
    text += '-';
  } else if (!zeroRe) {
    text += '+';
  }
  if (unit == ImaginaryUnit::J) return text + 'j' + (magnitude == "1" ? "" : magnitude);
  return text + (magnitude == "1" ? "" : magnitude) + 'i';
}

class Real {
 public:
  explicit Real(mpfr_prec_t bits) { mpfr_init2(x_, bits); }
  ~Real() { mpfr_clear(x_); }
  Real(const Real&) = delete;
  Real& operator=(const Real&) = delete;
  mpfr_ptr get() { return x_; }
  [[nodiscard]] mpq_class Rational() const {
    mpq_class q;
    mpfr_get_q(q.get_mpq_t(), x_);
    return q;
  }

 private:
  mpfr_t x_;
};

// Modulus and angle in degrees of (re + im i) / den, den > 0, each written
// to the digits; an angle that rounds to -180° is 180°. Unreduced: the
// results of elimination have long parts, and reducing them costs more than
// the rest of the writing.
std::string PolarText(const ShownForm& form, int digits, const mpz_class& reParts, const mpz_class& imParts,
                      const mpz_class& den) {
  if (sgn(reParts) == 0 && sgn(imParts) == 0) return "0";
  // Enough bits for the integer digits of the larger part, nine places and
  // a wide margin: the modulus and angle of a result are irrational but for
  // the axes, so their rounding to the places is decided long before.
  const auto denBits = static_cast<long>(mpz_sizeinbase(den.get_mpz_t(), 2));
  const long partBits =
      static_cast<long>(std::max(mpz_sizeinbase(reParts.get_mpz_t(), 2), mpz_sizeinbase(imParts.get_mpz_t(), 2)));
  const auto bits = static_cast<mpfr_prec_t>(128 + std::max(0L, partBits - denBits));
  Real re(bits), im(bits), modulus(bits), angle(bits), pi(bits);
  mpfr_set_z(re.get(), reParts.get_mpz_t(), MPFR_RNDN);
  mpfr_set_z(im.get(), imParts.get_mpz_t(), MPFR_RNDN);
  mpfr_hypot(modulus.get(), re.get(), im.get(), MPFR_RNDN);
  mpfr_div_z(modulus.get(), modulus.get(), den.get_mpz_t(), MPFR_RNDN);
  mpfr_atan2(angle.get(), im.get(), re.get(), MPFR_RNDN);
  mpfr_const_pi(pi.get(), MPFR_RNDN);
  mpfr_mul_ui(angle.get(), angle.get(), 180, MPFR_RNDN);
  mpfr_div(angle.get(), angle.get(), pi.get(), MPFR_RNDN);
  const ShownForm decimal{NumberForm::Rectangular, form.unit, form.significant};
  std::string degrees = RealText(decimal, digits, angle.Rational());
  if (degrees == "-180") degrees = "180";
  return RealText(decimal, digits, modulus.Rational()) + kAngleSign + degrees + kDegreeSign;
}

std::string PolarText(const ShownForm& form, int digits, const ExactComplex& value) {
  return PolarText(form, digits, value.re.get_num() * value.im.get_den(), value.im.get_num() * value.re.get_den(),
                   value.re.get_den() * value.im.get_den());
}

// Splits a rectangular text as the arithmetic writes it into its real part
// and its imaginary part with sign ("2-0,25i" into "2" and "-0,25").
void SplitRectangular(std::string_view text, std::string& re, std::string& im) {
  if (text.empty() || text.back() != 'i') {
    re = std::string(text);
    return;
  }
  const std::string_view body = text.substr(0, text.size() - 1);
  const std::size_t sign = body.find_last_of("+-");
  if (sign == std::string_view::npos || sign == 0) {
    im = std::string(body);
  } else {
    re = std::string(body.substr(0, sign));
    im = std::string(body.substr(body[sign] == '+' ? sign + 1 : sign));
  }
  if (im.empty() || im == "-") im += '1';
}

}  // namespace

std::string WriteShown(const ShownForm& form, int digits, const ExactComplex& value) {
  if (value.notANumber) return std::string(kTooLargeNumber);
  if (form.IsDefault()) return WriteExact(digits, value);
  // A fraction is written whole, as asked; decimals only up to what a cell holds.
  if (!form.significant && form.form != NumberForm::Fraction &&
      (TooLongToWrite(value.re.get_num(), value.re.get_den(), digits) ||
       TooLongToWrite(value.im.get_num(), value.im.get_den(), digits))) {
    return std::string(kTooLargeNumber);
  }
  if (form.form == NumberForm::Polar) return PolarText(form, digits, value);
  return Join(form.unit, RealText(form, digits, value.re), RealText(form, digits, value.im));
}

std::string WriteShown(const ShownForm& form, int digits, const mpz_class& re, const mpz_class& im,
                       const mpz_class& denominator) {
  if (form.form == NumberForm::Polar) {
    if (!form.significant && (TooLongToWrite(re, denominator, digits) || TooLongToWrite(im, denominator, digits))) {
      return std::string(kTooLargeNumber);
    }
    return PolarText(form, digits, re, im, denominator);
  }
  ExactComplex value{mpq_class(re, denominator), mpq_class(im, denominator)};
  value.re.canonicalize();
  value.im.canonicalize();
  return WriteShown(form, digits, value);
}

std::string ShownHandText(const ShownForm& form, int places, std::string_view text) {
  if (form.IsDefault() || text.find(kTooLargeNumber) != std::string_view::npos) return std::string(text);
  if (form.form == NumberForm::Polar) {
    const ShownForm polar{NumberForm::Polar, form.unit, false};
    return PolarText(polar, places, ReadExact(text).value);
  }
  std::string re, im;
  SplitRectangular(text, re, im);
  return Join(form.unit, re, im);
}

}  // namespace zorvel
