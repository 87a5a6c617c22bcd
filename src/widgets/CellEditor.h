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

 signals:
  void keyReleased(int key);

 protected:
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  QString original_;
  bool loaded_ = false;
};

}  // namespace zorvel
