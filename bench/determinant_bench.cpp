// The determinant of matrix 1 runs on every keystroke, and the inverse needs
// the determinants of all its minors: a dense 10 x 10 complex matrix at 9
// places is the worst case the window allows. The literal expansion, computed
// in the same run, gives the ratio.
#include <benchmark/benchmark.h>

#include <string>

#include "DenseMatrix.h"
#include "Determinant.h"
#include "Grid.h"
#include "LiteralDeterminant.h"

namespace {

using zorvel::Grid;

using zorvel::bench::DenseMatrix;

constexpr int kPlaces = 9;

void BM_GridDeterminant(benchmark::State& state) {
  const Grid grid = DenseMatrix(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(zorvel::GridDeterminant(grid, kPlaces));
  state.SetLabel(zorvel::GridDeterminant(grid, kPlaces));
}

void BM_AllMinors(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const Grid grid = DenseMatrix(n);
  for (auto _ : state) {
    zorvel::MinorDeterminants minors(grid, kPlaces);
    for (int row = 1; row <= n; ++row) {
      for (int col = 1; col <= n; ++col) benchmark::DoNotOptimize(minors.Minor(row, col));
    }
  }
}

// What the inverse needs after a keystroke that changed one cell, with the
// memo kept: each iteration writes another number into the next cell, all
// n x n in turn, and asks for the whole and every minor again.
void BM_AllMinorsOneCellEdit(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Grid grid = DenseMatrix(n);
  const Grid original = grid;
  const Grid typed = DenseMatrix(n, 4242);
  zorvel::MinorDeterminants minors(grid, kPlaces);
  int k = 0;
  for (auto _ : state) {
    const int row = 1 + k / n % n, col = 1 + k % n;
    grid.SetCells(col, row, (k / (n * n) % 2 == 0 ? typed : original).Cells(col, row));
    ++k;
    minors.Update(grid, kPlaces);
    benchmark::DoNotOptimize(minors.Whole());
    for (int r = 1; r <= n; ++r) {
      for (int c = 1; c <= n; ++c) benchmark::DoNotOptimize(minors.Minor(r, c));
    }
  }
}

void BM_LiteralDeterminant(benchmark::State& state) {
  const Grid grid = DenseMatrix(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(zorvel::testing::LiteralGridDeterminant(grid, kPlaces));
}

BENCHMARK(BM_GridDeterminant)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllMinors)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AllMinorsOneCellEdit)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiteralDeterminant)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
