#include "Splitter.h"

#include <QMouseEvent>

#include <algorithm>

namespace zorvel {

Splitter::Splitter(QWidget* parent, Align align, QWidget* target, int thickness)
    : QWidget(parent), align_(align), target_(target) {
  setCursor(Horizontal() ? Qt::SplitHCursor : Qt::SplitVCursor);
  if (AlignLayout* layout = Layout()) layout->Add(this, align, thickness);
}

AlignLayout* Splitter::Layout() const {
  return parentWidget() != nullptr ? qobject_cast<AlignLayout*>(parentWidget()->layout()) : nullptr;
}

void Splitter::mousePressEvent(QMouseEvent* event) {
  AlignLayout* layout = Layout();
  if (event->button() != Qt::LeftButton || layout == nullptr || target_ == nullptr) {
    QWidget::mousePressEvent(event);
    return;
  }
  const QPoint global = event->globalPosition().toPoint();
  const QRect client = layout->ClientRect();
  dragging_ = true;
  startPos_ = Horizontal() ? global.x() : global.y();
  startExtent_ = layout->Extent(target_);
  startClient_ = Horizontal() ? client.width() : client.height();
}

void Splitter::mouseMoveEvent(QMouseEvent* event) {
  AlignLayout* layout = Layout();
  if (!dragging_ || layout == nullptr || target_ == nullptr) return;
  const QPoint global = event->globalPosition().toPoint();
  const int moved = (Horizontal() ? global.x() : global.y()) - startPos_;
  // Left and Top targets grow when the bar moves right or down, the others
  // when it moves left or up.
  const bool growsWithMove = align_ == Align::Left || align_ == Align::Top;
  const int wanted = startExtent_ + (growsWithMove ? moved : -moved);
  // Never force a target that is already small to grow, nor let it take the
  // client area below the minimum.
  const int lowest = std::min(kMinSize, startExtent_);
  const int highest = std::max(startExtent_, startExtent_ + startClient_ - kMinSize);
  layout->SetExtent(target_, std::clamp(wanted, lowest, highest));
}

void Splitter::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragging_ = false;
  QWidget::mouseReleaseEvent(event);
}

}  // namespace zorvel
