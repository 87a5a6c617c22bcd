#include "Reductions.h"

#include <algorithm>

#include "ComplexArithmetic.h"
#include "ComplexText.h"

namespace zorvel {

bool HandRowArithmetic::IsZero(const std::string& value) const { return IsZeroComplex(value); }

bool HandRowArithmetic::IsOne(const std::string& value) const {
  const Complex read = ParseComplex(value);
  return read.re == 1.0 && read.im == 0.0;
}

std::string HandRowArithmetic::Mul(const std::string& a, const std::string& b) const {
  return ComplexMul(a, b, places).str();
}

std::string HandRowArithmetic::Sub(const std::string& a, const std::string& b) const {
  return ComplexSub(a, b, places).str();
}

std::string HandRowArithmetic::Div(const std::string& a, const std::string& b) const {
  return ComplexDiv(a, b, places).str();
}

bool ExactRowArithmetic::IsOne(const ExactComplex& value) const {
  return !value.notANumber && value.re == 1 && sgn(value.im) == 0;
}

ExactComplex ExactRowArithmetic::Mul(const ExactComplex& a, const ExactComplex& b) const {
  if (a.notANumber || b.notANumber) return {0, 0, true};
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re, false};
}

ExactComplex ExactRowArithmetic::Sub(const ExactComplex& a, const ExactComplex& b) const {
  if (a.notANumber || b.notANumber) return {0, 0, true};
  return {a.re - b.re, a.im - b.im, false};
}

ExactComplex ExactRowArithmetic::Div(const ExactComplex& a, const ExactComplex& b) const {
  if (a.notANumber || b.notANumber || b.IsZero()) return {0, 0, true};
  const mpq_class norm = b.re * b.re + b.im * b.im;
  return {(a.re * b.re + a.im * b.im) / norm, (a.im * b.re - a.re * b.im) / norm, false};
}

std::vector<std::string> HandRows(const Grid& matrix1, MatrixSize size1, const Grid* matrix2, MatrixSize size2,
                                  int places) {
  const int cols = size1.cols + (matrix2 != nullptr ? size2.cols : 0);
  std::vector<std::string> cells;
  cells.reserve(static_cast<std::size_t>(size1.rows) * static_cast<std::size_t>(cols));
  const auto written = [places](const Grid& grid, int row, int col) {
    const Complex value = ParseComplex(grid.Cells(grid.FixedCols() + col, grid.FixedRows() + row));
    return FormatComplex(places, value.re, value.im).str();
  };
  for (int r = 0; r < size1.rows; ++r) {
    for (int c = 0; c < size1.cols; ++c) cells.push_back(written(matrix1, r, c));
    if (matrix2 == nullptr) continue;
    for (int c = 0; c < size2.cols; ++c) cells.push_back(written(*matrix2, r, c));
  }
  return cells;
}

HandReduced ReduceByHand(const Grid& matrix1, MatrixSize size1, const Grid* matrix2, MatrixSize size2, int places,
                         std::size_t stopAfter) {
  const int cols = size1.cols + (matrix2 != nullptr ? size2.cols : 0);
  return ReduceRows(HandRows(matrix1, size1, matrix2, size2, places), size1.rows, cols, HandRowArithmetic{places},
                    stopAfter);
}

std::vector<ExactComplex> ExactRows(const ExactMatrix& a, const ExactMatrix* b) {
  std::vector<ExactComplex> cells;
  for (int r = 0; r < a.rows; ++r) {
    for (int c = 0; c < a.cols; ++c) cells.push_back(a.At(r, c));
    if (b == nullptr) continue;
    for (int c = 0; c < b->cols; ++c) cells.push_back(b->At(r, c));
  }
  return cells;
}

ExactReduced ReduceExactly(const ExactMatrix& a, const ExactMatrix* b, std::size_t stopAfter) {
  return ReduceRows(ExactRows(a, b), a.rows, a.cols + (b != nullptr ? b->cols : 0), ExactRowArithmetic{}, stopAfter);
}

SolutionColumns SolutionShape(int n, int k, int rank) { return {n, k, n - rank}; }

SolutionSource SolutionEntrySource(const std::vector<int>& pivotCols, int n, int k, int row, int col) {
  const auto pivot = std::find(pivotCols.begin(), pivotCols.end(), row);
  const int pivotRow = pivot == pivotCols.end() ? -1 : static_cast<int>(pivot - pivotCols.begin());
  if (col < k) {  // x0: the free unknowns 0
    if (pivotRow < 0) return {};
    return {SolutionSource::Kind::Copy, pivotRow, n + col};
  }
  // The free column of this basis vector.
  int freeCol = -1;
  for (int c = 0, seen = -1; c < n; ++c) {
    if (std::find(pivotCols.begin(), pivotCols.end(), c) != pivotCols.end()) continue;
    if (++seen == col - k) {
      freeCol = c;
      break;
    }
  }
  if (row == freeCol) return {SolutionSource::Kind::One};
  if (pivotRow < 0) return {};
  return {SolutionSource::Kind::Negate, pivotRow, freeCol};
}

std::vector<std::string> HandSolution(const HandReduced& reduced, int n, int k, int places) {
  const SolutionColumns shape = SolutionShape(n, k, reduced.RankOfFirst(n));
  std::vector<std::string> cells;
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < shape.Cols(); ++c) {
      const SolutionSource source = SolutionEntrySource(reduced.pivotCols, n, k, r, c);
      switch (source.kind) {
        case SolutionSource::Kind::Zero: cells.emplace_back("0"); break;
        case SolutionSource::Kind::One: cells.emplace_back("1"); break;
        case SolutionSource::Kind::Copy: cells.push_back(reduced.At(source.reducedRow, source.reducedCol)); break;
        case SolutionSource::Kind::Negate:
          cells.push_back(ComplexSub("0", reduced.At(source.reducedRow, source.reducedCol), places).str());
          break;
      }
    }
  }
  return cells;
}

std::vector<ExactComplex> ExactSolution(const ExactReduced& reduced, int n, int k) {
  const SolutionColumns shape = SolutionShape(n, k, reduced.RankOfFirst(n));
  std::vector<ExactComplex> cells;
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < shape.Cols(); ++c) {
      const SolutionSource source = SolutionEntrySource(reduced.pivotCols, n, k, r, c);
      switch (source.kind) {
        case SolutionSource::Kind::Zero: cells.push_back({0, 0, false}); break;
        case SolutionSource::Kind::One: cells.push_back({1, 0, false}); break;
        case SolutionSource::Kind::Copy: cells.push_back(reduced.At(source.reducedRow, source.reducedCol)); break;
        case SolutionSource::Kind::Negate: {
          const ExactComplex& entry = reduced.At(source.reducedRow, source.reducedCol);
          cells.push_back({-entry.re, -entry.im, entry.notANumber});
          break;
        }
      }
    }
  }
  return cells;
}

}  // namespace zorvel
