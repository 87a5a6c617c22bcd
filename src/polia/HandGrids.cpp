#include "HandGrids.h"

#include "CellReading.h"
#include "ComplexText.h"
#include "FloatError.h"

namespace zorvel {
namespace {

bool ReadsWholeByTheProgramsRules(const std::string& text) {
  try {
    return ReadComplex(text).whole;
  } catch (const FloatError&) {
    return false;
  }
}

}  // namespace

const Grid& HandReadingGrid(const Grid& grid, MatrixSize size, Grid& scratch) {
  bool copied = false;
  for (int r = 0; r < size.rows; ++r) {
    for (int c = 0; c < size.cols; ++c) {
      const int col = grid.FixedCols() + c;
      const int row = grid.FixedRows() + r;
      const std::string& text = grid.Cells(col, row);
      if (ReadsWholeByTheProgramsRules(text)) continue;  // the common cell, at the cost of its reading alone
      const CellReading reading = ReadCell(text);
      if (reading.handText.empty()) continue;
      if (!copied) {
        scratch = grid;
        copied = true;
      }
      scratch.SetCells(col, row, reading.handText);
    }
  }
  return copied ? scratch : grid;
}

CalculationInput HandReadingGrids::For(const CalculationInput& input) {
  if (input.mode != CalculationMode::Hand) return input;
  CalculationInput hand = input;
  if (input.matrix1 != nullptr) hand.matrix1 = &HandReadingGrid(*input.matrix1, input.size1, grid1_);
  if (input.matrix2 != nullptr) hand.matrix2 = &HandReadingGrid(*input.matrix2, input.size2, grid2_);
  return hand;
}

}  // namespace zorvel
