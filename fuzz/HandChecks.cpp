#include "HandChecks.h"

#include <optional>
#include <span>
#include <string>

#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "FuzzCheck.h"
#include "LiteralDeterminant.h"
#include "MatrixCalculation.h"
#include "MatrixCalculations.h"
#include "MatrixInput.h"
#include "ShownResults.h"

namespace zorvel::fuzz {
namespace {

constexpr int kLiteralUpTo = 6;

Outcome<std::string> Fresh(const Grid& grid, int places) {
  const int n = grid.RowCount() - grid.FixedRows();
  if (n <= kLiteralUpTo) return Compute([&] { return testing::LiteralGridDeterminant(grid, places); });
  return Compute([&] { return GridDeterminant(grid, places); });
}

// The memo asked in an order the input chooses: the whole first or last, so
// that minors are met both in a memo that the whole filled and in one that
// an error may have left half full. With `whole`, each answer is compared
// with a fresh computation: the whole with the literal expansion up to
// 6 x 6, each minor with a fresh memo asked for them row by row; above
// 6 x 6, where that costs too much per input, two minors, one of them of
// another column.
void CheckMemo(MinorDeterminants& minors, const Grid& grid, const std::optional<Outcome<std::string>>& whole,
               int places, bool wholeFirst) {
  const int n = grid.RowCount() - grid.FixedRows();
  Check(minors.Size() == n);
  const auto checkWhole = [&] {
    const Outcome<std::string> kept = Compute([&] { return minors.Whole(); });
    Check(!whole || kept == *whole);
  };
  if (wholeFirst) checkWhole();
  std::optional<MinorDeterminants> fresh;
  if (whole && n >= 2) fresh.emplace(grid, places);
  for (int row = 1; row <= n && n >= 2; ++row) {
    for (int col = 1; col <= n; ++col) {
      if (n > kLiteralUpTo && !((row == n && col == 1) || (row == 1 && col == n))) continue;
      const Outcome<std::string> kept = Compute([&] { return minors.Minor(row, col); });
      if (fresh) Check(kept == Compute([&] { return fresh->Minor(row, col); }));
    }
  }
  if (!wholeFirst) checkWhole();
}

Grid Transposed(const Grid& grid) {
  Grid transposed;
  const int rows = grid.RowCount() - 1, cols = grid.ColCount() - 1;
  ShapeMatrix(transposed, cols, rows);
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= cols; ++c) transposed.SetCells(r, c, grid.Cells(c, r));
  }
  return transposed;
}

// The operation's results made afresh: the literal determinant, the
// adjugate from a memo of its own, the numerators of Cramer's rule each
// expanded anew; the product as the transpose of (matrix 2)^T (matrix 1)^T,
// the same rounded products (a complex product rounds the same either way
// round) summed in the same order.
Shown FreshShown(const Grid& matrix1, const Grid& matrix2, const Outcome<std::string>& fresh, Operation operation,
                 int n, int k, int places) {
  Shown shown;
  if (operation == Operation::Product) {
    Grid product;
    FillProduct(Transposed(matrix2), Transposed(matrix1), places, product);
    AppendCells(Transposed(product), n, k, shown.cells);
    return shown;
  }
  if (fresh.failed) ThrowFloatError(fresh.kind);
  const std::string& determinant = fresh.value;
  const bool zero = IsZeroComplex(determinant);
  if (operation == Operation::Inverse) {
    shown.determinant = determinant;
    if (!zero) shown.reciprocal = ComplexDiv("1", determinant, places).str();
    if (const auto refusal = InverseRefusal({n, n}, zero)) {
      shown.refusal = std::string(*refusal);
      return shown;
    }
    Grid adjugate, inverse;
    FillAdjugate(matrix1, n, nullptr, places, adjugate);
    FillInverse(matrix1, adjugate, determinant, n, places, inverse);
    AppendCells(adjugate, n, n, shown.cells);
    AppendCells(inverse, n, n, shown.cells);
    return shown;
  }
  if (const auto refusal = SolveRefusal({n, n}, {n, k}, zero)) {
    shown.refusal = std::string(*refusal);
    return shown;
  }
  Grid solution;
  FillSolution(matrix1, matrix2, n, k, determinant, places, nullptr, solution);
  AppendCells(solution, n, k, shown.cells);
  return shown;
}

}  // namespace

void CheckHandMode(KeptWork& kept, const Grid& matrix1, const Grid& matrix2, int n, int k, int places, bool wholeFirst,
                   std::span<const Operation> operations) {
  // Before its first edit the kept work is itself fresh: above the
  // literal's reach, where a fresh computation costs most, it is compared
  // once it has been through one.
  const bool compare = kept.minors || n <= kLiteralUpTo;
  if (kept.minors) {
    kept.minors->Update(matrix1, places);
  } else {
    kept.minors.emplace(matrix1, places);
  }
  std::optional<Outcome<std::string>> determinant;
  if (compare) determinant = Fresh(matrix1, places);
  CheckMemo(*kept.minors, matrix1, determinant, places, wholeFirst);

  for (const Operation operation : operations) {
    const CalculationInput input{&matrix1, {n, n}, &matrix2, {n, k}, places, CalculationMode::Hand, operation};
    const Outcome<Shown> shown = Compute([&] {
      MatrixCalculation calculation(input, &*kept.minors, &kept.cramer);
      return ShownBy(calculation, operation, n, k);
    });
    if (!compare) continue;
    // A singular system is solved by elimination, whose results the
    // operations' own property tests check.
    if (operation == Operation::Solve && !determinant->failed && IsZeroComplex(determinant->value)) continue;
    Outcome<Shown> made = Compute([&] { return FreshShown(matrix1, matrix2, *determinant, operation, n, k, places); });
    // The product's entries are met in another order afresh, so another
    // entry's error may come first.
    if (operation == Operation::Product && shown.failed && made.failed) made.kind = shown.kind;
    Check(shown == made);
  }
}

}  // namespace zorvel::fuzz
