#include "AlignLayout.h"

#include <QEvent>
#include <QWidget>
#include <QWidgetItem>

#include <algorithm>

namespace zorvel {
namespace {

// A child added to a shown container is shown by Qt a moment later; until
// then it is "hidden" without anybody having hidden it, and takes its space.
bool TakesSpace(const QWidget* widget) {
  return widget != nullptr && !(widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide));
}

}  // namespace

AlignLayout::AlignLayout(QWidget* container) : QLayout(container) {
  setContentsMargins(0, 0, 0, 0);
  setSpacing(0);
}

AlignLayout::~AlignLayout() {
  for (const Entry& entry : entries_) {
    if (QWidget* widget = entry.item->widget()) widget->removeEventFilter(this);
    delete entry.item;
  }
}

int AlignLayout::EntryOf(const QWidget* widget) const {
  for (int i = 0; i < entries_.size(); ++i) {
    if (entries_[i].item->widget() == widget) return i;
  }
  return -1;
}

void AlignLayout::Add(QWidget* widget, Align how, int extent) {
  extent = std::max(0, extent);
  if (const int index = EntryOf(widget); index >= 0) {
    entries_[index].align = how;
    entries_[index].extent = extent;
  } else {
    addChildWidget(widget);
    widget->installEventFilter(this);
    entries_.append(Entry{new QWidgetItem(widget), how, extent});
  }
  Reflow();
}

void AlignLayout::SetAlign(QWidget* widget, Align how) {
  const int index = EntryOf(widget);
  if (index < 0) {
    const bool vertical = how == Align::Top || how == Align::Bottom;
    Add(widget, how, vertical ? widget->height() : widget->width());
    return;
  }
  if (entries_[index].align == how) return;
  entries_[index].align = how;
  Reflow();
}

Align AlignLayout::AlignOf(const QWidget* widget) const {
  const int index = EntryOf(widget);
  return index < 0 ? Align::None : entries_[index].align;
}

int AlignLayout::Extent(const QWidget* widget) const {
  const int index = EntryOf(widget);
  return index < 0 ? 0 : entries_[index].extent;
}

void AlignLayout::SetExtent(QWidget* widget, int extent) {
  const int index = EntryOf(widget);
  if (index < 0) return;
  extent = std::max(0, extent);
  if (entries_[index].extent == extent) return;
  entries_[index].extent = extent;
  Reflow();
}

QRect AlignLayout::ClientRect() const { return Arrange(Area(), false); }

QRect AlignLayout::Area() const {
  const QWidget* container = parentWidget();
  const QRect area = container != nullptr ? container->contentsRect() : geometry();
  return area.marginsRemoved(contentsMargins());
}

QRect AlignLayout::Arrange(const QRect& area, bool apply) const {
  int left = area.left();
  int top = area.top();
  int right = area.left() + area.width();   // one past the last column
  int bottom = area.top() + area.height();  // one past the last row
  const auto place = [apply](const Entry& entry, int x, int y, int w, int h) {
    if (apply) entry.item->widget()->setGeometry(x, y, std::max(0, w), std::max(0, h));
  };
  const auto visible = [](const Entry& entry, Align wanted) {
    return entry.align == wanted && TakesSpace(entry.item->widget());
  };
  for (const Entry& e : entries_) {
    if (!visible(e, Align::Top)) continue;
    place(e, left, top, right - left, e.extent);
    top += e.extent;
  }
  for (const Entry& e : entries_) {
    if (!visible(e, Align::Bottom)) continue;
    bottom -= e.extent;
    place(e, left, bottom, right - left, e.extent);
  }
  for (const Entry& e : entries_) {
    if (!visible(e, Align::Left)) continue;
    place(e, left, top, e.extent, bottom - top);
    left += e.extent;
  }
  for (const Entry& e : entries_) {
    if (!visible(e, Align::Right)) continue;
    right -= e.extent;
    place(e, right, top, e.extent, bottom - top);
  }
  const QRect client(left, top, std::max(0, right - left), std::max(0, bottom - top));
  for (const Entry& e : entries_) {
    if (visible(e, Align::Client)) place(e, client.x(), client.y(), client.width(), client.height());
  }
  return client;
}

void AlignLayout::Reflow() {
  invalidate();
  if (parentWidget() != nullptr) Arrange(Area(), true);
}

void AlignLayout::addItem(QLayoutItem* item) {
  if (QWidget* widget = item->widget()) widget->installEventFilter(this);
  entries_.append(Entry{item, Align::None, 0});
}

QLayoutItem* AlignLayout::itemAt(int index) const {
  return index >= 0 && index < entries_.size() ? entries_[index].item : nullptr;
}

QLayoutItem* AlignLayout::takeAt(int index) {
  if (index < 0 || index >= entries_.size()) return nullptr;
  QLayoutItem* const item = entries_.takeAt(index).item;
  if (QWidget* widget = item->widget()) widget->removeEventFilter(this);
  Reflow();
  return item;
}

int AlignLayout::count() const { return static_cast<int>(entries_.size()); }

QSize AlignLayout::sizeHint() const {
  int width = 0;
  int height = 0;
  QSize client(0, 0);
  for (const Entry& e : entries_) {
    if (!TakesSpace(e.item->widget())) continue;
    switch (e.align) {
      case Align::Top:
      case Align::Bottom: height += e.extent; break;
      case Align::Left:
      case Align::Right: width += e.extent; break;
      case Align::Client: client = client.expandedTo(e.item->sizeHint()); break;
      case Align::None: break;
    }
  }
  const QMargins m = contentsMargins();
  return {width + client.width() + m.left() + m.right(), height + client.height() + m.top() + m.bottom()};
}

// Small on purpose: the window must stay resizable down to a narrow width
// whatever its children would like.
QSize AlignLayout::minimumSize() const { return {0, 0}; }

Qt::Orientations AlignLayout::expandingDirections() const { return Qt::Horizontal | Qt::Vertical; }

void AlignLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  Arrange(rect.marginsRemoved(contentsMargins()), true);
}

bool AlignLayout::eventFilter(QObject* watched, QEvent* event) {
  // Showing or hiding a child re-flows at once, not at the next layout pass,
  // so the program reads the new geometry right after the change.
  if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
    const int index = EntryOf(qobject_cast<QWidget*>(watched));
    if (index >= 0 && entries_[index].align != Align::None) Reflow();
  }
  return QLayout::eventFilter(watched, event);
}

}  // namespace zorvel
