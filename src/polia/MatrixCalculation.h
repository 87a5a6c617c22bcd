#pragma once

#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "CalculationKinds.h"
#include "CramerMinors.h"
#include "Determinant.h"
#include "ExactMatrix.h"
#include "Grid.h"
#include "MatrixCalculations.h"
#include "ShownForm.h"

namespace zorvel {

// The matrices and settings that one recalculation works on. The grids hold
// each matrix in their data cells at the size the user set.
struct CalculationInput {
  const Grid* matrix1 = nullptr;
  MatrixSize size1;
  const Grid* matrix2 = nullptr;
  MatrixSize size2;
  int places = 3;
  CalculationMode mode = CalculationMode::Hand;
  // The operation whose result is wanted, if any: the exact inverse is
  // worked out with the determinant when it will be shown.
  std::optional<Operation> operation;
  // The form in which every shown result is written.
  ShownForm form = {};
};

// Matrix 1's determinant as shown, and whether it counts as zero: by hand
// when its text reads as 0, exactly when its value is 0.
struct ShownDeterminant {
  std::string text;
  bool zero = true;
  // The text in the form of results (the text itself in the default form).
  std::string shown;
};

// One recalculation's results in the chosen mode, for the window and the
// command line alike: each result is worked out once, when first asked for.
class MatrixCalculation {
 public:
  // By hand, `minors` holds matrix 1's minors for its present cells and the
  // places, and `cramer` the minors of Cramer's rule from the last solution
  // (both kept by the caller from one recalculation to the next); without
  // them everything is computed here. Once `stop` is asked, long exact work
  // stops with CalculationCancelled (Cancel.h).
  explicit MatrixCalculation(const CalculationInput& input, MinorDeterminants* minors = nullptr,
                             CramerMinors* cramer = nullptr, std::stop_token stop = {});
  ~MatrixCalculation();
  MatrixCalculation(const MatrixCalculation&) = delete;
  MatrixCalculation& operator=(const MatrixCalculation&) = delete;

  // Matrix 1's determinant; a grid that cannot have one shows why and
  // gives "0".
  const ShownDeterminant& Determinant();
  // 1 / determinant in the form of results, nothing when the determinant
  // counts as zero.
  std::optional<std::string> Reciprocal();

  // Why the operation's result cannot be shown, or nothing when it can.
  std::optional<std::string_view> Refusal(Operation operation);
  // The adjugate and the inverse, each taking matrix 1's shape and headers.
  void FillInverse(Grid& adjugate, Grid& inverse);
  // The sum, difference, product or solution.
  void FillResult(Operation operation, Grid& result);

  // Works out now everything the window shows for this input (the strip,
  // the refusal, the chosen result), so that showing it later computes
  // nothing.
  void WorkOutShown();

  // The exact mode's values before rounding, for the steps: worked out once
  // and shared with the results shown.
  const ExactInverse& ExactInverseOfMatrix1(bool withInverse);
  // The sum, difference, product or solution, row by row; the solution only
  // when matrix 1 is not singular.
  const std::vector<ExactValue>& ExactResult(Operation operation);

 private:
  class Exact;
  [[nodiscard]] bool Hand() const { return input_.mode == CalculationMode::Hand; }
  MinorDeterminants* HandMinors();
  // By hand, the rectangular texts of a result grid rewritten in the form of
  // results.
  void ShowInForm(Grid& grid, int rows, int cols) const;
  Exact& ExactWork();

  CalculationInput input_;
  MinorDeterminants* minors_;
  CramerMinors* cramer_;
  std::stop_token stop_;
  std::optional<MinorDeterminants> ownMinors_;
  std::optional<ShownDeterminant> determinant_;
  std::optional<std::optional<std::string>> reciprocal_;
  std::unique_ptr<Exact> exact_;
};

}  // namespace zorvel
