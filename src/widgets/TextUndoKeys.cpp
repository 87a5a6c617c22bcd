#include "TextUndoKeys.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace zorvel {
namespace {

enum class TextStep { None, Undo, Redo };

TextStep StepOf(const QKeyEvent& key) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  if (key.matches(QKeySequence::Undo) || (key.key() == Qt::Key_Z && modifiers == Qt::ControlModifier)) {
    return TextStep::Undo;
  }
  if (key.matches(QKeySequence::Redo) || (key.key() == Qt::Key_Y && modifiers == Qt::ControlModifier) ||
      (key.key() == Qt::Key_Z && modifiers == (Qt::ControlModifier | Qt::ShiftModifier))) {
    return TextStep::Redo;
  }
  return TextStep::None;
}

}  // namespace

TextUndoKeys::TextUndoKeys(QLineEdit* edit) : QObject(edit), edit_(edit) { edit->installEventFilter(this); }

bool TextUndoKeys::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_ || edit_->isReadOnly()) return false;
  if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const TextStep step = StepOf(*key);
  if (step == TextStep::None) return false;
  if (event->type() == QEvent::ShortcutOverride) {
    key->accept();  // the key comes to the field as a key press, not to a shortcut
    return true;
  }
  if (step == TextStep::Undo) {
    edit_->undo();
  } else {
    edit_->redo();
  }
  return true;
}

}  // namespace zorvel
