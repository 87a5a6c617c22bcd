#include "ComputationSteps.h"

#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "OperationList.h"
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
    ExactWork work(r);
    const ExactInverse& inverse = work.Inverse(false);
    if (reciprocal && inverse.determinant.IsZero()) return nullptr;
    return ExactStepsOf(name, reciprocal ? *inverse.reciprocal : inverse.determinant, r.places);
  }
  HandDeterminant determinant(r);
  bool refused = false;
  std::unique_ptr<Step> root = HandStepsOf(name, [&](Step& step) {
    if (!reciprocal) {
      AddDeterminantSteps(step, determinant.Matrix(), r.places);
      return;
    }
    if (IsZeroComplex(determinant.Text())) {
      refused = true;
      return;
    }
    determinant.AddLine(step);
    const ShortText value = ComplexDiv("1", determinant.Text(), r.places);
    step.Add("1 / " + Operand(determinant.Text()) + " = " + value.str());
    step.Add(value.str());
  });
  if (refused) return nullptr;
  return root;
}

}  // namespace

std::unique_ptr<Step> ComputationSteps(const StepRequest& request) {
  if (request.value == StepValue::Determinant || request.value == StepValue::Reciprocal) return StripSteps(request);
  if (request.value == StepValue::Result && !request.operation) return nullptr;
  return DescriptionOf(RequestedOperation(request)).Steps(request);
}

}  // namespace zorvel
