#pragma once

#include "Grid.h"

#include <QAbstractTableModel>
#include <QHash>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace zorvel {

// Shows a Grid to a table view and follows every change made to it. The first
// fixed row and column become the view's headers; the other cells (fixed ones
// beyond the first included) are the model's rows and columns. Shape changes
// are passed on at once; cell changes are collected and announced in one go
// once control returns to the event loop, so a recalculation that writes
// hundreds of cells costs the view one update. data() always reads the grid.
class GridModel : public QAbstractTableModel, private GridObserver {
  Q_OBJECT

 public:
  explicit GridModel(QObject* parent = nullptr);
  ~GridModel() override;

  [[nodiscard]] Grid& grid() { return grid_; }
  [[nodiscard]] const Grid& grid() const { return grid_; }

  void SetEditable(bool editable);
  [[nodiscard]] bool Editable() const { return editable_; }

  // Marks every cell whose text is not read whole as a number (the reader
  // stopped at a character that does not fit and took the partial value):
  // its text in the palette's warning colour, and a tooltip with the value it
  // is read as, written at `places()` decimal places, which its accessible
  // description says too. Display only.
  void MarkCellsNotReadWhole(std::function<int()> places);
  // For a marked cell or one read in another form, the value its text is
  // read as ("199,186+115i" for "230∠30°", "1 (delenie nulou)" for "1/0"),
  // as its tooltip and accessible description give it; nothing for another.
  [[nodiscard]] std::optional<QString> ReadAs(const QModelIndex& index) const;

  // Row 0 / column 0 of the grid is shown as the header.
  [[nodiscard]] bool HasHeaderRow() const { return headerRows_ > 0; }
  [[nodiscard]] bool HasHeaderColumn() const { return headerCols_ > 0; }
  [[nodiscard]] int GridCol(int modelColumn) const { return modelColumn + headerCols_; }
  [[nodiscard]] int GridRow(int modelRow) const { return modelRow + headerRows_; }
  [[nodiscard]] bool IsFixed(const QModelIndex& index) const;

  // Announces the collected cell changes now instead of from the event loop.
  void Flush();

  // While dataChanged is emitted: the cells it announces, when they are known
  // one by one (the range spans them and cells that stayed the same), so a
  // view can repaint only these; otherwise null.
  [[nodiscard]] const std::vector<QModelIndex>* AnnouncedCells() const;

  [[nodiscard]] int rowCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] int columnCount(const QModelIndex& parent = {}) const override;
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  [[nodiscard]] Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;

 signals:
  // After rows, columns and headers have followed a change of the grid's counts
  // or fixed counts (the column widths may have changed with them).
  void shapeChanged();
  void colWidthChanged(int col);

 private:
  // A span of indexes that changed; empty while first > last.
  struct Span {
    int first = 1;
    int last = 0;
    void Add(int index);
    [[nodiscard]] bool Empty() const { return first > last; }
  };

  void CellChanged(int col, int row) override;
  void ShapeChanged() override;
  void ColWidthChanged(int col) override;
  void Publish();  // takes the grid's shape as the one the view knows
  void MarkAllChanged();
  void ScheduleFlush();

  // The cell's marking: whether its text is read whole (cached per cell until
  // the cell changes), and the tooltip of a marked cell.
  [[nodiscard]] bool ReadWhole(int col, int row) const;

  Grid grid_;
  bool editable_ = false;
  std::function<int()> markingPlaces_;  // empty: no marking
  mutable QHash<quint64, bool> readWhole_;
  int rows_ = 0;  // the shape the view knows
  int cols_ = 0;
  int headerRows_ = 0;
  int headerCols_ = 0;
  Span dirtyRows_, dirtyCols_, dirtyHeaderRow_, dirtyHeaderCol_;
  // The changed cells (model row, column) within the dirty spans, unless
  // every cell is taken as changed.
  std::vector<std::pair<int, int>> dirtyCells_;
  bool allDirty_ = false;
  std::vector<QModelIndex> announced_;
  bool announcing_ = false;
  bool flushPending_ = false;
};

}  // namespace zorvel
