#include "GridOps.h"

namespace zorvel {

void EqualizeColWidths(Grid& grid, bool includeFixed) {
  const int fixed = grid.FixedCols();
  const int count = grid.ColCount();
  if (count - fixed < 3) return;
  const int a = grid.ColWidths(fixed);
  const int b = grid.ColWidths(fixed + 1);
  int odd = a;  // the width of the column that differs; a later one wins
  for (int col = fixed + 2; col < count; ++col) {
    const int e = grid.ColWidths(col);
    if (e == b && b != a) {
      odd = a;
    } else if (e == a && b != a) {
      odd = b;
    } else if (a == b && e != a) {
      odd = e;
    }
  }
  for (int col = includeFixed ? 0 : fixed; col < count; ++col) grid.SetColWidths(col, odd);
}

void DeleteRow(Grid& grid, int row) {
  for (int r = row; r < grid.RowCount(); ++r) {
    for (int col = 0; col < grid.ColCount(); ++col) grid.SetCells(col, r, grid.Cells(col, r + 1));
  }
  grid.SetRowCount(grid.RowCount() - 1);
}

void DeleteCol(Grid& grid, int col) {
  for (int c = col; c < grid.ColCount(); ++c) {
    for (int row = 0; row < grid.RowCount(); ++row) grid.SetCells(c, row, grid.Cells(c + 1, row));
  }
  grid.SetColCount(grid.ColCount() - 1);
}

void CopyGrid(const Grid& source, Grid& destination, bool copyWidths) {
  if (&source == &destination) return;
  destination.SetRowCount(source.RowCount());
  destination.SetColCount(source.ColCount());
  destination.SetFixedRows(source.FixedRows());
  destination.SetFixedCols(source.FixedCols());
  for (int col = 0; col < source.ColCount(); ++col) {
    if (copyWidths) destination.SetColWidths(col, source.ColWidths(col));
    for (int row = 0; row < source.RowCount(); ++row) {
      destination.SetCells(col, row, source.Cells(col, row));
    }
  }
}

}  // namespace zorvel
