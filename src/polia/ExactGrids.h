#pragma once

#include <stop_token>
#include <string>
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

// The same in two halves: the values rounded (the long part, which stops
// between values once `stop` is asked), then the texts written into the data
// cells.
std::vector<std::string> WriteExactTexts(const std::vector<ExactValue>& values, int places,
                                         const std::stop_token& stop = {});
void WriteTextCells(const std::vector<std::string>& texts, int rows, int cols, Grid& grid);

}  // namespace zorvel
