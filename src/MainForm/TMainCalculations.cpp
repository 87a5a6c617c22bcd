// The calculations: every result shown is recomputed from the grids on each
// call of Vypocty, with every operation rounded to the chosen places.
#include <QComboBox>
#include <QLabel>
#include <QToolButton>

#include "CoreTexts.h"
#include "Cp1250.h"
#include "Dialogs.h"
#include "ElidedLabel.h"
#include "GridOps.h"
#include "MatrixCalculations.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "StringGrid.h"
#include "TMain.h"

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

}  // namespace

int TMain::Places() const { return DesM->Value(); }

void TMain::Vypocty() {
  ++recalculationCount_;
  stripWritten_ = {};
  try {
    ButtonHore->setVisible(false);
    // The kept determinants of matrix 1's minors follow its cells here, once
    // per recalculation; the strip and the inverse both read them.
    if (IsDeterminantGrid(Pole1->grid())) UpToDate(matrix1Minors_, Pole1->grid(), Places());
    Vypocet1();
    switch (ComboBox1->currentIndex()) {
      case 0: Vypocet2(); break;
      case 1:
      case 2: Vypocet3(); break;
      case 3: Vypocet4(); break;
      default: break;  // no operation chosen: only the strip
    }
  } catch (const std::exception& error) {
    ShowFailedRecalculation(FromCp1250(error.what()));
    throw;  // the error box reports it, as every escaped error
  }
}

// Nothing computed from an earlier input may stay on screen as if it were
// current: the chosen result gives way to the reason, the copy-up button
// goes, and strip values this recalculation did not reach are cleared.
void TMain::ShowFailedRecalculation(const QString& error) {
  const int operation = ComboBox1->currentIndex();
  if (operation == 0) PanelInverzna->setVisible(false);
  if (operation >= 1 && operation <= 3) PanelVypocet->setVisible(false);
  if (operation >= 0 && operation <= 3) {
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
// when the determinant reads as non-zero.
void TMain::Vypocet1() {
  Panel5->setVisible(!DeterminantRefusal({SpinEdit1->Value(), SpinEdit2->Value()}));
  if (Panel5->isHidden()) return;  // the old texts stay, unseen

  const int places = Places();
  const Grid& matrix1 = Pole1->grid();
  std::string determinant;
  if (IsDeterminantGrid(matrix1)) {
    determinant = matrix1Minors_->Whole();  // the inverse reuses its minors
  } else {
    determinant = GridDeterminant(matrix1, places);  // shows why it cannot
  }
  Determinant1->SetFullText(FromCp1250(determinant));
  Determinant3->SetFullText(Determinant1->FullText());
  stripWritten_.determinant = true;
  const std::optional<ShortText> reciprocal = ReciprocalOf(determinant, places);
  if (reciprocal) {
    Determinant11->SetFullText(FromCp1250(*reciprocal));
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
// in Pole4, each entry the result of its own rounded operation.
void TMain::Vypocet2() {
  const std::string determinant = ToCp1250(Determinant1->FullText());
  const int n = SpinEdit1->Value();
  const std::optional<std::string_view> refusal = InverseRefusal({n, SpinEdit2->Value()}, determinant);
  PanelInverzna->setVisible(!refusal);
  if (PanelInverzna->isHidden()) {
    Panel4->SetCaption(ShownCoreText(*refusal));
    return;
  }
  ButtonHore->setVisible(true);
  const int places = Places();
  // Matrix 1 is square here, so its kept minors are those of this recalculation.
  MinorDeterminants* const minors = n > 1 && matrix1Minors_ ? &*matrix1Minors_ : nullptr;
  Grid adjugate = Pole3->grid();
  FillAdjugate(Pole1->grid(), n, minors, places, adjugate);
  Grid inverse = Pole4->grid();
  FillInverse(Pole1->grid(), adjugate, determinant, n, places, inverse);
  ShowResult(adjugate, Pole3);
  ShowResult(inverse, Pole4);
}

// The sum (item 1) or the difference (item 2), element by element.
void TMain::Vypocet3() {
  const MatrixSize size1{SpinEdit1->Value(), SpinEdit2->Value()};
  const std::optional<std::string_view> refusal = SumRefusal(size1, {SpinEdit3->Value(), SpinEdit4->Value()});
  PanelVypocet->setVisible(!refusal);
  if (PanelVypocet->isHidden()) {
    Panel4->SetCaption(ShownCoreText(*refusal));
    return;
  }
  const ElementWise operation = ComboBox1->currentIndex() == 1 ? ElementWise::Sum : ElementWise::Difference;
  Grid result = Pole5->grid();
  FillElementWise(Pole1->grid(), Pole2->grid(), size1, operation, Places(), result);
  ShowResult(result, Pole5);
}

// The product matrix 1 x matrix 2, with its own header numbers.
void TMain::Vypocet4() {
  const std::optional<std::string_view> refusal =
      ProductRefusal({SpinEdit1->Value(), SpinEdit2->Value()}, {SpinEdit3->Value(), SpinEdit4->Value()});
  PanelVypocet->setVisible(!refusal);
  if (PanelVypocet->isHidden()) {
    Panel4->SetCaption(ShownCoreText(*refusal));
    return;
  }
  Grid product = Pole5->grid();
  FillProduct(Pole1->grid(), Pole2->grid(), Places(), product);
  ShowResult(product, Pole5);
}

}  // namespace zorvel
