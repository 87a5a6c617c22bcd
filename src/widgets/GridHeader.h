#pragma once

#include <QHeaderView>

namespace zorvel {

// A string grid's header: tells when a mouse button is released over it, after
// it has finished its own handling (a column border drag has ended), whether
// the user is dragging right now, and whether a border was dragged since the
// button went down.
class GridHeader : public QHeaderView {
  Q_OBJECT

 public:
  explicit GridHeader(Qt::Orientation orientation, QWidget* parent = nullptr);

  // A mouse button is down on the header: size changes come from the user.
  [[nodiscard]] bool UserResizing() const { return pressed_; }
  // A section was resized by the user since the button last went down here.
  [[nodiscard]] bool ResizedSincePress() const { return resizedSincePress_; }

 signals:
  void mouseReleased();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool pressed_ = false;
  bool resizedSincePress_ = false;
};

}  // namespace zorvel
