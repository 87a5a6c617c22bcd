// The product matrix 1 x matrix 2, row times column.
#include "ComplexArithmetic.h"
#include "ExactGrids.h"
#include "MatrixCalculation.h"
#include "OperationDescription.h"
#include "StepParts.h"
#include "StepTexts.h"

namespace zorvel {
namespace {

class Product final : public OperationDescription {
 public:
  [[nodiscard]] std::string_view Slovak() const override { return "Súčin matíc"; }
  [[nodiscard]] std::string_view English() const override { return "Product of the matrices"; }
  [[nodiscard]] std::string_view Verb() const override { return "product"; }

  [[nodiscard]] std::optional<std::string> Refusal(MatrixCalculation& calculation) const override {
    const auto refusal = ProductRefusal(calculation.Input().size1, calculation.Input().size2);
    if (!refusal) return std::nullopt;
    return std::string(*refusal);
  }

  void Fill(MatrixCalculation& calculation, Grid& result) const override {
    const CalculationInput& in = calculation.Input();
    if (calculation.Hand()) {
      FillProduct(*in.matrix1, *in.matrix2, in.places, result);
      calculation.ShowInForm(result, in.size1.rows, in.size2.cols);
      return;
    }
    ShapeAsProduct(*in.matrix1, *in.matrix2, result);
    WriteExactCells(MultiplyExactly(calculation.Exact().Matrix1(), calculation.Exact().Matrix2()), in.size1.rows,
                    in.size2.cols, in.places, result, in.form, calculation.Stop());
  }

  [[nodiscard]] std::unique_ptr<Step> Steps(const StepRequest& r) const override {
    if (ProductRefusal(r.size1, r.size2) || !CellIn(r, {r.size1.rows, r.size2.cols})) return nullptr;
    const std::string name = ElementName("c", r.row, r.col);
    if (r.mode == CalculationMode::Exact) {
      std::optional<MatrixCalculation> own;
      ExactWork& work = CalculationOf(r, own).Exact();
      return ExactStepsOf(name, ExactCellOf(MultiplyExactly(work.Matrix1(), work.Matrix2()), r.size2.cols, r), r.places,
                          r.form);
    }
    // Row times column, every product and every partial sum rounded.
    return HandStepsOf(name, [&](Step& step) {
      ShortText sum;  // the empty text reads as 0
      for (int k = 1; k <= r.size1.cols; ++k) {
        const std::string& x = DataCell(*r.matrix1, r.row, k);
        const std::string& y = DataCell(*r.matrix2, k, r.col);
        const ShortText term = ComplexMul(x, y, r.places);
        const ShortText next = ComplexAdd(sum, term, r.places);
        step.Add(ElementName("a", r.row, k) + "\xB7" + ElementName("b", k, r.col) + " = " + Operand(x) +
                 std::string(kTimes) + Operand(y) + " = " + term.str() + ";  S = " + Operand(sum) + " + " +
                 Operand(term) + " = " + next.str());
        sum = next;
      }
      step.Add(sum.str());
    });
  }
};

}  // namespace

const OperationDescription& ProductOperation() {
  static const Product description;
  return description;
}

}  // namespace zorvel
