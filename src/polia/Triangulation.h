#pragma once

#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

#include "RowReduction.h"

namespace zorvel {

// Gaussian elimination of a square matrix to upper triangular form, as a
// student does it for a determinant, in the order of the row reduction
// (RowReduction.h): column by column, the pivot is the first row from the
// diagonal down whose entry is not zero, rows are swapped only when it is
// not in place; then every row below, top to bottom, whose entry is not
// zero gets row - factor * pivot row with factor = entry / pivot, element by
// element from left to right. The entry under the pivot is written 0, not
// computed: the factor is chosen to make it so, and by hand the rounded
// product would leave a trace. A column without a pivot ends the work: the
// determinant is 0.
template <class Value>
struct Triangular {
  int n = 0;
  std::vector<Value> cells;  // row by row
  std::vector<RowOperation<Value>> log;
  int swaps = 0;
  int stoppedAt = -1;  // the column without a pivot, -1 when every column has one

  [[nodiscard]] const Value& At(int row, int col) const {
    return cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(n) + static_cast<std::size_t>(col)];
  }
  // The diagonal entries that make the determinant: every one, or those up
  // to the column without a pivot (whose entry reads as 0).
  [[nodiscard]] int Factors() const { return stoppedAt < 0 ? n : stoppedAt + 1; }
};

// Triangulates `cells` (n x n, row by row) in `arithmetic` (RowReduction.h);
// with `stopAfter`, stops after that many row operations.
template <class Arithmetic>
Triangular<typename Arithmetic::Value> Triangulate(std::vector<typename Arithmetic::Value> cells, int n,
                                                   const Arithmetic& arithmetic,
                                                   std::size_t stopAfter = std::numeric_limits<std::size_t>::max()) {
  using Value = typename Arithmetic::Value;
  using Logged = RowOperation<Value>;
  Triangular<Value> t{n, std::move(cells), {}, 0, -1};
  const auto cell = [&t, n](int row, int col) -> Value& {
    return t.cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(n) + static_cast<std::size_t>(col)];
  };
  const auto done = [&t, stopAfter] { return t.log.size() >= stopAfter; };
  for (int col = 0; col < n && !done(); ++col) {
    int pivot = col;
    while (pivot < n && arithmetic.IsZero(cell(pivot, col))) ++pivot;
    if (pivot == n) {
      t.stoppedAt = col;
      break;
    }
    if (pivot != col) {
      for (int c = 0; c < n; ++c) std::swap(cell(col, c), cell(pivot, c));
      t.log.push_back(Logged{Logged::Kind::Swap, col, pivot, Value{}, col, col});
      ++t.swaps;
    }
    for (int r = col + 1; r < n && !done(); ++r) {
      const Value entry = cell(r, col);
      if (arithmetic.IsZero(entry)) continue;
      const Value factor = arithmetic.Div(entry, cell(col, col));
      cell(r, col) = arithmetic.Sub(entry, entry);  // 0 in the arithmetic's own writing
      for (int c = col + 1; c < n; ++c) cell(r, c) = arithmetic.Sub(cell(r, c), arithmetic.Mul(factor, cell(col, c)));
      t.log.push_back(Logged{Logged::Kind::Subtract, r, col, factor, col, col});
    }
  }
  return t;
}

}  // namespace zorvel
