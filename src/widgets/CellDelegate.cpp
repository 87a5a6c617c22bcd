#include "CellDelegate.h"

#include "CellEditor.h"

#include <QKeyEvent>
#include <QPersistentModelIndex>

namespace zorvel {

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                    const QModelIndex& index) const {
  auto* editor = new CellEditor(parent);
  const QPersistentModelIndex cell(index);
  connect(editor, &QLineEdit::textChanged, editor, [cell](const QString& text) {
    if (!cell.isValid()) return;
    auto* model = const_cast<QAbstractItemModel*>(cell.model());
    model->setData(cell, text, Qt::EditRole);
  });
  connect(editor, &CellEditor::keyReleased, this, &CellDelegate::editorKeyReleased);
  return editor;
}

void CellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* cellEditor = qobject_cast<CellEditor*>(editor)) {
    cellEditor->Load(index.data(Qt::EditRole).toString());
  } else {
    QStyledItemDelegate::setEditorData(editor, index);
  }
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  if (auto* cellEditor = qobject_cast<CellEditor*>(editor)) {
    model->setData(index, cellEditor->text(), Qt::EditRole);
  } else {
    QStyledItemDelegate::setModelData(editor, model, index);
  }
}

bool CellDelegate::eventFilter(QObject* watched, QEvent* event) {
  // Escape puts back the text the cell had: the cell followed every keystroke.
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    if (auto* editor = qobject_cast<CellEditor*>(watched)) editor->Revert();
  }
  return QStyledItemDelegate::eventFilter(watched, event);
}

}  // namespace zorvel
