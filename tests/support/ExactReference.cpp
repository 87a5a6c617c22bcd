#include "ExactReference.h"

#include <cstddef>

namespace zorvel::testing {
namespace {

struct Gaussian {
  mpz_class re;
  mpz_class im;
};

mpz_class PowerOfTen(int exponent) {
  mpz_class power;
  mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
  return power;
}

// The digits of |units| / 10^places without trailing zeros in the fraction,
// and the minus of a negative number.
std::string Number(const mpz_class& units, int places) {
  std::string digits = mpz_class(abs(units)).get_str();
  const std::size_t fraction = static_cast<std::size_t>(places);
  if (digits.size() <= fraction) digits.insert(0, fraction + 1 - digits.size(), '0');
  std::string integer = digits.substr(0, digits.size() - fraction);
  std::string rest = digits.substr(digits.size() - fraction);
  while (!rest.empty() && rest.back() == '0') rest.pop_back();
  return (sgn(units) < 0 ? "-" : "") + integer + (rest.empty() ? "" : "," + rest);
}

// |x| 10^places rounded half up, with the sign of x.
mpz_class RoundedUnits(const mpq_class& x, const mpz_class& scale) {
  const mpz_class scaled = abs(x.get_num()) * scale;
  mpz_class units, remainder;
  mpz_fdiv_qr(units.get_mpz_t(), remainder.get_mpz_t(), scaled.get_mpz_t(), x.get_den_mpz_t());
  if (2 * remainder >= x.get_den()) ++units;
  return sgn(x) < 0 ? mpz_class(-units) : units;
}

}  // namespace

ExactPair Times(const ExactPair& x, const ExactPair& y) {
  return {x.re * y.re - x.im * y.im, x.re * y.im + x.im * y.re};
}

ExactPair Plus(const ExactPair& x, const ExactPair& y) { return {x.re + y.re, x.im + y.im}; }

ExactPair Over(const ExactPair& x, const ExactPair& y) {
  const mpq_class norm = y.re * y.re + y.im * y.im;
  return {(x.re * y.re + x.im * y.im) / norm, (x.im * y.re - x.re * y.im) / norm};
}

ExactPair ExpandedDeterminant(const std::vector<ExactPair>& a, int n) {
  // a = m / common for the Gaussian integers m: det a = det m / common^n.
  mpz_class common = 1;
  for (const ExactPair& x : a) {
    mpz_lcm(common.get_mpz_t(), common.get_mpz_t(), x.re.get_den_mpz_t());
    mpz_lcm(common.get_mpz_t(), common.get_mpz_t(), x.im.get_den_mpz_t());
  }
  std::vector<Gaussian> m;
  m.reserve(a.size());
  for (const ExactPair& x : a) {
    m.push_back({x.re.get_num() * (common / x.re.get_den()), x.im.get_num() * (common / x.im.get_den())});
  }
  // minor[rows]: the determinant of the rows in the set and as many of the
  // last columns; expanded along its first column, row by row in order.
  const std::size_t subsets = std::size_t{1} << n;
  std::vector<Gaussian> minor(subsets);
  minor[0] = {1, 0};
  for (std::size_t rows = 1; rows < subsets; ++rows) {
    int size = 0;
    for (std::size_t left = rows; left != 0; left &= left - 1) ++size;
    const int col = n - size;
    Gaussian sum{0, 0};
    bool negative = false;
    for (int row = 0; row < n; ++row) {
      const std::size_t bit = std::size_t{1} << row;
      if ((rows & bit) == 0) continue;
      const Gaussian& x = m[static_cast<std::size_t>(row * n + col)];
      const Gaussian& rest = minor[rows & ~bit];
      // sum += or -= x rest, without temporaries.
      const auto add = negative ? mpz_submul : mpz_addmul;
      const auto sub = negative ? mpz_addmul : mpz_submul;
      add(sum.re.get_mpz_t(), x.re.get_mpz_t(), rest.re.get_mpz_t());
      sub(sum.re.get_mpz_t(), x.im.get_mpz_t(), rest.im.get_mpz_t());
      add(sum.im.get_mpz_t(), x.re.get_mpz_t(), rest.im.get_mpz_t());
      add(sum.im.get_mpz_t(), x.im.get_mpz_t(), rest.re.get_mpz_t());
      negative = !negative;
    }
    minor[rows] = std::move(sum);
  }
  mpz_class scale;
  mpz_pow_ui(scale.get_mpz_t(), common.get_mpz_t(), static_cast<unsigned long>(n));
  ExactPair det{mpq_class(minor[subsets - 1].re, scale), mpq_class(minor[subsets - 1].im, scale)};
  det.re.canonicalize();
  det.im.canonicalize();
  return det;
}

std::string WriteRoundedOnce(int places, const ExactPair& value) {
  const mpz_class scale = PowerOfTen(places);
  const mpz_class re = RoundedUnits(value.re, scale);
  const mpz_class im = RoundedUnits(value.im, scale);
  // A cell holds 32,767 digits: a part with more is too large to write.
  static const mpz_class most = PowerOfTen(32767);
  if (abs(re) >= most || abs(im) >= most) return "Pr\xEDli\x9A ve\xBEk\xE9 \xE8\xEDslo";
  if (sgn(im) == 0) return Number(re, places);
  std::string text = sgn(re) != 0 ? Number(re, places) : "";
  if (im == scale) return text + (text.empty() ? "i" : "+i");
  if (im == -scale) return text + "-i";
  if (sgn(im) > 0 && !text.empty()) text += '+';
  return text + Number(im, places) + "i";
}

}  // namespace zorvel::testing
