#pragma once

#include <memory>
#include <string>

#include "ComputationSteps.h"
#include "DeterminantSteps.h"
#include "ExactMatrix.h"
#include "MatrixCalculation.h"
#include "Step.h"
#include "StepMethod.h"

namespace zorvel {

// The steps of a determinant and of an inverse by the method the user
// chose (StepMethod.h). The first column is the calculation's own and its
// steps are those of DeterminantSteps.h; every other method is worked out
// in its own file and ends, by hand, in the calculation's own text, saying
// so where it rounded to other digits; exactly, in the same value.

// By hand: the lines of the matrix's determinant by `method` (a line
// outside the matrix is taken as the first column), and an opener of them.
void AddDeterminantStepsBy(Step& step, const SubMatrix& matrix, int places, StepMethod method);
Step::Opener DeterminantOpenerBy(SubMatrix matrix, int places, StepMethod method);

// Exactly: matrix 1's determinant by `method`, ending as the first column's
// exact steps end; nothing for the first column (or a line outside the
// matrix), whose steps are the caller's own.
std::unique_ptr<Step> ExactDeterminantStepsBy(const std::string& name, ExactWork& work, StepMethod method, int places,
                                              const ShownForm& form);

// In EliminationDeterminantSteps.cpp: triangular form and the signed
// product of the pivots; the exact one gives its value.
void AddEliminationDeterminantSteps(Step& step, const SubMatrix& matrix, int places);
ExactComplex AddExactEliminationDeterminant(Step& step, const ExactMatrix& matrix);

// In ExactLineExpansionSteps.cpp: the exact expansion along a row or
// column; gives its value.
ExactComplex AddExactLineExpansion(Step& step, const ExactMatrix& matrix, StepMethod line);

// In GaussJordanInverseSteps.cpp: a cell of the inverse by Gauss-Jordan
// elimination on [A | E], in the request's mode; `shown` holds the
// inverse's own steps of that cell, whose last line is the shown text.
std::unique_ptr<Step> GaussJordanInverseSteps(const StepRequest& request, Step& shown);

}  // namespace zorvel
