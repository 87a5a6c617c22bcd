#pragma once

#include <optional>

#include "CalculationKinds.h"
#include "Grid.h"
#include "MatrixCalculations.h"
#include "ShownForm.h"

namespace zorvel {

// The matrices and settings that one recalculation works on. The grids hold
// each matrix in their data cells at the size the user set.
struct CalculationInput {
  const Grid* matrix1 = nullptr;
  MatrixSize size1;
  const Grid* matrix2 = nullptr;
  MatrixSize size2;
  int places = 3;
  CalculationMode mode = CalculationMode::Hand;
  // The operation whose result is wanted, if any: the exact inverse is
  // worked out with the determinant when it will be shown.
  std::optional<Operation> operation;
  // The form in which every shown result is written.
  ShownForm form = {};
};

}  // namespace zorvel
