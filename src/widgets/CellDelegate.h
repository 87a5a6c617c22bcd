#pragma once

#include <QStyledItemDelegate>

namespace zorvel {

// Edits string grid cells with a CellEditor that writes its text into the
// cell on every change, not only when editing ends, so every key released
// while typing sees the text typed so far.
class CellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

 signals:
  void editorKeyReleased(int key);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zorvel
