#include "GridModel.h"

#include "CellDescription.h"
#include "ComplexText.h"
#include "CoreTexts.h"
#include "Cp1250.h"
#include "MatrixText.h"
#include "TextFit.h"
#include "WarningColour.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

#include <algorithm>

namespace zorvel {

namespace {

// A cell's key in the marking's cache.
quint64 CellKey(int col, int row) { return (quint64{static_cast<quint32>(col)} << 32) | static_cast<quint32>(row); }

}  // namespace

void GridModel::Span::Add(int index) {
  if (Empty()) {
    first = last = index;
  } else {
    first = std::min(first, index);
    last = std::max(last, index);
  }
}

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {
  Publish();
  grid_.SetObserver(this);
}

GridModel::~GridModel() { grid_.SetObserver(nullptr); }

void GridModel::Publish() {
  headerRows_ = grid_.FixedRows() > 0 ? 1 : 0;
  headerCols_ = grid_.FixedCols() > 0 ? 1 : 0;
  rows_ = grid_.RowCount() - headerRows_;
  cols_ = grid_.ColCount() - headerCols_;
}

void GridModel::SetEditable(bool editable) {
  if (editable == editable_) return;
  editable_ = editable;
  MarkAllChanged();  // flags follow
}

bool GridModel::IsFixed(const QModelIndex& index) const {
  return GridRow(index.row()) < grid_.FixedRows() || GridCol(index.column()) < grid_.FixedCols();
}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : cols_; }

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      // A result's too-large message in the window's language; what the
      // user typed is shown as typed.
      if (!editable_) return ShownValueText(grid_.Cells(GridCol(index.column()), GridRow(index.row())));
      [[fallthrough]];
    case Qt::EditRole: return FromCp1250(grid_.Cells(GridCol(index.column()), GridRow(index.row())));
    case Qt::ToolTipRole: {
      const std::string& text = grid_.Cells(GridCol(index.column()), GridRow(index.row()));
      // A cell read in another form, or only in part, says how it is read.
      if (const std::optional<QString> value = ReadAs(index)) {
        return PlainToolTip(tr("Čítané ako %1").arg(*value));
      }
      // Columns are narrow and results long: hovering shows the whole text.
      if (text.empty()) return {};
      return PlainToolTip(editable_ ? FromCp1250(text) : ShownValueText(std::string_view(text)));
    }
    case Qt::ForegroundRole:
      if (!ReadWhole(GridCol(index.column()), GridRow(index.row()))) return WarningColour(QApplication::palette());
      return {};
    case Qt::AccessibleTextRole: {
      // A screen reader announces where the cell is, by its headers, and its text.
      const std::string& text = grid_.Cells(GridCol(index.column()), GridRow(index.row()));
      const QString row = headerData(index.row(), Qt::Vertical, Qt::DisplayRole).toString();
      const QString col = headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString();
      return tr("Riadok %1, stĺpec %2: %3")
          .arg(row.isEmpty() ? QString::number(index.row() + 1) : row,
               col.isEmpty() ? QString::number(index.column() + 1) : col,
               text.empty() ? tr("prázdna bunka") : CapLength(FromCp1250(text), 300));
    }
    case Qt::AccessibleDescriptionRole:
      if (const std::optional<QString> value = ReadAs(index)) return tr("Čítané ako %1").arg(*value);
      return {};
    case Qt::BackgroundRole:
      if (IsFixed(index)) return QApplication::palette().button();
      return {};
    default: return {};
  }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || section < 0) return {};
  if (orientation == Qt::Horizontal) {
    if (!HasHeaderRow()) return {};
    return FromCp1250(grid_.Cells(GridCol(section), 0));
  }
  if (!HasHeaderColumn()) return {};
  return FromCp1250(grid_.Cells(0, GridRow(section)));
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (editable_ && !IsFixed(index)) result |= Qt::ItemIsEditable;
  return result;
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  // The grid tells us about the change; its announcement follows with the others.
  // A tab or line end pasted into the editor is a space, as in a file read:
  // in a cell it would split the matrix on the clipboard and in files.
  grid_.SetCells(GridCol(index.column()), GridRow(index.row()), ToCp1250(WithoutCellBreaks(value.toString())));
  return true;
}

void GridModel::MarkCellsNotReadWhole(std::function<int()> places) {
  markingPlaces_ = std::move(places);
  readWhole_.clear();
  MarkAllChanged();
}

bool GridModel::ReadWhole(int col, int row) const {
  if (!markingPlaces_ || row < grid_.FixedRows() || col < grid_.FixedCols()) return true;
  const quint64 key = CellKey(col, row);
  const auto cached = readWhole_.constFind(key);
  if (cached != readWhole_.constEnd()) return *cached;
  const bool whole = !CellMarked(grid_.Cells(col, row));
  readWhole_.insert(key, whole);
  return whole;
}

std::optional<QString> GridModel::ReadAs(const QModelIndex& index) const {
  if (!index.isValid() || !markingPlaces_) return std::nullopt;
  const int col = GridCol(index.column());
  const int row = GridRow(index.row());
  if (row < grid_.FixedRows() || col < grid_.FixedCols()) return std::nullopt;
  return CellReadAs(grid_.Cells(col, row), markingPlaces_());
}

