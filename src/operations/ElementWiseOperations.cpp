// The sum and the difference of the two matrices, element by element.
#include "ComplexArithmetic.h"
#include "ExactGrids.h"
#include "GridOps.h"
#include "MatrixCalculation.h"
#include "OperationDescription.h"
#include "StepParts.h"
#include "StepTexts.h"

namespace zorvel {
namespace {

class ElementWiseOperation final : public OperationDescription {
 public:
  explicit ElementWiseOperation(bool subtract) : subtract_(subtract) {}

  [[nodiscard]] std::string_view Slovak() const override { return subtract_ ? "Rozdiel matíc" : "Súčet matíc"; }
  [[nodiscard]] std::string_view English() const override {
    return subtract_ ? "Difference of the matrices" : "Sum of the matrices";
  }
  [[nodiscard]] std::string_view Verb() const override { return subtract_ ? "difference" : "sum"; }

  [[nodiscard]] std::optional<std::string> Refusal(MatrixCalculation& calculation) const override {
    const auto refusal = SumRefusal(calculation.Input().size1, calculation.Input().size2);
    if (!refusal) return std::nullopt;
    return std::string(*refusal);
  }

  void Fill(MatrixCalculation& calculation, Grid& result) const override {
    const CalculationInput& in = calculation.Input();
    if (calculation.Hand()) {
      FillElementWise(*in.matrix1, *in.matrix2, in.size1, subtract_ ? ElementWise::Difference : ElementWise::Sum,
                      in.places, result);
      calculation.ShowInForm(result, in.size1.rows, in.size1.cols);
      return;
    }
    CopyGrid(*in.matrix1, result, false);
    WriteExactCells(AddExactly(calculation.Exact().Matrix1(), calculation.Exact().Matrix2(), subtract_), in.size1.rows,
                    in.size1.cols, in.places, result, in.form, calculation.Stop());
  }

  [[nodiscard]] std::unique_ptr<Step> Steps(const StepRequest& r) const override {
    if (SumRefusal(r.size1, r.size2) || !CellIn(r, r.size1)) return nullptr;
    const std::string name = ElementName("c", r.row, r.col);
    if (r.mode == CalculationMode::Exact) {
      std::optional<MatrixCalculation> own;
      ExactWork& work = CalculationOf(r, own).Exact();
      return ExactStepsOf(name, ExactCellOf(AddExactly(work.Matrix1(), work.Matrix2(), subtract_), r.size1.cols, r),
                          r.places, r.form);
    }
    return HandStepsOf(name, [&](Step& step) {
      const std::string& x = DataCell(*r.matrix1, r.row, r.col);
      const std::string& y = DataCell(*r.matrix2, r.row, r.col);
      const ShortText result = subtract_ ? ComplexSub(x, y, r.places) : ComplexAdd(x, y, r.places);
      const std::string sign = subtract_ ? " - " : " + ";
      step.Add(ElementName("a", r.row, r.col) + sign + ElementName("b", r.row, r.col) + " = " + Operand(x) + sign +
               Operand(y) + " = " + result.str());
      step.Add(result.str());
    });
  }

 private:
  bool subtract_;
};

}  // namespace

const OperationDescription& SumOperation() {
  static const ElementWiseOperation description(false);
  return description;
}

const OperationDescription& DifferenceOperation() {
  static const ElementWiseOperation description(true);
  return description;
}

}  // namespace zorvel
