#pragma once

#include "DeterminantSteps.h"
#include "Step.h"
#include "StepMethod.h"

namespace zorvel {

// Adds to `step` the lines of the matrix's determinant by hand expanded
// along one row or column (`line`, which must lie in the matrix), as a
// student chooses it: one line per element of the line, its sign
// (-1)^(i+j), its minor's determinant and the running sum, every operation
// rounded to the places in that order. Each minor opens into its own
// expansion along the first column: a row or column number of the whole
// matrix names no line of a minor, and the minors' texts are then the very
// ones the calculation computes. The last lines compare the sum with the
// calculation's own determinant (AddShownResult).
void AddLineExpansionSteps(Step& step, const SubMatrix& matrix, StepMethod line, int places);

}  // namespace zorvel
