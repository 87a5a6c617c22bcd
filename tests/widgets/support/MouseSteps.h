#pragma once

// Sends mouse events straight to a widget, with its global positions, so a drag
// does not depend on the platform's cursor.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace zorvel::test {

inline void SendMouse(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons) {
  const QPointF local(pos);
  const QPointF global(widget->mapToGlobal(pos));
  QMouseEvent event(type, local, local, global, Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// Press at `from`, move by `by`, release there.
inline void Drag(QWidget* widget, QPoint from, QPoint by) {
  SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseMove, from + by, Qt::LeftButton);
  SendMouse(widget, QEvent::MouseButtonRelease, from + by, Qt::NoButton);
}

}  // namespace zorvel::test
