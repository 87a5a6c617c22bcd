#pragma once

#include <QLineEdit>

namespace zorvel {

// The in-place editor of a string grid cell. It remembers the text it was
// opened with so that Escape can put it back, and takes the key releases it
// gets so that the grid reports each one exactly once.
class CellEditor : public QLineEdit {
  Q_OBJECT

 public:
  explicit CellEditor(QWidget* parent = nullptr);

  // Shows `text` unless the editor already holds it (a grid cell that follows
  // the editor must not move its cursor or clear its undo).
  void Load(const QString& text);
  // Escape: back to the text the editor was opened with.
  void Revert();

  // Opened by typing a character, the editor leaves its cell with any arrow
  // key, as spreadsheets do; opened with F2 or a double click, Left and Right
  // move the caret and only Up and Down leave.
  [[nodiscard]] bool ArrowsLeave() const { return arrowsLeave_; }
  void SetArrowsLeave(bool leave) { arrowsLeave_ = leave; }

 signals:
  void keyReleased(int key);

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  QString original_;
  bool loaded_ = false;
  bool arrowsLeave_ = false;
};

}  // namespace zorvel
