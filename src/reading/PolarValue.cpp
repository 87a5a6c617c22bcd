#include "PolarValue.h"

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include <mpfr.h>

#include "FloatError.h"

namespace zorvel {
namespace {

// Working precision of the polar parts: beyond the 40 digits kept (133
// bits) by a margin of 59 bits, so that their rounding to those digits is
// decided correctly but for near-ties that no sine or cosine of such an
// angle comes within 2^-59 of.
constexpr mpfr_prec_t kWorkingBits = 192;

class Real {
 public:
  explicit Real(mpfr_prec_t bits = kWorkingBits) { mpfr_init2(x_, bits); }
  ~Real() { mpfr_clear(x_); }
  Real(const Real&) = delete;
  Real& operator=(const Real&) = delete;
  mpfr_ptr get() { return x_; }

 private:
  mpfr_t x_;
};

// A value rounded to kPolarDigits significant decimal digits, as a rational.
mpq_class ToSignificantDigits(mpfr_ptr x) {
  if (mpfr_zero_p(x)) return 0;
  mpfr_exp_t exponent = 0;
  const std::unique_ptr<char, void (*)(char*)> digits(mpfr_get_str(nullptr, &exponent, 10, kPolarDigits, x, MPFR_RNDN),
                                                      mpfr_free_str);
  // digits is "[-]d1d2...d40", the value 0.d1d2...d40 × 10^exponent.
  const mpz_class whole(digits.get(), 10);
  const long power = static_cast<long>(exponent) - kPolarDigits;
  mpq_class value = power >= 0 ? mpq_class(whole * TenToThe(static_cast<unsigned long>(power)))
                               : mpq_class(whole, TenToThe(static_cast<unsigned long>(-power)));
  value.canonicalize();
  return value;
}

// (k mod 4) for an angle of k quarter turns, as the signs of cos and sin.
struct QuarterTurn {
  int cos;
  int sin;
};
QuarterTurn QuarterOf(long quarters) {
  switch (((quarters % 4) + 4) % 4) {
    case 0: return {1, 0};
    case 1: return {0, 1};
    case 2: return {-1, 0};
    default: return {0, -1};
  }
}

}  // namespace

double NearestDouble(const mpq_class& value) {
  Real x(53);
  mpfr_set_q(x.get(), value.get_mpq_t(), MPFR_RNDN);
  const double d = mpfr_get_d(x.get(), MPFR_RNDN);
  if (!std::isfinite(d)) ThrowFloatError(FloatError::Kind::Overflow);
  return d;
}

bool IsQuarterTurns(const mpq_class& degrees) {
  const mpq_class quarters = degrees / 90;
  return quarters.get_den() == 1;
}

ExactComplex ExactPolar(const mpq_class& r, const mpq_class& phi, bool radians, bool& approximate) {
  approximate = false;
  if (!radians && IsQuarterTurns(phi)) {
    const mpz_class quarters = mpq_class(phi / 90).get_num() % 4;
    const QuarterTurn turn = QuarterOf(quarters.get_si());
    return {r * turn.cos, r * turn.sin};
  }
  if (sgn(phi) == 0) return {r, 0};
  approximate = true;
  Real angle, c, s, radius;
  mpfr_set_q(angle.get(), phi.get_mpq_t(), MPFR_RNDN);
  if (!radians) {
    Real pi;
    mpfr_const_pi(pi.get(), MPFR_RNDN);
    mpfr_mul(angle.get(), angle.get(), pi.get(), MPFR_RNDN);
    mpfr_div_ui(angle.get(), angle.get(), 180, MPFR_RNDN);
  }
  mpfr_sin_cos(s.get(), c.get(), angle.get(), MPFR_RNDN);
  mpfr_set_q(radius.get(), r.get_mpq_t(), MPFR_RNDN);
  mpfr_mul(c.get(), c.get(), radius.get(), MPFR_RNDN);
  mpfr_mul(s.get(), s.get(), radius.get(), MPFR_RNDN);
  return {ToSignificantDigits(c.get()), ToSignificantDigits(s.get())};
}

Complex HandPolar(double r, double phi, bool radians, bool quarterTurns) {
  if (quarterTurns) {
    const long double quarters = static_cast<long double>(phi) / 90.0L;
    // A whole number of quarter turns within the double range of angles.
    const long turns = static_cast<long>(std::fmod(quarters, 4.0L));
    const QuarterTurn turn = QuarterOf(turns);
    return {turn.cos * r + 0.0, turn.sin * r + 0.0};
  }
  constexpr long double kPi = 3.141592653589793238462643383279502884L;
  const long double angle = radians ? static_cast<long double>(phi) : static_cast<long double>(phi) * kPi / 180.0L;
  return {RoundToDouble(static_cast<long double>(r) * std::cos(angle)),
          RoundToDouble(static_cast<long double>(r) * std::sin(angle))};
}

}  // namespace zorvel
