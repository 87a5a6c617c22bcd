// The calculations: every result shown is recomputed from the grids when a
// call of Vypocty finds an input changed, by hand (every operation rounded to
// the chosen places) or exactly (each shown value rounded once). Exact work
// that would hold the window longer than a frame goes to the background.
#include <cctype>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QToolButton>

#include "BackgroundCalculation.h"
#include "CoreTexts.h"
#include "Cp1250.h"
#include "Dialogs.h"
#include "ElidedLabel.h"
#include "GridOps.h"
#include "HandlerGuard.h"
#include "KeptCalculation.h"
#include "MatrixCalculation.h"
#include "OperationList.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "StepsPanel.h"
#include "StringGrid.h"
#include "TMain.h"
#include "VectorState.h"

namespace zorvel {
namespace {

// The determinants of matrix 1 are kept from one recalculation to the next
// and brought up to date with its cells and the places, so a keystroke
// recomputes only the minors that keep the edited cell.
void UpToDate(std::optional<MinorDeterminants>& minors, const Grid& matrix, int places) {
  if (minors) {
    minors->Update(matrix, places);
  } else {
    minors.emplace(matrix, places);
  }
}

// Exact work grows with the digits it multiplies: inputs with more characters
// than this in the cells it reads are worked out in the background. Below it
// an exact keystroke (a dense 10 x 10 of short complex numbers) takes a few
// milliseconds.
constexpr std::size_t kCharactersWithinAFrame = 4000;

// The digits a cell brings into exact work: its characters, and for each
// exponent ("1e-5000") the digits the power of ten it stands for has.
std::size_t ExactDigits(const std::string& text) {
  constexpr std::size_t kMost = std::size_t{1} << 40;
  std::size_t digits = text.size();
  for (std::size_t i = 1; i < text.size(); ++i) {
    if ((text[i] != 'e' && text[i] != 'E') || std::isdigit(static_cast<unsigned char>(text[i - 1])) == 0) continue;
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t exponent = 0;
    for (; j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])) != 0 && exponent < kMost; ++j) {
      exponent = exponent * 10 + static_cast<std::size_t>(text[j] - '0');
    }
    digits += exponent;
  }
  return digits;
}

bool OutlastsAFrame(const CalculationInput& input) {
  std::size_t characters = 0;
  const auto count = [&characters](const Grid& grid, MatrixSize size) {
    for (int r = 0; r < size.rows; ++r) {
      for (int c = 0; c < size.cols; ++c) {
        characters += ExactDigits(grid.Cells(grid.FixedCols() + c, grid.FixedRows() + r));
      }
    }
  };
  count(*input.matrix1, input.size1);
  if (input.operation && DescriptionOf(*input.operation).Operands() == 2) count(*input.matrix2, input.size2);
  return characters > kCharactersWithinAFrame;
}

}  // namespace

int TMain::Places() const { return DesM->Value(); }

MatrixSize TMain::MatrixInput::Size() const { return {rows->Value(), cols->Value()}; }

const TMain::MatrixInput& TMain::InputControls::Of(const StringGrid* pole) const {
  return pole == matrices[1].pole ? matrices[1] : matrices[0];
}

TMain::InputControls TMain::Inputs() const {
  return {{{{Pole1, SpinEdit1, SpinEdit2}, {Pole2, SpinEdit3, SpinEdit4}}},
          ComboBox1,
          DesM,
          CheckBoxPresne,
          ComboBoxTvar,
          ComboBoxJednotka,
          CheckBoxPlatne};
}

CalculationInput TMain::CalculationInputs() const {
  const auto& [one, two] = Inputs().matrices;
  return handGrids_.For({&one.pole->grid(), one.Size(), &two.pole->grid(), two.Size(), Places(), Mode(),
                         ChosenOperation(), ChosenForm()});
}

std::array<StringGrid*, 5> TMain::Grids() const { return {Pole1, Pole2, Pole3, Pole4, Pole5}; }

std::optional<Operation> TMain::ChosenOperation() const {
  const int index = ComboBox1->currentIndex();
  if (index < 0 || index >= OperationCount()) return std::nullopt;
  return static_cast<Operation>(index);
}

