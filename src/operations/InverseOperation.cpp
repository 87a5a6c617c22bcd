// The inverse of matrix 1 as 1/determinant x adjugate, shown in the inverse
// view: the adjugate's entries are cofactors, each divided by the
// determinant.
#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "MatrixCalculation.h"
#include "MethodSteps.h"
#include "NumberText.h"
#include "OperationDescription.h"
#include "StepParts.h"
#include "StepTexts.h"

namespace zorvel {
namespace {

// Adjugate entry (row, col): the cofactor of element (col, row), the sign
// times the minor's determinant.
void AddCofactor(Step& step, const SubMatrix& a, int row, int col, int places) {
  if (a.Size() == 1) {  // the adjugate of any 1 x 1 matrix
    step.Add("1");
    return;
  }
  const SubMatrix minor = a.Without(col, row);
  const std::string minorText = DeterminantText(minor, places);
  const std::string minorName = ElementName("M", col, row);
  AddDeterminantLine(step, minorName + " = " + minorText, minor, places);
  const bool negative = (row + col) % 2 != 0;
  const ShortText cofactor = ComplexMul(RealToDigits(PowerOf(row + col, -1)), minorText, places);
  step.Add("(-1)^" + std::to_string(row + col) + std::string(kTimes) + minorName + " = " + SignFactor(negative) +
           std::string(kTimes) + Operand(minorText) + " = " + cofactor.str());
  step.Add(cofactor.str());
}

class Inverse final : public OperationDescription {
 public:
  [[nodiscard]] std::string_view Slovak() const override { return "Inverzná matica z matice 1"; }
  [[nodiscard]] std::string_view English() const override { return "Inverse of matrix 1"; }
  [[nodiscard]] std::string_view Verb() const override { return "inverse"; }
  [[nodiscard]] int Operands() const override { return 1; }
  [[nodiscard]] bool InverseView() const override { return true; }

  [[nodiscard]] std::optional<std::string> Refusal(MatrixCalculation& calculation) const override {
    const MatrixSize size1 = calculation.Input().size1;
    // The determinant is asked for only where it decides.
    const bool square = size1.rows == size1.cols && size1.rows > 0;
    const auto refusal = InverseRefusal(size1, square && calculation.Determinant().zero);
    if (!refusal) return std::nullopt;
    return std::string(*refusal);
  }

  void Fill(MatrixCalculation& calculation, Grid& result) const override {
    Grid adjugate;
    calculation.FillInverse(adjugate, result);
  }

  [[nodiscard]] std::unique_ptr<Step> Steps(const StepRequest& r) const override {
    if (InverseRefusal(r.size1, false) || !CellIn(r, r.size1)) return nullptr;
    const bool adjugate = r.value == StepValue::Adjugate;
    // The adjugate is made of cofactors whatever the method. By elimination
    // the inverse comes from [A | E], and ends in the cell the cofactors give.
    if (!adjugate && r.method.kind == StepMethod::Kind::Elimination) {
      StepRequest own = r;
      own.method = {};
      std::unique_ptr<Step> shown = Steps(own);
      return shown ? GaussJordanInverseSteps(r, *shown) : nullptr;
    }
    const std::string name = ElementName(adjugate ? "adj" : "inv", r.row, r.col);
    if (r.mode == CalculationMode::Exact) {
      std::optional<MatrixCalculation> own;
      ExactWork& work = CalculationOf(r, own).Exact();
      const ExactInverse& inverse = work.Inverse(true);
      if (inverse.determinant.IsZero()) return nullptr;
      return ExactStepsOf(name, ExactCellOf(adjugate ? inverse.adjugate : inverse.inverse, r.size1.cols, r), r.places,
                          r.form);
    }
    HandDeterminant determinant(r);
    return HandStepsOverDeterminant(name, determinant, [&](Step& step) {
      const SubMatrix& a = determinant.Matrix();
      if (adjugate) {
        AddCofactor(step, a, r.row, r.col, r.places);
        return;
      }
      Step probe("");
      AddCofactor(probe, a, r.row, r.col, r.places);
      const std::string entry = probe.Line(probe.Count() - 1).Text();
      // The cofactor's three lines, the first opening into its minor.
      const int minorSize = a.Size() - 1;
      step.Add(ElementName("adj", r.row, r.col) + " = " + entry,
               [a, row = r.row, col = r.col, places = r.places](Step& s) { AddCofactor(s, a, row, col, places); })
          .SetLinesBelow(
              [minorSize](int levels) { return minorSize == 0 ? 1 : 3 + DeterminantLines(minorSize, levels - 1); });
      determinant.AddLine(step);
      const ShortText value = ComplexDiv(entry, determinant.Text(), r.places);
      step.Add(Operand(entry) + " / " + Operand(determinant.Text()) + " = " + value.str());
      step.Add(value.str());
    });
  }
};

}  // namespace

const OperationDescription& InverseOperation() {
  static const Inverse description;
  return description;
}

}  // namespace zorvel
