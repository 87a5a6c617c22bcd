// Every keystroke recomputes everything on the user-interface thread. The
// worst case the window allows: a dense 10 x 10 complex matrix 1 with the
// inverse chosen at 9 places (the determinants of all its minors), and the
// largest product, 20 x 10 by 10 x 10. Measured on the real window, offscreen,
// beside zorvel-calc computing the same inverse in-process: reading the
// matrix file, the calculation, and writing the result text.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <memory>

#include "CalcCommand.h"
#include "DenseMatrix.h"
#include "Determinant.h"
#include "ElidedLabel.h"
#include "MatrixFile.h"
#include "MatrixRows.h"
#include "OffscreenApplication.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "Startup.h"
#include "StepsPanel.h"
#include "StringGrid.h"
#include "TMain.h"

namespace {

using zorvel::bench::FillDense;

QApplication& Application() { return zorvel::bench::OffscreenApplication(); }

std::unique_ptr<zorvel::TMain> Window(int operation, int rows1, int cols1, int rows2, int cols2, bool exact = false) {
  Application();
  auto window = zorvel::CreateMain();
  window->show();
  window->DesM->SetValue(9);
  window->CheckBoxPresne->setChecked(exact);
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
void BM_VypoctyInverse10x10NoChange(benchmark::State& state) {
  const auto window = Window(0, 10, 10, 3, 3);
  for (auto _ : state) {
    window->Vypocty();
    QApplication::processEvents();  // the views repaint what changed
  }
}

// Keystrokes that change one cell each: each iteration writes another number
// into the next cell of `matrix` from column `firstCol` on (row by row, all
// in turn, the other numbers one pass and the first ones the next), then
// recalculates and repaints.
void EditsInTurn(benchmark::State& state, zorvel::TMain& window, zorvel::Grid& matrix, int rows, int cols,
                 int firstCol = 1) {
  const zorvel::Grid original = matrix;
  zorvel::Grid typed;
  FillDense(typed, rows, cols, 4242);
  const int width = cols - firstCol + 1;
  int k = 0;
  for (auto _ : state) {
    const int cell = k % (rows * width);
    const int row = 1 + cell / width, col = firstCol + cell % width;
    matrix.SetCells(col, row, (k / (rows * width) % 2 == 0 ? typed : original).Cells(col, row));
    ++k;
    window.Vypocty();
    QApplication::processEvents();
  }
}

void OneCellEdits(benchmark::State& state, zorvel::TMain& window) {
  EditsInTurn(state, window, window.Pole1->grid(), 10, 10);
}

// Every cell of matrix 1 in turn: the determinants of the minors that do not
// keep the edited cell are reused.
void BM_VypoctyInverse10x10OneCellEdit(benchmark::State& state) { OneCellEdits(state, *Window(0, 10, 10, 3, 3)); }

// The worst column: every minor the expansion reaches keeps the last column,
// so an edit there recomputes every minor with the edited row.
void BM_VypoctyInverse10x10OneCellEditLastColumn(benchmark::State& state) {
  const auto window = Window(0, 10, 10, 3, 3);
  EditsInTurn(state, *window, window->Pole1->grid(), 10, 10, 10);
}

// The same keystrokes in the exact mode: the determinant, its reciprocal and
// the inverse by exact elimination, each shown value rounded once.
void BM_VypoctyExactInverse10x10OneCellEdit(benchmark::State& state) {
  OneCellEdits(state, *Window(0, 10, 10, 3, 3, true));
}

// Solving matrix 1 . X = matrix 2 for three right-hand sides, by hand
// (Cramer's rule: 30 determinants of 10 x 10) and exactly.
void BM_VypoctySolve10x10By3OneCellEdit(benchmark::State& state) {
  OneCellEdits(state, *Window(4, 10, 10, 10, 3, state.range(0) != 0));
}

// The full recomputation: a change of the places (9 and 8 in turn) keeps
// nothing computed before.
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

// The minors of a one-cell edit of matrix 1 (as BM_VypoctyInverse10x10OneCellEdit
// asks for them) with nothing else, and with the result grids repainted
// between edits, as in the window: painting leaves the processor's vector
// registers in a state that slows the arithmetic after it unless the
// recalculation clears it. The two should differ by the repaint alone
// (BM_RepaintInverse10x10).
void BM_MinorsOneCellEdit10x10(benchmark::State& state) {
  const auto window = Window(0, 10, 10, 3, 3);
  const bool repaint = state.range(0) != 0;
  zorvel::Grid matrix = window->Pole1->grid();
  const zorvel::Grid original = matrix;
  zorvel::Grid typed;
  FillDense(typed, 10, 10, 4242);
  zorvel::MinorDeterminants minors(matrix, 9);
  int k = 0;
  for (auto _ : state) {
    const int row = 1 + k / 10 % 10, col = 1 + k % 10;
    matrix.SetCells(col, row, (k / 100 % 2 == 0 ? typed : original).Cells(col, row));
    ++k;
    minors.Update(matrix, 9);
    benchmark::DoNotOptimize(minors.Whole());
    for (int r = 1; r <= 10; ++r) {
      for (int c = 1; c <= 10; ++c) benchmark::DoNotOptimize(minors.Minor(r, c));
    }
    if (repaint) {
      window->Pole3->viewport()->update();
      window->Pole4->viewport()->update();
      QApplication::processEvents();
    }
  }
}

// The largest product: each keystroke changes a cell of matrix 1, and with
// it a row of the product, which is recomputed whole and repainted where it
// changed.
void BM_VypoctyProduct20x10By10x10(benchmark::State& state) {
  const auto window = Window(3, 20, 10, 10, 10);
  EditsInTurn(state, *window, window->Pole1->grid(), 20, 10);
}

// A 20 x 10 block of numbers of the longest a cell holds (32,767
// characters, complex, read the general way) pasted over matrix 1 while the
// sum of two 20 x 10 matrices is shown: the paste, the recalculation and the
// repaint of the whole window together. Two blocks take turns, so that every
// paste changes every cell.
QString HugeBlock(char digit) {
  const auto part = [digit](int length) {
    return QStringLiteral("0,") + QString(length - 3, u'0') + QLatin1Char(digit);
  };
  const int re = zorvel::StringGrid::kMaxCellText / 2;
  const QString cell = part(re) + u'+' + part(zorvel::StringGrid::kMaxCellText - re - 2) + u'i';
  QStringList row;
  for (int c = 0; c < 10; ++c) row << cell;
  QString block;
  for (int r = 0; r < 20; ++r) block += row.join(u'\t') + u'\n';
  return block;
}

void BM_PasteHugeCells20x10(benchmark::State& state) {
  const auto window = Window(1, 20, 10, 20, 10);
  const QString blocks[2] = {HugeBlock('1'), HugeBlock('2')};
  int turn = 0;
  for (auto _ : state) {
    state.PauseTiming();
    QApplication::clipboard()->setText(blocks[turn++ % 2]);
    window->Pole1->setCurrentIndex(window->Pole1->model()->index(0, 0));
    state.ResumeTiming();
    window->PasteIntoMatrix(window->Pole1);
    QApplication::processEvents();             // the views hear of the changed cells
    benchmark::DoNotOptimize(window->grab());  // and paint the whole window
  }
}

void BM_CalcInverse10x10(benchmark::State& state) {
  zorvel::Grid matrix = zorvel::MatrixGrid(QList<QStringList>(10, QStringList(10)));
  FillDense(matrix, 10, 10, 12345);  // the window's matrix 1
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("a.tsv"));
  if (!zorvel::SaveMatrixFile(path, zorvel::MatrixRows(matrix)).isEmpty()) state.SkipWithError("cannot save");
  const QStringList arguments{QStringLiteral("inverse"), QStringLiteral("--places"), QStringLiteral("9"), path};
  QBuffer noInput;
  noInput.open(QIODevice::ReadOnly);
  for (auto _ : state) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    if (zorvel::RunCalc(arguments, noInput, outStream, errStream) != 0) state.SkipWithError("refused");
    outStream.flush();
    benchmark::DoNotOptimize(out.size());
  }
}

