#pragma once

#include <QStyledItemDelegate>

class QKeyEvent;

namespace zorvel {

// How the user leaves an open cell editor: Enter and Shift+Enter (to the next
// or previous cell in reading order), an arrow key, or Ctrl+V with a block of
// cells on the clipboard (pasted into the grid from the cell).
enum class EditorExit { NextCell, PreviousCell, Left, Right, Up, Down, PasteBlock };

// Edits string grid cells with a CellEditor that writes its text into the
// cell on every change, not only when editing ends, so every key released
// while typing sees the text typed so far. Texts too wide for their cell are
// cut with "…", never silently clipped to something that looks whole.
class CellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

  // Paints the cell's text cut to the cell with "…" when it does not fit.
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // The text that paint() shows for a cell drawn with `option`.
  [[nodiscard]] QString ShownText(const QStyleOptionViewItem& option, const QModelIndex& index) const;

 signals:
  void editorKeyReleased(int key);
  // The user leaves the editor with a key. The grid commits and closes the
  // editor at once, so that a second key can never reach an editor that is
  // already on its way out, and then moves or pastes.
  void editorExit(QWidget* editor, EditorExit exit, const QKeyEvent* key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zorvel
