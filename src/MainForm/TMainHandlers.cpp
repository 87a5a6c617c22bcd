// The handlers of the user's input. Each one that changes an input ends in
// Vypocty, directly or through a size handler; none computes anything itself.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>

#include <utility>

#include "ColumnFit.h"
#include "Cp1250.h"
#include "GridOps.h"
#include "InputHistory.h"
#include "MatrixBlock.h"
#include "NumberText.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "StringGrid.h"
#include "TMain.h"
#include "TabSeparated.h"

namespace zorvel {

void TMain::FormCreate() {
  // The start-up is no step to undo: the history starts from what it leaves.
  const InputHistory::FreshStart fresh(*history_);
  SpinEdit1->SetValue(3);
  SpinEdit2->SetValue(3);
  SpinEdit3->SetValue(3);
  SpinEdit4->SetValue(3);
  ComboBox1->setCurrentIndex(1);  // "Súčet matíc"; setting it by program runs no handler
  ComboBox1Change();
  Vypocty();
}

// One size handler for the four pairs of spin edit and grid: the count is the
// value plus the header, the headers are renumbered, the data cells are kept
// (a matrix that shrinks and grows again shows its old entries).
void TMain::SizeChanged(SpinEdit* spinEdit, StringGrid* pole, bool rows) {
  const std::int64_t typed = TextToInt(ToCp1250(spinEdit->Text()));
  if (typed <= 0) {
    spinEdit->SetValue(1);  // runs this handler again, nested, before going on
  } else if (typed > spinEdit->MaxValue()) {
    // Clamped at once rather than when the field loses the focus: a matrix
    // beyond the limits would freeze the window on its determinant.
    spinEdit->SetValue(spinEdit->MaxValue());
  }
  ShowSize(pole, rows, spinEdit->Value());
  Vypocty();
}

void TMain::ShowSize(StringGrid* pole, bool rows, int value) {
  Grid& grid = pole->grid();
  if (rows) {
    grid.SetRowCount(value + 1);
    for (int i = 1; i <= value; ++i) grid.SetCells(0, i, IntToText(i));
  } else {
    grid.SetColCount(value + 1);
    for (int j = 1; j <= value; ++j) grid.SetCells(j, 0, IntToText(j));
  }
}

void TMain::SpinEdit1Change() { SizeChanged(SpinEdit1, Pole1, true); }
void TMain::SpinEdit2Change() { SizeChanged(SpinEdit2, Pole1, false); }
void TMain::SpinEdit3Change() { SizeChanged(SpinEdit3, Pole2, true); }
void TMain::SpinEdit4Change() { SizeChanged(SpinEdit4, Pole2, false); }

// Every key released in an input grid, while typing or moving, recomputes
// with the text typed so far.
void TMain::InputGridKeyUp() { Vypocty(); }

void TMain::ComboBox1Change() {
  ShowOperationPanels();
  Vypocty();
}

void TMain::ShowOperationPanels() {
  ForgetShownInput();  // the panel shown is worked out again, whatever it showed
  if (ComboBox1->currentIndex() == 0) {
    PanelInverzna->setVisible(true);
    PanelVypocet->setVisible(false);
  } else {
    PanelInverzna->setVisible(false);
    PanelVypocet->setVisible(true);
  }
}

// Exchanges the two matrices through Pole3; the sizes are written without
// their handlers, so that the exchange recomputes once, at its end.
void TMain::SpeedButton1Click() {
  ForgetShownInput();  // Pole3 has held a matrix: the adjugate is written again
  CopyGrid(Pole1->grid(), Pole3->grid(), false);
  CopyGrid(Pole2->grid(), Pole1->grid(), false);
  CopyGrid(Pole3->grid(), Pole2->grid(), false);
  int a = SpinEdit1->Value();
  int b = SpinEdit3->Value();
  SpinEdit1->SetValueQuietly(b);
  SpinEdit3->SetValueQuietly(a);
  a = SpinEdit2->Value();
  b = SpinEdit4->Value();
  SpinEdit2->SetValueQuietly(b);
  SpinEdit4->SetValueQuietly(a);
  // Each grid holds the other matrix now: widths set by hand were for the old one.
  for (const StringGrid* pole : {Pole1, Pole2}) columnFit_->MatrixReplaced(pole);
  Vypocty();
}

// Copies the inverse into matrix 2 and recomputes once, whether its size
// changes or not: what is shown may depend on matrix 2 by then.
void TMain::ButtonHoreClick() {
  CopyGrid(Pole4->grid(), Pole2->grid(), false);
  SpinEdit3->SetValueQuietly(Pole2->grid().RowCount() - 1);
  SpinEdit4->SetValueQuietly(Pole2->grid().ColCount() - 1);
  ShowSize(Pole2, true, SpinEdit3->Value());
  ShowSize(Pole2, false, SpinEdit4->Value());
  Vypocty();
}

void TMain::PresneClick() { Vypocty(); }

void TMain::FormChange() {
  ShowPlacesSentence();
  Vypocty();
}

void TMain::DesMChange() {
  const std::int64_t places = TextToInt(ToCp1250(DesM->Text()));
  DesM->SetValue(static_cast<int>(places));  // clamps to 2..9; a changed text runs this again, nested
  ShowPlacesSentence();
  Vypocty();
}

// After a column border is dragged, the grid's data columns take the one
// width that differs, and the partner grid follows. A click leaves the
// widths as they are: columns fitted to their texts differ.
void TMain::FollowColumnWidths(StringGrid* pole, StringGrid* partner) {
  if (!pole->BorderDragged()) return;
  EqualizeColWidths(pole->grid(), false);
  partner->grid().SetColWidths(1, pole->grid().ColWidths(1));
  EqualizeColWidths(partner->grid(), false);
}

void TMain::Pole1MouseUp() { FollowColumnWidths(Pole1, Pole2); }
void TMain::Pole2MouseUp() { FollowColumnWidths(Pole2, Pole1); }
void TMain::Pole3MouseUp() { FollowColumnWidths(Pole3, Pole4); }
void TMain::Pole4MouseUp() { FollowColumnWidths(Pole4, Pole3); }

void TMain::PasteIntoMatrix(StringGrid* pole) {
  MatrixBlock block;
  bool blanks = false;
  const QClipboard* clipboard = QApplication::clipboard();
  block.rows = FromPastedText(clipboard->text(), clipboard->ownsClipboard(), blanks);
  if (blanks) block.notice = tr("Čísla vo vloženom texte sú oddelené medzerami.");
  const QModelIndex current = pole->currentIndex();
  block.top = current.isValid() ? current.row() + 1 : 1;
  block.left = current.isValid() ? current.column() + 1 : 1;
  block.leftOutMessage = [](int maxRows, int maxCols, int rowsLeftOut, int colsLeftOut) {
    return tr("Matica môže mať najviac %1 riadkov a %2 stĺpcov. Z vloženého bloku sa vynechalo "
              "riadkov: %3, stĺpcov: %4.")
        .arg(maxRows)
        .arg(maxCols)
        .arg(rowsLeftOut)
        .arg(colsLeftOut);
  };
  block.cutMessage = tr("Niektoré vložené bunky mali viac ako 32 767 znakov. Ich text bol skrátený.");
  PutIntoMatrix(*this, pole, std::move(block));
}

void TMain::ClearSelectedCells(StringGrid* pole) {
  const QRect block = pole->SelectedBlock();
  if (block.isEmpty()) return;
  for (int r = block.top(); r <= block.bottom(); ++r) {
    for (int c = block.left(); c <= block.right(); ++c) pole->grid().SetCells(c + 1, r + 1, "");
  }
  Vypocty();
}

}  // namespace zorvel
