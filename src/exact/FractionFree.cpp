#include "FractionFree.h"

#include <utility>

#include "Cancel.h"

namespace zorvel {
namespace {

// Scratch numbers for one elimination, so that the inner loop allocates
// nothing once they have grown.
struct Scratch {
  mpz_class re, im, conjugateRe, conjugateIm;
};

// a := (pivot * a - factor * b) / divisor, exactly, where divisor is the
// previous pivot and `norm` its squared modulus.
void Step(GaussianInteger& a, const GaussianInteger& pivot, const GaussianInteger& factor, const GaussianInteger& b,
          const GaussianInteger& divisor, const mpz_class& norm, Scratch& s) {
  mpz_mul(s.re.get_mpz_t(), pivot.re.get_mpz_t(), a.re.get_mpz_t());
  mpz_submul(s.re.get_mpz_t(), pivot.im.get_mpz_t(), a.im.get_mpz_t());
  mpz_mul(s.im.get_mpz_t(), pivot.re.get_mpz_t(), a.im.get_mpz_t());
  mpz_addmul(s.im.get_mpz_t(), pivot.im.get_mpz_t(), a.re.get_mpz_t());
  if (!factor.IsZero()) {
    mpz_submul(s.re.get_mpz_t(), factor.re.get_mpz_t(), b.re.get_mpz_t());
    mpz_addmul(s.re.get_mpz_t(), factor.im.get_mpz_t(), b.im.get_mpz_t());
    mpz_submul(s.im.get_mpz_t(), factor.re.get_mpz_t(), b.im.get_mpz_t());
    mpz_submul(s.im.get_mpz_t(), factor.im.get_mpz_t(), b.re.get_mpz_t());
  }
  if (sgn(divisor.im) == 0) {  // a real divisor, as with real matrices
    mpz_divexact(a.re.get_mpz_t(), s.re.get_mpz_t(), divisor.re.get_mpz_t());
    mpz_divexact(a.im.get_mpz_t(), s.im.get_mpz_t(), divisor.re.get_mpz_t());
    return;
  }
  // s / divisor = s * conj(divisor) / |divisor|^2
  mpz_mul(s.conjugateRe.get_mpz_t(), s.re.get_mpz_t(), divisor.re.get_mpz_t());
  mpz_addmul(s.conjugateRe.get_mpz_t(), s.im.get_mpz_t(), divisor.im.get_mpz_t());
  mpz_mul(s.conjugateIm.get_mpz_t(), s.im.get_mpz_t(), divisor.re.get_mpz_t());
  mpz_submul(s.conjugateIm.get_mpz_t(), s.re.get_mpz_t(), divisor.im.get_mpz_t());
  mpz_divexact(a.re.get_mpz_t(), s.conjugateRe.get_mpz_t(), norm.get_mpz_t());
  mpz_divexact(a.im.get_mpz_t(), s.conjugateIm.get_mpz_t(), norm.get_mpz_t());
}

}  // namespace

Elimination EliminateFractionFree(std::vector<GaussianInteger> matrix, int n, int width, bool jordan,
                                  const std::stop_token& stop) {
  Elimination result;
  const auto at = [&matrix, width](int row, int col) -> GaussianInteger& {
    return matrix[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) + static_cast<std::size_t>(col)];
  };
  GaussianInteger divisor{1, 0};
  mpz_class norm = 1;
  Scratch scratch;
  for (int k = 0; k < n; ++k) {
    int pivotRow = k;
    while (pivotRow < n && at(pivotRow, k).IsZero()) ++pivotRow;
    if (pivotRow == n) {
      result.singular = true;
      return result;
    }
    if (pivotRow != k) {
      for (int j = 0; j < width; ++j) std::swap(at(pivotRow, j), at(k, j));
      result.sign = -result.sign;
    }
    const GaussianInteger& pivot = at(k, k);
    for (int i = jordan ? 0 : k + 1; i < n; ++i) {
      if (i == k) continue;
      StopIfAsked(stop);
      GaussianInteger& factor = at(i, k);
      for (int j = k + 1; j < width; ++j) Step(at(i, j), pivot, factor, at(k, j), divisor, norm, scratch);
      factor = GaussianInteger{0, 0};
    }
    divisor = pivot;
    norm = divisor.re * divisor.re + divisor.im * divisor.im;
  }
  result.pivot = divisor;
  result.matrix = std::move(matrix);
  return result;
}

}  // namespace zorvel
