// The solution of matrix 1 . X = matrix 2, for every system. Square and
// regular: by hand by Cramer's rule, each unknown a quotient of two
// determinants; exactly by elimination. Otherwise Gauss-Jordan elimination
// on [matrix 1 | matrix 2]: no solution when the ranks differ, else a
// particular solution and a basis of the solutions of matrix 1 . x = 0.
#include "CalculationMessages.h"
#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "CramerSystemSteps.h"
#include "ExactEntries.h"
#include "ExactGrids.h"
#include "MatrixCalculation.h"
#include "NumberText.h"
#include "OperationDescription.h"
#include "RowOperationSteps.h"
#include "StepParts.h"
#include "StepTexts.h"
#include "Symbols.h"

namespace zorvel {
namespace {

// Entry (row, col) of values held row by row, `cols` to a row.
std::size_t At(int row, int col, int cols) {
  return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(col);
}

class Solve final : public OperationDescription {
 public:
  [[nodiscard]] std::string_view Slovak() const override { return "Riešenie sústavy: matica 1 · X = matica 2"; }
  [[nodiscard]] std::string_view English() const override { return "Solution of the system: matrix 1 · X = matrix 2"; }
  [[nodiscard]] std::string_view Verb() const override { return "solve"; }

  [[nodiscard]] std::optional<std::string> Refusal(MatrixCalculation& calculation) const override {
    const MatrixSize size1 = calculation.Input().size1;
    const MatrixSize size2 = calculation.Input().size2;
    if (size2.rows != size1.rows || size2.cols <= 0 || size1.rows <= 0) return std::string(kSolveRowsDiffer);
    if (ByCramer(calculation)) return std::nullopt;
    const Ranks ranks = RanksOf(calculation);
    if (ranks.a == ranks.ab) return std::nullopt;
    // "Sústava nemá riešenie: h(A) = 2, h(A|B) = 3."
    return "S\xFAstava nem\xE1 rie\x9A"
           "enie: h(A) = " +
           std::to_string(ranks.a) + ", h(A|B) = " + std::to_string(ranks.ab) + ".";
  }

  void Fill(MatrixCalculation& calculation, Grid& result) const override {
    const CalculationInput& in = calculation.Input();
    if (!ByCramer(calculation)) {
      FillByElimination(calculation, result);
      return;
    }
    if (calculation.Hand()) {
      FillSolution(*in.matrix1, *in.matrix2, in.size1.rows, in.size2.cols, calculation.Determinant().text, in.places,
                   calculation.Cramer(), result);
      calculation.ShowInForm(result, in.size1.rows, in.size2.cols);
      return;
    }
    ShapeAsProduct(*in.matrix1, *in.matrix2, result);
    // Cramer's case: matrix 1 is not singular.
    const std::optional<std::vector<ExactValue>>& solution = calculation.Exact().Solution();
    if (solution) {
      WriteExactCells(*solution, in.size1.rows, in.size2.cols, in.places, result, in.form, calculation.Stop());
    }
  }

  [[nodiscard]] std::string Caption(MatrixCalculation& calculation) const override {
    if (ByCramer(calculation)) return {};
    const CalculationInput& in = calculation.Input();
    const int free = in.size1.cols - RanksOf(calculation).a;
    if (free == 0) return {};
    // "X = x₀ + t₁·v₁ + t₂·v₂, t₁, t₂ ∈ ℂ"; for several right sides each
    // column j of X has its own x₀(j) and parameters.
    const bool several = in.size2.cols > 1;
    std::string caption = several ? "x(j) = x" + Subscript(0) + "(j)" : "X = x" + Subscript(0);
    std::string parameters;
    for (int j = 1; j <= free; ++j) {
      caption += " + t" + Subscript(j) + "\xB7v" + Subscript(j);
      parameters += (j > 1 ? ", t" : "t") + Subscript(j);
    }
    return caption + ", " + parameters + " " + std::string(kElementOf) + " " + std::string(kComplexNumbers);
  }

  [[nodiscard]] std::unique_ptr<Step> Steps(const StepRequest& r) const override {
    std::optional<MatrixCalculation> own;
    MatrixCalculation& calculation = CalculationOf(r, own);
    if (Refusal(calculation)) return nullptr;
    if (r.whole) {  // one determinant for every unknown: Cramer's rule by hand
      return ByCramer(calculation) && calculation.Hand() ? CramerSystemSteps(r) : nullptr;
    }
    if (!ByCramer(calculation)) return EliminationSteps(calculation, r);
    if (!CellIn(r, {r.size1.rows, r.size2.cols})) return nullptr;
    const std::string name = ElementName("x", r.row, r.col);
    if (r.mode == CalculationMode::Exact) {
      ExactWork& work = calculation.Exact();
      if (work.Inverse(false).determinant.IsZero()) return nullptr;
      return ExactStepsOf(name, ExactCellOf(*work.Solution(), r.size2.cols, r), r.places, r.form);
    }
    HandDeterminant determinant(r);
    return HandStepsOverDeterminant(name, determinant, [&](Step& step) { AddCramer(step, r, determinant); });
  }

 private:
  struct Ranks {
    int a = 0;   // of matrix 1
    int ab = 0;  // of [matrix 1 | matrix 2]
  };

  // Square and regular: the unknowns as today, each on its own.
  static bool ByCramer(MatrixCalculation& calculation) {
    const MatrixSize size1 = calculation.Input().size1;
    return size1.rows == size1.cols && !calculation.Determinant().zero;
  }

