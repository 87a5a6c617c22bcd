#include "CellForms.h"

#include <optional>
#include <vector>

#include "CellTokens.h"
#include "ExactReading.h"
#include "FloatError.h"
#include "NumberText.h"
#include "PolarValue.h"

namespace zorvel {
namespace {

using Kind = CellToken::Kind;

// One real number of a form: exactly, and as the hand arithmetic starts from
// it. A decimal is what TextToReal reads; a fraction the double nearest its
// exact value.
struct RealValue {
  mpq_class exact;
  double hand = 0.0;
};

// A term's real value and whether it is imaginary.
struct Term {
  RealValue value;
  bool imaginary = false;
};

struct ComplexValue {
  ExactComplex exact;
  Complex hand;
};

class ZeroDivision {};

class Parser {
 public:
  Parser(const std::vector<CellToken>& tokens, bool unitJ) : t_(tokens), written_(unitJ) {
    for (const CellToken& token : tokens)
      written_ = written_ || token.grouped || token.prefixed || token.signedExponent;
  }

  // r∠φ, φ in degrees unless marked in radians.
  std::optional<FormReading> Polar() {
    std::optional<RealValue> r = SignedReal();
    if (!r || !Take(Kind::Angle)) return std::nullopt;
    std::optional<RealValue> phi = SignedReal();
    if (!phi) return std::nullopt;
    const bool radians = Take(Kind::Radian);
    if (!radians) Take(Kind::Degree);
    if (!AtEnd()) return std::nullopt;
    FormReading reading;
    reading.form = CellForm::Polar;
    reading.exact = ExactPolar(r->exact, phi->exact, radians, reading.approximate);
    reading.hand = HandPolar(r->hand, phi->hand, radians, !radians && IsQuarterTurns(phi->exact));
    return reading;
  }

  // A sum of terms, or a quotient whose numerator or denominator stands in
  // parentheses.
  std::optional<FormReading> Expression(bool& fraction) {
    std::optional<ComplexValue> value = Operand(fraction);
    if (!value) return std::nullopt;
    if (Take(Kind::Slash)) {
      std::optional<ComplexValue> divisor = Operand(fraction);
      if (!divisor) return std::nullopt;
      value = Divide(*value, *divisor);
      fraction = true;
    }
    if (!AtEnd()) return std::nullopt;
    // A sum of numbers is a form of its own only as people write it: with
    // digit groups, a prefix, the unit j or an exponent's sign. Any other the program's own
    // reading has read as far as it goes.
    if (!fraction && !written_) return std::nullopt;
    FormReading reading;
    reading.form = fraction ? CellForm::Fraction : CellForm::Written;
    reading.hand = value->hand;
    reading.exact = value->exact;
    return reading;
  }

 private:
  [[nodiscard]] bool AtEnd() const { return p_ == t_.size(); }
  [[nodiscard]] bool At(Kind kind) const { return p_ < t_.size() && t_[p_].kind == kind; }
  bool Take(Kind kind) {
    if (!At(kind)) return false;
    ++p_;
    return true;
  }

  std::optional<ComplexValue> Operand(bool& fraction) {
    if (Take(Kind::Open)) {
      std::optional<ComplexValue> sum = Sum(fraction);
      if (!sum || !Take(Kind::Close)) return std::nullopt;
      return sum;
    }
    // Outside parentheses, a real number before or after "/" of a quotient.
    const std::size_t start = p_;
    std::optional<ComplexValue> sum = Sum(fraction);
    if (sum && At(Kind::Slash) && p_ + 1 < t_.size() && t_[p_ + 1].kind != Kind::Open) {
      p_ = start;  // "1/2/3" and the like are no form
      return std::nullopt;
    }
    return sum;
  }

