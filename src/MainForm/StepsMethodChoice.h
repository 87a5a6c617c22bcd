#pragma once

#include <QObject>

#include <functional>
#include <vector>

#include "Grid.h"
#include "StepMethod.h"

class QCheckBox;
class QComboBox;
class QWidget;

namespace zorvel {

// The steps pane's choice of how a determinant's or an inverse's steps are
// worked out ("rozvoj podľa 1. stĺpca", the rows and columns with the most
// zeros first, "elimináciou"): a drop-down list, `ComboBoxPostup`, offered
// afresh for the current matrix 1 and hidden for the other values. For a
// system, a check box `CheckBoxSustava` shows the whole system at once.
class StepsMethodChoice : public QObject {
  Q_OBJECT

 public:
  // `changed` runs when the user chooses another method.
  StepsMethodChoice(QWidget* parent, std::function<void()> changed);

  [[nodiscard]] QComboBox* Box() const { return box_; }
  [[nodiscard]] QCheckBox* WholeBox() const { return whole_; }
  // Shows the methods for the n x n matrix in `grid`'s data cells, keeping
  // the chosen one where it is still offered.
  void Offer(const Grid& grid, int n);
  void Hide();
  // The chosen method; the first column while the list is hidden.
  [[nodiscard]] StepMethod Chosen() const;
  // Shows or hides the check box of the whole system; whether it is shown
  // and checked.
  void OfferWhole(bool offered);
  [[nodiscard]] bool Whole() const;

 private:
  [[nodiscard]] QString Label(StepMethod method) const;

  QComboBox* box_;
  QCheckBox* whole_;
  std::vector<StepMethod> offered_;
  StepMethod chosen_;
  std::function<void()> changed_;
};

}  // namespace zorvel
