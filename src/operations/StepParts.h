#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ComputationSteps.h"
#include "DeterminantSteps.h"
#include "ExactMatrix.h"
#include "MatrixCalculations.h"
#include "ShownForm.h"
#include "Step.h"

namespace zorvel {

// What the operations' steps share.

// The operation whose result a request shows a cell of.
Operation RequestedOperation(const StepRequest& request);

// Whether the request's cell lies in a result of `size`.
bool CellIn(const StepRequest& request, MatrixSize size);

// The request's recalculation: the one shown when the request carries it,
// else one of its own, made in `own`.
MatrixCalculation& CalculationOf(const StepRequest& request, std::optional<MatrixCalculation>& own);

// Data cell (row, col) of a grid, counted from 1.
const std::string& DataCell(const Grid& grid, int row, int col);

// Matrix 1's determinant by hand, worked out once for one request.
class HandDeterminant {
 public:
  explicit HandDeterminant(const StepRequest& request)
      : a_(WholeMatrix(*request.matrix1, request.size1.rows)), places_(request.places), method_(request.method) {}
  [[nodiscard]] const SubMatrix& Matrix() const { return a_; }
  const std::string& Text();
  // "det = ..." opening into its steps by the request's method.
  void AddLine(Step& step);

 private:
  SubMatrix a_;
  int places_;
  StepMethod method_;
  std::optional<std::string> text_;
};

// The steps of a hand value: `add` writes the lines; an error of the
// arithmetic ends them with its text, where the calculation stops too.
std::unique_ptr<Step> HandStepsOf(const std::string& name, const std::function<void(Step&)>& add);

// The same for a value that needs matrix 1's determinant not to read as 0:
// nothing when it does, as the value is then not shown.
std::unique_ptr<Step> HandStepsOverDeterminant(const std::string& name, HandDeterminant& determinant,
                                               const std::function<void(Step&)>& add);

// The exact steps of a value: its exact value, then the shown text (and in
// another form of results, the text written in it).
std::unique_ptr<Step> ExactStepsOf(const std::string& name, const ExactValue& value, int places, const ShownForm& form);

// The same ending added to `step`: "name = " the exact value, the shown
// text, and in another form of results the text written in it.
void AddExactEnding(Step& step, const std::string& name, const ExactValue& value, int places, const ShownForm& form);

// Value (row, col) of a result held row by row with `cols` columns.
const ExactValue& ExactCellOf(const std::vector<ExactValue>& values, int cols, const StepRequest& request);

}  // namespace zorvel