ShownForm TMain::ChosenForm() const {
  ShownForm form;
  const int index = ComboBoxTvar->currentIndex();
  if (index == 1) form.form = NumberForm::Polar;
  if (index == 2 && Mode() == CalculationMode::Exact) form.form = NumberForm::Fraction;
  if (ComboBoxJednotka->currentIndex() == 1) form.unit = ImaginaryUnit::J;
  form.significant = CheckBoxPlatne->isChecked() && Mode() == CalculationMode::Exact;
  return form;
}

CalculationMode TMain::Mode() const {
  return CheckBoxPresne->isChecked() ? CalculationMode::Exact : CalculationMode::Hand;
}

void TMain::Vypocty() {
  ++recalculationCount_;
  // A key that changes nothing (an arrow, Shift or Ctrl alone) costs nothing.
  const auto& [one, two] = Inputs().matrices;
  const CalculationStamp stamp = StampOf(
      {&one.pole->grid(), one.Size(), &two.pole->grid(), two.Size(), Places(), Mode(), ChosenOperation(), ChosenForm()},
      one.pole->grid(), two.pole->grid());
  if (shownStamp_ == stamp) return;
  shownStamp_ = stamp;
  const CalculationInput input = CalculationInputs();
  ++workedCount_;
  background_->Cancel();
  if (input.mode == CalculationMode::Exact) {
    std::stop_source stop;
    shownInput_ = std::make_shared<KeptCalculation>(input, stop.get_token());
    if (OutlastsAFrame(input)) {
      background_->Start(shownInput_, std::move(stop));
      ShowWorking();
      return;
    }
    ShowResults(shownInput_->Results());
    return;
  }
  shownInput_.reset();
  // By hand, the kept determinants of matrix 1's minors follow its cells
  // here, once per recalculation; the strip and the inverse both read them.
  MinorDeterminants* minors = nullptr;
  if (IsDeterminantGrid(Pole1->grid())) {
    UpToDate(matrix1Minors_, *input.matrix1, Places());
    minors = &*matrix1Minors_;
  }
  MatrixCalculation calculation(input, minors, &cramerMinors_);
  ShowResults(calculation);
}

bool TMain::Working() const { return background_->Running(); }

KeptCalculation* TMain::ShownExactResults() const {
  if (!shownInput_ || Working()) return nullptr;
  return shownInput_.get();
}

void TMain::ForgetShownInput() { shownStamp_.reset(); }

void TMain::ShowResults(MatrixCalculation& calculation) {
  ClearUpperVectorState();  // after painting, before the arithmetic
  stripWritten_ = {};
  // Open steps follow the new results, after an error too.
  const auto followSteps = qScopeGuard([this] {
    if (steps_ != nullptr) steps_->ResultsChanged();
  });
  try {
    ButtonHore->setVisible(false);
    const QScopedValueRollback<MatrixCalculation*> current(calculation_, &calculation);
    Vypocet1();
    if (const std::optional<Operation> operation = ChosenOperation()) {  // with none chosen, only the strip
      switch (*operation) {
        case Operation::Inverse: Vypocet2(); break;
        case Operation::Sum:
        case Operation::Difference: Vypocet3(); break;
        case Operation::Product: Vypocet4(); break;
        case Operation::Solve: Vypocet5(); break;
        default: ShowResultOf(*operation); break;  // the later ones, all in Pole5
      }
    }
  } catch (const std::exception& error) {
    ShowFailedRecalculation(FromCp1250(error.what()));
    emit recalculated();
    throw;  // the error box reports it, as every escaped error
  }
  emit recalculated();
}

// While exact results are worked out, each place a result stands says so,
// and nothing from the input before stays there as if it were current.
void TMain::ShowWorking() {
  const QString working = tr("Počítam…");
  ButtonHore->setVisible(false);
  Panel5->setVisible(!DeterminantRefusal({SpinEdit1->Value(), SpinEdit2->Value()}));
  if (!Panel5->isHidden()) {
    for (ElidedLabel* label : {Determinant1, Determinant3, Determinant11}) label->SetFullText(working);
    Determinant11->setVisible(true);
    Label6->setVisible(true);
  }
  if (const std::optional<Operation> operation = ChosenOperation()) {
    (*operation == Operation::Inverse ? PanelInverzna : PanelVypocet)->setVisible(false);
    Panel4->SetCaption(working);
  }
  if (steps_ != nullptr) steps_->ResultsChanged();
}

