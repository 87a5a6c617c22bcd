// The transpose of matrix 1 and its conjugate transpose: Pole5 takes the
// transposed shape, up to 10 x 20.
#include "ComplexText.h"
#include "ExactEntries.h"
#include "MatrixCalculation.h"
#include "NumberText.h"
#include "OperationDescription.h"
#include "StepParts.h"
#include "StepTexts.h"

namespace zorvel {
namespace {

class Transposition final : public OperationDescription {
 public:
  explicit Transposition(bool conjugate) : conjugate_(conjugate) {}

  [[nodiscard]] std::string_view Slovak() const override {
    return conjugate_ ? "Hermitovsky združená matica 1" : "Transponovaná matica 1";
  }
  [[nodiscard]] std::string_view English() const override {
    return conjugate_ ? "Conjugate transpose of matrix 1" : "Transpose of matrix 1";
  }
  [[nodiscard]] std::string_view Verb() const override { return conjugate_ ? "conjugate-transpose" : "transpose"; }
  [[nodiscard]] int Operands() const override { return 1; }

  [[nodiscard]] std::optional<std::string> Refusal(MatrixCalculation& /*calculation*/) const override {
    return std::nullopt;
  }

  void Fill(MatrixCalculation& calculation, Grid& result) const override {
    const CalculationInput& in = calculation.Input();
    const int rows = in.size1.cols, cols = in.size1.rows;
    result.SetColCount(cols + 1);
    result.SetRowCount(rows + 1);
    for (int i = 1; i <= rows; ++i) result.SetCells(0, i, IntToText(i));
    for (int j = 1; j <= cols; ++j) result.SetCells(j, 0, IntToText(j));
    for (int r = 1; r <= rows; ++r) {
      for (int c = 1; c <= cols; ++c) {
        result.SetCells(c, r,
                        calculation.Hand() ? HandEntry(DataCell(*in.matrix1, c, r), in.places)
                                           : ExactEntry(calculation.Exact().Matrix1().At(c - 1, r - 1), in.places,
                                                        EntryUse::Result, in.form));
      }
    }
    if (calculation.Hand()) calculation.ShowInForm(result, rows, cols);
  }

  [[nodiscard]] std::unique_ptr<Step> Steps(const StepRequest& r) const override {
    if (!CellIn(r, {r.size1.cols, r.size1.rows})) return nullptr;
    const std::string name = ElementName(conjugate_ ? "h" : "t", r.row, r.col);
    // Element (row, col) is matrix 1's (col, row), conjugated for the other.
    const std::string source = ElementName("a", r.col, r.row);
    const std::string written = conjugate_ ? "conj " + source : source;
    if (r.mode == CalculationMode::Exact) {
      std::optional<MatrixCalculation> own;
      ExactWork& work = CalculationOf(r, own).Exact();
      const ExactComplex& value = work.Matrix1().At(r.col - 1, r.row - 1);
      auto root = std::make_unique<Step>(name);
      root->Add(name + " = " + written + " = " + ExactEntry(value, r.places, EntryUse::Step));
      root->Add(ExactEntry(value, r.places, EntryUse::Result, r.form));
      return root;
    }
    return HandStepsOf(name, [&](Step& step) {
      const std::string& cell = DataCell(*r.matrix1, r.col, r.row);
      const std::string value = HandEntry(cell, r.places);
      step.Add(name + " = " + written + " = " + (conjugate_ ? "conj " + Operand(cell) + " = " : "") + value);
      step.Add(value);
    });
  }

 private:
  // The cell as it reads, written to the places (its imaginary part negated
  // for the conjugate).
  [[nodiscard]] std::string HandEntry(const std::string& cell, int places) const {
    const Complex value = ParseComplex(cell);
    return FormatComplex(places, value.re, conjugate_ ? -value.im : value.im).str();
  }
  [[nodiscard]] std::string ExactEntry(const ExactComplex& value, int places, EntryUse use,
                                       const ShownForm& form = {}) const {
    if (!conjugate_) return WriteExactEntry(value, places, use, form);
    return WriteExactEntry(ExactComplex{value.re, -value.im, value.notANumber}, places, use, form);
  }

  bool conjugate_;
};

}  // namespace

const OperationDescription& TransposeOperation() {
  static const Transposition description(false);
  return description;
}

const OperationDescription& ConjugateTransposeOperation() {
  static const Transposition description(true);
  return description;
}

}  // namespace zorvel
