#pragma once

#include "Grid.h"

namespace zorvel {

// Gives every data column (with includeFixed, every column) the width of the
// one data column whose width differs from the others; with fewer than three
// data columns nothing changes.
void EqualizeColWidths(Grid& grid, bool includeFixed);

// Removes grid row `row` (header row = 0) by moving the rows below it up;
// RowCount drops by one. The last row takes the texts just past the end.
void DeleteRow(Grid& grid, int row);

// Removes grid column `col` (header column = 0) by moving the columns right of
// it to the left; ColCount drops by one.
void DeleteCol(Grid& grid, int col);

// Gives `destination` the counts, fixed counts and every cell text of `source`
// within its size (headers included), and with copyWidths its column widths.
// Destination cells outside the new size keep their texts.
void CopyGrid(const Grid& source, Grid& destination, bool copyWidths);

}  // namespace zorvel
