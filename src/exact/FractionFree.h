#pragma once

#include <stop_token>
#include <vector>

#include <gmpxx.h>

namespace zorvel {

// A Gaussian integer: a complex number with integer parts.
struct GaussianInteger {
  mpz_class re;
  mpz_class im;
  [[nodiscard]] bool IsZero() const { return sgn(re) == 0 && sgn(im) == 0; }
};

// Fraction-free elimination of an n x width matrix of Gaussian integers
// (row by row; width >= n), whose every intermediate entry is the
// determinant of a submatrix, so every division is exact and the numbers
// grow no larger than the determinant. Rows are swapped only to find a
// non-zero pivot.
struct Elimination {
  bool singular = false;
  // The last pivot: the determinant of the first n columns, times `sign`.
  GaussianInteger pivot;
  int sign = 1;  // -1 after an odd number of row swaps
  // With the whole elimination (Gauss-Jordan), the columns n..width-1 end as
  // pivot x (the first n columns)^-1 x (those columns), row by row.
  std::vector<GaussianInteger> matrix;
};

// Only the determinant: eliminates below the pivots. With `jordan` above
// them too, which leaves the solution in the columns after the n-th. Between
// pivots it stops with CalculationCancelled once `stop` is asked.
Elimination EliminateFractionFree(std::vector<GaussianInteger> matrix, int n, int width, bool jordan,
                                  const std::stop_token& stop = {});

}  // namespace zorvel
