#include "ComputationSteps.h"

#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "MethodSteps.h"
#include "OperationList.h"
#include "ShownForms.h"
#include "StepParts.h"
#include "StepTexts.h"

namespace zorvel {
namespace {

// The determinant strip's two values.
std::unique_ptr<Step> StripSteps(const StepRequest& r) {
  if (DeterminantRefusal(r.size1) || r.row != 1 || r.col != 1) return nullptr;
  const bool reciprocal = r.value == StepValue::Reciprocal;
  const std::string name = reciprocal ? "1/det" : "det";
  if (r.mode == CalculationMode::Exact) {
    std::optional<MatrixCalculation> own;
    ExactWork& work = CalculationOf(r, own).Exact();
    const ExactInverse& inverse = work.Inverse(false);
    if (reciprocal && inverse.determinant.IsZero()) return nullptr;
    if (!reciprocal) {
      if (auto steps = ExactDeterminantStepsBy(name, work, r.method, r.places, r.form)) return steps;
    }
    return ExactStepsOf(name, reciprocal ? *inverse.reciprocal : inverse.determinant, r.places, r.form);
  }
  HandDeterminant determinant(r);
  if (!reciprocal) {
    return HandStepsOf(name,
                       [&](Step& step) { AddDeterminantStepsBy(step, determinant.Matrix(), r.places, r.method); });
  }
  return HandStepsOverDeterminant(name, determinant, [&](Step& step) {
    determinant.AddLine(step);
    const ShortText value = ComplexDiv("1", determinant.Text(), r.places);
    step.Add("1 / " + Operand(determinant.Text()) + " = " + value.str());
    step.Add(value.str());
  });
}

}  // namespace

// The steps end in the shown text: in another form of results, one more line
// writes the rounded rectangular result in it.
void InForm(Step& root, const StepRequest& request) {
  if (request.form.IsDefault() || root.Count() == 0) return;
  try {
    const std::string last = root.Line(root.Count() - 1).Text();
    const std::string shown = ShownHandText(request.form, request.places, last);
    if (shown != last) root.Add(shown);
  } catch (const std::exception& error) {
    root.Add(std::string(error.what()) + '.');
  }
}

std::unique_ptr<Step> ComputationSteps(const StepRequest& request) {
  std::unique_ptr<Step> steps;
  if (request.value == StepValue::Determinant || request.value == StepValue::Reciprocal) {
    steps = StripSteps(request);
  } else if (request.value != StepValue::Result || request.operation) {
    steps = DescriptionOf(RequestedOperation(request)).Steps(request);
  }
  if (steps && request.mode == CalculationMode::Hand) InForm(*steps, request);
  return steps;
}

}  // namespace zorvel
