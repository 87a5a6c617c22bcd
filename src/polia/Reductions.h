#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <vector>

#include "ExactComplex.h"
#include "ExactMatrix.h"
#include "Grid.h"
#include "MatrixCalculations.h"
#include "RowReduction.h"

namespace zorvel {

// The row reduction of matrix 1, or of matrix 1 with matrix 2 beside it
// ([A | B]), in each mode, and what is read off it: the rank, the echelon
// form, the solutions of A . X = B.

// By hand: every operation one ComplexMul, ComplexSub or ComplexDiv rounded
// to the places; an entry whose text reads as 0 is zero.
struct HandRowArithmetic {
  using Value = std::string;
  int places = 3;
  [[nodiscard]] bool IsZero(const std::string& value) const;
  [[nodiscard]] bool IsOne(const std::string& value) const;
  [[nodiscard]] std::string Mul(const std::string& a, const std::string& b) const;
  [[nodiscard]] std::string Sub(const std::string& a, const std::string& b) const;
  [[nodiscard]] std::string Div(const std::string& a, const std::string& b) const;
};

// Exactly, on complex rationals.
struct ExactRowArithmetic {
  using Value = ExactComplex;
  [[nodiscard]] bool IsZero(const ExactComplex& value) const { return value.IsZero(); }
  [[nodiscard]] bool IsOne(const ExactComplex& value) const;
  [[nodiscard]] ExactComplex Mul(const ExactComplex& a, const ExactComplex& b) const;
  [[nodiscard]] ExactComplex Sub(const ExactComplex& a, const ExactComplex& b) const;
  [[nodiscard]] ExactComplex Div(const ExactComplex& a, const ExactComplex& b) const;
};

using HandReduced = RowReduced<std::string>;
using ExactReduced = RowReduced<ExactComplex>;

inline constexpr std::size_t kWholeReduction = std::numeric_limits<std::size_t>::max();

// The data cells of matrix 1 (size1), with matrix 2's (size2) beside them
// when `matrix2` is given, each written once to the places as it reads.
std::vector<std::string> HandRows(const Grid& matrix1, MatrixSize size1, const Grid* matrix2, MatrixSize size2,
                                  int places);
HandReduced ReduceByHand(const Grid& matrix1, MatrixSize size1, const Grid* matrix2, MatrixSize size2, int places,
                         std::size_t stopAfter = kWholeReduction);

// The exact matrices side by side (b may be null).
std::vector<ExactComplex> ExactRows(const ExactMatrix& a, const ExactMatrix* b);
ExactReduced ReduceExactly(const ExactMatrix& a, const ExactMatrix* b, std::size_t stopAfter = kWholeReduction);

// The columns of A . X = B's solutions read off the reduced [A | B] (n the
// columns of A, k those of B), when the ranks agree: the particular solution
// x0 (n x k: the free unknowns 0), then one column per free unknown, the
// basis of the solutions of A . x = 0 (that unknown 1, the other free ones
// 0). Row by row, n rows of k + free columns.
struct SolutionColumns {
  int n = 0;
  int k = 0;
  int free = 0;  // n - rank
  [[nodiscard]] int Cols() const { return k + free; }
};
SolutionColumns SolutionShape(int n, int k, int rank);

// The entry of the solution columns at (row, col), counted from 0, and the
// reduced entry it is read from (or none: 0 or 1 written as it stands), in
// the reduction's own arithmetic: x0 takes B's column, a basis column the
// negated entry of its free column.
struct SolutionSource {
  enum class Kind { Zero, One, Copy, Negate } kind = Kind::Zero;
  int reducedRow = 0;
  int reducedCol = 0;
};
SolutionSource SolutionEntrySource(const std::vector<int>& pivotCols, int n, int k, int row, int col);

std::vector<std::string> HandSolution(const HandReduced& reduced, int n, int k, int places);
std::vector<ExactComplex> ExactSolution(const ExactReduced& reduced, int n, int k);

}  // namespace zorvel
