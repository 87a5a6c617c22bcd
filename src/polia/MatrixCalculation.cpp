#include "MatrixCalculation.h"

#include <utility>

#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "ExactGrids.h"
#include "ExactMatrix.h"
#include "GridOps.h"
#include "ShownForms.h"

namespace zorvel {

// The exact mode's work: each matrix read once, matrix 1 eliminated once,
// each result worked out and rounded once, however often it is asked for.
class MatrixCalculation::Exact {
 public:
  Exact(const CalculationInput& input, const std::stop_token& stop) : input_(input), stop_(stop) {}

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
      inverse_ = InvertExactly(Matrix1(), withInverse, stop_);
      withInverse_ = withInverse;
      adjugateTexts_.reset();
      inverseTexts_.reset();
    }
    return *inverse_;
  }
  const std::vector<ExactValue>& Result(Operation operation) {
    if (result_ && resultOf_ == operation) return *result_;
    resultTexts_.reset();
    resultOf_ = operation;
    switch (operation) {
      case Operation::Sum:
      case Operation::Difference:
        return result_.emplace(AddExactly(Matrix1(), Matrix2(), operation == Operation::Difference));
      case Operation::Product: return result_.emplace(MultiplyExactly(Matrix1(), Matrix2()));
      case Operation::Solve: {
        std::optional<std::vector<ExactValue>> solution = SolveExactly(Matrix1(), Matrix2(), stop_);
        return result_.emplace(solution ? std::move(*solution) : std::vector<ExactValue>());
      }
      case Operation::Inverse: break;
    }
    return result_.emplace(Inverse(true).inverse);
  }
  const std::vector<std::string>& AdjugateTexts() { return Texts(Inverse(true).adjugate, adjugateTexts_); }
  const std::vector<std::string>& InverseTexts() { return Texts(Inverse(true).inverse, inverseTexts_); }
  const std::vector<std::string>& ResultTexts(Operation operation) { return Texts(Result(operation), resultTexts_); }

 private:
  const std::vector<std::string>& Texts(const std::vector<ExactValue>& values,
                                        std::optional<std::vector<std::string>>& kept) {
    if (!kept) kept = WriteExactTexts(values, input_.places, input_.form, stop_);
    return *kept;
  }

  const CalculationInput& input_;
  const std::stop_token& stop_;
  std::optional<ExactMatrix> matrix1_;
  std::optional<ExactMatrix> matrix2_;
  std::optional<ExactInverse> inverse_;
  bool withInverse_ = false;
  std::optional<std::vector<ExactValue>> result_;
  Operation resultOf_ = Operation::Sum;
  std::optional<std::vector<std::string>> adjugateTexts_;
  std::optional<std::vector<std::string>> inverseTexts_;
  std::optional<std::vector<std::string>> resultTexts_;
};

MatrixCalculation::MatrixCalculation(const CalculationInput& input, MinorDeterminants* minors, CramerMinors* cramer,
                                     std::stop_token stop)
    : input_(input), minors_(minors), cramer_(cramer), stop_(std::move(stop)) {}

MatrixCalculation::~MatrixCalculation() = default;

MinorDeterminants* MatrixCalculation::HandMinors() {
  if (minors_ == nullptr) minors_ = &ownMinors_.emplace(*input_.matrix1, input_.places);
  return minors_;
}

MatrixCalculation::Exact& MatrixCalculation::ExactWork() {
  if (!exact_) exact_ = std::make_unique<Exact>(input_, stop_);
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
  if (reciprocal_) return *reciprocal_;
  const ShownDeterminant& determinant = Determinant();
  if (determinant.zero) return reciprocal_.emplace();
  if (Hand()) {
    return reciprocal_.emplace(
        ShownHandText(input_.form, input_.places, ComplexDiv("1", determinant.text, input_.places).view()));
  }
  return reciprocal_.emplace(
      WriteShown(input_.form, input_.places, ExactComplexOf(*ExactWork().Inverse(false).reciprocal)));
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
  CopyGrid(matrix1, adjugate, false);
  WriteTextCells(ExactWork().AdjugateTexts(), n, n, adjugate);
  ShapeAsInverse(matrix1, adjugate, inverse);
  WriteTextCells(ExactWork().InverseTexts(), n, n, inverse);
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
      WriteTextCells(ExactWork().ResultTexts(operation), size1.rows, size1.cols, result);
      return;
    }
    case Operation::Product:
      if (Hand()) {
        FillProduct(matrix1, matrix2, places, result);
        ShowInForm(result, size1.rows, size2.cols);
        return;
      }
      ShapeAsProduct(matrix1, matrix2, result);
      WriteTextCells(ExactWork().ResultTexts(operation), size1.rows, size2.cols, result);
      return;
    case Operation::Solve: {
      if (Hand()) {
        FillSolution(matrix1, matrix2, size1.rows, size2.cols, Determinant().text, places, cramer_, result);
        ShowInForm(result, size1.rows, size2.cols);
        return;
      }
      ShapeAsProduct(matrix1, matrix2, result);
      // The refusal has made sure that matrix 1 is not singular.
      const std::vector<std::string>& solution = ExactWork().ResultTexts(operation);
      if (!solution.empty()) WriteTextCells(solution, size1.rows, size2.cols, result);
      return;
    }
    case Operation::Inverse: break;  // FillInverse
  }
}

void MatrixCalculation::WorkOutShown() {
  // What the window asks for, in its order: the strip of a square matrix 1,
  // then the chosen result unless it is refused.
  if (!DeterminantRefusal(input_.size1)) Reciprocal();
  if (!input_.operation || Refusal(*input_.operation)) return;
  if (Hand()) return;  // by hand the results are written as they are shown
  if (*input_.operation == Operation::Inverse) {
    ExactWork().AdjugateTexts();
    ExactWork().InverseTexts();
  } else {
    ExactWork().ResultTexts(*input_.operation);
  }
}

const ExactInverse& MatrixCalculation::ExactInverseOfMatrix1(bool withInverse) {
  return ExactWork().Inverse(withInverse);
}

const std::vector<ExactValue>& MatrixCalculation::ExactResult(Operation operation) {
  return ExactWork().Result(operation);
}

}  // namespace zorvel
