#pragma once

#include <memory>

#include "CalculationKinds.h"
#include "Grid.h"
#include "MatrixCalculation.h"
#include "Step.h"
#include "StepMethod.h"

namespace zorvel {

// The values whose computation can be shown: the determinant strip's two, a
// cell of the inverse view's two grids, and a cell of the result of an
// operation: of the input's operation (Result), or of the one named.
enum class StepValue { Determinant, Reciprocal, Adjugate, Inverse, Sum, Difference, Product, Solve, Result };

// One shown value: the recalculation's input (the matrices at the sizes the
// user set, the places, the mode; its operation is read for Result alone),
// which value, and for a result its cell (row and column, counted from 1);
// how a determinant's or an inverse's steps are worked out; and whether the
// steps are of the whole result at once (a system by Cramer's rule alone).
struct StepRequest : CalculationInput {
  StepValue value = StepValue::Determinant;
  int row = 1;
  int col = 1;
  StepMethod method = {};
  bool whole = false;
  // The recalculation of this same input whose results are shown, when
  // there is one: its work is taken, so no elimination is done again.
  MatrixCalculation* done = nullptr;
};

// The steps of the value, the first level worked out: the root's text names
// the value ("det", "adj(1, 2)"), its lines are the computation in the
// calculation's own order with the texts it computed, and the last line is
// the shown text. Nothing when the value is not shown (the calculation is
// refused, or the cell is not in the result). Exactly, the values are taken
// from the request's `done` when it has one.
std::unique_ptr<Step> ComputationSteps(const StepRequest& request);

}  // namespace zorvel
