#pragma once

#include "AlignLayout.h"

#include <QPointer>
#include <QWidget>

namespace zorvel {

// A thin bar that the user drags to resize the control it stands next to.
// It adds itself to its parent's AlignLayout with the target's alignment, so
// construct it right after adding the target: a Left splitter then stands
// right of its target, a Right or Bottom one left of or above it. The target
// keeps at least 30 pixels and so does the client area.
class Splitter : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kMinSize = 30;

  Splitter(QWidget* parent, Align align, QWidget* target, int thickness = 8);

  [[nodiscard]] QWidget* Target() const { return target_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  [[nodiscard]] AlignLayout* Layout() const;
  [[nodiscard]] bool Horizontal() const { return align_ == Align::Left || align_ == Align::Right; }

  Align align_;
  QPointer<QWidget> target_;
  bool dragging_ = false;
  int startPos_ = 0;  // global mouse coordinate along the drag direction
  int startExtent_ = 0;
  int startClient_ = 0;  // client span along the drag direction
};

}  // namespace zorvel
