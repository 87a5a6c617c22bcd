// The calculations: every result shown is recomputed from the grids on each
// call of Vypocty, with every operation rounded to the chosen places.
#include <QComboBox>
#include <QLabel>
#include <QToolButton>

#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "Cp1250.h"
#include "Dialogs.h"
#include "ElidedLabel.h"
#include "GridOps.h"
#include "NumberText.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel {
namespace {

// The determinants of matrix 1 are kept from one recalculation to the next
// and brought up to date with its cells and the places before each use, so
// a keystroke recomputes only the minors that keep the edited cell.
MinorDeterminants& UpToDate(std::optional<MinorDeterminants>& minors, const Grid& matrix, int places) {
  if (minors) {
    minors->Update(matrix, places);
  } else {
    minors.emplace(matrix, places);
  }
  return *minors;
}

}  // namespace

int TMain::Places() const { return DesM->Value(); }

void TMain::Vypocty() {
  ++recalculationCount_;
  stripWritten_ = {};
  try {
    ButtonHore->setVisible(false);
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
    Panel4->SetCaption(QStringLiteral("Výsledok nie je možné zobraziť: ") + ErrorReportText(error));
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
  Panel5->setVisible(SpinEdit1->Value() == SpinEdit2->Value() && SpinEdit1->Value() > 0);
  if (Panel5->isHidden()) return;  // the old texts stay, unseen

  const int places = Places();
  const Grid& matrix1 = Pole1->grid();
  std::string determinant;
  if (IsDeterminantGrid(matrix1)) {
    determinant = UpToDate(matrix1Minors_, matrix1, places).Whole();  // the inverse reuses its minors
  } else {
    determinant = GridDeterminant(matrix1, places);  // shows why it cannot
  }
  Determinant1->SetFullText(FromCp1250(determinant));
  Determinant3->SetFullText(Determinant1->FullText());
  stripWritten_.determinant = true;
  if (!IsZeroComplex(determinant)) {
    Determinant11->SetFullText(FromCp1250(ComplexDiv("1", determinant, places)));
    stripWritten_.reciprocal = true;
    Determinant11->setVisible(true);
    Label6->setVisible(true);
  } else {
    Determinant11->setVisible(false);
    Label6->setVisible(false);
  }
}

// The inverse as 1/determinant x adjugate: the adjugate in Pole3, the inverse
// in Pole4, each entry the result of its own rounded operation.
void TMain::Vypocet2() {
  const std::string determinant = ToCp1250(Determinant1->FullText());
  PanelInverzna->setVisible(SpinEdit1->Value() == SpinEdit2->Value() && SpinEdit1->Value() > 0 &&
                            !IsZeroComplex(determinant));
  if (PanelInverzna->isHidden()) {
    if (SpinEdit1->Value() != SpinEdit2->Value()) {
      Panel4->SetCaption(QStringLiteral("K matici 1 nexistuje inverzná matica, pretože nejde o štvorcovú maticu."));
    } else if (!IsZeroComplex(determinant)) {
      Panel4->SetCaption(QStringLiteral("K matici 1 nexistuje inverzná matica."));
    } else {
      Panel4->SetCaption(QStringLiteral("K matici 1 nexistuje inverzná matica, pretože determinant je rovný nule."));
    }
    return;
  }

  const int places = Places();
  ButtonHore->setVisible(true);
  Grid& adjugate = Pole3->grid();
  CopyGrid(Pole1->grid(), adjugate, false);
  const int n = SpinEdit1->Value();
  if (n == 1) {
    adjugate.SetCells(1, 1, "1");  // the adjugate of any 1 x 1 matrix
  } else {
    MinorDeterminants& minors = UpToDate(matrix1Minors_, Pole1->grid(), places);
    for (int r = 1; r <= n; ++r) {
      const int columns = SpinEdit1->Value();  // a loop's bound is read once, at its start
      for (int c = 1; c <= columns; ++c) {
        // Entry (r, c) is the cofactor of element (c, r): the adjugate is the
        // transposed matrix of cofactors.
        const std::string minor = minors.Minor(c, r);
        const std::string sign = RealToDigits(PowerOf(r + c, -1));
        adjugate.SetCells(c, r, ComplexMul(sign, minor, places));
      }
    }
  }

  Grid& inverse = Pole4->grid();
  CopyGrid(Pole1->grid(), inverse, false);
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) inverse.SetCells(c, r, ComplexDiv(adjugate.Cells(c, r), determinant, places));
  }
  for (int j = inverse.FixedCols(); j < inverse.ColCount(); ++j) inverse.SetColWidths(j, adjugate.ColWidths(1));
}

