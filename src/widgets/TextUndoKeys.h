#pragma once

#include <QObject>

class QLineEdit;

namespace zorvel {

// Gives a line edit Ctrl+Z to undo and Ctrl+Y or Ctrl+Shift+Z to redo what
// was typed in it since it took the focus, whatever the desktop binds (some
// bind only one of the two redo keys). When the field has nothing of its own
// to undo or redo, the keys go on to the window's shortcuts, so that they
// undo the window's last change from any field.
class TextUndoKeys : public QObject {
  Q_OBJECT

 public:
  // Watches `edit`'s keys, and is deleted with it.
  explicit TextUndoKeys(QLineEdit* edit);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* edit_;
};

}  // namespace zorvel
