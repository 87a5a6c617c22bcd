#include "TextUndoKeys.h"

#include <QFocusEvent>
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
  if (watched != edit_) return false;
  if (event->type() == QEvent::FocusOut) {
    // What was typed in an earlier stay is no longer the latest change:
    // setting the same text forgets it, and changes nothing.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) edit_->setText(edit_->text());
    return false;
  }
  if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  const TextStep step = StepOf(*key);
  if (step == TextStep::None) return false;
  const bool own =
      !edit_->isReadOnly() && (step == TextStep::Undo ? edit_->isUndoAvailable() : edit_->isRedoAvailable());
  if (event->type() == QEvent::ShortcutOverride) {
    // Taken: the key comes to the field as a key press. Left: the window's
    // shortcut acts.
    key->setAccepted(own);
    return true;
  }
  if (!own) return false;
  if (step == TextStep::Undo) {
    edit_->undo();
  } else {
    edit_->redo();
  }
  return true;
}

}  // namespace zorvel
