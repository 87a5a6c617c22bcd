#include "ShownResults.h"

namespace zorvel::fuzz {

void AppendCells(const Grid& grid, int rows, int cols, std::vector<std::string>& cells) {
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) cells.push_back(grid.Cells(grid.FixedCols() + c, grid.FixedRows() + r));
  }
}

Shown ShownBy(MatrixCalculation& calculation, Operation operation, int n, int k) {
  Shown shown;
  if (operation == Operation::Inverse) {
    shown.determinant = calculation.Determinant().text;
    shown.reciprocal = calculation.Reciprocal();
  }
  if (const auto refusal = calculation.Refusal(operation)) {
    shown.refusal = std::string(*refusal);
    return shown;
  }
  if (operation == Operation::Inverse) {
    Grid adjugate, inverse;
    calculation.FillInverse(adjugate, inverse);
    AppendCells(adjugate, n, n, shown.cells);
    AppendCells(inverse, n, n, shown.cells);
    return shown;
  }
  Grid result;
  calculation.FillResult(operation, result);
  AppendCells(result, n, operation == Operation::Product || operation == Operation::Solve ? k : n, shown.cells);
  return shown;
}

}  // namespace zorvel::fuzz
