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
class RowReducer {
 public:
  using Value = typename Arithmetic::Value;
  using Logged = RowOperation<Value>;

  RowReducer(std::vector<Value> cells, int rows, int cols, const Arithmetic& arithmetic, std::size_t stopAfter)
      : reduced_{rows, cols, std::move(cells), {}, {}}, arithmetic_(arithmetic), stopAfter_(stopAfter) {}

  RowReduced<Value> Reduce() && {
    int row = 0;
    for (int col = 0; col < reduced_.cols && row < reduced_.rows && !Done(); ++col) {
      if (!PivotInto(row, col)) continue;
      if (!Done()) DividePivotRow(row, col);
      if (!Done()) ClearOtherRows(row, col);
      reduced_.pivotCols.push_back(col);
      ++row;
    }
    return std::move(reduced_);
  }

 private:
  Value& Cell(int row, int col) {
    return reduced_
        .cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(reduced_.cols) + static_cast<std::size_t>(col)];
  }
  [[nodiscard]] bool Done() const { return reduced_.log.size() >= stopAfter_; }

  // The first row from `row` down whose entry is not zero, swapped into
  // place when it is not there; false when the column has none.
  bool PivotInto(int row, int col) {
    int pivot = row;
    while (pivot < reduced_.rows && arithmetic_.IsZero(Cell(pivot, col))) ++pivot;
    if (pivot == reduced_.rows) return false;
    if (pivot == row) return true;
    for (int c = 0; c < reduced_.cols; ++c) std::swap(Cell(row, c), Cell(pivot, c));
    reduced_.log.push_back(Logged{Logged::Kind::Swap, row, pivot, Value{}, row, col});
    return true;
  }

  void DividePivotRow(int row, int col) {
    const Value divisor = Cell(row, col);
    if (arithmetic_.IsOne(divisor)) return;
    for (int c = col; c < reduced_.cols; ++c) Cell(row, c) = arithmetic_.Div(Cell(row, c), divisor);
    reduced_.log.push_back(Logged{Logged::Kind::Divide, row, row, divisor, row, col});
  }

  void ClearOtherRows(int row, int col) {
    for (int r = 0; r < reduced_.rows && !Done(); ++r) {
      if (r == row) continue;
      const Value factor = Cell(r, col);
      if (arithmetic_.IsZero(factor)) continue;
      for (int c = col; c < reduced_.cols; ++c) {
        Cell(r, c) = arithmetic_.Sub(Cell(r, c), arithmetic_.Mul(factor, Cell(row, c)));
      }
      reduced_.log.push_back(Logged{Logged::Kind::Subtract, r, row, factor, row, col});
    }
  }

  RowReduced<Value> reduced_;
  Arithmetic arithmetic_;
  std::size_t stopAfter_;
};

template <class Arithmetic>
RowReduced<typename Arithmetic::Value> ReduceRows(std::vector<typename Arithmetic::Value> cells, int rows, int cols,
                                                  const Arithmetic& arithmetic,
                                                  std::size_t stopAfter = std::numeric_limits<std::size_t>::max()) {
  return RowReducer<Arithmetic>(std::move(cells), rows, cols, arithmetic, stopAfter).Reduce();
}

}  // namespace zorvel
