#pragma once

#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

namespace zorvel {

// Gauss-Jordan elimination as a student writes it, one algorithm for both
// modes: the arithmetic (by hand on rounded texts, or exactly) is a
// parameter, so the exact mode follows the very order of the hand mode.
//
// Column by column from the left: the pivot is the first row from the
// current one down whose entry is not zero; rows are swapped only when the
// pivot is not in place; the pivot row is divided by the pivot (unless it
// is 1); then every other row, top to bottom, whose entry in the pivot
// column is not zero gets row - factor * pivot row, element by element from
// left to right. Zero rows end at the bottom and are kept.

// One row operation, rows counted from 0.
template <class Value>
struct RowOperation {
  enum class Kind { Swap, Divide, Subtract };
  Kind kind = Kind::Swap;
  int target = 0;  // the row that changes (for a swap, the upper row)
  int source = 0;  // for a swap the lower row, for a subtraction the pivot row
  Value factor{};  // the divisor or the factor
  int pivotRow = 0;
  int pivotCol = 0;
};

template <class Value>
struct RowReduced {
  int rows = 0;
  int cols = 0;
  std::vector<Value> cells;    // row by row
  std::vector<int> pivotCols;  // the pivot column of row 0, 1, ...
  std::vector<RowOperation<Value>> log;

  [[nodiscard]] const Value& At(int row, int col) const {
    return cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(col)];
  }
  [[nodiscard]] int Rank() const { return static_cast<int>(pivotCols.size()); }
  // The number of pivots in the first `cols` columns.
  [[nodiscard]] int RankOfFirst(int first) const {
    int rank = 0;
    for (const int col : pivotCols) rank += col < first ? 1 : 0;
    return rank;
  }
};

// Reduces `cells` (rows x cols, row by row). With `stopAfter`, stops after
// that many row operations: the state a step line opens into.
// Arithmetic provides Value, IsZero(v), IsOne(v), Mul(a, b), Sub(a, b),
// Div(a, b).
template <class Arithmetic>
RowReduced<typename Arithmetic::Value> ReduceRows(std::vector<typename Arithmetic::Value> cells, int rows, int cols,
                                                  const Arithmetic& arithmetic,
                                                  std::size_t stopAfter = std::numeric_limits<std::size_t>::max()) {
  using Value = typename Arithmetic::Value;
  using LoggedOperation = RowOperation<Value>;
  RowReduced<Value> reduced{rows, cols, std::move(cells), {}, {}};
  auto cell = [&reduced](int row, int col) -> Value& {
    return reduced
        .cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(reduced.cols) + static_cast<std::size_t>(col)];
  };
  auto done = [&reduced, stopAfter] { return reduced.log.size() >= stopAfter; };
  int row = 0;
  for (int col = 0; col < cols && row < rows && !done(); ++col) {
    int pivot = row;
    while (pivot < rows && arithmetic.IsZero(cell(pivot, col))) ++pivot;
    if (pivot == rows) continue;
    if (pivot != row) {
      for (int c = 0; c < cols; ++c) std::swap(cell(row, c), cell(pivot, c));
      reduced.log.push_back(LoggedOperation{LoggedOperation::Kind::Swap, row, pivot, Value{}, row, col});
      if (done()) break;
    }
    const Value divisor = cell(row, col);
    if (!arithmetic.IsOne(divisor)) {
      for (int c = col; c < cols; ++c) cell(row, c) = arithmetic.Div(cell(row, c), divisor);
      reduced.log.push_back(LoggedOperation{LoggedOperation::Kind::Divide, row, row, divisor, row, col});
      if (done()) break;
    }
    for (int r = 0; r < rows && !done(); ++r) {
      if (r == row) continue;
      const Value factor = cell(r, col);
      if (arithmetic.IsZero(factor)) continue;
      for (int c = col; c < cols; ++c) cell(r, c) = arithmetic.Sub(cell(r, c), arithmetic.Mul(factor, cell(row, c)));
      reduced.log.push_back(LoggedOperation{LoggedOperation::Kind::Subtract, r, row, factor, row, col});
    }
    reduced.pivotCols.push_back(col);
    ++row;
  }
  return reduced;
}

}  // namespace zorvel
