#include "ExactGrids.h"

#include "Cancel.h"
#include "ExactReading.h"

namespace zorvel {

ExactMatrix ReadExactMatrix(const Grid& grid, int rows, int cols) {
  ExactMatrix matrix{rows, cols, {}};
  matrix.cells.reserve(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      matrix.cells.push_back(ReadExact(grid.Cells(grid.FixedCols() + c, grid.FixedRows() + r)).value);
    }
  }
  return matrix;
}

void WriteExactCells(const std::vector<ExactValue>& values, int rows, int cols, int places, Grid& grid) {
  WriteTextCells(WriteExactTexts(values, places), rows, cols, grid);
}

std::vector<std::string> WriteExactTexts(const std::vector<ExactValue>& values, int places,
                                         const std::stop_token& stop) {
  std::vector<std::string> texts;
  texts.reserve(values.size());
  for (const ExactValue& value : values) {
    StopIfAsked(stop);
    texts.push_back(WriteExact(places, value));
  }
  return texts;
}

void WriteTextCells(const std::vector<std::string>& texts, int rows, int cols, Grid& grid) {
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      grid.SetCells(grid.FixedCols() + c, grid.FixedRows() + r,
                    texts[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(c)]);
    }
  }
}

}  // namespace zorvel