// The exact inverse of a 10 x 10 whose parts have 4,920 digits each: a key
// holds the window only as long as Vypocty takes to hand the work to the
// background (the counter "held_ms"); the iteration lasts until the results
// are shown. `change` 0 is a key that changes nothing, `steps` 1 has the
// steps pane open on an inverse cell.
void BM_ExactHugeCells10x10Key(benchmark::State& state) {
  const bool change = state.range(0) != 0;
  const auto window = Window(0, 10, 10, 3, 3, true);
  zorvel::Grid& matrix = window->Pole1->grid();
  unsigned seed = 4920;
  const auto digits = [&seed](int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
      seed = seed * 1103515245u + 12345u;
      text += static_cast<char>('0' + (seed >> 16) % 10);
    }
    return text;
  };
  for (int i = 1; i <= 10; ++i) {
    for (int j = 1; j <= 10; ++j) matrix.SetCells(j, i, "1," + digits(4919) + "+2," + digits(4919) + "i");
  }
  // The longest the window is held while the results arrive and are shown.
  double longest = 0;
  const auto waitForResults = [&window, &longest] {
    QElapsedTimer held;
    do {
      if (window->Working()) QThread::msleep(1);
      held.start();
      QApplication::processEvents();
      longest = std::max(longest, static_cast<double>(held.nsecsElapsed()) / 1e6);
    } while (window->Working());
  };
  if (state.range(1) != 0) {
    window->Pole4->setCurrentIndex(window->Pole4->model()->index(0, 0));
    window->Steps().Open();
  }
  window->Vypocty();
  waitForResults();
  longest = 0;
  if (window->PanelInverzna->isHidden()) state.SkipWithError(window->Panel4->Caption().toStdString().c_str());
  double held = 0;
  int k = 0;
  for (auto _ : state) {
    if (change) matrix.SetCells(1 + k % 10, 1, "3," + digits(4919) + "+4," + digits(4919) + "i");
    ++k;
    QElapsedTimer timer;
    timer.start();
    window->Vypocty();
    held += static_cast<double>(timer.nsecsElapsed()) / 1e6;
    waitForResults();
  }
  state.counters["held_ms"] = benchmark::Counter(held, benchmark::Counter::kAvgIterations);
  state.counters["showing_ms"] = longest;
}

BENCHMARK(BM_VypoctyInverse10x10NoChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VypoctyInverse10x10OneCellEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VypoctyInverse10x10OneCellEditLastColumn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VypoctyInverse10x10PlacesChange)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VypoctyExactInverse10x10OneCellEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VypoctySolve10x10By3OneCellEdit)->ArgName("exact")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintInverse10x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MinorsOneCellEdit10x10)->ArgName("repaint")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalcInverse10x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VypoctyProduct20x10By10x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteHugeCells20x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExactHugeCells10x10Key)
    ->ArgNames({"change", "steps"})
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
