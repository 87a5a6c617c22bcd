#pragma once

#include <QLabel>

namespace zorvel {

// A label that reports a click (press and release over it), for the links of
// the about panel.
class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace zorvel
