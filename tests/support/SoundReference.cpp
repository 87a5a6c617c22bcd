#include "SoundReference.h"

#include <functional>

namespace zorvel::testing {
namespace {

const std::string kTooLarge =
    "Pr\xED"
    "li\x9A ve\xBE"
    "k\xE9 \xE8\xED"
    "slo";

mpz_class PowerOfTen(int exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
  return power;
}

struct SoundPart {
  mpq_class rounded;
  std::string text;  // without trailing zeros, or the message
  bool tooLarge = false;
  bool minus = false;  // written with "-"
  bool undecided = false;
};

SoundPart RoundPart(int places, const mpq_class& value) {
  SoundPart part;
  const mpz_class scale = PowerOfTen(places);
  const mpq_class magnitude = abs(value);
  const mpq_class scaled = magnitude * scale;
  mpz_class units;
  mpz_fdiv_q(units.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
  const mpq_class remainder = scaled - units;
  if (remainder >= mpq_class(1, 2)) ++units;
  // Just below the half, the program's tie band rounds up where the sound
  // rule does not; an exact half goes up in both.
  const mpq_class belowHalf = mpq_class(1, 2) - remainder;
  part.undecided =
      (sgn(belowHalf) > 0 && belowHalf <= mpq_class(2, 1000000)) || magnitude >= mpq_class(PowerOfTen(8)) / scale;
  const mpz_class integerPart = units / scale;
  if (integerPart >= mpz_class("2147483648", 10)) {
    part.tooLarge = true;
    part.text = kTooLarge;
    return part;
  }
  part.minus = sgn(value) < 0 && sgn(units) != 0;
  part.rounded = mpq_class(part.minus ? mpz_class(-units) : units, scale);
  part.rounded.canonicalize();
  std::string fraction = mpz_class(units % scale).get_str();
  fraction.insert(0, static_cast<std::size_t>(places) - fraction.size(), '0');
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  part.text = (part.minus ? "-" : "") + integerPart.get_str() + (fraction.empty() ? "" : "," + fraction);
  return part;
}

}  // namespace

SoundText WriteSound(int places, const ExactPair& value) {
  SoundText written;
  const SoundPart im = RoundPart(places, value.im);  // the imaginary part first, as the program
  const bool hasRe = sgn(value.re) != 0;
  const bool hasIm = sgn(value.im) != 0;
  const SoundPart re = hasRe ? RoundPart(places, value.re) : SoundPart{0, "0"};
  written.undecided = im.undecided || re.undecided;
  written.tooLarge = (hasIm && im.tooLarge) || re.tooLarge;
  written.rounded = {re.rounded, im.rounded};
  if (hasIm && im.tooLarge) {
    written.text = kTooLarge;
    return written;
  }
  if (hasRe) {
    written.text = re.text;
    if (hasIm && value.im != -1 && !im.minus) written.text += '+';
  } else if (!hasIm) {
    written.text = "0";
  }
  if (hasIm) {
    if (value.im == -1) {
      written.text += '-';
    } else if (value.im != 1) {
      written.text += im.text;
    }
    written.text += 'i';
  }
  return written;
}

namespace {

mpq_class DecimalNumber(const std::string& text) {
  const bool negative = !text.empty() && text[0] == '-';
  std::string digits = text.substr(negative ? 1 : 0);
  const std::size_t comma = digits.find(',');
  int fractionDigits = 0;
  if (comma != std::string::npos) {
    fractionDigits = static_cast<int>(digits.size() - comma - 1);
    digits.erase(comma, 1);
  }
  mpq_class value(mpz_class(digits, 10), PowerOfTen(fractionDigits));
  value.canonicalize();
  return negative ? mpq_class(-value) : value;
}

// An imaginary part's number: without digits, the unit.
mpq_class Coefficient(const std::string& text) {
  if (text.empty() || text == "+") return 1;
  if (text == "-") return -1;
  return DecimalNumber(text);
}

}  // namespace

ExactPair ExactDecimal(const std::string& text) {
  if (text.empty() || text.back() != 'i') return {DecimalNumber(text), 0};
  const std::string body = text.substr(0, text.size() - 1);
  const std::size_t split = body.find_first_of("+-", 1);
  if (split == std::string::npos) return {0, Coefficient(body)};
  const std::string im = body.substr(split + (body[split] == '+' ? 1 : 0));
  return {DecimalNumber(body.substr(0, split)), Coefficient(im)};
}

namespace {

// The expansion with every operation exact, then rounded and written.
class SoundExpansion {
 public:
  explicit SoundExpansion(int places) : places_(places) {}

  SoundText Determinant(const std::vector<ExactPair>& a, int n) {
    const auto at = [&a, n](int i, int j) { return a[static_cast<std::size_t>((i - 1) * n + (j - 1))]; };
    if (n == 1) return Round(at(1, 1));
    if (n == 2) {
      const ExactPair t1 = Mul(at(2, 1), at(1, 2)).rounded;
      const ExactPair t2 = Mul(at(1, 1), at(2, 2)).rounded;
      return Sub(t2, t1);
    }
    SoundText sum = Round({0, 0});
    if (n == 3) {
      static constexpr int kDiagonals[6][3][2] = {
          {{1, 1}, {2, 2}, {3, 3}}, {{1, 3}, {2, 2}, {3, 1}}, {{2, 1}, {3, 2}, {1, 3}},
          {{2, 3}, {3, 2}, {1, 1}}, {{3, 1}, {1, 2}, {2, 3}}, {{3, 3}, {2, 1}, {1, 2}},
      };
      for (int d = 0; d < 6; ++d) {
        ExactPair product = at(kDiagonals[d][0][0], kDiagonals[d][0][1]);  // the first factor as it stands
        for (int f = 1; f < 3; ++f) product = Mul(product, at(kDiagonals[d][f][0], kDiagonals[d][f][1])).rounded;
        sum = d % 2 == 0 ? Add(sum.rounded, product) : Sub(sum.rounded, product);
      }
      return sum;
    }
    for (int i = 1; i <= n; ++i) {
      std::vector<ExactPair> minor;
      for (int r = 1; r <= n; ++r) {
        for (int c = 2; c <= n && r != i; ++c) minor.push_back(at(r, c));
      }
      const ExactPair signedElement = Mul(at(i, 1), {i % 2 == 1 ? 1 : -1, 0}).rounded;
      const ExactPair term = Mul(signedElement, Determinant(minor, n - 1).rounded).rounded;
      sum = Add(sum.rounded, term);
    }
    return sum;
  }

  [[nodiscard]] bool Undecided() const { return undecided_; }

 private:
  SoundText Round(const ExactPair& exact) {
    SoundText text = WriteSound(places_, exact);
    undecided_ = undecided_ || text.undecided || text.tooLarge;
    return text;
  }
  SoundText Add(const ExactPair& x, const ExactPair& y) { return Round({x.re + y.re, x.im + y.im}); }
  SoundText Sub(const ExactPair& x, const ExactPair& y) { return Round({x.re - y.re, x.im - y.im}); }
  SoundText Mul(const ExactPair& x, const ExactPair& y) {
    return Round({x.re * y.re - x.im * y.im, x.re * y.im + x.im * y.re});
  }

  int places_;
  bool undecided_ = false;
};

}  // namespace

SoundText SoundDeterminant(const std::vector<std::string>& cells, int n, int places) {
  std::vector<ExactPair> values;
  for (const std::string& cell : cells) values.push_back(ExactDecimal(cell));
  SoundExpansion expansion(places);
  SoundText result = expansion.Determinant(values, n);
  result.undecided = expansion.Undecided();
  return result;
}

}  // namespace zorvel::testing
