#include "MatrixCalculation.h"

#include <utility>

#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "ExactGrids.h"
#include "GridOps.h"
#include "OperationList.h"
#include "ShownForms.h"

namespace zorvel {

const ExactMatrix& ExactWork::Matrix1() {
  if (!matrix1_) matrix1_ = ReadExactMatrix(*input_.matrix1, input_.size1.rows, input_.size1.cols);
  return *matrix1_;
}

const ExactMatrix& ExactWork::Matrix2() {
  if (!matrix2_) matrix2_ = ReadExactMatrix(*input_.matrix2, input_.size2.rows, input_.size2.cols);
  return *matrix2_;
}

const ExactInverse& ExactWork::Inverse(bool withInverse) {
  if (!inverse_ || (withInverse && !withInverse_)) {
    inverse_ = InvertExactly(Matrix1(), withInverse, stop_);
    withInverse_ = withInverse;
  }
  return *inverse_;
}

const ExactReduced& ExactWork::Reduced(bool withMatrix2) {
  std::optional<ExactReduced>& reduced = reduced_[withMatrix2 ? 1 : 0];
  if (!reduced) reduced = ReduceExactly(Matrix1(), withMatrix2 ? &Matrix2() : nullptr);
  return *reduced;
}

const std::optional<std::vector<ExactValue>>& ExactWork::Solution() {
  if (!solution_) solution_ = SolveExactly(Matrix1(), Matrix2(), stop_);
  return *solution_;
}

MatrixCalculation::MatrixCalculation(const CalculationInput& input, MinorDeterminants* minors, CramerMinors* cramer,
                                     std::stop_token stop)
    : input_(input), minors_(minors), cramer_(cramer), stop_(std::move(stop)) {}

MatrixCalculation::~MatrixCalculation() = default;

MinorDeterminants* MatrixCalculation::HandMinors() {
  if (minors_ == nullptr) minors_ = &ownMinors_.emplace(*input_.matrix1, input_.places);
  return minors_;
}

ExactWork& MatrixCalculation::Exact() {
  if (!exact_) exact_ = std::make_unique<ExactWork>(input_, stop_);
  return *exact_;
}

const HandReduced& MatrixCalculation::HandReduction(bool withMatrix2) {
  std::optional<HandReduced>& reduced = handReduced_[withMatrix2 ? 1 : 0];
  if (!reduced) {
    reduced = ReduceByHand(*input_.matrix1, input_.size1, withMatrix2 ? input_.matrix2 : nullptr, input_.size2,
                           input_.places);
  }
  return *reduced;
}

const ShownDeterminant& MatrixCalculation::Determinant() {
  if (determinant_) return *determinant_;
  if (!IsDeterminantGrid(*input_.matrix1)) {
    const std::string text = GridDeterminant(*input_.matrix1, input_.places);  // shows why it cannot
    return determinant_.emplace(ShownDeterminant{text, IsZeroComplex(text), text});
  }
  if (Hand()) {
    std::string text = HandMinors()->Whole();
    const bool zero = IsZeroComplex(text);
    std::string shown = ShownHandText(input_.form, input_.places, text);
    return determinant_.emplace(ShownDeterminant{std::move(text), zero, std::move(shown)});
  }
  const ExactValue& value = Exact().Inverse(input_.operation == Operation::Inverse).determinant;
  return determinant_.emplace(ShownDeterminant{WriteExact(input_.places, value), value.IsZero(),
                                               WriteShown(input_.form, input_.places, ExactComplexOf(value))});
}

void MatrixCalculation::ShowInForm(Grid& grid, int rows, int cols) const {
  if (input_.form.IsDefault()) return;
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      const int col = grid.FixedCols() + c;
      const int row = grid.FixedRows() + r;
      grid.SetCells(col, row, ShownHandText(input_.form, input_.places, grid.Cells(col, row)));
    }
  }
}

std::optional<std::string> MatrixCalculation::Reciprocal() {
  if (reciprocal_) return *reciprocal_;
  const ShownDeterminant& determinant = Determinant();
  if (determinant.zero) return reciprocal_.emplace();
  if (Hand()) {
    return reciprocal_.emplace(
        ShownHandText(input_.form, input_.places, ComplexDiv("1", determinant.text, input_.places).view()));
  }
  return reciprocal_.emplace(
      WriteShown(input_.form, input_.places, ExactComplexOf(*Exact().Inverse(false).reciprocal)));
}

std::optional<std::string_view> MatrixCalculation::Refusal(Operation operation) {
  std::optional<std::string> refusal = DescriptionOf(operation).Refusal(*this);
  if (!refusal) return std::nullopt;
  refusal_ = std::move(*refusal);
  return refusal_;
}

void MatrixCalculation::FillInverse(Grid& adjugate, Grid& inverse) {
  if (filled_ && filled_->operation == Operation::Inverse) {
    adjugate = filled_->adjugate;
    inverse = filled_->result;
    return;
  }
  const int n = input_.size1.rows;
  const Grid& matrix1 = *input_.matrix1;
  if (Hand()) {
    FillAdjugate(matrix1, n, HandMinors(), input_.places, adjugate);
    zorvel::FillInverse(matrix1, adjugate, Determinant().text, n, input_.places, inverse);
    ShowInForm(adjugate, n, n);
    ShowInForm(inverse, n, n);
    return;
  }
  const ExactInverse& exact = Exact().Inverse(true);
  CopyGrid(matrix1, adjugate, false);
  WriteExactCells(exact.adjugate, n, n, input_.places, adjugate, input_.form, stop_);
  ShapeAsInverse(matrix1, adjugate, inverse);
  WriteExactCells(exact.inverse, n, n, input_.places, inverse, input_.form, stop_);
}

void MatrixCalculation::FillResult(Operation operation, Grid& result) {
  if (filled_ && filled_->operation == operation) {
    result = filled_->result;
    return;
  }
  DescriptionOf(operation).Fill(*this, result);
}

void MatrixCalculation::WorkOutShown() {
  // What the window asks for, in its order: the strip of a square matrix 1,
  // then the chosen result unless it is refused.
  if (!DeterminantRefusal(input_.size1)) Reciprocal();
  if (!input_.operation || Refusal(*input_.operation)) return;
  Filled filled;
  filled.operation = *input_.operation;
  if (filled.operation == Operation::Inverse) {
    FillInverse(filled.adjugate, filled.result);
  } else {
    FillResult(filled.operation, filled.result);
  }
  filled_ = std::move(filled);
}

std::string MatrixCalculation::Caption(Operation operation) { return DescriptionOf(operation).Caption(*this); }

}  // namespace zorvel
