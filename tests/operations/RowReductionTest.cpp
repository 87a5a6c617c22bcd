// The row reduction, the rank, every system solved and the transposes: by
// properties on random matrices exactly, and by hand on a few systems worked
// out on paper in the program's order.
#include <gtest/gtest.h>

#include <random>

#include "../polia/TestGrids.h"
#include "ComputationSteps.h"
#include "ExactEntries.h"
#include "ExactGrids.h"
#include "MatrixCalculation.h"
#include "OperationList.h"
#include "Reductions.h"

namespace zorvel {
namespace {

using testing::DataRows;
using testing::MatrixGrid;
using testing::Rows;

ExactRowArithmetic kExactly;

Operation Named(std::string_view verb) { return *OperationWithVerb(verb); }

// Mostly small integers and zeros, so that ranks below full come often.
Rows RandomRows(std::mt19937& random, int rows, int cols) {
  static const char* const kCells[] = {"0", "0", "0", "1", "-1", "2", "i", "1+i", "0,5", "-3", "2-i", "1/3"};
  Rows matrix(static_cast<std::size_t>(rows));
  for (auto& row : matrix) {
    for (int c = 0; c < cols; ++c) row.emplace_back(kCells[random() % std::size(kCells)]);
  }
  return matrix;
}

ExactComplex Dot(const ExactMatrix& a, int row, const std::vector<ExactComplex>& x) {
  ExactComplex sum{0, 0, false};
  for (int c = 0; c < a.cols; ++c) {
    sum = kExactly.Sub(sum, kExactly.Mul(ExactComplex{-1, 0, false}, kExactly.Mul(a.At(row, c), x[c])));
  }
  return sum;
}

bool Equal(const ExactComplex& a, const ExactComplex& b) { return a.re == b.re && a.im == b.im; }

TEST(RowReduction, EchelonFormIsReducedHasTheRanksRowsAndSpansMatrix1sRows) {
  std::mt19937 random(28);
  for (int round = 0; round < 40; ++round) {
    const int rows = static_cast<int>(random() % 20) + 1, cols = static_cast<int>(random() % 10) + 1;
    const Grid grid = MatrixGrid(RandomRows(random, rows, cols));
    const ExactMatrix a = ReadExactMatrix(grid, rows, cols);
    const ExactReduced reduced = ReduceExactly(a, nullptr);
    SCOPED_TRACE(::testing::Message() << "round " << round << ", " << rows << " x " << cols);
    for (int r = 0; r < rows; ++r) {
      bool zeroRow = true;
      for (int c = 0; c < cols; ++c) zeroRow = zeroRow && reduced.At(r, c).IsZero();
      EXPECT_EQ(zeroRow, r >= reduced.Rank()) << "row " << r;  // zero rows kept, at the bottom
    }
    for (int p = 0; p < reduced.Rank(); ++p) {
      const int col = reduced.pivotCols[static_cast<std::size_t>(p)];
      if (p > 0) {
        EXPECT_GT(col, reduced.pivotCols[static_cast<std::size_t>(p - 1)]);
      }
      for (int c = 0; c < col; ++c) EXPECT_TRUE(reduced.At(p, c).IsZero());
      for (int r = 0; r < rows; ++r) EXPECT_TRUE(Equal(reduced.At(r, col), {r == p ? 1 : 0, 0, false}));
    }
    // Row-equivalent: matrix 1's rows with the echelon form's under them
    // span no more than either alone.
    ExactMatrix stacked{2 * rows, cols, a.cells};
    stacked.cells.insert(stacked.cells.end(), reduced.cells.begin(), reduced.cells.end());
    EXPECT_EQ(ReduceExactly(stacked, nullptr).Rank(), reduced.Rank());
  }
}

TEST(RowReduction, GeneralSolutionSolvesTheSystemAndNoneExactlyWhenTheRanksDiffer) {
  std::mt19937 random(31);
  int solved = 0, unsolvable = 0;
  for (int round = 0; round < 60; ++round) {
    const int m = static_cast<int>(random() % 20) + 1, n = static_cast<int>(random() % 10) + 1;
    const Grid grid1 = MatrixGrid(RandomRows(random, m, n));
    const ExactMatrix a = ReadExactMatrix(grid1, m, n);
    // Half the right sides are A times a random x, so a solution exists.
    Rows right = RandomRows(random, m, 1);
    const bool consistent = round % 2 == 0;
    if (consistent) {
      std::vector<ExactComplex> x;
      for (int c = 0; c < n; ++c) x.push_back({static_cast<long>(random() % 7) - 3, 0, false});
      for (int r = 0; r < m; ++r)
        right[static_cast<std::size_t>(r)][0] = WriteExactEntry(Dot(a, r, x), 9, EntryUse::Step);
    }
    const Grid grid2 = MatrixGrid(right);
    SCOPED_TRACE(::testing::Message() << "round " << round << ", " << m << " x " << n);
    MatrixCalculation calculation({&grid1, {m, n}, &grid2, {m, 1}, 9, CalculationMode::Exact, Operation::Solve});
    const ExactReduced reduced = ReduceExactly(a, &calculation.Exact().Matrix2());
    const bool ranksDiffer = reduced.RankOfFirst(n) != reduced.Rank();
    EXPECT_EQ(calculation.Refusal(Operation::Solve).has_value(), ranksDiffer);
    EXPECT_TRUE(!consistent || !ranksDiffer);
    if (ranksDiffer) {
      ++unsolvable;
      continue;
    }
    ++solved;
    const std::vector<ExactComplex> columns = ExactSolution(reduced, n, 1);
    const int width = 1 + n - reduced.RankOfFirst(n);
    // x = x0 + sum of t_j v_j for random t.
    std::vector<ExactComplex> t;
    for (int j = 1; j < width; ++j) {
      t.push_back({static_cast<long>(random() % 9) - 4, static_cast<long>(random() % 3) - 1, false});
    }
    std::vector<ExactComplex> x(static_cast<std::size_t>(n));
    for (int r = 0; r < n; ++r) {
      x[r] = columns[static_cast<std::size_t>(r * width)];
      for (int j = 1; j < width; ++j) {
        x[r] =
            kExactly.Sub(x[r], kExactly.Mul(ExactComplex{-1, 0, false},
                                            kExactly.Mul(t[j - 1], columns[static_cast<std::size_t>(r * width + j)])));
      }
    }
    for (int r = 0; r < m; ++r) EXPECT_TRUE(Equal(Dot(a, r, x), calculation.Exact().Matrix2().At(r, 0))) << r;
  }
  EXPECT_GT(solved, 20);
  EXPECT_GT(unsolvable, 5);
}

TEST(RowReduction, TransposingTwiceGivesTheMatrixBack) {
  std::mt19937 random(5);
  for (const std::string_view verb : {"transpose", "conjugate-transpose"}) {
    for (const CalculationMode mode : {CalculationMode::Hand, CalculationMode::Exact}) {
      const int rows = static_cast<int>(random() % 20) + 1, cols = static_cast<int>(random() % 10) + 1;
      const Grid a = MatrixGrid(RandomRows(random, rows, cols));
      Grid once, twice, written;
      MatrixCalculation({&a, {rows, cols}, &a, {rows, cols}, 3, mode, Named(verb)}).FillResult(Named(verb), once);
      EXPECT_EQ(once.RowCount(), cols + 1);
      EXPECT_EQ(once.ColCount(), rows + 1);
      MatrixCalculation({&once, {cols, rows}, &once, {cols, rows}, 3, mode, Named(verb)})
          .FillResult(Named(verb), twice);
      // The matrix as each mode writes its values: plus a zero matrix.
      const Grid zero = MatrixGrid(Rows(static_cast<std::size_t>(rows), std::vector<std::string>(cols, "0")));
      MatrixCalculation({&a, {rows, cols}, &zero, {rows, cols}, 3, mode, Operation::Sum})
          .FillResult(Operation::Sum, written);
      EXPECT_EQ(DataRows(twice), DataRows(written)) << verb;
    }
  }
}

// The first level of the steps of a result cell.
std::vector<std::string> StepLines(const CalculationInput& input, int row, int col) {
  const std::unique_ptr<Step> steps = ComputationSteps({input, StepValue::Result, row, col});
  std::vector<std::string> lines;
  if (!steps) return lines;
  for (std::size_t i = 0; i < steps->Count(); ++i) lines.push_back(steps->Line(i).Text());
  return lines;
}

// Systems worked out by hand in the program's order, at 3 places.
TEST(RowReduction, SolvesSystemsByHandAsTheyAreWorkedOutOnPaper) {
  const std::string minus = "\x1B-",
                    R1 = "R\x1B"
                         "1",
                    R2 = "R\x1B"
                         "2",
                    R3 = "R\x1B"
                         "3";
  const std::string x0 = "x\x1B"
                         "0",
                    v1 = "v\x1B"
                         "1",
                    v2 = "v\x1B"
                         "2";
  struct System {
    const char* name;
    Rows a;
    Rows b;
    std::vector<std::string> operations;  // the row operations, in order
    Rows result;                          // header row, then the data rows
    std::string caption;                  // or the refusal
  };
  const System systems[] = {
      {"singular 2 x 2",
       {{"1", "2"}, {"2", "4"}},
       {{"3"}, {"6"}},
       {R2 + " := " + R2 + " " + minus + " 2\xB7" + R1},
       {{x0, v1}, {"3", "-2"}, {"0", "1"}},
       "X = " + x0 +
           " + t\x1B"
           "1\xB7" +
           v1 +
           ", t\x1B"
           "1 \x1B"
           "e \x1B"
           "C"},
      {"3 x 4",
       {{"1", "1", "1", "1"}, {"1", "2", "3", "4"}, {"2", "3", "4", "5"}},
       {{"1"}, {"2"}, {"3"}},
       {R2 + " := " + R2 + " " + minus + " " + R1, R3 + " := " + R3 + " " + minus + " 2\xB7" + R1,
        R1 + " := " + R1 + " " + minus + " " + R2, R3 + " := " + R3 + " " + minus + " " + R2},
       {{x0, v1, v2}, {"0", "1", "2"}, {"1", "-2", "-3"}, {"0", "1", "0"}, {"0", "0", "1"}},
       "X = " + x0 +
           " + t\x1B"
           "1\xB7" +
           v1 +
           " + t\x1B"
           "2\xB7" +
           v2 +
           ", t\x1B"
           "1, t\x1B"
           "2 \x1B"
           "e \x1B"
           "C"},
      {"needs a swap, one solution",
       {{"0", "2"}, {"4", "2"}, {"4", "4"}},
       {{"2"}, {"6"}, {"8"}},
       {R1 + " \x1B< " + R2, R1 + " := " + R1 + " / 4", R3 + " := " + R3 + " " + minus + " 4\xB7" + R1,
        R2 + " := " + R2 + " / 2", R1 + " := " + R1 + " " + minus + " 0,5\xB7" + R2,
        R3 + " := " + R3 + " " + minus + " 2\xB7" + R2},
       {{"1"}, {"1"}},
       ""},
      {"no solution",
       {{"1", "2"}, {"2", "4"}},
       {{"1"}, {"3"}},
       {},
       {},
       "S\xFAstava nem\xE1 rie\x9A"
       "enie: h(A) = 1, h(A|B) = 2."},
  };
  for (const System& system : systems) {
    SCOPED_TRACE(system.name);
    const Grid a = MatrixGrid(system.a), b = MatrixGrid(system.b);
    const MatrixSize sizeA{static_cast<int>(system.a.size()), static_cast<int>(system.a[0].size())};
    const CalculationInput input{&a, sizeA, &b, {sizeA.rows, 1}, 3, CalculationMode::Hand, Operation::Solve};
    MatrixCalculation calculation(input);
    if (const auto refusal = calculation.Refusal(Operation::Solve)) {
      EXPECT_EQ(*refusal, system.caption);
      EXPECT_TRUE(StepLines(input, 1, 1).empty());
      continue;
    }
    Grid result;
    calculation.FillResult(Operation::Solve, result);
    Rows shown = DataRows(result);
    std::vector<std::string> header;
    for (int c = 1; c < result.ColCount(); ++c) header.push_back(result.Cells(c, 0));
    if (header.front() != "1") shown.insert(shown.begin(), header);
    EXPECT_EQ(shown, system.result);
    EXPECT_EQ(calculation.Caption(Operation::Solve), system.caption);
    std::vector<std::string> lines = StepLines(input, 1, 1);
    lines.resize(system.operations.size());
    EXPECT_EQ(lines, system.operations);
  }
}

}  // namespace
}  // namespace zorvel
