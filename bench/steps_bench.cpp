// "Postup výpočtu" for the largest determinant the window allows, a dense
// 10 x 10 complex matrix at 9 places: working out the first level of its
// expansion (the ten terms, each with its 9 x 9 minor's determinant), and
// opening the window's pane on it, repaint included. Branches are worked out
// only as they are opened, so this is what showing the steps costs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>

#include "ComputationSteps.h"
#include "DenseMatrix.h"
#include "ElidedLabel.h"
#include "OffscreenApplication.h"
#include "OperationList.h"
#include "SpinEdit.h"
#include "Startup.h"
#include "StepsPanel.h"
#include "StringGrid.h"
#include "TMain.h"

namespace {

void BM_StepsOfDeterminant10x10(benchmark::State& state) {
  const zorvel::Grid matrix = zorvel::bench::DenseMatrix(10);
  const zorvel::StepRequest request{
      {&matrix, {10, 10}, &matrix, {10, 10}, 9, zorvel::CalculationMode::Hand, std::nullopt},
      zorvel::StepValue::Determinant};
  for (auto _ : state) benchmark::DoNotOptimize(zorvel::ComputationSteps(request));
}

// The determinant clicked, then the pane opened and shown; it is closed
// again between iterations, which is not measured. The window grows for the
// pane on its first opening only, before the measured ones.
void BM_ShowStepsPanelDeterminant10x10(benchmark::State& state) {
  zorvel::bench::OffscreenApplication();
  auto window = zorvel::CreateMain();
  window->show();
  window->DesM->SetValue(9);
  window->SpinEdit1->SetValue(10);
  window->SpinEdit2->SetValue(10);
  window->Pole1->grid() = zorvel::bench::DenseMatrix(10);
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

// The row operations of a dense 20 x 10 echelon form by hand at 9 places,
// the pane opened on a cell of Pole5 as above: the reduction is worked out
// once for the log, the matrices after each operation only when opened.
void BM_ShowStepsPanelEchelon20x10(benchmark::State& state) {
  zorvel::bench::OffscreenApplication();
  auto window = zorvel::CreateMain();
  window->show();
  window->DesM->SetValue(9);
  window->SpinEdit1->SetValue(20);
  window->SpinEdit2->SetValue(10);
  zorvel::bench::FillDense(window->Pole1->grid(), 20, 10, 12345);
  window->ComboBox1->setCurrentIndex(static_cast<int>(*zorvel::OperationWithVerb("rref")));
  window->ComboBox1Change();
  window->Pole5->setFocus();
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

BENCHMARK(BM_ShowStepsPanelEchelon20x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepsOfDeterminant10x10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowStepsPanelDeterminant10x10)->Unit(benchmark::kMillisecond);
