#include "MatrixCalculation.h"

#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "ExactGrids.h"
#include "ExactMatrix.h"
#include "GridOps.h"
#include "ShownForms.h"

namespace zorvel {

// The exact mode's work: each matrix read once, matrix 1 eliminated once.
class MatrixCalculation::Exact {
 public:
  explicit Exact(const CalculationInput& input) : input_(input) {}

  const ExactMatrix& Matrix1() {
    if (!matrix1_) matrix1_ = ReadExactMatrix(*input_.matrix1, input_.size1.rows, input_.size1.cols);
    return *matrix1_;
  }
  const ExactMatrix& Matrix2() {
    if (!matrix2_) matrix2_ = ReadExactMatrix(*input_.matrix2, input_.size2.rows, input_.size2.cols);
    return *matrix2_;
  }
  // The determinant, and with `withInverse` the adjugate and the inverse.
  const ExactInverse& Inverse(bool withInverse) {
    if (!inverse_ || (withInverse && !withInverse_)) {
      inverse_ = InvertExactly(Matrix1(), withInverse);
      withInverse_ = withInverse;
    }
    return *inverse_;
  }

 private:
  const CalculationInput& input_;
  std::optional<ExactMatrix> matrix1_;
  std::optional<ExactMatrix> matrix2_;
  std::optional<ExactInverse> inverse_;
  bool withInverse_ = false;
};

MatrixCalculation::MatrixCalculation(const CalculationInput& input, MinorDeterminants* minors, CramerMinors* cramer)
    : input_(input), minors_(minors), cramer_(cramer) {}

MatrixCalculation::~MatrixCalculation() = default;

MinorDeterminants* MatrixCalculation::HandMinors() {
  if (minors_ == nullptr) minors_ = &ownMinors_.emplace(*input_.matrix1, input_.places);
  return minors_;
}

MatrixCalculation::Exact& MatrixCalculation::ExactWork() {
  if (!exact_) exact_ = std::make_unique<Exact>(input_);
  return *exact_;
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
  const ExactValue& value = ExactWork().Inverse(input_.operation == Operation::Inverse).determinant;
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
  const ShownDeterminant& determinant = Determinant();
  if (determinant.zero) return std::nullopt;
  if (Hand()) return ShownHandText(input_.form, input_.places, ComplexDiv("1", determinant.text, input_.places).view());
  return WriteShown(input_.form, input_.places, ExactComplexOf(*ExactWork().Inverse(false).reciprocal));
}

std::optional<std::string_view> MatrixCalculation::Refusal(Operation operation) {
  const MatrixSize size1 = input_.size1;
  // The determinant is asked for only where it decides.
  const bool square = size1.rows == size1.cols && size1.rows > 0;
  switch (operation) {
    case Operation::Inverse: return InverseRefusal(size1, square && Determinant().zero);
    case Operation::Sum:
    case Operation::Difference: return SumRefusal(size1, input_.size2);
    case Operation::Product: return ProductRefusal(size1, input_.size2);
    case Operation::Solve:
      return SolveRefusal(size1, input_.size2, square && input_.size2.rows == size1.rows && Determinant().zero);
  }
  return std::nullopt;
}

void MatrixCalculation::FillInverse(Grid& adjugate, Grid& inverse) {
  const int n = input_.size1.rows;
  const Grid& matrix1 = *input_.matrix1;
  if (Hand()) {
    FillAdjugate(matrix1, n, HandMinors(), input_.places, adjugate);
    zorvel::FillInverse(matrix1, adjugate, Determinant().text, n, input_.places, inverse);
    ShowInForm(adjugate, n, n);
    ShowInForm(inverse, n, n);
    return;
  }
  const ExactInverse& exact = ExactWork().Inverse(true);
  CopyGrid(matrix1, adjugate, false);
  WriteExactCells(exact.adjugate, n, n, input_.places, adjugate, input_.form);
  ShapeAsInverse(matrix1, adjugate, inverse);
  WriteExactCells(exact.inverse, n, n, input_.places, inverse, input_.form);
}

void MatrixCalculation::FillResult(Operation operation, Grid& result) {
  const Grid& matrix1 = *input_.matrix1;
  const Grid& matrix2 = *input_.matrix2;
  const MatrixSize size1 = input_.size1;
  const MatrixSize size2 = input_.size2;
  const int places = input_.places;
  switch (operation) {
    case Operation::Sum:
    case Operation::Difference: {
      const bool subtract = operation == Operation::Difference;
      if (Hand()) {
        FillElementWise(matrix1, matrix2, size1, subtract ? ElementWise::Difference : ElementWise::Sum, places, result);
        ShowInForm(result, size1.rows, size1.cols);
        return;
      }
      CopyGrid(matrix1, result, false);
      WriteExactCells(AddExactly(ExactWork().Matrix1(), ExactWork().Matrix2(), subtract), size1.rows, size1.cols,
                      places, result, input_.form);
      return;
    }
    case Operation::Product:
      if (Hand()) {
        FillProduct(matrix1, matrix2, places, result);
        ShowInForm(result, size1.rows, size2.cols);
        return;
      }
      ShapeAsProduct(matrix1, matrix2, result);
      WriteExactCells(MultiplyExactly(ExactWork().Matrix1(), ExactWork().Matrix2()), size1.rows, size2.cols, places,
                      result, input_.form);
      return;
    case Operation::Solve: {
      if (Hand()) {
        FillSolution(matrix1, matrix2, size1.rows, size2.cols, Determinant().text, places, cramer_, result);
        ShowInForm(result, size1.rows, size2.cols);
        return;
      }
      ShapeAsProduct(matrix1, matrix2, result);
      // The refusal has made sure that matrix 1 is not singular.
      const std::optional<std::vector<ExactValue>> solution =
          SolveExactly(ExactWork().Matrix1(), ExactWork().Matrix2());
      if (solution) WriteExactCells(*solution, size1.rows, size2.cols, places, result, input_.form);
      return;
    }
    case Operation::Inverse: break;  // FillInverse
  }
}

}  // namespace zorvel
