#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zorvel {

// An error of the grid structure (a negative index, a fixed count out of
// range). The grid stays as it was.
class GridError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Told about every change of a grid, so that a view can follow it.
class GridObserver {
 public:
  virtual ~GridObserver() = default;
  virtual void CellChanged(int col, int row) = 0;
  virtual void ShapeChanged() = 0;  // counts or fixed counts
  virtual void ColWidthChanged(int col) = 0;
};

// A table of text cells holding one matrix: Cells(col, row), counted from 0,
// with leading fixed (header) rows and columns. Cells outside the present size
// keep their text, so a matrix that shrinks and grows again shows its old
// entries; only non-empty cells take memory. A plain value: copying copies the
// contents, never the observer.
class Grid {
 public:
  Grid() = default;
  Grid(const Grid& other);
  Grid& operator=(const Grid& other);
  ~Grid() = default;

  [[nodiscard]] int ColCount() const { return colCount_; }
  [[nodiscard]] int RowCount() const { return rowCount_; }
  [[nodiscard]] int FixedCols() const { return fixedCols_; }
  [[nodiscard]] int FixedRows() const { return fixedRows_; }
  // A count below 1 is taken as 1; a count that reaches the fixed count
  // lowers the fixed count first.
  void SetColCount(int count);
  void SetRowCount(int count);
  void SetFixedCols(int count);
  void SetFixedRows(int count);

  // A cell never written reads as the empty text.
  [[nodiscard]] const std::string& Cells(int col, int row) const;
  void SetCells(int col, int row, std::string_view text);

  // Columns at or past ColCount read as the default width.
  [[nodiscard]] int ColWidths(int col) const;
  void SetColWidths(int col, int width);
  [[nodiscard]] int DefaultColWidth() const { return defaultColWidth_; }
  // Gives every column the new default width.
  void SetDefaultColWidth(int width);
  [[nodiscard]] int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int height) { defaultRowHeight_ = height; }

  void SetObserver(GridObserver* observer) { observer_ = observer; }

  // Changes with every change of the cells or the counts, and is never the
  // same for two different contents of any grid: a recalculation that finds
  // the stamp it last saw knows the grid as it was, at no cost.
  [[nodiscard]] std::uint64_t Stamp() const { return stamp_; }

 private:
  static std::uint64_t Key(int col, int row);
  void NotifyShape();
  static std::uint64_t NextStamp();

  int colCount_ = 5;
  int rowCount_ = 5;
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  std::vector<int> colWidths_ = std::vector<int>(5, 64);
  std::unordered_map<std::uint64_t, std::string> cells_;
  GridObserver* observer_ = nullptr;
  std::uint64_t stamp_ = NextStamp();
};

}  // namespace zorvel
