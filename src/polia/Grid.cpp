#include "Grid.h"

#include <atomic>

#include <string>

namespace zorvel {
namespace {

const std::string kEmpty;

void CheckIndex(int index) {
  if (index < 0) throw GridError("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

Grid::Grid(const Grid& other)
    : colCount_(other.colCount_),
      rowCount_(other.rowCount_),
      fixedCols_(other.fixedCols_),
      fixedRows_(other.fixedRows_),
      defaultColWidth_(other.defaultColWidth_),
      defaultRowHeight_(other.defaultRowHeight_),
      colWidths_(other.colWidths_),
      cells_(other.cells_) {}

Grid& Grid::operator=(const Grid& other) {
  if (this == &other) return *this;
  colCount_ = other.colCount_;
  rowCount_ = other.rowCount_;
  fixedCols_ = other.fixedCols_;
  fixedRows_ = other.fixedRows_;
  defaultColWidth_ = other.defaultColWidth_;
  defaultRowHeight_ = other.defaultRowHeight_;
  colWidths_ = other.colWidths_;
  cells_ = other.cells_;
  NotifyShape();
  return *this;
}

std::uint64_t Grid::Key(int col, int row) {
  return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(col)) << 32) | static_cast<std::uint32_t>(row);
}

std::uint64_t Grid::NextStamp() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

void Grid::NotifyShape() {
  stamp_ = NextStamp();
  if (observer_ != nullptr) observer_->ShapeChanged();
}

void Grid::SetColCount(int count) {
  if (count == colCount_) return;
  if (count < 1) count = 1;
  if (count <= fixedCols_) fixedCols_ = count - 1;
  colWidths_.resize(static_cast<std::size_t>(count), defaultColWidth_);
  colCount_ = count;
  NotifyShape();
}

void Grid::SetRowCount(int count) {
  if (count == rowCount_) return;
  if (count < 1) count = 1;
  if (count <= fixedRows_) fixedRows_ = count - 1;
  rowCount_ = count;
  NotifyShape();
}

void Grid::SetFixedCols(int count) {
  if (count == fixedCols_) return;
  if (count < 0) throw GridError("Grid index out of range");
  if (count >= colCount_) throw GridError("Fixed column count must be less than column count");
  fixedCols_ = count;
  NotifyShape();
}

void Grid::SetFixedRows(int count) {
  if (count == fixedRows_) return;
  if (count < 0) throw GridError("Grid index out of range");
  if (count >= rowCount_) throw GridError("Fixed row count must be less than row count");
  fixedRows_ = count;
  NotifyShape();
}

const std::string& Grid::Cells(int col, int row) const {
  CheckIndex(col);
  CheckIndex(row);
  const auto found = cells_.find(Key(col, row));
  return found == cells_.end() ? kEmpty : found->second;
}

void Grid::SetCells(int col, int row, std::string_view text) {
  CheckIndex(col);
  CheckIndex(row);
  if (text.empty()) {
    if (cells_.erase(Key(col, row)) == 0) return;
  } else {
    std::string& cell = cells_[Key(col, row)];
    if (cell == text) return;
    cell.assign(text);
  }
  stamp_ = NextStamp();
  if (observer_ != nullptr) observer_->CellChanged(col, row);
}

int Grid::ColWidths(int col) const {
  if (col < 0) throw GridError("Grid index out of range");
  return col < colCount_ ? colWidths_[static_cast<std::size_t>(col)] : defaultColWidth_;
}

void Grid::SetColWidths(int col, int width) {
  if (col < 0 || col >= colCount_) throw GridError("Grid index out of range");
  int& stored = colWidths_[static_cast<std::size_t>(col)];
  if (stored == width) return;
  stored = width;
  if (observer_ != nullptr) observer_->ColWidthChanged(col);
}

void Grid::SetDefaultColWidth(int width) {
  defaultColWidth_ = width;
  for (int col = 0; col < colCount_; ++col) SetColWidths(col, width);
}

}  // namespace zorvel