  // [sign] term (sign term)*: the hand parts summed as the program's own
  // reading sums its terms, from the last one back, each sum rounded.
  std::optional<ComplexValue> Sum(bool& fraction) {
    std::vector<Term> terms;
    bool negative = Take(Kind::Minus);
    if (!negative) Take(Kind::Plus);
    for (;;) {
      std::optional<Term> term = OneTerm(fraction);
      if (!term) return std::nullopt;
      if (negative) {
        term->value.exact = -term->value.exact;
        term->value.hand = -term->value.hand;
      }
      terms.push_back(*term);
      if (Take(Kind::Plus)) {
        negative = false;
      } else if (Take(Kind::Minus)) {
        negative = true;
      } else {
        break;
      }
    }
    ComplexValue value;
    long double re = 0.0L;
    long double im = 0.0L;
    for (auto it = terms.rbegin(); it != terms.rend(); ++it) {
      (it->imaginary ? value.exact.im : value.exact.re) += it->value.exact;
      long double& part = it->imaginary ? im : re;
      part = RoundToDouble(part + it->value.hand);
    }
    value.hand = {static_cast<double>(re), static_cast<double>(im)};
    return value;
  }

  // [unit] value [unit], with one unit at most; the unit alone is 1.
  std::optional<Term> OneTerm(bool& fraction) {
    Term term;
    term.imaginary = Take(Kind::Unit);
    if (At(Kind::Number)) {
      std::optional<RealValue> value = Real(fraction);
      if (!value) return std::nullopt;
      term.value = *value;
      if (!term.imaginary) term.imaginary = Take(Kind::Unit);
    } else if (term.imaginary) {
      term.value = {1, 1.0};
    } else {
      return std::nullopt;
    }
    return term;
  }

  // A number, or p/q of two numbers: a fraction is the double nearest its
  // exact value, whatever the size of its numerator and denominator.
  std::optional<RealValue> Real(bool& fraction) {
    const CellToken& first = t_[p_++];
    if (At(Kind::Slash) && p_ + 1 < t_.size() && t_[p_ + 1].kind == Kind::Number) {
      ++p_;
      const mpq_class divisor = ExactDecimal(t_[p_++].number);
      if (sgn(divisor) == 0) throw ZeroDivision();
      RealValue value;
      value.exact = ExactDecimal(first.number) / divisor;
      value.hand = NearestDouble(value.exact);
      fraction = true;
      return value;
    }
    return Decimal(first);
  }

  std::optional<RealValue> SignedReal() {
    const bool negative = Take(Kind::Minus);
    if (!negative) Take(Kind::Plus);
    if (!At(Kind::Number)) return std::nullopt;
    bool fraction = false;
    std::optional<RealValue> value = Real(fraction);
    if (value && negative) {
      value->exact = -value->exact;
      value->hand = -value->hand;
    }
    return value;
  }

  static RealValue Decimal(const CellToken& token) {
    RealValue value{ExactDecimal(token.number), TextToReal(token.number)};
    if (BeyondDoubleRange(value.exact)) ThrowFloatError(FloatError::Kind::Overflow);
    return value;
  }

  static ComplexValue Divide(const ComplexValue& a, const ComplexValue& b) {
    const mpq_class norm = b.exact.re * b.exact.re + b.exact.im * b.exact.im;
    if (sgn(norm) == 0) throw ZeroDivision();
    ComplexValue q;
    q.exact.re = (a.exact.re * b.exact.re + a.exact.im * b.exact.im) / norm;
    q.exact.im = (a.exact.im * b.exact.re - a.exact.re * b.exact.im) / norm;
    q.hand = {NearestDouble(q.exact.re), NearestDouble(q.exact.im)};
    return q;
  }

  const std::vector<CellToken>& t_;
  bool written_;
  std::size_t p_ = 0;
};

}  // namespace

FormReading ReadNewForm(std::string_view text) {
  CellTokenHints hints;
  const std::optional<std::vector<CellToken>> tokens = TokenizeCell(text, hints);
  FormReading missed;
  missed.miss = hints.angle       ? CellMiss::Polar
                : hints.bothUnits ? CellMiss::BothUnits
                : hints.slash     ? CellMiss::Fraction
                                  : CellMiss::None;
  if (!tokens || tokens->empty()) return missed;
  try {
    Parser parser(*tokens, hints.unitJ);
    bool fraction = false;
    std::optional<FormReading> reading = hints.angle ? parser.Polar() : parser.Expression(fraction);
    return reading ? *reading : missed;
  } catch (const ZeroDivision&) {
    missed.miss = CellMiss::ZeroDivision;
    return missed;
  }
}

}  // namespace zorvel
