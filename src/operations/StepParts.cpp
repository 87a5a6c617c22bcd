#include "StepParts.h"

#include "ComplexText.h"
#include "ExactSteps.h"
#include "MethodSteps.h"
#include "OperationList.h"
#include "ShownForms.h"

namespace zorvel {

Operation RequestedOperation(const StepRequest& request) {
  switch (request.value) {
    case StepValue::Sum: return Operation::Sum;
    case StepValue::Difference: return Operation::Difference;
    case StepValue::Product: return Operation::Product;
    case StepValue::Solve: return Operation::Solve;
    case StepValue::Result: return request.operation.value_or(Operation::Inverse);
    default: return Operation::Inverse;
  }
}

bool CellIn(const StepRequest& request, MatrixSize size) {
  return request.row >= 1 && request.col >= 1 && request.row <= size.rows && request.col <= size.cols;
}

MatrixCalculation& CalculationOf(const StepRequest& request, std::optional<MatrixCalculation>& own) {
  if (request.done != nullptr) return *request.done;
  return own.emplace(request);
}

const std::string& DataCell(const Grid& grid, int row, int col) {
  return grid.Cells(grid.FixedCols() + col - 1, grid.FixedRows() + row - 1);
}

const std::string& HandDeterminant::Text() {
  if (!text_) text_ = DeterminantText(a_, places_);
  return *text_;
}

void HandDeterminant::AddLine(Step& step) {
  if (method_ == StepMethod{}) {
    AddDeterminantLine(step, "det = " + Text(), a_, places_);
  } else {
    step.Add("det = " + Text(), DeterminantOpenerBy(a_, places_, method_));
  }
}

std::unique_ptr<Step> HandStepsOf(const std::string& name, const std::function<void(Step&)>& add) {
  auto root = std::make_unique<Step>(name);
  try {
    add(*root);
  } catch (const std::exception& error) {
    root->Add(std::string(error.what()) + '.');  // where the calculation stops too
  }
  return root;
}

std::unique_ptr<Step> HandStepsOverDeterminant(const std::string& name, HandDeterminant& determinant,
                                               const std::function<void(Step&)>& add) {
  bool refused = false;
  std::unique_ptr<Step> root = HandStepsOf(name, [&](Step& step) {
    refused = IsZeroComplex(determinant.Text());
    if (!refused) add(step);
  });
  if (refused) return nullptr;
  return root;
}

std::unique_ptr<Step> ExactStepsOf(const std::string& name, const ExactValue& value, int places,
                                   const ShownForm& form) {
  auto root = std::make_unique<Step>(name);
  AddExactEnding(*root, name, value, places, form);
  return root;
}

void AddExactEnding(Step& step, const std::string& name, const ExactValue& value, int places, const ShownForm& form) {
  AddExactSteps(step, name, value, places);
  // In another form of results the steps end in the text written in it.
  if (!form.IsDefault() && !value.notANumber) step.Add(WriteShown(form, places, value.re, value.im, value.denominator));
}

const ExactValue& ExactCellOf(const std::vector<ExactValue>& values, int cols, const StepRequest& request) {
  return values.at(static_cast<std::size_t>((request.row - 1) * cols + request.col - 1));
}

}  // namespace zorvel
