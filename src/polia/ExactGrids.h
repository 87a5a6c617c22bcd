#pragma once

#include <stop_token>
#include <string>
#include <vector>

#include "ExactMatrix.h"
#include "Grid.h"
#include "ShownForm.h"

namespace zorvel {

// The data cells of a grid (rows x cols from the first data cell) read
// exactly.
ExactMatrix ReadExactMatrix(const Grid& grid, int rows, int cols);

// Writes exact values (row by row, rows x cols) into the data cells, each
// rounded once to `places` (or its significant digits) in the form of results;
// stops between values once `stop` is asked.
void WriteExactCells(const std::vector<ExactValue>& values, int rows, int cols, int places, Grid& grid,
                     const ShownForm& form = {}, const std::stop_token& stop = {});

// An exact result as two rationals, for the forms of results.
ExactComplex ExactComplexOf(const ExactValue& value);

}  // namespace zorvel
