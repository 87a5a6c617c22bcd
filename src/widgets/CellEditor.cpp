#include "CellEditor.h"

#include <QKeyEvent>

#include "TextUndoKeys.h"

namespace zorvel {

CellEditor::CellEditor(QWidget* parent) : QLineEdit(parent) {
  setFrame(false);
  new TextUndoKeys(this);
}

void CellEditor::Load(const QString& text) {
  if (!loaded_) {
    original_ = text;
    loaded_ = true;
  }
  if (text != this->text()) setText(text);
}

void CellEditor::Revert() { setText(original_); }

void CellEditor::keyReleaseEvent(QKeyEvent* event) {
  QLineEdit::keyReleaseEvent(event);
  // Accepted here, so it does not travel on to the grid and count twice.
  event->accept();
  if (!event->isAutoRepeat()) emit keyReleased(event->key());
}

}  // namespace zorvel
