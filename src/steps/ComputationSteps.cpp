#include "ComputationSteps.h"

#include <optional>
#include <utility>

#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "DeterminantSteps.h"
#include "ExactSteps.h"
#include "NumberText.h"
#include "ShownForms.h"
#include "StepTexts.h"

namespace zorvel {
namespace {

// The result's rows and columns, when the calculation is not refused (the
// determinant's zero test aside).
std::optional<MatrixSize> ResultSize(const StepRequest& r) {
  switch (r.value) {
    case StepValue::Determinant:
    case StepValue::Reciprocal:
      if (DeterminantRefusal(r.size1)) return std::nullopt;
      return MatrixSize{1, 1};
    case StepValue::Adjugate:
    case StepValue::Inverse:
      if (InverseRefusal(r.size1, false)) return std::nullopt;
      return r.size1;
    case StepValue::Sum:
    case StepValue::Difference:
      if (SumRefusal(r.size1, r.size2)) return std::nullopt;
      return r.size1;
    case StepValue::Product:
      if (ProductRefusal(r.size1, r.size2)) return std::nullopt;
      return MatrixSize{r.size1.rows, r.size2.cols};
    case StepValue::Solve:
      if (SolveRefusal(r.size1, r.size2, false)) return std::nullopt;
      return MatrixSize{r.size1.rows, r.size2.cols};
  }
  return std::nullopt;
}

bool NeedsNonZeroDeterminant(StepValue value) {
  return value == StepValue::Reciprocal || value == StepValue::Adjugate || value == StepValue::Inverse ||
         value == StepValue::Solve;
}

std::string Name(const StepRequest& r) {
  switch (r.value) {
    case StepValue::Determinant: return "det";
    case StepValue::Reciprocal: return "1/det";
    case StepValue::Adjugate: return ElementName("adj", r.row, r.col);
    case StepValue::Inverse: return ElementName("inv", r.row, r.col);
    case StepValue::Solve: return ElementName("x", r.row, r.col);
    default: return ElementName("c", r.row, r.col);
  }
}

// By hand: the calculation's own operations, written out.
class HandSteps {
 public:
  explicit HandSteps(const StepRequest& r) : r_(r), a_(WholeMatrix(*r.matrix1, r.size1.rows)) {}

  [[nodiscard]] const std::string& DeterminantText() {
    if (!determinant_) determinant_ = zorvel::DeterminantText(a_, r_.places);
    return *determinant_;
  }

  void Add(Step& step) {
    const int places = r_.places;
    switch (r_.value) {
      case StepValue::Determinant: AddDeterminantSteps(step, a_, places); return;
      case StepValue::Reciprocal: {
        AddDeterminantLine(step);
        const ShortText reciprocal = ComplexDiv("1", DeterminantText(), places);
        step.Add("1 / " + Operand(DeterminantText()) + " = " + reciprocal.str());
        step.Add(reciprocal.str());
        return;
      }
      case StepValue::Adjugate: AddCofactor(step, a_, r_.row, r_.col, places); return;
      case StepValue::Inverse: {
        Step probe("");
        AddCofactor(probe, a_, r_.row, r_.col, places);
        const std::string adjugate = probe.Line(probe.Count() - 1).Text();
        // The cofactor's three lines, the first opening into its minor.
        const int minorSize = a_.Size() - 1;
        step.Add(ElementName("adj", r_.row, r_.col) + " = " + adjugate,
                 [a = a_, row = r_.row, col = r_.col, places](Step& s) { AddCofactor(s, a, row, col, places); })
            .SetLinesBelow(
                [minorSize](int levels) { return minorSize == 0 ? 1 : 3 + DeterminantLines(minorSize, levels - 1); });
        AddDeterminantLine(step);
        const ShortText entry = ComplexDiv(adjugate, DeterminantText(), places);
        step.Add(Operand(adjugate) + " / " + Operand(DeterminantText()) + " = " + entry.str());
        step.Add(entry.str());
        return;
      }
      case StepValue::Sum:
      case StepValue::Difference: {
        const bool sum = r_.value == StepValue::Sum;
        const std::string& x = Cell(*r_.matrix1, r_.row, r_.col);
        const std::string& y = Cell(*r_.matrix2, r_.row, r_.col);
        const ShortText result = sum ? ComplexAdd(x, y, places) : ComplexSub(x, y, places);
        const std::string sign = sum ? " + " : " - ";
        step.Add(ElementName("a", r_.row, r_.col) + sign + ElementName("b", r_.row, r_.col) + " = " + Operand(x) +
                 sign + Operand(y) + " = " + result.str());
        step.Add(result.str());
        return;
      }
      case StepValue::Product: AddProduct(step); return;
      case StepValue::Solve: AddSolve(step); return;
    }
  }

