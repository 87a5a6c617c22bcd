// The rank of matrix 1 and its reduced row echelon form, by Gauss-Jordan
// elimination in the order a student follows; zero rows stay at the bottom.
#include "ExactEntries.h"
#include "GridOps.h"
#include "MatrixCalculation.h"
#include "OperationDescription.h"
#include "RowOperationSteps.h"
#include "StepParts.h"
#include "StepTexts.h"

namespace zorvel {

int RankOfMatrix1(MatrixCalculation& calculation);

namespace {

class Echelon final : public OperationDescription {
 public:
  [[nodiscard]] std::string_view Slovak() const override { return "Hodnosť a stupňovitý tvar matice 1"; }
  [[nodiscard]] std::string_view English() const override { return "Rank and row echelon form of matrix 1"; }
  [[nodiscard]] std::string_view Verb() const override { return "rref"; }
  [[nodiscard]] int Operands() const override { return 1; }
  [[nodiscard]] bool TakesMatrixBeside() const override { return true; }

  [[nodiscard]] std::optional<std::string> Refusal(MatrixCalculation& /*calculation*/) const override {
    return std::nullopt;  // every matrix has both
  }

  void Fill(MatrixCalculation& calculation, Grid& result) const override {
    const CalculationInput& in = calculation.Input();
    CopyGrid(*in.matrix1, result, false);
    for (int r = 0; r < in.size1.rows; ++r) {
      for (int c = 0; c < in.size1.cols; ++c) result.SetCells(c + 1, r + 1, Entry(calculation, r, c));
    }
    if (calculation.Hand()) calculation.ShowInForm(result, in.size1.rows, in.size1.cols);
  }

  [[nodiscard]] std::string Caption(MatrixCalculation& calculation) const override {
    return "Hodnos\x9D matice 1: " + std::to_string(RankOfMatrix1(calculation));  // "Hodnosť matice 1: 2"
  }

  [[nodiscard]] std::unique_ptr<Step> Steps(const StepRequest& r) const override {
    if (!CellIn(r, r.size1)) return nullptr;
    const std::string name = ElementName("rref", r.row, r.col);
    std::optional<MatrixCalculation> own;
    MatrixCalculation& calculation = CalculationOf(r, own);
    const int rows = r.size1.rows, cols = r.size1.cols;
    if (r.mode == CalculationMode::Exact) {
      auto root = std::make_unique<Step>(name);
      const ExactReduced& reduced = calculation.Exact().Reduced(false);
      AddRowOperationLines(
          *root, ExactRows(calculation.Exact().Matrix1(), nullptr), rows, cols, cols, ExactRowArithmetic{},
          [places = r.places](const ExactComplex& v) { return WriteExactEntry(v, places, EntryUse::Step); },
          reduced.log);
      root->Add(WriteExactEntry(reduced.At(r.row - 1, r.col - 1), r.places, EntryUse::Result, r.form));
      return root;
    }
    return HandStepsOf(name, [&](Step& step) {
      const HandReduced& reduced = calculation.HandReduction(false);
      AddRowOperationLines(
          step, HandRows(*r.matrix1, r.size1, nullptr, {}, r.places), rows, cols, cols, HandRowArithmetic{r.places},
          [](const std::string& v) { return v; }, reduced.log);
      step.Add(reduced.At(r.row - 1, r.col - 1));
    });
  }

 private:
  static std::string Entry(MatrixCalculation& calculation, int row, int col) {
    if (calculation.Hand()) return calculation.HandReduction(false).At(row, col);
    return WriteExactEntry(calculation.Exact().Reduced(false).At(row, col), calculation.Input().places,
                           EntryUse::Result, calculation.Input().form);
  }
};

}  // namespace

int RankOfMatrix1(MatrixCalculation& calculation) {
  return calculation.Hand() ? calculation.HandReduction(false).Rank() : calculation.Exact().Reduced(false).Rank();
}

const OperationDescription& EchelonOperation() {
  static const Echelon description;
  return description;
}

}  // namespace zorvel
