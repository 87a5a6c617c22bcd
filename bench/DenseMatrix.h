#pragma once

// The matrices the benchmarks time: dense complex entries such as -3,25+1,5i
// (quarters from -4 to 4) at 9 places, from a fixed pseudo-random sequence,
// so the figures of different benchmarks describe the same numbers.
#include "ComplexText.h"
#include "Grid.h"

namespace zorvel::bench {

inline void FillDense(Grid& grid, int rows, int cols, unsigned seed) {
  const auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % 33) / 4.0 - 4.0;
  };
  for (int i = 1; i <= rows; ++i) {
    for (int j = 1; j <= cols; ++j) {
      const double re = next(), im = next();
      grid.SetCells(j, i, FormatComplex(9, re, im).view());
    }
  }
}

// An n x n matrix with one fixed row and column, as the window's grids hold it.
inline Grid DenseMatrix(int n, unsigned seed = 12345) {
  Grid grid;
  grid.SetRowCount(n + 1);
  grid.SetColCount(n + 1);
  FillDense(grid, n, n, seed);
  return grid;
}

}  // namespace zorvel::bench
