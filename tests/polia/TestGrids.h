#pragma once

#include <string>
#include <vector>

#include "Grid.h"

namespace zorvel::testing {

using Rows = std::vector<std::vector<std::string>>;

// A matrix grid with numbered headers, one fixed row and column.
inline Grid MatrixGrid(const Rows& rows) {
  Grid grid;
  grid.SetRowCount(static_cast<int>(rows.size()) + 1);
  grid.SetColCount(static_cast<int>(rows.empty() ? 0 : rows[0].size()) + 1);
  for (int i = 1; i < grid.RowCount(); ++i) grid.SetCells(0, i, std::to_string(i));
  for (int j = 1; j < grid.ColCount(); ++j) grid.SetCells(j, 0, std::to_string(j));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    for (std::size_t j = 0; j < rows[i].size(); ++j) {
      grid.SetCells(static_cast<int>(j) + 1, static_cast<int>(i) + 1, rows[i][j]);
    }
  }
  return grid;
}

// The data cells of a grid, row by row.
inline Rows DataRows(const Grid& grid) {
  Rows rows;
  for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) {
    rows.emplace_back();
    for (int c = grid.FixedCols(); c < grid.ColCount(); ++c) rows.back().push_back(grid.Cells(c, r));
  }
  return rows;
}

}  // namespace zorvel::testing