void GridModel::CellChanged(int col, int row) {
  readWhole_.remove(CellKey(col, row));
  const int modelCol = col - headerCols_;
  const int modelRow = row - headerRows_;
  if (modelCol >= cols_ || modelRow >= rows_) return;  // shown when the grid grows
  if (modelRow < 0 && modelCol < 0) return;            // the corner is not shown
  if (modelRow < 0) {
    dirtyHeaderRow_.Add(modelCol);
  } else if (modelCol < 0) {
    dirtyHeaderCol_.Add(modelRow);
  } else {
    dirtyRows_.Add(modelRow);
    dirtyCols_.Add(modelCol);
    // A cell written again and again before the announcement is listed once
    // per write; past one entry per cell, every cell counts as changed.
    if (!allDirty_) dirtyCells_.emplace_back(modelRow, modelCol);
    if (dirtyCells_.size() > static_cast<std::size_t>(rows_) * static_cast<std::size_t>(cols_)) allDirty_ = true;
  }
  ScheduleFlush();
}

void GridModel::ShapeChanged() {
  readWhole_.clear();  // a whole-grid assignment changes cells without a word
  const int headerRows = grid_.FixedRows() > 0 ? 1 : 0;
  const int headerCols = grid_.FixedCols() > 0 ? 1 : 0;
  if (headerRows != headerRows_ || headerCols != headerCols_) {
    // Every cell moves to another place in the view.
    beginResetModel();
    Publish();
    endResetModel();
  } else {
    const int rows = grid_.RowCount() - headerRows_;
    const int cols = grid_.ColCount() - headerCols_;
    if (rows > rows_) {
      beginInsertRows({}, rows_, rows - 1);
      rows_ = rows;
      endInsertRows();
    } else if (rows < rows_) {
      beginRemoveRows({}, rows, rows_ - 1);
      rows_ = rows;
      endRemoveRows();
    }
    if (cols > cols_) {
      beginInsertColumns({}, cols_, cols - 1);
      cols_ = cols;
      endInsertColumns();
    } else if (cols < cols_) {
      beginRemoveColumns({}, cols, cols_ - 1);
      cols_ = cols;
      endRemoveColumns();
    }
  }
  // A whole-grid assignment changes cells without telling each one, and fixed
  // counts change how cells look.
  MarkAllChanged();
  emit shapeChanged();
}

void GridModel::ColWidthChanged(int col) { emit colWidthChanged(col); }

void GridModel::MarkAllChanged() {
  allDirty_ = true;
  if (rows_ > 0 && cols_ > 0) {
    dirtyRows_.Add(0);
    dirtyRows_.Add(rows_ - 1);
    dirtyCols_.Add(0);
    dirtyCols_.Add(cols_ - 1);
  }
  if (cols_ > 0) {
    dirtyHeaderRow_.Add(0);
    dirtyHeaderRow_.Add(cols_ - 1);
  }
  if (rows_ > 0) {
    dirtyHeaderCol_.Add(0);
    dirtyHeaderCol_.Add(rows_ - 1);
  }
  ScheduleFlush();
}

void GridModel::ScheduleFlush() {
  if (flushPending_) return;
  flushPending_ = true;
  QMetaObject::invokeMethod(this, &GridModel::Flush, Qt::QueuedConnection);
}

void GridModel::Flush() {
  flushPending_ = false;
  // The shape may have shrunk since a change was noted.
  const Span rows{dirtyRows_.first, std::min(dirtyRows_.last, rows_ - 1)};
  const Span cols{dirtyCols_.first, std::min(dirtyCols_.last, cols_ - 1)};
  const Span headerRow{dirtyHeaderRow_.first, std::min(dirtyHeaderRow_.last, cols_ - 1)};
  const Span headerCol{dirtyHeaderCol_.first, std::min(dirtyHeaderCol_.last, rows_ - 1)};
  dirtyRows_ = dirtyCols_ = dirtyHeaderRow_ = dirtyHeaderCol_ = Span{};
  announced_.clear();
  if (!allDirty_) {
    for (const auto& [row, col] : dirtyCells_) {
      if (row < rows_ && col < cols_) announced_.push_back(index(row, col));
    }
  }
  // Every cell of the range changed (or as many writes): the range says it.
  const qsizetype area =
      rows.Empty() || cols.Empty() ? 0 : qsizetype{rows.last - rows.first + 1} * (cols.last - cols.first + 1);
  announcing_ = !allDirty_ && static_cast<qsizetype>(announced_.size()) < area;
  dirtyCells_.clear();
  allDirty_ = false;
  if (!rows.Empty() && !cols.Empty()) {
    emit dataChanged(index(rows.first, cols.first), index(rows.last, cols.last));
  }
  announcing_ = false;
  if (!headerRow.Empty()) emit headerDataChanged(Qt::Horizontal, headerRow.first, headerRow.last);
  if (!headerCol.Empty()) emit headerDataChanged(Qt::Vertical, headerCol.first, headerCol.last);
}

const std::vector<QModelIndex>* GridModel::AnnouncedCells() const { return announcing_ ? &announced_ : nullptr; }

}  // namespace zorvel
