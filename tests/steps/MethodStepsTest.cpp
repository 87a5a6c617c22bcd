// The methods of a determinant's steps: exactly, every method ends in the
// same value; by hand, a method that rounds to other digits says so beside
// the shown result, and one that agrees does not.
#include <gtest/gtest.h>

#include "../polia/TestGrids.h"
#include "ComputationSteps.h"
#include "StepMethod.h"

namespace zorvel {
namespace {

using testing::MatrixGrid;
using testing::Rows;

std::vector<std::string> Lines(const Grid& a, int n, int places, CalculationMode mode, StepMethod method) {
  const StepRequest request{
      {&a, {n, n}, &a, {n, n}, places, mode, std::nullopt, {}}, StepValue::Determinant, 1, 1, method};
  const std::unique_ptr<Step> steps = ComputationSteps(request);
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < steps->Count(); ++i) lines.push_back(steps->Line(i).Text());
  return lines;
}

struct ExactCase {
  const char* name;
  Rows rows;
  std::string determinant;  // the last line of every method
};

class ExactMethods : public ::testing::TestWithParam<ExactCase> {};

TEST_P(ExactMethods, EndInTheSameDeterminant) {
  const ExactCase& c = GetParam();
  const Grid a = MatrixGrid(c.rows);
  const int n = static_cast<int>(c.rows.size());
  for (const StepMethod method : OfferedMethods(a, n)) {
    const std::vector<std::string> lines = Lines(a, n, 3, CalculationMode::Exact, method);
    EXPECT_EQ(lines.back(), c.determinant) << static_cast<int>(method.kind) << " " << method.line;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Matrices, ExactMethods,
    ::testing::Values(
        ExactCase{"zeroRichRow", {{"2", "1", "3"}, {"1", "3", "0"}, {"0", "1", "0"}}, "3"},
        ExactCase{"needsASwap", {{"0", "2", "1"}, {"1", "1", "0"}, {"3", "0", "1"}}, "-5"},
        ExactCase{"oneByOne", {{"2,5"}}, "2,5"},
        ExactCase{"singular", {{"1", "2", "i"}, {"2", "4", "2i"}, {"0", "1", "3"}}, "0"},
        ExactCase{"fractions",
                  {{"1/3", "i", "0", "2"}, {"1", "0", "0", "1-i"}, {"0", "2", "1/2", "0"}, {"3", "0", "1", "1"}},
                  "-1,833+0,333i"}),
    [](const auto& param) { return std::string(param.param.name); });

// By hand at 2 places: the elimination and the expansion along row 2 round
// in their own order and end in -0,33, the calculation in -0,34.
TEST(HandMethods, SayWhereTheyRoundToOtherDigits) {
  const Grid a = MatrixGrid({{"0,3", "0,41", "1"}, {"0,09", "0,677", "2"}, {"1", "2", "3,3"}});
  const std::string differ = "in\xFDm postupom: -0,33; zobrazen\xFD v\xFDsledok: -0,34";
  for (const StepMethod method : {StepMethod{StepMethod::Kind::Elimination}, StepMethod{StepMethod::Kind::Row, 2}}) {
    const std::vector<std::string> lines = Lines(a, 3, 2, CalculationMode::Hand, method);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], differ);
    EXPECT_EQ(lines.back(), "-0,34");
  }
  // On small integers every method computes exactly and agrees.
  const Grid b = MatrixGrid({{"2", "1", "3"}, {"1", "3", "0"}, {"0", "1", "0"}});
  for (const StepMethod method : {StepMethod{StepMethod::Kind::Elimination}, StepMethod{StepMethod::Kind::Row, 3}}) {
    const std::vector<std::string> lines = Lines(b, 3, 2, CalculationMode::Hand, method);
    EXPECT_EQ(lines.back(), "3");
    for (const std::string& line : lines) EXPECT_EQ(line.find("in\xFDm postupom"), std::string::npos) << line;
  }
}

// The elimination as a student writes it: the swap only where the pivot is
// not in place, the signed product of the pivots.
TEST(HandMethods, EliminationSwapsAndMultipliesThePivots) {
  const Grid a = MatrixGrid({{"0", "2", "1"}, {"1", "1", "0"}, {"3", "0", "1"}});
  const std::vector<std::string> lines = Lines(a, 3, 3, CalculationMode::Hand, {StepMethod::Kind::Elimination});
  const std::vector<std::string> expected{
      "R\x1B"
      "1 \x1B< R\x1B"
      "2",
      "R\x1B"
      "3 := R\x1B"
      "3 \x1B- 3\xB7R\x1B"
      "1",
      "R\x1B"
      "3 := R\x1B"
      "3 \x1B- (-1,5)\xB7R\x1B"
      "2",
      "det = (-1)^1 \xB7 u(1, 1) \xB7 u(2, 2) \xB7 u(3, 3)",
      "(-1) \xB7 1 = -1",
      "(-1) \xB7 2 = -2",
      "(-2) \xB7 2,5 = -5",
      "-5"};
  EXPECT_EQ(lines, expected);
}

TEST(OfferedMethods, PutTheLineWithTheMostZerosFirst) {
  const Grid a = MatrixGrid({{"2", "0", "3"}, {"1", "3", "0"}, {"0", "0", "0,0"}});
  std::vector<std::pair<StepMethod::Kind, int>> offered;
  for (const StepMethod method : OfferedMethods(a, 3)) offered.emplace_back(method.kind, method.line);
  using K = StepMethod::Kind;
  const std::vector<std::pair<StepMethod::Kind, int>> expected{
      {K::FirstColumn, 1}, {K::Row, 3}, {K::Column, 2}, {K::Column, 3}, {K::Row, 1}, {K::Row, 2}, {K::Elimination, 1}};
  EXPECT_EQ(offered, expected);
}

}  // namespace
}  // namespace zorvel
