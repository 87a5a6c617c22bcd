#include "CramerSystemSteps.h"

#include "ComplexArithmetic.h"
#include "DeterminantSteps.h"
#include "StepParts.h"
#include "StepTexts.h"

namespace zorvel {

std::unique_ptr<Step> CramerSystemSteps(const StepRequest& r) {
  HandDeterminant determinant(r);
  return HandStepsOf("X", [&](Step& step) {
    determinant.AddLine(step);
    const int n = r.size1.rows;
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= r.size2.cols; ++j) {
        Grid replaced = *r.matrix1;
        for (int k = 1; k <= n; ++k) {
          replaced.SetCells(replaced.FixedCols() + i - 1, replaced.FixedRows() + k - 1, DataCell(*r.matrix2, k, j));
        }
        const SubMatrix numerator = WholeMatrix(replaced, n);
        const std::string numeratorText = DeterminantText(numerator, r.places);
        // "det(a, a.1 := b.2) = ...", as a single unknown's steps write it.
        std::string line = "det(a, ";
        line += ElementName("a", 0, i).replace(2, 1, ".");
        line += " := ";
        line += ElementName("b", 0, j).replace(2, 1, ".");
        line += ") = ";
        line += numeratorText;
        AddDeterminantLine(step, std::move(line), numerator, r.places);
        const ShortText x = ComplexDiv(numeratorText, determinant.Text(), r.places);
        step.Add(ElementName("x", i, j) + " = " + Operand(numeratorText) + " / " + Operand(determinant.Text()) + " = " +
                 x.str());
      }
    }
  });
}

}  // namespace zorvel
