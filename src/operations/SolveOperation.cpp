// The solution of matrix 1 . X = matrix 2: by hand by Cramer's rule, each
// unknown a quotient of two determinants; exactly by elimination.
#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "ExactGrids.h"
#include "MatrixCalculation.h"
#include "OperationDescription.h"
#include "StepParts.h"
#include "StepTexts.h"

namespace zorvel {
namespace {

class Solve final : public OperationDescription {
 public:
  [[nodiscard]] std::string_view Slovak() const override { return "Riešenie sústavy: matica 1 · X = matica 2"; }
  [[nodiscard]] std::string_view English() const override { return "Solution of the system: matrix 1 · X = matrix 2"; }
  [[nodiscard]] std::string_view Verb() const override { return "solve"; }

  [[nodiscard]] std::optional<std::string> Refusal(MatrixCalculation& calculation) const override {
    const MatrixSize size1 = calculation.Input().size1;
    const MatrixSize size2 = calculation.Input().size2;
    const bool square = size1.rows == size1.cols && size1.rows > 0;
    const auto refusal =
        SolveRefusal(size1, size2, square && size2.rows == size1.rows && calculation.Determinant().zero);
    if (!refusal) return std::nullopt;
    return std::string(*refusal);
  }

  void Fill(MatrixCalculation& calculation, Grid& result) const override {
    const CalculationInput& in = calculation.Input();
    if (calculation.Hand()) {
      FillSolution(*in.matrix1, *in.matrix2, in.size1.rows, in.size2.cols, calculation.Determinant().text, in.places,
                   calculation.Cramer(), result);
      return;
    }
    ShapeAsProduct(*in.matrix1, *in.matrix2, result);
    // The refusal has made sure that matrix 1 is not singular.
    const std::optional<std::vector<ExactValue>> solution =
        SolveExactly(calculation.Exact().Matrix1(), calculation.Exact().Matrix2());
    if (solution) WriteExactCells(*solution, in.size1.rows, in.size2.cols, in.places, result);
  }

  [[nodiscard]] std::unique_ptr<Step> Steps(const StepRequest& r) const override {
    if (SolveRefusal(r.size1, r.size2, false) || !CellIn(r, {r.size1.rows, r.size2.cols})) return nullptr;
    const std::string name = ElementName("x", r.row, r.col);
    if (r.mode == CalculationMode::Exact) {
      ExactWork work(r);
      if (work.Inverse(false).determinant.IsZero()) return nullptr;
      return ExactStepsOf(name, ExactCellOf(*SolveExactly(work.Matrix1(), work.Matrix2()), r.size2.cols, r), r.places);
    }
    HandDeterminant determinant(r);
    bool refused = false;
    std::unique_ptr<Step> root = HandStepsOf(name, [&](Step& step) {
      if (IsZeroComplex(determinant.Text())) {
        refused = true;
        return;
      }
      AddCramer(step, r, determinant);
    });
    if (refused) return nullptr;
    return root;
  }

 private:
  // Cramer's rule: the determinant with column `row` of matrix 1 replaced by
  // column `col` of matrix 2, divided by the determinant.
  static void AddCramer(Step& step, const StepRequest& r, HandDeterminant& determinant) {
    Grid replaced = *r.matrix1;
    for (int k = 1; k <= r.size1.rows; ++k) {
      replaced.SetCells(replaced.FixedCols() + r.row - 1, replaced.FixedRows() + k - 1, DataCell(*r.matrix2, k, r.col));
    }
    const SubMatrix numerator = WholeMatrix(replaced, r.size1.rows);
    const std::string numeratorText = DeterminantText(numerator, r.places);
    // Built by appending: GCC 12 warns falsely of overlap in long chains of +.
    std::string line = "det(a, ";
    line += ElementName("a", 0, r.row).replace(2, 1, ".");
    line += " := ";
    line += ElementName("b", 0, r.col).replace(2, 1, ".");
    line += ") = ";
    line += numeratorText;
    step.Add(std::move(line), DeterminantOpener(numerator, r.places));
    determinant.AddLine(step);
    const ShortText x = ComplexDiv(numeratorText, determinant.Text(), r.places);
    step.Add(Operand(numeratorText) + " / " + Operand(determinant.Text()) + " = " + x.str());
    step.Add(x.str());
  }
};

}  // namespace

const OperationDescription& SolveOperation() {
  static const Solve description;
  return description;
}

}  // namespace zorvel
