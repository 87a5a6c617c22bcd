// "Postup výpočtu" for the largest determinant the window allows, a dense
// 10 x 10 complex matrix at 9 places: working out the first level of its
// expansion (the ten terms, each with its 9 x 9 minor's determinant), and
// opening the window's pane on it, repaint included. Branches are worked out
// only as they are opened, so this is what showing the steps costs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>

#include "ComplexText.h"
#include "ComputationSteps.h"
#include "Dialogs.h"
#include "ElidedLabel.h"
#include "SpinEdit.h"
#include "Startup.h"
#include "StepsPanel.h"
#include "StringGrid.h"
#include "TMain.h"

namespace {

class SilentDialogs : public zorvel::DialogHook {
 public:
  void Message(const QString& /*text*/) override {}
  void Error(const QString& /*text*/) override {}
};

void Application() {
  static int argc = 1;
  static char name[] = "steps_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(argc, argv);
  static SilentDialogs silent;
  zorvel::InstallDialogHook(&silent);
}

// Entries such as -3,25+1,5i from a fixed pseudo-random sequence.
zorvel::Grid Dense(int n) {
  zorvel::Grid grid;
  grid.SetColCount(n + 1);
  grid.SetRowCount(n + 1);
  unsigned seed = 12345;
  const auto next = [&seed] {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) % 33) / 4.0 - 4.0;
  };
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      const double re = next(), im = next();
      grid.SetCells(j, i, zorvel::FormatComplex(9, re, im).view());
    }
  }
  return grid;
}

void BM_StepsOfDeterminant10x10(benchmark::State& state) {
  const zorvel::Grid matrix = Dense(10);
  const zorvel::StepRequest request{
      {&matrix, {10, 10}, &matrix, {10, 10}, 9, zorvel::CalculationMode::Hand, std::nullopt},
      zorvel::StepValue::Determinant};
  for (auto _ : state) benchmark::DoNotOptimize(zorvel::ComputationSteps(request));
}

// The determinant clicked, then the pane opened and shown; it is closed
// again between iterations, which is not measured. The window grows for the
// pane on its first opening only, before the measured ones.
void BM_ShowStepsPanelDeterminant10x10(benchmark::State& state) {
  Application();
  auto window = zorvel::CreateMain();
  window->show();
  window->DesM->SetValue(9);
  window->SpinEdit1->SetValue(10);
  window->SpinEdit2->SetValue(10);
  window->Pole1->grid() = Dense(10);
  window->ComboBox1->setCurrentIndex(0);
  window->ComboBox1Change();
  QMouseEvent click(QEvent::MouseButtonRelease, QPointF(2, 2), window->Determinant1->mapToGlobal(QPointF(2, 2)),
                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(window->Determinant1, &click);
  window->Steps().Open();  // the window grows for the pane
  window->Steps().Close();
  QApplication::processEvents();
  for (auto _ : state) {
    window->Steps().Open();
    QApplication::processEvents();  // laid out and painted
    state.PauseTiming();
    window->Steps().Close();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(BM_StepsOfDeterminant10x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowStepsPanelDeterminant10x10)->Unit(benchmark::kMillisecond);
