#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "CalculationMessages.h"
#include "MatrixCalculation.h"
#include "Messages.h"
#include "TestGrids.h"

namespace zorvel {
namespace {

using testing::DataRows;
using testing::MatrixGrid;
using testing::Rows;

constexpr CalculationMode kHand = CalculationMode::Hand;
constexpr CalculationMode kExact = CalculationMode::Exact;

struct CalculationCase {
  const char* name;
  CalculationMode mode;
  Operation operation;
  Rows matrix1;
  Rows matrix2;
  int places;
  Rows result;               // for the inverse: the adjugate's rows, then the inverse's
  std::string_view refusal;  // or why there is none
};

MatrixSize SizeOf(const Rows& rows) { return {static_cast<int>(rows.size()), static_cast<int>(rows[0].size())}; }

TEST(MatrixCalculation, ComputesEachOperationInEitherModeOrSaysWhyNot) {
  const std::string tooLarge(kTooLargeNumber);
  const Rows column{{"5"}, {"6"}};
  const Rows square{{"1", "2"}, {"3", "4"}}, wide{{"1", "2", "3"}, {"4", "5", "6"}};
  const CalculationCase cases[] = {
      {"inverse 1x1", kHand, Operation::Inverse, {{"5"}}, column, 3, {{"1"}, {"0,2"}}, {}},
      {"inverse complex 2x2",
       kHand,
       Operation::Inverse,
       {{"i", "0"}, {"0", "1"}},
       column,
       3,
       {{"1", "0"}, {"0", "i"}, {"-i", "0"}, {"0", "1"}},
       {}},
      {"inverse 3x3 complex, rounded at every step",
       kHand,
       Operation::Inverse,
       {{"1", "2", "i"}, {"-i", "3", "1"}, {"2", "1+i", "1"}},
       column,
       3,
       {{"2-i", "-3+i", "2-3i"},
        {"2+i", "1-2i", "0"},
        {"-5-i", "3-i", "3+2i"},
        {"0,277+0,015i", "-0,385-0,077i", "0,4-0,2i"},
        {"0,154+0,231i", "0,231-0,154i", "0"},
        {"-0,477-0,415i", "0,385+0,077i", "0,2+0,4i"}},
       {}},
      {"inverse, not square", kHand, Operation::Inverse, wide, column, 3, {}, kInverseNotSquare},
      {"inverse, singular",
       kHand,
       Operation::Inverse,
       {{"1", "2"}, {"2", "4"}},
       column,
       3,
       {},
       kInverseDeterminantZero},
      {"sum", kHand, Operation::Sum, {{"1+2i", "3"}}, {{"1-2i", "0,5"}}, 3, {{"2", "3,5"}}, {}},
      {"difference", kHand, Operation::Difference, {{"1+2i", "3"}}, {{"1-2i", "0,5"}}, 3, {{"4i", "2,5"}}, {}},
      {"sum, sizes differ", kHand, Operation::Sum, wide, square, 3, {}, kSumSizesDiffer},
      {"difference, sizes differ", kExact, Operation::Difference, square, wide, 3, {}, kSumSizesDiffer},
      {"product 2x2 by 2x1", kHand, Operation::Product, square, column, 3, {{"17"}, {"39"}}, {}},
      {"product, each term rounded",
       kHand,
       Operation::Product,
       {{"0,1", "0,1"}},
       {{"0,07"}, {"0,07"}},
       2,
       {{"0,02"}},
       {}},
      {"product 1x3 by 3x1", kHand, Operation::Product, {{"1", "i", "2"}}, {{"2"}, {"i"}, {"0,5"}}, 3, {{"2"}}, {}},
      {"product 3x1 by 1x3",
       kHand,
       Operation::Product,
       {{"1"}, {"i"}, {"2"}},
       {{"2", "i", "0,5"}},
       3,
       {{"2", "i", "0,5"}, {"2i", "-1", "0,5i"}, {"4", "2i", "1"}},
       {}},
      {"product complex 1x1", kHand, Operation::Product, {{"1+i"}}, {{"1-i"}}, 3, {{"2"}}, {}},
      {"product, sizes differ", kHand, Operation::Product, wide, wide, 3, {}, kProductSizesDiffer},
      {"solve by Cramer's rule", kHand, Operation::Solve, square, column, 3, {{"-4"}, {"4,5"}}, {}},
      {"solve exactly",
       kExact,
       Operation::Solve,
       {{"i", "0"}, {"0", "1"}},
       {{"1", "i"}, {"2", "0"}},
       3,
       {{"-i", "1"}, {"2", "0"}},
       {}},
      // By hand 0,333 x 3 rounds to 1 at 2 places and the determinant to 0,
      // so elimination solves it, in its own rounding; exactly the
      // determinant is -0,001.
      {"nearly singular by hand",
       kHand,
       Operation::Solve,
       {{"0,333", "1"}, {"1", "3"}},
       {{"1"}, {"0"}},
       2,
       {{"-303"}, {"101"}},
       {}},
      {"nearly singular exactly",
       kExact,
       Operation::Solve,
       {{"0,333", "1"}, {"1", "3"}},
       {{"1"}, {"0"}},
       2,
       {{"-3000"}, {"1000"}},
       {}},
      {"solve, matrix 1 not square", kExact, Operation::Solve, {{"1", "2"}}, {{"1"}}, 3, {{"1", "-2"}, {"0", "1"}}, {}},
      {"solve, rows differ", kHand, Operation::Solve, {{"1", "2"}, {"3", "4"}}, {{"1"}}, 3, {}, kSolveRowsDiffer},
      {"solve, singular without a solution",
       kExact,
       Operation::Solve,
       {{"1", "2"}, {"2", "4"}},
       column,
       3,
       {},
       "S\xFAstava nem\xE1 rie\x9A"
       "enie: h(A) = 1, h(A|B) = 2."},
      {"inverse exactly",
       kExact,
       Operation::Inverse,
       {{"1", "2"}, {"3", "4"}},
       column,
       3,
       {{"4", "-2"}, {"-3", "1"}, {"-2", "1"}, {"1,5", "-0,5"}},
       {}},
      {"inverse exactly, singular",
       kExact,
       Operation::Inverse,
       {{"1", "2"}, {"2", "4"}},
       column,
       3,
       {},
       kInverseDeterminantZero},
      // Each term rounds to 0,01 by hand, so the sum is 0,02; exactly 0,014.
      {"product exactly", kExact, Operation::Product, {{"0,1", "0,1"}}, {{"0,07"}, {"0,07"}}, 2, {{"0,01"}}, {}},
      {"sum beyond the hand mode's limit",
       kExact,
       Operation::Sum,
       {{"5000000000", "1"}},
       {{"1", "i"}},
       3,
       {{"5000000001", "1+i"}},
       {}},
      {"difference exactly", kExact, Operation::Difference, {{"0,3"}}, {{"0,1"}}, 3, {{"0,2"}}, {}},
      {"a cell without a number",
       kExact,
       Operation::Product,
       {{tooLarge, "1"}, {"2", "3"}},
       {{"1"}, {"1"}},
       3,
       {{tooLarge}, {"5"}},
       {}},
  };
  for (const CalculationCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Grid matrix1 = MatrixGrid(c.matrix1);
    const Grid matrix2 = MatrixGrid(c.matrix2);
    MatrixCalculation calculation(
        {&matrix1, SizeOf(c.matrix1), &matrix2, SizeOf(c.matrix2), c.places, c.mode, c.operation, {}});
    const std::optional<std::string_view> refusal = calculation.Refusal(c.operation);
    EXPECT_EQ(refusal.value_or(""), c.refusal);
    if (refusal) continue;
    Grid result, inverse;
    if (c.operation == Operation::Inverse) {
      calculation.FillInverse(result, inverse);
      Rows both = DataRows(result);
      for (const auto& row : DataRows(inverse)) both.push_back(row);
      EXPECT_EQ(both, c.result);
    } else {
      calculation.FillResult(c.operation, result);
      EXPECT_EQ(DataRows(result), c.result);
    }
  }
}

}  // namespace
}  // namespace zorvel
