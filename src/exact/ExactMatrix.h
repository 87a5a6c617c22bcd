#pragma once

#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include <gmpxx.h>

#include "ExactComplex.h"

namespace zorvel {

// A matrix of exact complex numbers, row by row, counted from 0.
struct ExactMatrix {
  int rows = 0;
  int cols = 0;
  std::vector<ExactComplex> cells;

  [[nodiscard]] const ExactComplex& At(int row, int col) const {
    return cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(col)];
  }
  [[nodiscard]] bool HasNotANumber() const;
};

// An exact result as (re + im i) / denominator, the denominator positive and
// the fraction not reduced: rounding needs no reducing. No number when it
// was computed from a cell that is none.
struct ExactValue {
  mpz_class re;
  mpz_class im;
  mpz_class denominator = 1;
  bool notANumber = false;

  [[nodiscard]] bool IsZero() const { return !notANumber && sgn(re) == 0 && sgn(im) == 0; }
  [[nodiscard]] static ExactValue NotANumber();
};

// Its text rounded once to `places` (WriteExact), or the too-large message
// for no number.
std::string WriteExact(int places, const ExactValue& value);

// The determinant of a square matrix, its reciprocal, and with `withInverse`
// the adjugate and the inverse (row by row), all by exact elimination. The
// reciprocal, adjugate and inverse are left empty when the determinant is 0.
// The eliminations below stop with CalculationCancelled once `stop` is asked.
struct ExactInverse {
  ExactValue determinant;
  std::optional<ExactValue> reciprocal;
  std::vector<ExactValue> adjugate;
  std::vector<ExactValue> inverse;
};
ExactInverse InvertExactly(const ExactMatrix& a, bool withInverse, const std::stop_token& stop = {});

// X with a X = b for a square a (n x n) and b (n x k), row by row; nothing
// when the determinant of a is 0.
std::optional<std::vector<ExactValue>> SolveExactly(const ExactMatrix& a, const ExactMatrix& b,
                                                    const std::stop_token& stop = {});

// a x b (a.cols == b.rows), a + b and a - b (equal sizes), row by row.
std::vector<ExactValue> MultiplyExactly(const ExactMatrix& a, const ExactMatrix& b);
std::vector<ExactValue> AddExactly(const ExactMatrix& a, const ExactMatrix& b, bool subtract);

}  // namespace zorvel
