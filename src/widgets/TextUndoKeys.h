#pragma once

#include <QObject>

class QLineEdit;

namespace zorvel {

// Gives a line edit Ctrl+Z to undo and Ctrl+Y or Ctrl+Shift+Z to redo its own
// text, whatever the desktop binds (some bind only one of the two redo keys),
// so that a window's undo keys never reach past a field being typed in.
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
