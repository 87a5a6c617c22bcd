#include "ResultHeight.h"

#include <QEvent>

#include "AlignLayout.h"
#include "Panel.h"
#include "TMain.h"

namespace zorvel {

ResultHeight::ResultHeight(TMain& window) : window_(window) {
  window.installEventFilter(this);
  connect(&window, &TMain::recalculated, this, &ResultHeight::Apply);
}

int ResultHeight::Extent() const { return qobject_cast<AlignLayout*>(window_.layout())->Extent(window_.Panel4); }

void ResultHeight::SetExtent(int extent) {
  qobject_cast<AlignLayout*>(window_.layout())->SetExtent(window_.Panel4, extent);
}

bool ResultHeight::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &window_) return false;
  if (event->type() == QEvent::WindowStateChange) {
    if (window_.isMaximized()) {
      if (!beforeMaximised_) beforeMaximised_ = Extent();
      byHand_ = false;
      left_.reset();
      Apply();
    } else if (beforeMaximised_) {
      if (!byHand_ && (!left_ || Extent() == *left_)) SetExtent(*beforeMaximised_);
      beforeMaximised_.reset();
      left_.reset();
      byHand_ = false;
    }
  } else if (event->type() == QEvent::Resize && window_.isMaximized()) {
    Apply();  // the platform gives a maximised window its size after the change of state
  }
  return false;
}

void ResultHeight::Apply() {
  if (!window_.isMaximized() || window_.Panel4->isHidden()) return;
  if (left_ && Extent() != *left_) byHand_ = true;  // Splitter4 was dragged
  if (byHand_) return;
  const QWidget* view = !window_.PanelInverzna->isHidden()  ? window_.PanelInverzna
                        : !window_.PanelVypocet->isHidden() ? window_.PanelVypocet
                                                            : nullptr;
  if (view == nullptr) return;  // a message, no result
  // Half for the result itself; the calculation bar above it comes on top.
  const int around = window_.Panel4->height() - view->height();
  const int wanted = window_.height() / 2 + around;
  if (Extent() < wanted) SetExtent(wanted);
  left_ = Extent();
}

}  // namespace zorvel
