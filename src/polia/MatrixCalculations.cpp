#include "MatrixCalculations.h"

#include "CalculationMessages.h"
#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "Determinant.h"
#include "GridOps.h"
#include "NumberText.h"

namespace zorvel {

std::optional<std::string_view> DeterminantRefusal(MatrixSize matrix1) {
  if (matrix1.rows == matrix1.cols && matrix1.rows > 0) return std::nullopt;
  return kDeterminantImpossible;
}

std::optional<std::string_view> InverseRefusal(MatrixSize matrix1, bool determinantZero) {
  if (matrix1.rows != matrix1.cols) return kInverseNotSquare;
  if (matrix1.rows <= 0) return kInverseImpossible;
  if (determinantZero) return kInverseDeterminantZero;
  return std::nullopt;
}

std::optional<std::string_view> SolveRefusal(MatrixSize matrix1, MatrixSize matrix2, bool determinantZero) {
  if (matrix1.rows != matrix1.cols || matrix1.rows <= 0) return kSolveNotSquare;
  if (matrix2.rows != matrix1.rows || matrix2.cols <= 0) return kSolveRowsDiffer;
  if (determinantZero) return kSolveDeterminantZero;
  return std::nullopt;
}

std::optional<std::string_view> SumRefusal(MatrixSize matrix1, MatrixSize matrix2) {
  // The columns are not tested against 0: a matrix has at least one.
  if (matrix1.rows == matrix2.rows && matrix1.rows > 0 && matrix1.cols == matrix2.cols) return std::nullopt;
  return kSumSizesDiffer;
}

std::optional<std::string_view> ProductRefusal(MatrixSize matrix1, MatrixSize matrix2) {
  if (matrix1.cols != matrix2.rows) return kProductSizesDiffer;
  if (matrix1.rows <= 0 || matrix1.cols <= 0 || matrix2.rows <= 0 || matrix2.cols <= 0) return kProductImpossible;
  return std::nullopt;
}

void FillAdjugate(const Grid& matrix1, int n, MinorDeterminants* minors, int places, Grid& adjugate) {
  CopyGrid(matrix1, adjugate, false);
  if (n == 1) {
    adjugate.SetCells(1, 1, "1");  // the adjugate of any 1 x 1 matrix
    return;
  }
  std::optional<MinorDeterminants> own;
  if (minors == nullptr) minors = &own.emplace(matrix1, places);
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      // Entry (r, c) is the cofactor of element (c, r).
      const std::string minor = minors->Minor(c, r);
      const std::string sign = RealToDigits(PowerOf(r + c, -1));
      adjugate.SetCells(c, r, ComplexMul(sign, minor, places));
    }
  }
}

void ShapeAsInverse(const Grid& matrix1, const Grid& adjugate, Grid& inverse) {
  CopyGrid(matrix1, inverse, false);
  for (int j = inverse.FixedCols(); j < inverse.ColCount(); ++j) inverse.SetColWidths(j, adjugate.ColWidths(1));
}

void FillInverse(const Grid& matrix1, const Grid& adjugate, std::string_view determinant, int n, int places,
                 Grid& inverse) {
  ShapeAsInverse(matrix1, adjugate, inverse);
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) inverse.SetCells(c, r, ComplexDiv(adjugate.Cells(c, r), determinant, places));
  }
}

void FillElementWise(const Grid& matrix1, const Grid& matrix2, MatrixSize size, ElementWise operation, int places,
                     Grid& result) {
  CopyGrid(matrix1, result, false);
  for (int r = 1; r <= size.rows; ++r) {
    for (int c = 1; c <= size.cols; ++c) {
      const Complex a = ParseComplex(matrix1.Cells(c, r));
      const Complex b = ParseComplex(matrix2.Cells(c, r));
      // The parts are added or subtracted as read, then written once.
      const Complex parts = operation == ElementWise::Sum ? ComplexAddParts(a, b) : ComplexSubParts(a, b);
      result.SetCells(c, r, FormatComplex(places, parts.re, parts.im));
    }
  }
}

void ShapeAsProduct(const Grid& matrix1, const Grid& matrix2, Grid& result) {
  result.SetColCount(matrix2.ColCount());
  result.SetRowCount(matrix1.RowCount());
  for (int i = 1; i <= result.RowCount() - 1; ++i) result.SetCells(0, i, IntToText(i));
  for (int j = 1; j <= result.ColCount() - 1; ++j) result.SetCells(j, 0, IntToText(j));
}

void FillProduct(const Grid& matrix1, const Grid& matrix2, int places, Grid& product) {
  ShapeAsProduct(matrix1, matrix2, product);
  const int columns = product.ColCount() - 1, rows = product.RowCount() - 1, terms = matrix1.ColCount() - 1;
  for (int c = 1; c <= columns; ++c) {
    for (int r = 1; r <= rows; ++r) {
      ShortText sum;  // the empty text reads as 0
      for (int k = 1; k <= terms; ++k) {
        const ShortText term = ComplexMul(matrix1.Cells(k, r), matrix2.Cells(c, k), places);
        sum = ComplexAdd(sum, term, places);
      }
      product.SetCells(c, r, sum);
    }
  }
}

void FillSolution(const Grid& matrix1, const Grid& matrix2, int n, int k, std::string_view determinant, int places,
                  CramerMinors* kept, Grid& solution) {
  ShapeAsProduct(matrix1, matrix2, solution);
  // Matrix 1 with one column replaced at a time, in a scratch copy.
  Grid replaced;
  CopyGrid(matrix1, replaced, false);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= k; ++j) {
      for (int r = 1; r <= n; ++r) replaced.SetCells(i, r, matrix2.Cells(j, r));
      const std::string numerator =
          kept != nullptr ? kept->Determinant(replaced, i, j, n, k, places) : GridDeterminant(replaced, places);
      solution.SetCells(j, i, ComplexDiv(numerator, determinant, places));
    }
    for (int r = 1; r <= n; ++r) replaced.SetCells(i, r, matrix1.Cells(i, r));
  }
}

}  // namespace zorvel
