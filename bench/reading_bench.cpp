// The reading of a cell. Today's texts: the program's own reading of a dense
// 10 x 10 against the whole cell reading that the recalculation now asks
// (which reads today's texts the same way first), in one run. Polar cells: a
// 10 x 10 of r∠φ° at angles off the quarter turns, read and inverted exactly
// with every result written in polar form, as after a keystroke.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "ComplexText.h"
#include "ExactGrids.h"
#include "ExtraCharacters.h"
#include "Grid.h"
#include "HandGrids.h"
#include "MatrixCalculation.h"

namespace {

using namespace zorvel;

std::vector<std::string> Texts(int count, unsigned seed, bool polar) {
  std::vector<std::string> texts;
  const auto next = [&seed](int range) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % static_cast<unsigned>(range));
  };
  for (int i = 0; i < count; ++i) {
    if (polar) {
      texts.push_back(std::to_string(next(999) + 1) + "," + std::to_string(next(10)) + kAngleSign +
                      std::to_string(next(178) - 89) + "," + std::to_string(next(9) + 1) + kDegreeSign);
    } else {
      texts.push_back("-" + std::to_string(next(9)) + "," + std::to_string(next(100)) + "+" + std::to_string(next(9)) +
                      "," + std::to_string(next(10)) + "i");
    }
  }
  return texts;
}

Grid GridOf(const std::vector<std::string>& texts, int n) {
  Grid grid;
  grid.SetColCount(n + 1);
  grid.SetRowCount(n + 1);
  grid.SetFixedCols(1);
  grid.SetFixedRows(1);
  for (int i = 0; i < n * n; ++i) grid.SetCells(1 + i % n, 1 + i / n, texts[static_cast<std::size_t>(i)]);
  return grid;
}

void BM_ReadTodaysTexts10x10ProgramsOwnReading(benchmark::State& state) {
  const Grid grid = GridOf(Texts(100, 7, false), 10);
  for (auto _ : state) {
    for (int r = 1; r <= 10; ++r) {
      for (int c = 1; c <= 10; ++c) benchmark::DoNotOptimize(ReadComplex(grid.Cells(c, r)));
    }
  }
}

void BM_ReadTodaysTexts10x10CellReading(benchmark::State& state) {
  const Grid grid = GridOf(Texts(100, 7, false), 10);
  Grid scratch;
  for (auto _ : state) benchmark::DoNotOptimize(&HandReadingGrid(grid, {10, 10}, scratch));
}

void BM_ExactPolarInverse10x10(benchmark::State& state) {
  std::vector<std::string> texts = Texts(100, 11, true);
  Grid matrix1 = GridOf(texts, 10);
  const Grid matrix2 = GridOf(texts, 10);
  ShownForm polar;
  if (state.range(0) != 0) polar.form = NumberForm::Polar;
  int edit = 0;
  for (auto _ : state) {
    matrix1.SetCells(1, 1, std::to_string(edit % 7 + 2) + ",5" + kAngleSign + "33");  // a keystroke in one cell
    ++edit;
    MatrixCalculation calculation(
        {&matrix1, {10, 10}, &matrix2, {10, 10}, 4, CalculationMode::Exact, Operation::Inverse, polar});
    Grid adjugate, inverse;
    benchmark::DoNotOptimize(calculation.Determinant());
    benchmark::DoNotOptimize(calculation.Reciprocal());
    calculation.FillInverse(adjugate, inverse);
  }
}

void BM_ExactPolarRead10x10(benchmark::State& state) {
  const Grid matrix1 = GridOf(Texts(100, 11, true), 10);
  for (auto _ : state) benchmark::DoNotOptimize(ReadExactMatrix(matrix1, 10, 10));
}

BENCHMARK(BM_ExactPolarRead10x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTodaysTexts10x10ProgramsOwnReading)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadTodaysTexts10x10CellReading)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ExactPolarInverse10x10)->ArgName("polar")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
