#include "Panel.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QRegion>

namespace zorvel {

Panel::Panel(QWidget* parent) : QFrame(parent), layout_(new AlignLayout(this)) {
  setAutoFillBackground(true);
  SetColor(QApplication::palette().color(QPalette::Button));
  SetBevel(Bevel::Raised);
}

void Panel::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void Panel::SetBevel(Bevel bevel) {
  bevel_ = bevel;
  switch (bevel) {
    case Bevel::None: setFrameStyle(QFrame::NoFrame); break;
    case Bevel::Raised: setFrameStyle(QFrame::Panel | QFrame::Raised); break;
    case Bevel::Lowered: setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
  }
  setLineWidth(1);
}

QColor Panel::Color() const { return palette().color(QPalette::Window); }

void Panel::SetColor(const QColor& color) {
  QPalette colours = palette();
  colours.setColor(QPalette::Window, color);
  setPalette(colours);
}

void Panel::SetBold(bool bold) {
  QFont bolder = font();
  bolder.setBold(bold);
  setFont(bolder);
}

void Panel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (caption_.trimmed().isEmpty()) return;
  // The caption lies beneath the children: only where no visible child
  // covers it can it be seen, so an old message never shows through them.
  QRegion uncovered(contentsRect());
  for (const QObject* object : children()) {
    const auto* child = qobject_cast<const QWidget*>(object);
    if (child != nullptr && !child->isHidden() && !child->isWindow()) uncovered -= child->geometry();
  }
  if (uncovered.isEmpty()) return;
  QPainter painter(this);
  painter.setClipRegion(uncovered);
  painter.setPen(palette().color(QPalette::WindowText));
  // Centred in the room the edge children leave, where the hidden view was.
  const QRect area = layout_->ClientRect().intersected(contentsRect()).adjusted(2, 2, -2, -2);
  painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, caption_);
}

}  // namespace zorvel