// The sum (item 1) or the difference (item 2), element by element.
void TMain::Vypocet3() {
  PanelVypocet->setVisible(SpinEdit1->Value() == SpinEdit3->Value() && SpinEdit1->Value() > 0 &&
                           SpinEdit2->Value() == SpinEdit4->Value());
  if (PanelVypocet->isHidden()) {
    Panel4->SetCaption(QStringLiteral("Sčítať a odčítať sa môžu len matice s rovnakým počtom stĺpcov a riadkov."));
    return;
  }
  const int places = Places();
  const Grid& matrix1 = Pole1->grid();
  const Grid& matrix2 = Pole2->grid();
  Grid& result = Pole5->grid();
  CopyGrid(matrix1, result, false);
  const int rows = SpinEdit1->Value();
  for (int r = 1; r <= rows; ++r) {
    const int columns = SpinEdit2->Value();  // a loop's bound is read once, at its start
    for (int c = 1; c <= columns; ++c) {
      const Complex a = ParseComplex(matrix1.Cells(c, r));
      const Complex b = ParseComplex(matrix2.Cells(c, r));
      if (ComboBox1->currentIndex() == 1) {
        const Complex sum = ComplexAddParts(a, b);
        result.SetCells(c, r, FormatComplex(places, sum.re, sum.im));
      }
      if (ComboBox1->currentIndex() == 2) {
        const Complex difference = ComplexSubParts(a, b);  // matrix 1 minus matrix 2
        result.SetCells(c, r, FormatComplex(places, difference.re, difference.im));
      }
    }
  }
}

// The product matrix 1 x matrix 2, with its own header numbers.
void TMain::Vypocet4() {
  const int rows1 = SpinEdit1->Value(), cols1 = SpinEdit2->Value();
  const int rows2 = SpinEdit3->Value(), cols2 = SpinEdit4->Value();
  PanelVypocet->setVisible(cols1 == rows2 && rows1 > 0 && cols1 > 0 && rows2 > 0 && cols2 > 0);
  if (PanelVypocet->isHidden()) {
    Panel4->SetCaption(cols1 == rows2
                           ? QStringLiteral("Matice nie je možné násobiť.")
                           : QStringLiteral("Pre násobenie matíc musí mať prvá rovnaký počet stĺpcov ako druhá riadkov."));
    return;
  }
  const int places = Places();
  const Grid& matrix1 = Pole1->grid();
  const Grid& matrix2 = Pole2->grid();
  Grid& product = Pole5->grid();
  product.SetColCount(matrix2.ColCount());
  product.SetRowCount(matrix1.RowCount());
  for (int i = 1; i <= product.RowCount() - 1; ++i) product.SetCells(0, i, IntToText(i));
  for (int j = 1; j <= product.ColCount() - 1; ++j) product.SetCells(j, 0, IntToText(j));
  const int columns = product.ColCount() - 1, rows = product.RowCount() - 1, terms = matrix1.ColCount() - 1;
  for (int c = 1; c <= columns; ++c) {
    for (int r = 1; r <= rows; ++r) {
      // Every product and every partial sum is rounded, as written out.
      ShortText sum;
      for (int k = 1; k <= terms; ++k) {
        const ShortText term = ComplexMul(matrix1.Cells(k, r), matrix2.Cells(c, k), places);
        sum = ComplexAdd(sum, term, places);
      }
      product.SetCells(c, r, sum);
    }
  }
}

}  // namespace zorvel
