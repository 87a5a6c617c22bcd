// Every keystroke recomputes everything on the user-interface thread. The
// worst case the window allows: a dense 10 x 10 complex matrix 1 with the
// inverse chosen at 9 places (the determinants of all its minors), and the
// largest product, 20 x 10 by 10 x 10. Measured on the real window, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>

#include <memory>

#include "ComplexText.h"
#include "SpinEdit.h"
#include "Startup.h"
#include "StringGrid.h"
#include "TMain.h"

namespace {

QApplication& Application() {
  static int argc = 1;
  static char name[] = "window_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(argc, argv);
  return application;
}

// Entries such as -3,25+1,5i from a fixed pseudo-random sequence.
void FillDense(zorvel::Grid& grid, int rows, int cols, unsigned seed) {
  const auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % 33) / 4.0 - 4.0;
  };
  for (int i = 1; i <= rows; ++i) {
    for (int j = 1; j <= cols; ++j) {
      const double re = next(), im = next();
      grid.SetCells(j, i, zorvel::FormatComplex(9, re, im).view());
    }
  }
}

std::unique_ptr<zorvel::TMain> Window(int operation, int rows1, int cols1, int rows2, int cols2) {
  Application();
  auto window = zorvel::CreateMain();
  window->show();
  window->DesM->SetValue(9);
  window->SpinEdit1->SetValue(rows1);
  window->SpinEdit2->SetValue(cols1);
  window->SpinEdit3->SetValue(rows2);
  window->SpinEdit4->SetValue(cols2);
  FillDense(window->Pole1->grid(), rows1, cols1, 12345);
  FillDense(window->Pole2->grid(), rows2, cols2, 777);
  window->ComboBox1->setCurrentIndex(operation);
  window->ComboBox1Change();
  QApplication::processEvents();
  return window;
}

// A recalculation that finds matrix 1 as it was (a key that changes no cell,
// such as an arrow, recalculates too).
void BM_VypoctyInverse10x10(benchmark::State& state) {
  const auto window = Window(0, 10, 10, 3, 3);
  for (auto _ : state) {
    window->Vypocty();
    QApplication::processEvents();  // the views repaint what changed
  }
}

// A keystroke that changes one cell: each iteration writes another number
// into the next cell of matrix 1, all 100 cells in turn, then recalculates
// and repaints. The determinants of the minors that do not keep that cell are
// reused.
void BM_VypoctyInverse10x10OneCellEdit(benchmark::State& state) {
  const auto window = Window(0, 10, 10, 3, 3);
  zorvel::Grid& matrix = window->Pole1->grid();
  const zorvel::Grid original = matrix;
  zorvel::Grid typed;
  FillDense(typed, 10, 10, 4242);
  int k = 0;
  for (auto _ : state) {
    const int row = 1 + k / 10 % 10, col = 1 + k % 10;
    matrix.SetCells(col, row, (k / 100 % 2 == 0 ? typed : original).Cells(col, row));
    ++k;
    window->Vypocty();
    QApplication::processEvents();
  }
}

// A change of the places (9 and 8 in turn) recomputes everything afresh.
void BM_VypoctyInverse10x10PlacesChange(benchmark::State& state) {
  const auto window = Window(0, 10, 10, 3, 3);
  int places = 9;
  for (auto _ : state) {
    places = places == 9 ? 8 : 9;
    window->DesM->SetValue(places);  // its change handler recalculates
    QApplication::processEvents();
  }
}

// The floor under the figures above: repainting the adjugate and the inverse
// of a 10 x 10 matrix, which a keystroke changes almost everywhere, with
// nothing recalculated.
void BM_RepaintInverse10x10(benchmark::State& state) {
  const auto window = Window(0, 10, 10, 3, 3);
  for (auto _ : state) {
    window->Pole3->viewport()->update();
    window->Pole4->viewport()->update();
    QApplication::processEvents();
  }
}

void BM_VypoctyProduct20x10By10x10(benchmark::State& state) {
  const auto window = Window(3, 20, 10, 10, 10);
  for (auto _ : state) {
    window->Vypocty();
    QApplication::processEvents();
  }
}

BENCHMARK(BM_VypoctyInverse10x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VypoctyInverse10x10OneCellEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VypoctyInverse10x10PlacesChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintInverse10x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VypoctyProduct20x10By10x10)->Unit(benchmark::kMillisecond);

}  // namespace
