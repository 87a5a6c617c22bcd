#include "ShownValues.h"

#include "CoreTexts.h"
#include "ElidedLabel.h"
#include "Messages.h"
#include "Panel.h"
#include "StatusLine.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel {
namespace {

bool HoldsTooLarge(const Grid& grid) {
  for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
    for (int col = grid.FixedCols(); col < grid.ColCount(); ++col) {
      if (grid.Cells(col, row).find(kTooLargeNumber) != std::string::npos) return true;
    }
  }
  return false;
}

}  // namespace

bool ShowsTooLargeNumber(const TMain& window) {
  const QString message = ShownValueText(kTooLargeNumber);
  if (!window.Panel5->isHidden()) {
    if (window.Determinant1->FullText().contains(message)) return true;
    if (!window.Determinant11->isHidden() && window.Determinant11->FullText().contains(message)) return true;
  }
  if (!window.PanelInverzna->isHidden() && (HoldsTooLarge(window.Pole3->grid()) || HoldsTooLarge(window.Pole4->grid())))
    return true;
  return !window.PanelVypocet->isHidden() && HoldsTooLarge(window.Pole5->grid());
}

void FollowTooLargeNumbers(TMain& window) {
  QObject::connect(&window, &TMain::recalculated, window.StatusLine1, [&window] {
    if (!ShowsTooLargeNumber(window)) {
      window.StatusLine1->SetNotice(QString());
      return;
    }
    window.StatusLine1->SetNotice(window.Mode() == CalculationMode::Hand ? TooLargeHint() : TooLongHint());
  });
}

}  // namespace zorvel