  static Ranks RanksOf(MatrixCalculation& calculation) {
    const int n = calculation.Input().size1.cols;
    if (calculation.Hand()) {
      const HandReduced& reduced = calculation.HandReduction(true);
      return {reduced.RankOfFirst(n), reduced.Rank()};
    }
    const ExactReduced& reduced = calculation.Exact().Reduced(true);
    return {reduced.RankOfFirst(n), reduced.Rank()};
  }

  // The solution's columns and their headers: X itself when it is the only
  // one, else x₀ (one column per right side) and the basis v₁, v₂, ...
  static void FillByElimination(MatrixCalculation& calculation, Grid& result) {
    const CalculationInput& in = calculation.Input();
    const int n = in.size1.cols, k = in.size2.cols;
    const SolutionColumns shape = SolutionShape(n, k, RanksOf(calculation).a);
    result.SetColCount(shape.Cols() + 1);
    result.SetRowCount(n + 1);
    for (int i = 1; i <= n; ++i) result.SetCells(0, i, IntToText(i));
    for (int j = 1; j <= shape.Cols(); ++j) result.SetCells(j, 0, ColumnHeader(shape, j - 1));
    if (calculation.Hand()) {
      const std::vector<std::string> cells = HandSolution(calculation.HandReduction(true), n, k, in.places);
      for (int r = 0; r < n; ++r) {
        for (int c = 0; c < shape.Cols(); ++c) {
          result.SetCells(c + 1, r + 1, cells[At(r, c, shape.Cols())]);
        }
      }
      calculation.ShowInForm(result, n, shape.Cols());
      return;
    }
    const std::vector<ExactComplex> cells = ExactSolution(calculation.Exact().Reduced(true), n, k);
    for (int r = 0; r < n; ++r) {
      for (int c = 0; c < shape.Cols(); ++c) {
        result.SetCells(c + 1, r + 1,
                        WriteExactEntry(cells[At(r, c, shape.Cols())], in.places, EntryUse::Result, in.form));
      }
    }
  }

  // Column `col` (from 0): 1, 2, ... when X is the only solution; else x₀
  // (x₀(1), x₀(2), ... for several right sides), then v₁, v₂, ...
  static std::string ColumnHeader(const SolutionColumns& shape, int col) {
    if (shape.free == 0) return IntToText(col + 1);
    if (col >= shape.k) return "v" + Subscript(col - shape.k + 1);
    return shape.k == 1 ? "x" + Subscript(0) : "x" + Subscript(0) + "(" + std::to_string(col + 1) + ")";
  }

  // The elimination's row operations, then how the cell is read off.
  static std::unique_ptr<Step> EliminationSteps(MatrixCalculation& calculation, const StepRequest& r) {
    const int n = r.size1.cols, k = r.size2.cols, rows = r.size1.rows, cols = n + k;
    const SolutionColumns shape = SolutionShape(n, k, RanksOf(calculation).a);
    if (!CellIn(r, {n, shape.Cols()})) return nullptr;
    const std::string name = ElementName("x", r.row, r.col);
    if (r.mode == CalculationMode::Exact) {
      auto root = std::make_unique<Step>(name);
      const ExactReduced& reduced = calculation.Exact().Reduced(true);
      const auto write = [places = r.places](const ExactComplex& v) {
        return WriteExactEntry(v, places, EntryUse::Step);
      };
      AddRowOperationLines(*root, ExactRows(calculation.Exact().Matrix1(), &calculation.Exact().Matrix2()), rows, cols,
                           n, ExactRowArithmetic{}, write, reduced.log);
      const std::vector<ExactComplex> cells = ExactSolution(reduced, n, k);
      const ExactComplex& value = cells[At(r.row - 1, r.col - 1, shape.Cols())];
      AddReadOff(
          *root, reduced.pivotCols, n, k, r, [&](int row, int col) { return write(reduced.At(row, col)); },
          write(value));
      root->Add(WriteExactEntry(value, r.places, EntryUse::Result, r.form));
      return root;
    }
    return HandStepsOf(name, [&](Step& step) {
      const HandReduced& reduced = calculation.HandReduction(true);
      AddRowOperationLines(
          step, HandRows(*r.matrix1, r.size1, r.matrix2, r.size2, r.places), rows, cols, n, HandRowArithmetic{r.places},
          [](const std::string& v) { return v; }, reduced.log);
      const std::vector<std::string> cells = HandSolution(reduced, n, k, r.places);
      const std::string& value = cells[At(r.row - 1, r.col - 1, shape.Cols())];
      AddReadOff(
          step, reduced.pivotCols, n, k, r, [&](int row, int col) { return reduced.At(row, col); }, value);
      step.Add(value);
    });
  }

  // How the cell is read off the reduced [A | B]: a pivot row's entry of B
  // (x₀), the negated entry of a free column (a basis vector), or 0 or 1.
  template <class Entry>
  static void AddReadOff(Step& step, const std::vector<int>& pivotCols, int n, int k, const StepRequest& r, Entry entry,
                         const std::string& value) {
    const SolutionSource source = SolutionEntrySource(pivotCols, n, k, r.row - 1, r.col - 1);
    const std::string reduced = ElementName("r", source.reducedRow + 1, source.reducedCol + 1);
    switch (source.kind) {
      case SolutionSource::Kind::Copy: step.Add(reduced + " = " + entry(source.reducedRow, source.reducedCol)); break;
      case SolutionSource::Kind::Negate:
        step.Add("-" + reduced + " = 0 - " + Operand(entry(source.reducedRow, source.reducedCol)) + " = " + value);
        break;
      case SolutionSource::Kind::Zero:
      case SolutionSource::Kind::One: break;  // a free unknown, chosen
    }
  }

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
    AddDeterminantLine(step, std::move(line), numerator, r.places);
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
