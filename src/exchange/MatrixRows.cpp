#include "MatrixRows.h"

#include <algorithm>

#include "Cp1250.h"
#include "NumberText.h"

namespace zorvel {

bool CutLongCells(QList<QStringList>& rows) {
  bool cut = false;
  for (QStringList& row : rows) {
    for (QString& cell : row) {
      if (cell.size() <= kMaxCellText) continue;
      cell.truncate(kMaxCellText);
      cut = true;
    }
  }
  return cut;
}

QList<QStringList> MatrixRows(const Grid& grid) {
  QList<QStringList> rows;
  for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) {
    QStringList row;
    for (int c = grid.FixedCols(); c < grid.ColCount(); ++c) row << FromCp1250(grid.Cells(c, r));
    rows << row;
  }
  return rows;
}

void DropTrailingBlankRows(QList<QStringList>& rows) {
  while (!rows.isEmpty() && rows.back() == QStringList{QString()}) rows.removeLast();
}

MatrixSize MatrixSizeOf(const QList<QStringList>& rows) {
  MatrixSize size{static_cast<int>(rows.size()), 0};
  for (const QStringList& row : rows) size.cols = std::max(size.cols, static_cast<int>(row.size()));
  return size;
}

Grid MatrixGrid(const QList<QStringList>& rows) {
  const MatrixSize size = MatrixSizeOf(rows);
  Grid grid;
  grid.SetRowCount(size.rows + 1);
  grid.SetColCount(size.cols + 1);
  for (int r = 1; r <= size.rows; ++r) grid.SetCells(0, r, IntToText(r));
  for (int c = 1; c <= size.cols; ++c) grid.SetCells(c, 0, IntToText(c));
  for (int r = 1; r <= size.rows; ++r) {
    const QStringList& row = rows.at(r - 1);
    for (int c = 1; c <= row.size(); ++c) grid.SetCells(c, r, ToCp1250(row.at(c - 1)));
  }
  return grid;
}

}  // namespace zorvel
