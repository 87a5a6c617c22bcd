#include "ResultHeight.h"

#include <QEvent>

#include <algorithm>

#include "AlignLayout.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "TMain.h"

namespace zorvel {

ResultHeight::ResultHeight(TMain& window) : window_(window), built_(Extent()) {
  window.installEventFilter(this);
  connect(&window, &TMain::recalculated, this, &ResultHeight::Apply);
}

int ResultHeight::Extent() const { return qobject_cast<AlignLayout*>(window_.layout())->Extent(window_.Panel4); }

void ResultHeight::SetExtent(int extent) {
  qobject_cast<AlignLayout*>(window_.layout())->SetExtent(window_.Panel4, extent);
  left_ = Extent();
}

std::array<int, 4> ResultHeight::Sizes() const {
  const auto& [one, two] = window_.Inputs().matrices;
  return {one.rows->Value(), one.cols->Value(), two.rows->Value(), two.cols->Value()};
}

bool ResultHeight::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_) return false;
  if (event->type() == QEvent::WindowStateChange) {
    if (window_.isMaximized()) {
      if (!beforeMaximised_) beforeMaximised_ = Extent();
      byHand_ = false;
      Apply();
    } else if (beforeMaximised_) {
      if (!byHand_ && (!left_ || Extent() == *left_)) SetExtent(*beforeMaximised_);
      beforeMaximised_.reset();
      byHand_ = false;
    }
  } else if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
    Apply();  // the platform gives a maximised window its size after the change of state
  }
  return false;
}

void ResultHeight::Apply() {
  if (!window_.isVisible() || window_.Panel4->isHidden()) return;
  if (left_ && Extent() != *left_ && !byHand_) {  // Splitter4 was dragged
    byHand_ = true;
    sizes_ = Sizes();
  }
  if (byHand_ && Sizes() != sizes_) byHand_ = false;
  if (byHand_) return;
  const QWidget* view = !window_.PanelInverzna->isHidden()  ? window_.PanelInverzna
                        : !window_.PanelVypocet->isHidden() ? window_.PanelVypocet
                                                            : nullptr;
  if (view == nullptr) return;  // a message, no result
  // Half for the result itself; the calculation bar above it comes on top.
  // The matrices keep at least the height the smallest window gives them.
  const int around = window_.Panel4->height() - view->height();
  const int most = window_.height() - (window_.minimumHeight() - built_);
  const int wanted = std::max(built_, std::min(window_.height() / 2 + around, most));
  if (Extent() < wanted || Extent() > most) SetExtent(wanted);
  left_ = Extent();
}

}  // namespace zorvel
