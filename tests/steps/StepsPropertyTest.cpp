// For random matrices in every operation and both modes, the steps of each
// shown value end in the very text the calculation shows, and exist exactly
// when the value is shown.
#include <gtest/gtest.h>

#include <random>

#include "../polia/TestGrids.h"
#include "ComputationSteps.h"
#include "MatrixCalculation.h"
#include "OperationList.h"
#include "StepMethod.h"

namespace zorvel {
namespace {

using testing::MatrixGrid;
using testing::Rows;

std::string RandomCell(std::mt19937& random) {
  static const char* const kCells[] = {"",    "0",    "1",     "-2",  "3",      "i", "-i",   "2-3i",
                                       "0,5", "1,5i", "-0,25", "7+i", "0,1231", "4", "1.75", "-3+0,5i"};
  return kCells[random() % std::size(kCells)];
}

Rows RandomRows(std::mt19937& random, int rows, int cols) {
  Rows matrix(static_cast<std::size_t>(rows));
  for (auto& row : matrix) {
    for (int c = 0; c < cols; ++c) row.push_back(RandomCell(random));
  }
  return matrix;
}

// The last line of the steps, or nothing when there are none.
std::optional<std::string> LastLine(const StepRequest& request) {
  const std::unique_ptr<Step> steps = ComputationSteps(request);
  if (!steps) return std::nullopt;
  return steps->Line(steps->Count() - 1).Text();
}

TEST(ComputationSteps, EndInTheShownTextForEveryValueInBothModes) {
  std::mt19937 random(19);
  int compared = 0;
  for (int round = 0; round < 30; ++round) {
    const int n = round % 6 + 1, k = static_cast<int>(random() % 3) + 1, places = static_cast<int>(random() % 4) + 2;
    const CalculationMode mode = round % 2 == 0 ? CalculationMode::Hand : CalculationMode::Exact;
    const Grid a = MatrixGrid(RandomRows(random, n, n));
    const Grid b = MatrixGrid(RandomRows(random, n, k));
    const Grid c = MatrixGrid(RandomRows(random, n, n));
    SCOPED_TRACE(::testing::Message() << "round " << round << ", " << n << " x " << n);

    struct Case {
      StepValue value;
      Operation operation;
      const Grid* matrix2;
    };
    const Case cases[] = {
        {StepValue::Adjugate, Operation::Inverse, &b}, {StepValue::Inverse, Operation::Inverse, &b},
        {StepValue::Sum, Operation::Sum, &c},          {StepValue::Difference, Operation::Difference, &c},
        {StepValue::Product, Operation::Product, &b},  {StepValue::Solve, Operation::Solve, &b}};
    for (const Case& one : cases) {
      const MatrixSize size2{n, one.matrix2->ColCount() - 1};
      // Every form of results, the steps ending in the text shown in it.
      const ShownForm forms[] = {{},
                                 {NumberForm::Polar},
                                 {NumberForm::Fraction, ImaginaryUnit::J},
                                 {NumberForm::Rectangular, ImaginaryUnit::I, mode == CalculationMode::Exact}};
      const ShownForm form = forms[round / 2 % 4];
      const CalculationInput input{&a, {n, n}, one.matrix2, size2, places, mode, one.operation, form};
      MatrixCalculation calculation(input);
      StepRequest request{input, StepValue::Determinant};
      if (one.value == StepValue::Adjugate) {  // the strip, once per round, by every method
        for (const StepMethod method : OfferedMethods(a, n)) {
          request.method = method;
          request.value = StepValue::Determinant;
          EXPECT_EQ(LastLine(request), calculation.Determinant().shown) << static_cast<int>(method.kind);
          request.value = StepValue::Reciprocal;
          EXPECT_EQ(LastLine(request), calculation.Reciprocal()) << static_cast<int>(method.kind);
        }
        request.method = {};
      }
      request.value = one.value;
      if (calculation.Refusal(one.operation)) {
        EXPECT_EQ(LastLine(request), std::nullopt) << static_cast<int>(one.value);
        continue;
      }
      Grid shown, adjugate;
      if (one.operation == Operation::Inverse) {
        calculation.FillInverse(adjugate, shown);
        if (one.value == StepValue::Adjugate) shown = adjugate;
      } else {
        calculation.FillResult(one.operation, shown);
      }
      // The inverse by every kind of method; the other values have none.
      std::vector<StepMethod> methods{StepMethod{}};
      if (one.value == StepValue::Inverse) {
        methods.push_back({StepMethod::Kind::Row, n});
        methods.push_back({StepMethod::Kind::Elimination});
      }
      for (const StepMethod method : methods) {
        request.method = method;
        for (int row = 1; row < shown.RowCount(); ++row) {
          for (int col = 1; col < shown.ColCount(); ++col) {
            request.row = row;
            request.col = col;
            ++compared;
            EXPECT_EQ(LastLine(request), shown.Cells(col, row)) << static_cast<int>(one.value) << " at " << row << ", "
                                                                << col << " by " << static_cast<int>(method.kind);
          }
        }
        request.row = shown.RowCount();  // past the result
        EXPECT_EQ(LastLine(request), std::nullopt);
      }
      request.method = {};
    }
  }
  EXPECT_GT(compared, 1000);  // most values are shown
}

// The same for the operations of any shape: the echelon form, the
// transposes, and systems that are not square or not regular (mostly small
// integers and zeros, so that ranks below full come often).
TEST(ComputationSteps, EndInTheShownTextForAnyShapeInBothModes) {
  std::mt19937 random(23);
  int compared = 0;
  for (int round = 0; round < 24; ++round) {
    const int m = static_cast<int>(random() % 6) + 1, n = static_cast<int>(random() % 5) + 1;
    const int k = static_cast<int>(random() % 2) + 1, places = static_cast<int>(random() % 4) + 2;
    const CalculationMode mode = round % 2 == 0 ? CalculationMode::Hand : CalculationMode::Exact;
    Rows rows1 = RandomRows(random, m, n);
    for (auto& row : rows1) {
      if (random() % 2 == 0) row.assign(row.size(), "1");  // repeated rows
    }
    const Grid a = MatrixGrid(rows1);
    const Grid b = MatrixGrid(RandomRows(random, m, k));
    SCOPED_TRACE(::testing::Message() << "round " << round << ", " << m << " x " << n);
    for (const std::string_view verb : {"rref", "transpose", "conjugate-transpose", "solve"}) {
      const Operation operation = *OperationWithVerb(verb);
      const CalculationInput input{&a, {m, n}, &b, {m, k}, places, mode, operation};
      MatrixCalculation calculation(input);
      StepRequest request{input, StepValue::Result};
      if (calculation.Refusal(operation)) {
        EXPECT_EQ(LastLine(request), std::nullopt) << verb;
        continue;
      }
      Grid shown;
      calculation.FillResult(operation, shown);
      for (int row = 1; row < shown.RowCount(); ++row) {
        for (int col = 1; col < shown.ColCount(); ++col) {
          request.row = row;
          request.col = col;
          ++compared;
          EXPECT_EQ(LastLine(request), shown.Cells(col, row)) << verb << " at " << row << ", " << col;
        }
      }
      request.col = shown.ColCount();  // past the result
      EXPECT_EQ(LastLine(request), std::nullopt) << verb;
    }
  }
  EXPECT_GT(compared, 300);
}

// Every branch of a hand expansion, opened all the way down, ends in the
// determinant text its parent line gives it.
void ExpectBranchesEndInTheirTexts(Step& step) {
  for (std::size_t i = 0; i < step.Count(); ++i) {
    Step& line = step.Line(i);
    if (!line.CanOpen()) continue;
    const std::string& text = line.Text();
    const std::size_t minor = text.find(";  M(");
    const std::size_t from = text.find(" = ", minor == std::string::npos ? 0 : minor) + 3;
    const std::string given = text.substr(from, text.find(';', from) - from);
    EXPECT_EQ(line.Line(line.Count() - 1).Text(), given) << text;
    ExpectBranchesEndInTheirTexts(line);
  }
}

TEST(ComputationSteps, OpenBranchesEndInTheTextsTheirLinesShow) {
  std::mt19937 random(7);
  const Grid a = MatrixGrid(RandomRows(random, 5, 5));
  const Grid b = MatrixGrid(RandomRows(random, 5, 1));
  for (const StepValue value : {StepValue::Determinant, StepValue::Inverse, StepValue::Solve}) {
    const int row = value == StepValue::Determinant ? 1 : 2;
    StepRequest request{{&a, {5, 5}, &b, {5, 1}, 3, CalculationMode::Hand, std::nullopt, {}}, value, row, 1};
    const std::unique_ptr<Step> steps = ComputationSteps(request);
    ASSERT_TRUE(steps);
    ExpectBranchesEndInTheirTexts(*steps);
  }
  for (const StepMethod method : {StepMethod{StepMethod::Kind::Row, 3}, StepMethod{StepMethod::Kind::Column, 5}}) {
    StepRequest request{
        {&a, {5, 5}, &b, {5, 1}, 3, CalculationMode::Hand, std::nullopt, {}}, StepValue::Determinant, 1, 1, method};
    const std::unique_ptr<Step> steps = ComputationSteps(request);
    ExpectBranchesEndInTheirTexts(*steps);
  }
}

// The lines a depth will give are told before they are worked out: the
// count must be what opening every branch to that depth finds; and the exact
// steps taken from a shown calculation are those worked out afresh.
std::uint64_t OpenedLines(Step& step, int levels) {
  if (levels <= 0) return 0;
  std::uint64_t lines = 0;
  for (std::size_t i = 0; i < step.Count(); ++i) lines += 1 + OpenedLines(step.Line(i), levels - 1);
  return lines;
}

TEST(ComputationSteps, TellHowManyLinesADepthGivesAndTakeTheShownResults) {
  std::mt19937 random(31);
  for (const int n : {1, 2, 4, 6}) {
    const Grid a = MatrixGrid(RandomRows(random, n, n));
    const Grid b = MatrixGrid(RandomRows(random, n, 2));
    for (const StepValue value : {StepValue::Determinant, StepValue::Reciprocal, StepValue::Adjugate,
                                  StepValue::Inverse, StepValue::Solve, StepValue::Product}) {
      for (const int depth : {1, 2, 3, 5}) {
        SCOPED_TRACE(::testing::Message()
                     << n << " x " << n << ", value " << static_cast<int>(value) << ", depth " << depth);
        const StepRequest request{{&a, {n, n}, &b, {n, 2}, 3, CalculationMode::Hand, std::nullopt}, value, 1, 1};
        const std::unique_ptr<Step> counted = ComputationSteps(request);
        if (!counted) continue;  // a singular matrix has no inverse
        const std::uint64_t told = counted->LinesBelow(depth);
        EXPECT_EQ(told, OpenedLines(*counted, depth));
      }
      const StepRequest exact{{&a, {n, n}, &b, {n, 2}, 4, CalculationMode::Exact, std::nullopt}, value, 1, 1};
      MatrixCalculation shown(exact);
      const std::unique_ptr<Step> fresh = ComputationSteps(exact);
      StepRequest fromShown = exact;
      fromShown.done = &shown;
      const std::unique_ptr<Step> taken = ComputationSteps(fromShown);
      ASSERT_EQ(fresh == nullptr, taken == nullptr);
      if (fresh) {
        EXPECT_EQ(fresh->Line(0).Text(), taken->Line(0).Text());
      }
    }
  }
}

}  // namespace
}  // namespace zorvel
