#include "WindowCheck.h"

#include <QCheckBox>
#include <QComboBox>
#include <QString>
#include <QToolButton>

#include <optional>
#include <string>

#include "CoreTexts.h"
#include "Cp1250.h"
#include "Dialogs.h"
#include "ElidedLabel.h"
#include "FuzzCheck.h"
#include "HandGrids.h"
#include "MatrixCalculation.h"
#include "MatrixCalculations.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel::fuzz {
namespace {

// A recalculation made afresh, as Vypocty makes it: the strip first, then
// the operation; an error ends it where it comes.
struct Fresh {
  bool stripShown = false;
  std::optional<std::string> determinant;                // written before any error
  std::optional<std::optional<std::string>> reciprocal;  // asked without error; empty when none
  std::optional<Operation> operation;
  std::optional<std::string> refusal;
  Grid result1, result2;  // the adjugate and the inverse, or the result in result1
  std::optional<std::string> error;
};

Fresh Recalculate(const TMain& w) {
  Fresh fresh;
  const CalculationInput typed{&w.Pole1->grid(),    {w.SpinEdit1->Value(), w.SpinEdit2->Value()},
                               &w.Pole2->grid(),    {w.SpinEdit3->Value(), w.SpinEdit4->Value()},
                               w.DesM->Value(),     w.Mode(),
                               w.ChosenOperation(), w.ChosenForm()};
  // By hand, cells in a form of their own ("0,2p", "1/3") reach the
  // arithmetic as the texts they read as.
  HandReadingGrids hand;
  const CalculationInput input = hand.For(typed);
  MatrixCalculation calculation(input);
  fresh.operation = input.operation;
  fresh.stripShown = !DeterminantRefusal(input.size1);
  try {
    if (fresh.stripShown) {
      fresh.determinant = calculation.Determinant().text;
      fresh.reciprocal = calculation.Reciprocal();
    }
    if (!fresh.operation) return fresh;
    if (const auto refusal = calculation.Refusal(*fresh.operation)) {
      fresh.refusal = std::string(*refusal);
    } else if (*fresh.operation == Operation::Inverse) {
      calculation.FillInverse(fresh.result1, fresh.result2);
    } else {
      calculation.FillResult(*fresh.operation, fresh.result1);
    }
  } catch (const FloatError& e) {
    fresh.error = e.what();
  }
  return fresh;
}

// The shape and the data cells.
bool SameMatrix(const Grid& shown, const Grid& fresh) {
  if (shown.RowCount() != fresh.RowCount() || shown.ColCount() != fresh.ColCount()) return false;
  for (int r = 1; r < fresh.RowCount(); ++r) {
    for (int c = 1; c < fresh.ColCount(); ++c) {
      if (shown.Cells(c, r) != fresh.Cells(c, r)) return false;
    }
  }
  return true;
}

}  // namespace

void CheckShownResults(const TMain& w) {
  const Fresh fresh = Recalculate(w);
  Check(w.Panel5->isHidden() == !fresh.stripShown);
  if (fresh.stripShown) {
    // After an error, what the recalculation did not reach is cleared.
    Check(w.Determinant1->FullText() == FromCp1250(fresh.determinant.value_or("")));
    Check(w.Determinant3->FullText() == w.Determinant1->FullText());
    if (fresh.reciprocal) {
      Check(w.Determinant11->isHidden() == !fresh.reciprocal->has_value());
      // A hidden reciprocal keeps its old text, unseen.
      Check(!fresh.reciprocal->has_value() || w.Determinant11->FullText() == FromCp1250(**fresh.reciprocal));
    } else {
      Check(w.Determinant11->FullText().isEmpty());
    }
  }
  if (!fresh.operation) return;
  Panel* const panel = *fresh.operation == Operation::Inverse ? w.PanelInverzna : w.PanelVypocet;
  const bool shown = !fresh.error && !fresh.refusal;
  Check(panel->isHidden() == !shown);
  Check(w.ButtonHore->isHidden() == !(shown && *fresh.operation == Operation::Inverse));
  if (fresh.error) {
    Check(w.Panel4->Caption() ==
          QString::fromUtf8("Výsledok nie je možné zobraziť: ") + ErrorReportText(FromCp1250(*fresh.error)));
  } else if (fresh.refusal) {
    Check(w.Panel4->Caption() == ShownCoreText(*fresh.refusal));
  } else if (*fresh.operation == Operation::Inverse) {
    Check(SameMatrix(w.Pole3->grid(), fresh.result1) && SameMatrix(w.Pole4->grid(), fresh.result2));
  } else {
    Check(SameMatrix(w.Pole5->grid(), fresh.result1));
  }
}

}  // namespace zorvel::fuzz
