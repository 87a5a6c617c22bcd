#include "KeptCalculation.h"

#include <utility>

namespace zorvel {
namespace {

bool SameGrid(const Grid& a, const Grid& b) {
  if (a.RowCount() != b.RowCount() || a.ColCount() != b.ColCount() || a.FixedRows() != b.FixedRows() ||
      a.FixedCols() != b.FixedCols()) {
    return false;
  }
  for (int row = 0; row < a.RowCount(); ++row) {
    for (int col = 0; col < a.ColCount(); ++col) {
      if (a.Cells(col, row) != b.Cells(col, row)) return false;
    }
  }
  return true;
}

}  // namespace

bool SameCalculationInput(const CalculationInput& a, const CalculationInput& b) {
  return a.size1.rows == b.size1.rows && a.size1.cols == b.size1.cols && a.size2.rows == b.size2.rows &&
         a.size2.cols == b.size2.cols && a.places == b.places && a.mode == b.mode && a.operation == b.operation &&
         SameGrid(*a.matrix1, *b.matrix1) && SameGrid(*a.matrix2, *b.matrix2);
}

KeptCalculation::KeptCalculation(const CalculationInput& input, std::stop_token stop)
    : matrix1_(*input.matrix1),
      matrix2_(*input.matrix2),
      input_([&] {
        CalculationInput own = input;
        own.matrix1 = &matrix1_;
        own.matrix2 = &matrix2_;
        return own;
      }()),
      results_(input_, nullptr, nullptr, std::move(stop)) {}

}  // namespace zorvel
