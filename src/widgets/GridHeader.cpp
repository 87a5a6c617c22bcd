#include "GridHeader.h"

#include <QMouseEvent>

namespace zorvel {

GridHeader::GridHeader(Qt::Orientation orientation, QWidget* parent) : QHeaderView(orientation, parent) {
  setSectionsClickable(false);  // no selecting whole rows or columns
  setHighlightSections(false);
  connect(this, &QHeaderView::sectionResized, this, [this] { resizedSincePress_ = resizedSincePress_ || pressed_; });
}

void GridHeader::mousePressEvent(QMouseEvent* event) {
  pressed_ = true;
  resizedSincePress_ = false;
  QHeaderView::mousePressEvent(event);
}

void GridHeader::mouseDoubleClickEvent(QMouseEvent* event) {
  pressed_ = true;  // a double click on a border fits the column to its texts
  resizedSincePress_ = false;
  QHeaderView::mouseDoubleClickEvent(event);
}

void GridHeader::mouseReleaseEvent(QMouseEvent* event) {
  QHeaderView::mouseReleaseEvent(event);
  pressed_ = false;
  emit mouseReleased();
}

}  // namespace zorvel
