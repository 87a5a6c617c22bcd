#pragma once

#include <vector>

#include "ExactMatrix.h"
#include "Grid.h"

namespace zorvel {

// The data cells of a grid (rows x cols from the first data cell) read
// exactly.
ExactMatrix ReadExactMatrix(const Grid& grid, int rows, int cols);

// Writes exact values (row by row, rows x cols) into the data cells, each
// rounded once to `places`.
void WriteExactCells(const std::vector<ExactValue>& values, int rows, int cols, int places, Grid& grid);

}  // namespace zorvel
