#include "ExactMatrix.h"

#include <algorithm>

#include "ExactWriting.h"
#include "FractionFree.h"
#include "Messages.h"

namespace zorvel {
namespace {

// The least common denominator of every part of the matrix.
mpz_class CommonDenominator(const ExactMatrix& a) {
  mpz_class common = 1;
  for (const ExactComplex& cell : a.cells) {
    mpz_lcm(common.get_mpz_t(), common.get_mpz_t(), cell.re.get_den_mpz_t());
    mpz_lcm(common.get_mpz_t(), common.get_mpz_t(), cell.im.get_den_mpz_t());
  }
  return common;
}

// The matrix times its common denominator: Gaussian integers, in a matrix of
// `width` columns whose first a.cols it fills.
std::vector<GaussianInteger> Scaled(const ExactMatrix& a, const mpz_class& common, int width) {
  std::vector<GaussianInteger> scaled(static_cast<std::size_t>(a.rows) * static_cast<std::size_t>(width));
  for (int r = 0; r < a.rows; ++r) {
    for (int c = 0; c < a.cols; ++c) {
      const ExactComplex& cell = a.At(r, c);
      GaussianInteger& entry =
          scaled[static_cast<std::size_t>(r) * static_cast<std::size_t>(width) + static_cast<std::size_t>(c)];
      entry.re = cell.re.get_num() * (common / cell.re.get_den());
      entry.im = cell.im.get_num() * (common / cell.im.get_den());
    }
  }
  return scaled;
}

// numerator / divisor for a Gaussian integer divisor (not zero): times the
// conjugate, over the squared modulus.
ExactValue Quotient(const GaussianInteger& numerator, const GaussianInteger& divisor, const mpz_class& factor) {
  ExactValue value;
  value.re = (numerator.re * divisor.re + numerator.im * divisor.im) * factor;
  value.im = (numerator.im * divisor.re - numerator.re * divisor.im) * factor;
  value.denominator = divisor.re * divisor.re + divisor.im * divisor.im;
  return value;
}

ExactValue Over(const GaussianInteger& numerator, const mpz_class& denominator) {
  ExactValue value{numerator.re, numerator.im, denominator};
  if (sgn(value.denominator) < 0) {
    value.re = -value.re;
    value.im = -value.im;
    value.denominator = -value.denominator;
  }
  return value;
}

GaussianInteger Negated(const GaussianInteger& x, int sign) { return sign < 0 ? GaussianInteger{-x.re, -x.im} : x; }

mpz_class Power(const mpz_class& base, int exponent) {
  mpz_class power;
  mpz_pow_ui(power.get_mpz_t(), base.get_mpz_t(), static_cast<unsigned long>(exponent));
  return power;
}

std::vector<ExactValue> AllNotANumber(std::size_t count) {
  return std::vector<ExactValue>(count, ExactValue::NotANumber());
}

}  // namespace

bool ExactMatrix::HasNotANumber() const {
  return std::any_of(cells.begin(), cells.end(), [](const ExactComplex& cell) { return cell.notANumber; });
}

ExactValue ExactValue::NotANumber() {
  ExactValue value;
  value.notANumber = true;
  return value;
}

std::string WriteExact(int places, const ExactValue& value) {
  if (value.notANumber) return std::string(kTooLargeNumber);
  return WriteExact(places, value.re, value.im, value.denominator);
}

// With A = M / L for the Gaussian integer matrix M: det A = det M / L^n,
// A^-1 = L M^-1, and the adjugate det A x A^-1 = adj M / L^(n-1).
ExactInverse InvertExactly(const ExactMatrix& a, bool withInverse, const std::stop_token& stop) {
  const int n = a.rows;
  ExactInverse result;
  const std::size_t count = withInverse ? static_cast<std::size_t>(n) * static_cast<std::size_t>(n) : 0;
  if (a.HasNotANumber()) {
    result.determinant = result.reciprocal.emplace(ExactValue::NotANumber());
    result.adjugate = result.inverse = AllNotANumber(count);
    return result;
  }
  const mpz_class common = CommonDenominator(a);
  const int width = withInverse ? 2 * n : n;
  std::vector<GaussianInteger> m = Scaled(a, common, width);
  if (withInverse) {
    for (int i = 0; i < n; ++i)
      m[static_cast<std::size_t>(i) * static_cast<std::size_t>(width) + static_cast<std::size_t>(n) +
        static_cast<std::size_t>(i)]
          .re = 1;
  }
  const Elimination elimination = EliminateFractionFree(std::move(m), n, width, withInverse, stop);
  if (elimination.singular) {
    result.determinant = ExactValue{};  // 0
    return result;
  }
  const GaussianInteger determinantM = Negated(elimination.pivot, elimination.sign);
  const mpz_class commonToN = Power(common, n);
  result.determinant = Over(determinantM, commonToN);
  result.reciprocal = Quotient({commonToN, 0}, determinantM, 1);
  if (!withInverse) return result;

  // The right half is pivot x M^-1, so adj M = sign x (right half).
  const mpz_class adjugateScale = Power(common, n - 1);
  result.adjugate.reserve(count);
  result.inverse.reserve(count);
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) {
      const GaussianInteger& right = elimination.matrix[static_cast<std::size_t>(r) * static_cast<std::size_t>(width) +
                                                        static_cast<std::size_t>(n) + static_cast<std::size_t>(c)];
      result.adjugate.push_back(Over(Negated(right, elimination.sign), adjugateScale));
      result.inverse.push_back(Quotient(right, elimination.pivot, common));
    }
  }
  return result;
}

