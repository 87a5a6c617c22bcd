#include "MethodSteps.h"

#include "ExactEntries.h"
#include "LineExpansionSteps.h"
#include "StepParts.h"

namespace zorvel {
namespace {

bool LineIn(StepMethod method, int size) { return method.AlongLine() && method.line >= 1 && method.line <= size; }

}  // namespace

void AddDeterminantStepsBy(Step& step, const SubMatrix& matrix, int places, StepMethod method) {
  if (LineIn(method, matrix.Size())) {
    AddLineExpansionSteps(step, matrix, method, places);
  } else if (method.kind == StepMethod::Kind::Elimination) {
    AddEliminationDeterminantSteps(step, matrix, places);
  } else {
    AddDeterminantSteps(step, matrix, places);
  }
}

Step::Opener DeterminantOpenerBy(SubMatrix matrix, int places, StepMethod method) {
  if (method == StepMethod{}) return DeterminantOpener(std::move(matrix), places);
  return
      [matrix = std::move(matrix), places, method](Step& step) { AddDeterminantStepsBy(step, matrix, places, method); };
}

std::unique_ptr<Step> ExactDeterminantStepsBy(const std::string& name, ExactWork& work, StepMethod method, int places,
                                              const ShownForm& form) {
  const ExactMatrix& a = work.Matrix1();
  const bool elimination = method.kind == StepMethod::Kind::Elimination;
  if (!elimination && !LineIn(method, a.rows)) return nullptr;
  auto root = std::make_unique<Step>(name);
  const ExactComplex value =
      elimination ? AddExactEliminationDeterminant(*root, a) : AddExactLineExpansion(*root, a, method);
  AddExactEnding(*root, name, ExactValueOfEntry(value), places, form);
  return root;
}

}  // namespace zorvel