void TMain::BackgroundFinished(const std::shared_ptr<KeptCalculation>& kept, const QByteArray& error) {
  if (kept != shownInput_) return;  // worked out for an input since replaced
  if (!error.isEmpty()) {
    stripWritten_ = {};
    ShowFailedRecalculation(FromCp1250(error.toStdString()));
    emit recalculated();
    if (steps_ != nullptr) steps_->ResultsChanged();
    throw std::runtime_error(error.toStdString());  // the error box reports it
  }
  ShowResults(kept->Results());
}

// Nothing computed from an earlier input may stay on screen as if it were
// current: the chosen result gives way to the reason, the copy-up button
// goes, and strip values this recalculation did not reach are cleared.
void TMain::ShowFailedRecalculation(const QString& error) {
  if (const std::optional<Operation> operation = ChosenOperation()) {
    (*operation == Operation::Inverse ? PanelInverzna : PanelVypocet)->setVisible(false);
    Panel4->SetCaption(tr("Výsledok nie je možné zobraziť: %1").arg(ErrorReportText(error)));
  }
  ButtonHore->setVisible(false);
  if (Panel5->isHidden()) return;  // a hidden strip shows nothing, old or new
  if (!stripWritten_.determinant) {
    Determinant1->SetFullText(QString());
    Determinant3->SetFullText(QString());
  }
  if (!stripWritten_.reciprocal) Determinant11->SetFullText(QString());
}

// The determinant strip under matrix 1: the determinant, and its reciprocal
// when the determinant is not zero.
void TMain::Vypocet1() {
  Panel5->setVisible(!DeterminantRefusal({SpinEdit1->Value(), SpinEdit2->Value()}));
  if (Panel5->isHidden()) return;  // the old texts stay, unseen

  Determinant1->SetFullText(ShownValueText(calculation_->Determinant().shown));
  Determinant3->SetFullText(Determinant1->FullText());
  stripWritten_.determinant = true;
  const std::optional<std::string> reciprocal = calculation_->Reciprocal();
  if (reciprocal) {
    Determinant11->SetFullText(ShownValueText(*reciprocal));
    stripWritten_.reciprocal = true;
  }
  Determinant11->setVisible(reciprocal.has_value());
  Label6->setVisible(reciprocal.has_value());
}

// The results are worked out in scratch copies of their grids and then copied
// over, so a cell whose text stays the same is not touched, and an arrow key
// that changes nothing repaints nothing.
namespace {

void ShowResult(const Grid& computed, StringGrid* pole) { CopyGrid(computed, pole->grid(), true); }

}  // namespace

// The inverse as 1/determinant x adjugate: the adjugate in Pole3, the inverse
// in Pole4.
void TMain::Vypocet2() {
  const std::optional<std::string_view> refusal = calculation_->Refusal(Operation::Inverse);
  PanelInverzna->setVisible(!refusal);
  if (PanelInverzna->isHidden()) {
    Panel4->SetCaption(ShownCoreText(*refusal));
    return;
  }
  ButtonHore->setVisible(true);
  Grid adjugate = Pole3->grid();
  Grid inverse = Pole4->grid();
  calculation_->FillInverse(adjugate, inverse);
  ShowResult(adjugate, Pole3);
  ShowResult(inverse, Pole4);
}

// The sum or the difference, element by element (Vypocty calls it for these
// two alone).
void TMain::Vypocet3() { ShowResultOf(*ChosenOperation()); }

// The product matrix 1 x matrix 2, with its own header numbers.
void TMain::Vypocet4() { ShowResultOf(Operation::Product); }

// X with matrix 1 . X = matrix 2, shaped as matrix 2.
void TMain::Vypocet5() { ShowResultOf(Operation::Solve); }

// A result of Pole5, or the reason it cannot be shown.
void TMain::ShowResultOf(Operation operation) {
  const std::optional<std::string_view> refusal = calculation_->Refusal(operation);
  PanelVypocet->setVisible(!refusal);
  if (PanelVypocet->isHidden()) {
    Panel4->SetCaption(ShownCoreText(*refusal));
    return;
  }
  Grid result = Pole5->grid();
  calculation_->FillResult(operation, result);
  ShowResult(result, Pole5);
  const std::string caption = calculation_->Caption(operation);
  LabelPopis->setText(ShownCoreText(caption));
  LabelPopis->setVisible(!caption.empty());
}

}  // namespace zorvel