// With A = M / La and B = N / Lb: X = A^-1 B = (La / Lb) M^-1 N.
std::optional<std::vector<ExactValue>> SolveExactly(const ExactMatrix& a, const ExactMatrix& b,
                                                    const std::stop_token& stop) {
  const int n = a.rows;
  const int k = b.cols;
  const std::size_t count = static_cast<std::size_t>(n) * static_cast<std::size_t>(k);
  if (a.HasNotANumber() || b.HasNotANumber()) return AllNotANumber(count);
  const mpz_class commonA = CommonDenominator(a);
  const mpz_class commonB = CommonDenominator(b);
  const int width = n + k;
  std::vector<GaussianInteger> m = Scaled(a, commonA, width);
  const std::vector<GaussianInteger> right = Scaled(b, commonB, k);
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < k; ++c) {
      m[static_cast<std::size_t>(r) * static_cast<std::size_t>(width) + static_cast<std::size_t>(n) +
        static_cast<std::size_t>(c)] =
          right[static_cast<std::size_t>(r) * static_cast<std::size_t>(k) + static_cast<std::size_t>(c)];
    }
  }
  const Elimination elimination = EliminateFractionFree(std::move(m), n, width, true, stop);
  if (elimination.singular) return std::nullopt;
  std::vector<ExactValue> x;
  x.reserve(count);
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < k; ++c) {
      ExactValue value = Quotient(elimination.matrix[static_cast<std::size_t>(r) * static_cast<std::size_t>(width) +
                                                     static_cast<std::size_t>(n) + static_cast<std::size_t>(c)],
                                  elimination.pivot, commonA);
      value.denominator *= commonB;
      x.push_back(std::move(value));
    }
  }
  return x;
}

namespace {

// The product with cells without a number: only the entries such a cell
// reaches are none, the rest are worked out with those cells as 0.
std::vector<ExactValue> MultiplyWithNotANumbers(const ExactMatrix& a, const ExactMatrix& b) {
  ExactMatrix a0 = a, b0 = b;
  for (ExactMatrix* m : {&a0, &b0}) {
    for (ExactComplex& cell : m->cells) {
      if (cell.notANumber) cell = ExactComplex{};
    }
  }
  std::vector<ExactValue> product = MultiplyExactly(a0, b0);
  for (int r = 0; r < a.rows; ++r) {
    for (int c = 0; c < b.cols; ++c) {
      for (int i = 0; i < a.cols; ++i) {
        if (a.At(r, i).notANumber || b.At(i, c).notANumber) {
          product[static_cast<std::size_t>(r) * static_cast<std::size_t>(b.cols) + static_cast<std::size_t>(c)] =
              ExactValue::NotANumber();
        }
      }
    }
  }
  return product;
}

}  // namespace

// With A = M / La and B = N / Lb: AB = MN / (La Lb).
std::vector<ExactValue> MultiplyExactly(const ExactMatrix& a, const ExactMatrix& b) {
  if (a.HasNotANumber() || b.HasNotANumber()) return MultiplyWithNotANumbers(a, b);
  const std::size_t count = static_cast<std::size_t>(a.rows) * static_cast<std::size_t>(b.cols);
  const mpz_class commonA = CommonDenominator(a);
  const mpz_class commonB = CommonDenominator(b);
  const std::vector<GaussianInteger> m = Scaled(a, commonA, a.cols);
  const std::vector<GaussianInteger> nn = Scaled(b, commonB, b.cols);
  const mpz_class denominator = commonA * commonB;
  std::vector<ExactValue> product;
  product.reserve(count);
  for (int r = 0; r < a.rows; ++r) {
    for (int c = 0; c < b.cols; ++c) {
      ExactValue value;
      value.denominator = denominator;
      for (int i = 0; i < a.cols; ++i) {
        const GaussianInteger& x =
            m[static_cast<std::size_t>(r) * static_cast<std::size_t>(a.cols) + static_cast<std::size_t>(i)];
        const GaussianInteger& y =
            nn[static_cast<std::size_t>(i) * static_cast<std::size_t>(b.cols) + static_cast<std::size_t>(c)];
        mpz_addmul(value.re.get_mpz_t(), x.re.get_mpz_t(), y.re.get_mpz_t());
        mpz_submul(value.re.get_mpz_t(), x.im.get_mpz_t(), y.im.get_mpz_t());
        mpz_addmul(value.im.get_mpz_t(), x.re.get_mpz_t(), y.im.get_mpz_t());
        mpz_addmul(value.im.get_mpz_t(), x.im.get_mpz_t(), y.re.get_mpz_t());
      }
      product.push_back(std::move(value));
    }
  }
  return product;
}

std::vector<ExactValue> AddExactly(const ExactMatrix& a, const ExactMatrix& b, bool subtract) {
  std::vector<ExactValue> sum;
  sum.reserve(a.cells.size());
  for (std::size_t i = 0; i < a.cells.size(); ++i) {
    const ExactComplex& x = a.cells[i];
    const ExactComplex& y = b.cells[i];
    if (x.notANumber || y.notANumber) {
      sum.push_back(ExactValue::NotANumber());
      continue;
    }
    const mpq_class re = subtract ? mpq_class(x.re - y.re) : mpq_class(x.re + y.re);
    const mpq_class im = subtract ? mpq_class(x.im - y.im) : mpq_class(x.im + y.im);
    // Over a common denominator of both parts.
    mpz_class denominator;
    mpz_lcm(denominator.get_mpz_t(), re.get_den_mpz_t(), im.get_den_mpz_t());
    sum.push_back(
        {re.get_num() * (denominator / re.get_den()), im.get_num() * (denominator / im.get_den()), denominator, false});
  }
  return sum;
}

}  // namespace zorvel
