#pragma once

#include "CalculationInput.h"
#include "Grid.h"

namespace zorvel {

// The matrices as the hand arithmetic reads them. It works on texts, so a
// cell written in a form of its own ("1/3", "230∠30°", "4,7k") is given to
// it as a text in the program's form that reads as the cell's value; a grid
// all of whose cells are read by the program's own rules is used as it is.
class HandReadingGrids {
 public:
  // The input itself in exact mode; by hand, with each matrix read as above
  // (the copies live here until the next call).
  CalculationInput For(const CalculationInput& input);

 private:
  Grid grid1_;
  Grid grid2_;
};

// The grid itself when every data cell (rows x cols) is read by the program's
// own rules, else a copy in `scratch` with the other cells rewritten.
const Grid& HandReadingGrid(const Grid& grid, MatrixSize size, Grid& scratch);

}  // namespace zorvel
