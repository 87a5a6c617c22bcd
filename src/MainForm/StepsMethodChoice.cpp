#include "StepsMethodChoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>

#include "HandlerGuard.h"

namespace zorvel {

StepsMethodChoice::StepsMethodChoice(QWidget* parent, std::function<void()> changed)
    : QObject(parent), box_(new QComboBox(parent)), whole_(new QCheckBox(parent)), changed_(std::move(changed)) {
  box_->setObjectName(QStringLiteral("ComboBoxPostup"));
  box_->setAccessibleName(tr("Postup"));
  box_->hide();
  whole_->setObjectName(QStringLiteral("CheckBoxSustava"));
  whole_->hide();
  connect(whole_, &QCheckBox::toggled, this, Guarded([this] { changed_(); }));
  connect(box_, &QComboBox::currentIndexChanged, this, Guarded([this](int index) {
            if (index < 0 || static_cast<std::size_t>(index) >= offered_.size()) return;
            chosen_ = offered_[static_cast<std::size_t>(index)];
            changed_();
          }));
}

QString StepsMethodChoice::Label(StepMethod method) const {
  switch (method.kind) {
    case StepMethod::Kind::FirstColumn: return tr("rozvoj podľa 1. stĺpca");
    case StepMethod::Kind::Row: return tr("rozvoj podľa %1. riadku").arg(method.line);
    case StepMethod::Kind::Column: return tr("rozvoj podľa %1. stĺpca").arg(method.line);
    case StepMethod::Kind::Elimination: break;
  }
  return tr("elimináciou");
}

void StepsMethodChoice::Offer(const Grid& grid, int n) {
  std::vector<StepMethod> offered = OfferedMethods(grid, n);
  if (std::find(offered.begin(), offered.end(), chosen_) == offered.end()) chosen_ = {};
  const QSignalBlocker quiet(box_);  // the list is rebuilt, not chosen from
  // Rebuilt when the matrix offers other lines or the window speaks another
  // language.
  if (offered != offered_ || box_->itemText(0) != Label(StepMethod{})) {
    offered_ = std::move(offered);
    box_->clear();
    for (const StepMethod method : offered_) box_->addItem(Label(method));
  }
  box_->setCurrentIndex(static_cast<int>(std::find(offered_.begin(), offered_.end(), chosen_) - offered_.begin()));
  box_->show();
}

void StepsMethodChoice::Hide() { box_->hide(); }

void StepsMethodChoice::OfferWhole(bool offered) {
  whole_->setText(tr("celá sústava naraz"));  // in the window's language of now
  whole_->setVisible(offered);
}

bool StepsMethodChoice::Whole() const { return !whole_->isHidden() && whole_->isChecked(); }

StepMethod StepsMethodChoice::Chosen() const { return box_->isHidden() ? StepMethod{} : chosen_; }

}  // namespace zorvel
