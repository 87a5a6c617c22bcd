#include "LineExpansionSteps.h"

#include "ComplexArithmetic.h"
#include "Determinant.h"
#include "NumberText.h"
#include "StepTexts.h"

namespace zorvel {

void AddLineExpansionSteps(Step& step, const SubMatrix& m, StepMethod line, int places) {
  if (m.Size() == 1) {  // nothing to expand: the element is the determinant
    AddDeterminantSteps(step, m, places);
    return;
  }
  MinorDeterminants minors(m.AsGrid(), places);
  const bool alongRow = line.kind == StepMethod::Kind::Row;
  ShortText sum("0");
  for (int k = 1; k <= m.Size(); ++k) {
    AddExpansionTerm(step, m, minors, alongRow ? line.line : k, alongRow ? k : line.line, places, sum);
  }
  AddShownResult(step, sum.str(), minors.Whole());
}

}  // namespace zorvel