 private:
  static const std::string& Cell(const Grid& grid, int row, int col) {
    return grid.Cells(grid.FixedCols() + col - 1, grid.FixedRows() + row - 1);
  }

  void AddDeterminantLine(Step& step) { zorvel::AddDeterminantLine(step, "det = " + DeterminantText(), a_, r_.places); }

  // Adjugate entry (row, col): the cofactor of element (col, row), the sign
  // times the minor's determinant.
  static void AddCofactor(Step& step, const SubMatrix& a, int row, int col, int places) {
    if (a.Size() == 1) {  // the adjugate of any 1 x 1 matrix
      step.Add("1");
      return;
    }
    const SubMatrix minor = a.Without(col, row);
    const std::string minorText = zorvel::DeterminantText(minor, places);
    const std::string minorName = ElementName("M", col, row);
    zorvel::AddDeterminantLine(step, minorName + " = " + minorText, minor, places);
    const bool negative = (row + col) % 2 != 0;
    const ShortText cofactor = ComplexMul(RealToDigits(PowerOf(row + col, -1)), minorText, places);
    step.Add("(-1)^" + std::to_string(row + col) + std::string(kTimes) + minorName + " = " + SignFactor(negative) +
             std::string(kTimes) + Operand(minorText) + " = " + cofactor.str());
    step.Add(cofactor.str());
  }

  // Row times column, every product and every partial sum rounded.
  void AddProduct(Step& step) {
    ShortText sum;  // the empty text reads as 0
    for (int k = 1; k <= r_.size1.cols; ++k) {
      const std::string& x = Cell(*r_.matrix1, r_.row, k);
      const std::string& y = Cell(*r_.matrix2, k, r_.col);
      const ShortText term = ComplexMul(x, y, r_.places);
      const ShortText next = ComplexAdd(sum, term, r_.places);
      step.Add(ElementName("a", r_.row, k) + "\xB7" + ElementName("b", k, r_.col) + " = " + Operand(x) +
               std::string(kTimes) + Operand(y) + " = " + term.str() + ";  S = " + Operand(sum) + " + " +
               Operand(term) + " = " + next.str());
      sum = next;
    }
    step.Add(sum.str());
  }

  // Cramer's rule: the determinant with column `row` of matrix 1 replaced by
  // column `col` of matrix 2, divided by the determinant.
  void AddSolve(Step& step) {
    Grid replaced = *r_.matrix1;
    for (int k = 1; k <= r_.size1.rows; ++k) {
      replaced.SetCells(replaced.FixedCols() + r_.row - 1, replaced.FixedRows() + k - 1, Cell(*r_.matrix2, k, r_.col));
    }
    const SubMatrix numerator = WholeMatrix(replaced, r_.size1.rows);
    const std::string numeratorText = zorvel::DeterminantText(numerator, r_.places);
    // Built by appending: GCC 12 warns falsely of overlap in long chains of +.
    std::string line = "det(a, ";
    line += ElementName("a", 0, r_.row).replace(2, 1, ".");
    line += " := ";
    line += ElementName("b", 0, r_.col).replace(2, 1, ".");
    line += ") = ";
    line += numeratorText;
    zorvel::AddDeterminantLine(step, std::move(line), numerator, r_.places);
    AddDeterminantLine(step);
    const ShortText x = ComplexDiv(numeratorText, DeterminantText(), r_.places);
    step.Add(Operand(numeratorText) + " / " + Operand(DeterminantText()) + " = " + x.str());
    step.Add(x.str());
  }

