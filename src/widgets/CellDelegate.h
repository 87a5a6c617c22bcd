#pragma once

#include <QStyledItemDelegate>

namespace zorvel {

// Edits string grid cells with a CellEditor that writes its text into the
// cell on every change, not only when editing ends, so every key released
// while typing sees the text typed so far. Texts too wide for their cell are
// cut with "…", never silently clipped to something that looks whole.
class CellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

  // Paints the cell's text cut to the cell with "…" when it does not fit.
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // The text that paint() shows for a cell drawn with `option`.
  [[nodiscard]] QString ShownText(const QStyleOptionViewItem& option, const QModelIndex& index) const;

 signals:
  void editorKeyReleased(int key);
  // Enter or Return in an editor (with Shift: `back`). The grid commits and
  // closes the editor at once, so that a second key can never reach an
  // editor that is already on its way out.
  void editorEnterPressed(QWidget* editor, bool back);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zorvel
