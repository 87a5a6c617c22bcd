#include "CellDelegate.h"

#include "CellEditor.h"
#include "TabSeparated.h"
#include "TextFit.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPersistentModelIndex>

#include <optional>

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

namespace {

const QStyle* StyleOf(const QStyleOptionViewItem& option) {
  return option.widget != nullptr ? option.widget->style() : QApplication::style();
}

// The room for text in a cell, as the style draws it: a margin on each side.
QRect TextArea(const QStyleOptionViewItem& option) {
  const int margin = StyleOf(option)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
  return option.rect.adjusted(margin, 0, -margin, 0);
}

// The cell's text as it fits its area.
QString Shown(const QStyleOptionViewItem& cell) {
  return ElideToWidth(cell.text, cell.fontMetrics, TextArea(cell).width());
}

// Whether the style would draw nothing for the cell: neither selected, nor
// current, nor under the mouse, with no background of its own, check box or
// icon. Most cells of a repaint are such, and asking the style to draw
// nothing costs as much as drawing the text.
bool StyleDrawsNothing(const QStyleOptionViewItem& cell) {
  const QStyle::State drawn = QStyle::State_Selected | QStyle::State_HasFocus | QStyle::State_MouseOver;
  const auto extras = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration;
  return (cell.state & drawn) == 0 && cell.backgroundBrush.style() == Qt::NoBrush && (cell.features & extras) == 0;
}

// A fitted column need not be wider than this many characters.
constexpr qsizetype kFittedCharacters = 200;

}  // namespace

QString CellDelegate::ShownText(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  return Shown(cell);
}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  const QRect area = TextArea(cell);
  const QString shown = ElideToWidth(cell.text, cell.fontMetrics, area.width());
  // The style paints the cell (background, selection, focus); its one line of
  // text is drawn here, at the baseline, without the general text layout that
  // a repaint of every visible cell would otherwise pay for.
  cell.text.clear();
  if (!StyleDrawsNothing(cell)) StyleOf(cell)->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
  if (shown.isEmpty()) return;
  const bool enabled = (cell.state & QStyle::State_Enabled) != 0;
  const QPalette::ColorGroup group = !enabled                              ? QPalette::Disabled
                                     : (cell.state & QStyle::State_Active) ? QPalette::Normal
                                                                           : QPalette::Inactive;
  const bool selected = (cell.state & QStyle::State_Selected) != 0;
  const int baseline = area.top() + (area.height() - cell.fontMetrics.height()) / 2 + cell.fontMetrics.ascent();
  painter->save();
  painter->setClipRect(cell.rect, Qt::IntersectClip);
  painter->setFont(cell.font);
  painter->setPen(cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
  painter->drawText(QPoint(area.left(), baseline), shown);
  painter->restore();
}

QSize CellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  if (cell.text.size() > kFittedCharacters) cell.text = cell.text.left(kFittedCharacters);
  return StyleOf(cell)->sizeFromContents(QStyle::CT_ItemViewItem, &cell, QSize(), cell.widget);
}

namespace {

// The key's way out of an editor, if it is one.
std::optional<EditorExit> ExitOf(const QKeyEvent& key, const CellEditor& editor) {
  const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
    return modifiers & Qt::ShiftModifier ? EditorExit::PreviousCell : EditorExit::NextCell;
  }
  if (modifiers != Qt::NoModifier) return std::nullopt;
  switch (key.key()) {
    case Qt::Key_Up: return EditorExit::Up;
    case Qt::Key_Down: return EditorExit::Down;
    case Qt::Key_Left: return editor.ArrowsLeave() ? std::optional(EditorExit::Left) : std::nullopt;
    case Qt::Key_Right: return editor.ArrowsLeave() ? std::optional(EditorExit::Right) : std::nullopt;
    default: return std::nullopt;
  }
}

}  // namespace

bool CellDelegate::eventFilter(QObject* watched, QEvent* event) {
  auto* editor = qobject_cast<CellEditor*>(watched);
  if (editor != nullptr && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // Escape puts back the text the cell had: the cell followed every keystroke.
    if (key->key() == Qt::Key_Escape) editor->Revert();
    if (const std::optional<EditorExit> exit = ExitOf(*key, *editor)) {
      emit editorExit(editor, *exit, key);
      return true;
    }
    if (key->matches(QKeySequence::Paste)) {
      // A block (a tab or a line end between cells) goes into the grid; a
      // single value into the editor as text, without a trailing line end.
      const QClipboard* clipboard = QApplication::clipboard();
      bool blanks = false;
      const QList<QStringList> block = FromPastedText(clipboard->text(), clipboard->ownsClipboard(), blanks);
      if (block.size() > 1 || (block.size() == 1 && block.front().size() > 1)) {
        emit editorExit(editor, EditorExit::PasteBlock, key);
      } else if (!block.isEmpty()) {
        editor->insert(block.front().front());
      }
      return true;
    }
  }
  // A message box that opens while a number is typed takes the focus for a
  // moment; the edit goes on where it was once the box closes.
  if (editor != nullptr && event->type() == QEvent::FocusOut &&
      static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason) {
    return true;
  }
  return QStyledItemDelegate::eventFilter(watched, event);
}

}  // namespace zorvel
