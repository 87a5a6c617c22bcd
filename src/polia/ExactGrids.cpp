#include "ExactGrids.h"

#include "Cancel.h"
#include "CellReading.h"
#include "ExactWriting.h"
#include "ShownForms.h"

namespace zorvel {

ExactMatrix ReadExactMatrix(const Grid& grid, int rows, int cols) {
  ExactMatrix matrix{rows, cols, {}};
  matrix.cells.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      CellReading cell = ReadCell(grid.Cells(grid.FixedCols() + c, grid.FixedRows() + r), true);
      if (cell.error) ThrowFloatError(*cell.error);
      matrix.cells.push_back(std::move(cell.exact));
    }
  }
  return matrix;
}

void WriteExactCells(const std::vector<ExactValue>& values, int rows, int cols, int places, Grid& grid,
                     const ShownForm& form, const std::stop_token& stop) {
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      StopIfAsked(stop);
      const ExactValue& value =
          values[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(c)];
      grid.SetCells(grid.FixedCols() + c, grid.FixedRows() + r,
                    form.IsDefault() || value.notANumber
                        ? WriteExact(places, value)
                        : WriteShown(form, places, value.re, value.im, value.denominator));
    }
  }
}

ExactComplex ExactComplexOf(const ExactValue& value) {
  if (value.notANumber) return {0, 0, true};
  ExactComplex complex{mpq_class(value.re, value.denominator), mpq_class(value.im, value.denominator)};
  complex.re.canonicalize();
  complex.im.canonicalize();
  return complex;
}

}  // namespace zorvel
