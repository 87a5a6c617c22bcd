#pragma once

#include <memory>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "CalculationInput.h"
#include "CalculationKinds.h"
#include "CramerMinors.h"
#include "Determinant.h"
#include "ExactMatrix.h"
#include "Grid.h"
#include "MatrixCalculations.h"
#include "Reductions.h"
#include "ShownForm.h"

namespace zorvel {

// Matrix 1's determinant as shown, and whether it counts as zero: by hand
// when its text reads as 0, exactly when its value is 0.
struct ShownDeterminant {
  std::string text;
  bool zero = true;
  // The text in the form of results (the text itself in the default form).
  std::string shown;
};

// The exact mode's work: each matrix read once, matrix 1 eliminated once.
class ExactWork {
 public:
  explicit ExactWork(const CalculationInput& input, std::stop_token stop = {})
      : input_(input), stop_(std::move(stop)) {}

  const ExactMatrix& Matrix1();
  const ExactMatrix& Matrix2();
  // The determinant, and with `withInverse` the adjugate and the inverse.
  const ExactInverse& Inverse(bool withInverse);
  // Matrix 1 reduced, or [matrix 1 | matrix 2] with `withMatrix2`.
  const ExactReduced& Reduced(bool withMatrix2);
  // The solution of matrix 1 · X = matrix 2 by elimination, nothing when
  // matrix 1 is singular.
  const std::optional<std::vector<ExactValue>>& Solution();

 private:
  const CalculationInput& input_;
  std::stop_token stop_;
  std::optional<ExactMatrix> matrix1_;
  std::optional<ExactMatrix> matrix2_;
  std::optional<ExactInverse> inverse_;
  bool withInverse_ = false;
  std::optional<ExactReduced> reduced_[2];
  std::optional<std::optional<std::vector<ExactValue>>> solution_;
};

// One recalculation's results in the chosen mode, for the window and the
// command line alike: each result is worked out once, when first asked for.
// What each operation shows, and when it cannot, is its description's
// (OperationList.h); this holds what they share.
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

  // Why the operation's result cannot be shown, or nothing when it can;
  // the text lives until the next call.
  std::optional<std::string_view> Refusal(Operation operation);
  // The adjugate and the inverse, each taking matrix 1's shape and headers.
  void FillInverse(Grid& adjugate, Grid& inverse);
  // The result in Pole5 of every other operation.
  void FillResult(Operation operation, Grid& result);
  // The line over that result (Windows-1250), empty when it has none.
  std::string Caption(Operation operation);

  // Works out now everything the window shows for this input (the strip,
  // the refusal, the chosen result), so that showing it later computes
  // nothing: the long exact work can so be done on another thread.
  void WorkOutShown();

  // For the operations' descriptions.
  [[nodiscard]] const CalculationInput& Input() const { return input_; }
  // Asked once the input has changed: the long exact work then ends with
  // CalculationCancelled.
  [[nodiscard]] const std::stop_token& Stop() const { return stop_; }
  [[nodiscard]] bool Hand() const { return input_.mode == CalculationMode::Hand; }
  MinorDeterminants* HandMinors();
  [[nodiscard]] CramerMinors* Cramer() const { return cramer_; }
  // By hand, the rectangular texts of a result grid rewritten in the form of
  // results.
  void ShowInForm(Grid& grid, int rows, int cols) const;
  ExactWork& Exact();
  // Matrix 1 reduced by hand, or [matrix 1 | matrix 2] with `withMatrix2`.
  const HandReduced& HandReduction(bool withMatrix2);

 private:
  CalculationInput input_;
  MinorDeterminants* minors_;
  CramerMinors* cramer_;
  std::stop_token stop_;
  std::optional<MinorDeterminants> ownMinors_;
  std::optional<ShownDeterminant> determinant_;
  std::optional<std::optional<std::string>> reciprocal_;
  std::unique_ptr<ExactWork> exact_;
  std::optional<HandReduced> handReduced_[2];
  std::string refusal_;  // the text the last refusal's view points into
  // The chosen result worked out ahead (WorkOutShown), for the window to
  // take as it is.
  struct Filled {
    Operation operation = Operation::Sum;
    Grid adjugate;
    Grid result;
  };
  std::optional<Filled> filled_;
};

}  // namespace zorvel