  const StepRequest& r_;
  SubMatrix a_;
  std::optional<std::string> determinant_;
};

// Exactly: each value worked out on the cells' exact values, by the
// recalculation's own work.
class ExactWork {
 public:
  ExactWork(const StepRequest& r, MatrixCalculation* done)
      : r_(r), calculation_(done != nullptr ? *done : own_.emplace(r)) {}

  const ExactInverse& Inverse(bool withInverse) { return calculation_.ExactInverseOfMatrix1(withInverse); }

  ExactValue Value() {
    const auto at = [this](const std::vector<ExactValue>& values, int cols) {
      return values.at(static_cast<std::size_t>((r_.row - 1) * cols + r_.col - 1));
    };
    switch (r_.value) {
      case StepValue::Determinant: return Inverse(false).determinant;
      case StepValue::Reciprocal: return *Inverse(false).reciprocal;
      case StepValue::Adjugate: return at(Inverse(true).adjugate, r_.size1.cols);
      case StepValue::Inverse: return at(Inverse(true).inverse, r_.size1.cols);
      case StepValue::Sum: return at(calculation_.ExactResult(Operation::Sum), r_.size1.cols);
      case StepValue::Difference: return at(calculation_.ExactResult(Operation::Difference), r_.size1.cols);
      case StepValue::Product: return at(calculation_.ExactResult(Operation::Product), r_.size2.cols);
      case StepValue::Solve: return at(calculation_.ExactResult(Operation::Solve), r_.size2.cols);
    }
    return {};
  }

 private:
  const StepRequest& r_;
  std::optional<MatrixCalculation> own_;
  MatrixCalculation& calculation_;
};

}  // namespace

namespace {

// The steps end in the shown text: in another form of results, one more line
// writes the rounded rectangular result in it.
void InForm(Step& root, const StepRequest& request) {
  if (request.form.IsDefault() || root.Count() == 0) return;
  const std::string last = root.Line(root.Count() - 1).Text();
  const std::string shown = ShownHandText(request.form, request.places, last);
  if (shown != last) root.Add(shown);
}

}  // namespace

std::unique_ptr<Step> ComputationSteps(const StepRequest& request, MatrixCalculation* done) {
  const std::optional<MatrixSize> size = ResultSize(request);
  if (!size || request.row < 1 || request.col < 1 || request.row > size->rows || request.col > size->cols) {
    return nullptr;
  }
  auto root = std::make_unique<Step>(Name(request));
  if (request.mode == CalculationMode::Exact) {
    ExactWork work(request, done);
    if (NeedsNonZeroDeterminant(request.value) && work.Inverse(false).determinant.IsZero()) return nullptr;
    const ExactValue& value = work.Value();
    AddExactSteps(*root, Name(request), value, request.places);
    // In another form of results the steps end in the text written in it.
    if (!request.form.IsDefault() && !value.notANumber) {
      root->Add(WriteShown(request.form, request.places, value.re, value.im, value.denominator));
    }
    return root;
  }
  HandSteps hand(request);
  try {
    if (NeedsNonZeroDeterminant(request.value) && IsZeroComplex(hand.DeterminantText())) return nullptr;
    hand.Add(*root);
    InForm(*root, request);
  } catch (const std::exception& error) {
    root->Add(std::string(error.what()) + '.');  // where the calculation stops too
  }
  return root;
}

}  // namespace zorvel
