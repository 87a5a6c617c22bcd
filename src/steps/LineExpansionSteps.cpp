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
    const int i = alongRow ? line.line : k;
    const int j = alongRow ? k : line.line;
    const std::string& element = m.Element(i, j);
    const bool negative = (i + j) % 2 != 0;
    const ShortText signedElement = ComplexMul(element, RealToDigits(PowerOf(i + j, -1)), places);
    const std::string minor = minors.Minor(i, j);
    const ShortText term = ComplexMul(signedElement, minor, places);
    const ShortText next = ComplexAdd(sum, term, places);
    const std::string name = m.ElementName(i, j);
    // Built by appending, as the first column's lines are written.
    std::string text = name;
    text += " = " + Operand(element) + ";  " + Operand(element);
    text += kTimes;
    text += SignFactor(negative) + " = " + signedElement.str() + ";  M" + name.substr(m.name.size());
    text += " = " + minor + ";  " + Operand(signedElement);
    text += kTimes;
    text += Operand(minor) + " = " + term.str() + ";  S = " + Operand(sum) + " + " + Operand(term) + " = " + next.str();
    AddDeterminantLine(step, std::move(text), m.Without(i, j), places);
    sum = next;
  }
  AddShownResult(step, sum.str(), minors.Whole());
}

}  // namespace zorvel
