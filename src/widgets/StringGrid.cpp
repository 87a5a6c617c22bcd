#include "StringGrid.h"

#include "CellEditor.h"
#include "GridHeader.h"
#include "GridModel.h"
#include "MatrixMarkup.h"
#include "TabSeparated.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QUrl>

#include <algorithm>

namespace zorvel {

StringGrid::StringGrid(QWidget* parent)
    : QTableView(parent),
      model_(new GridModel(this)),
      delegate_(new CellDelegate(this)),
      columnHeader_(new GridHeader(Qt::Horizontal, this)),
      rowHeader_(new GridHeader(Qt::Vertical, this)) {
  setHorizontalHeader(columnHeader_);
  setVerticalHeader(rowHeader_);
  setModel(model_);
  setItemDelegate(delegate_);
  connect(delegate_, &CellDelegate::editorKeyReleased, this, &StringGrid::keyReleased);
  connect(delegate_, &CellDelegate::editorExit, this, &StringGrid::LeaveEditor);

  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setShowGrid(true);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setTabKeyNavigation(false);
  SetEditable(false);

  columnHeader_->setSectionResizeMode(QHeaderView::Interactive);
  columnHeader_->setMinimumSectionSize(4);
  columnHeader_->setStretchLastSection(false);
  rowHeader_->setSectionResizeMode(QHeaderView::Fixed);
  rowHeader_->setMinimumSectionSize(1);

  connect(columnHeader_, &GridHeader::mouseReleased, this, [this] {
    const QScopedValueRollback dragged(borderDragged_, columnHeader_->ResizedSincePress());
    emit mouseReleased();
  });
  connect(rowHeader_, &GridHeader::mouseReleased, this, &StringGrid::mouseReleased);
  connect(columnHeader_, &QHeaderView::sectionResized, this, &StringGrid::OnSectionResized);
  connect(model_, &GridModel::shapeChanged, this, &StringGrid::ApplyShape);
  connect(model_, &GridModel::colWidthChanged, this, &StringGrid::ApplyColWidth);
  ApplyShape();
}

Grid& StringGrid::grid() { return model_->grid(); }

const Grid& StringGrid::grid() const { return model_->grid(); }

// A recalculation rewrites a result's cells, and often many keep their text:
// only the cells that changed are repainted, not all those between them.
void StringGrid::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight, const QList<int>& roles) {
  const std::vector<QModelIndex>* announced = model_->AnnouncedCells();
  if (announced == nullptr || topLeft == bottomRight) {
    QTableView::dataChanged(topLeft, bottomRight, roles);
    return;
  }
  // A copy: an open editor given its cell's new text may write to the grid.
  const std::vector<QModelIndex> cells = *announced;
  for (const QModelIndex& cell : cells) QTableView::dataChanged(cell, cell, roles);
}

void StringGrid::SetEditable(bool editable) {
  model_->SetEditable(editable);
  setEditTriggers(editable ? QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                                 QAbstractItemView::DoubleClicked
                           : QAbstractItemView::NoEditTriggers);
}

bool StringGrid::Editable() const { return model_->Editable(); }

void StringGrid::SetDefaultRowHeight(int height) {
  grid().SetDefaultRowHeight(height);
  ApplyRowHeight();
}

void StringGrid::ApplyRowHeight() {
  const int height = std::max(1, grid().DefaultRowHeight());
  if (rowHeader_->defaultSectionSize() != height) rowHeader_->setDefaultSectionSize(height);
  if (columnHeader_->height() != height) columnHeader_->setFixedHeight(height);
}

void StringGrid::ApplyShape() {
  columnHeader_->setVisible(model_->HasHeaderRow());
  rowHeader_->setVisible(model_->HasHeaderColumn());
  ApplyRowHeight();
  // Column widths may have changed without a word: new columns, a copy.
  for (int col = 0; col < grid().ColCount(); ++col) ApplyColWidth(col);
}

void StringGrid::ApplyColWidth(int col) {
  const QScopedValueRollback guard(applyingWidths_, true);
  const int width = std::max(0, grid().ColWidths(col));
  if (model_->HasHeaderColumn() && col == 0) {
    rowHeader_->setFixedWidth(width);
    return;
  }
  const int section = col - model_->GridCol(0);
  if (section < 0 || section >= model_->columnCount()) return;
  if (columnHeader_->sectionSize(section) != width) columnHeader_->resizeSection(section, width);
}

void StringGrid::OnSectionResized(int section, int /*oldSize*/, int newSize) {
  // Only a border the user drags sets a width; the view's own resizing
  // (sections added or removed) must not overwrite the grid's widths.
  if (applyingWidths_ || !columnHeader_->UserResizing()) return;
  const int col = model_->GridCol(section);
  if (col >= grid().ColCount()) return;
  grid().SetColWidths(col, newSize);
  emit columnWidthSetByUser(col);
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && state() != QAbstractItemView::EditingState) {
    MoveInReadingOrder(event->modifiers() & Qt::ShiftModifier ? -1 : +1);
    return;
  }
  if (event->matches(QKeySequence::Copy)) {
    StartShortcut(event);
    CopySelection();
    return;
  }
  if (Editable() && event->matches(QKeySequence::Paste)) {
    StartShortcut(event);
    emit pasteRequested();
    return;
  }
  if (Editable() && event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    StartShortcut(event);
    emit deleteRequested();
    return;
  }
  QTableView::keyPressEvent(event);
}

void StringGrid::LeaveEditor(QWidget* editor, EditorExit exit, const QKeyEvent* key) {
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
  switch (exit) {
    case EditorExit::NextCell: MoveInReadingOrder(+1); break;
    case EditorExit::PreviousCell: MoveInReadingOrder(-1); break;
    case EditorExit::Left: MoveBy(0, -1); break;
    case EditorExit::Right: MoveBy(0, +1); break;
    case EditorExit::Up: MoveBy(-1, 0); break;
    case EditorExit::Down: MoveBy(+1, 0); break;
    case EditorExit::PasteBlock:
      StartShortcut(key);  // its key releases belong to the paste, not to typing
      emit pasteRequested();
      break;
  }
}

void StringGrid::MoveInReadingOrder(int step) {
  const QModelIndex current = currentIndex();
  const int cols = model_->columnCount();
  const int cells = model_->rowCount() * cols;
  if (!current.isValid() || cells == 0) return;
  const int next = std::clamp(current.row() * cols + current.column() + step, 0, cells - 1);
  setCurrentIndex(model_->index(next / cols, next % cols));
}

void StringGrid::MoveBy(int rows, int cols) {
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return;
  const int row = std::clamp(current.row() + rows, 0, model_->rowCount() - 1);
  const int col = std::clamp(current.column() + cols, 0, model_->columnCount() - 1);
  setCurrentIndex(model_->index(row, col));
}

bool StringGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  if (!QTableView::edit(index, trigger, event)) return false;
  if (auto* editor = qobject_cast<CellEditor*>(indexWidget(index))) {
    editor->SetArrowsLeave(trigger == QAbstractItemView::AnyKeyPressed);
    openEditor_ = editor;
  }
  return true;
}

void StringGrid::CloseCellEditor() {
  if (openEditor_.isNull()) return;
  QWidget* const editor = openEditor_;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void StringGrid::StartShortcut(const QKeyEvent* event) {
  shortcutReleases_ = {event->key()};
  if (event->modifiers() & Qt::ControlModifier) shortcutReleases_.append(Qt::Key_Control);
  if (event->modifiers() & Qt::ShiftModifier) shortcutReleases_.append(Qt::Key_Shift);
}

void StringGrid::keyReleaseEvent(QKeyEvent* event) {
  QTableView::keyReleaseEvent(event);
  if (event->isAutoRepeat()) return;
  if (shortcutReleases_.removeOne(event->key())) return;
  emit keyReleased(event->key());
}

QRect StringGrid::SelectedBlock() const {
  const QModelIndexList selected = selectionModel()->selectedIndexes();
  if (selected.isEmpty()) {
    const QModelIndex current = currentIndex();
    return current.isValid() ? QRect(current.column(), current.row(), 1, 1) : QRect();
  }
  QRect block(selected.front().column(), selected.front().row(), 1, 1);
  for (const QModelIndex& index : selected) block |= QRect(index.column(), index.row(), 1, 1);
  return block;
}

QString StringGrid::ShownText(const QModelIndex& index) const {
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = visualRect(index);
  return delegate_->ShownText(option, index);
}

QList<QStringList> StringGrid::BlockTexts(const QRect& block) const {
  QList<QStringList> rows;
  for (int row = block.top(); row <= block.bottom(); ++row) {
    QStringList cells;
    for (int col = block.left(); col <= block.right(); ++col) {
      cells << model_->data(model_->index(row, col), Qt::DisplayRole).toString();
    }
    rows << cells;
  }
  return rows;
}

void StringGrid::CopySelection(bool decimalPoint) const {
  const QRect block = SelectedBlock();
  if (block.isEmpty()) return;
  QList<QStringList> rows = BlockTexts(block);
  // Every comma in a number text is its decimal comma.
  if (decimalPoint) {
    for (QStringList& cells : rows) cells.replaceInStrings(QStringLiteral(","), QStringLiteral("."));
  }
  QApplication::clipboard()->setText(ToTabSeparated(rows));
}

void StringGrid::CopyAs(Markup markup) const {
  QRect block = SelectedBlock();
  if (block.width() * block.height() <= 1) block = QRect(0, 0, model_->columnCount(), model_->rowCount());
  if (block.isEmpty()) return;
  const QList<QStringList> rows = BlockTexts(block);
  QApplication::clipboard()->setText(markup == Markup::Latex ? ToLatexMatrix(rows)
                                                             : ToMarkdownTable(rows, block.left() + 1));
}

void StringGrid::AddMenuActions(MenuGroup group, const QList<QAction*>& actions) {
  for (QAction* action : actions) (group == MenuGroup::Top ? topActions_ : bottomActions_).append(action);
}

namespace {

// A menu item's text with its key shown where menus show shortcuts, for an
// item whose key the grid handles itself.
QString WithKeys(const QString& text, QKeySequence::StandardKey keys) {
  return text + u'\t' + QKeySequence(keys).toString(QKeySequence::NativeText);
}

void AddGroup(QMenu& menu, const QList<QPointer<QAction>>& actions) {
  if (actions.isEmpty()) return;
  if (!menu.isEmpty()) menu.addSeparator();
  for (QAction* action : actions) {
    if (action != nullptr) menu.addAction(action);
  }
}

}  // namespace

void StringGrid::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  AddGroup(menu, topActions_);
  if (!menu.isEmpty()) menu.addSeparator();
  const bool selected = !SelectedBlock().isEmpty();
  QAction* copy = menu.addAction(WithKeys(tr("Kopírovať"), QKeySequence::Copy));
  copy->setEnabled(selected);
  connect(copy, &QAction::triggered, this, [this] { CopySelection(); });
  QAction* copyWithPoint = menu.addAction(tr("Kopírovať s desatinnou bodkou"));
  copyWithPoint->setEnabled(selected);
  connect(copyWithPoint, &QAction::triggered, this, [this] { CopySelection(true); });
  connect(menu.addAction(tr("Kopírovať ako LaTeX")), &QAction::triggered, this, [this] { CopyAs(Markup::Latex); });
  connect(menu.addAction(tr("Kopírovať ako Markdown")), &QAction::triggered, this,
          [this] { CopyAs(Markup::Markdown); });
  if (Editable()) {
    QAction* paste = menu.addAction(WithKeys(tr("Vložiť"), QKeySequence::Paste));
    const QMimeData* clipboard = QApplication::clipboard()->mimeData();
    paste->setEnabled(clipboard != nullptr && clipboard->hasText());
    connect(paste, &QAction::triggered, this, &StringGrid::pasteRequested);
  }
  AddGroup(menu, bottomActions_);
  menu.exec(event->globalPos());
}

void StringGrid::AcceptFileDrops(const QStringList& suffixes) {
  dropSuffixes_ = suffixes;
  setAcceptDrops(!suffixes.isEmpty());
}

QString StringGrid::DroppedFile(const QMimeData* mime) const {
  if (dropSuffixes_.isEmpty() || mime == nullptr || !mime->hasUrls()) return {};
  const QList<QUrl> urls = mime->urls();
  if (urls.size() != 1 || !urls.front().isLocalFile()) return {};
  const QString path = urls.front().toLocalFile();
  return dropSuffixes_.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive) ? path : QString();
}

bool StringGrid::TakeFileDrag(QDropEvent* event) const {
  if (DroppedFile(event->mimeData()).isEmpty()) return false;
  event->acceptProposedAction();
  return true;
}

void StringGrid::dragEnterEvent(QDragEnterEvent* event) {
  if (!TakeFileDrag(event)) QTableView::dragEnterEvent(event);
}

void StringGrid::dragMoveEvent(QDragMoveEvent* event) {
  if (!TakeFileDrag(event)) QTableView::dragMoveEvent(event);
}

void StringGrid::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty()) {
    QTableView::dropEvent(event);
    return;
  }
  event->acceptProposedAction();
  // Announced once the drop is over: opening the file may show a message
  // box, which must not hold up the program the file was dragged from.
  QMetaObject::invokeMethod(
      this, [this, path] { emit fileDropped(path); }, Qt::QueuedConnection);
}

void StringGrid::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  emit mouseReleased();
}

void StringGrid::showEvent(QShowEvent* event) {
  ApplyRowHeight();
  QTableView::showEvent(event);
}

// Typing in a read-only grid does nothing, rather than jumping to a cell
// whose text starts with the typed letters.
void StringGrid::keyboardSearch(const QString& /*search*/) {}

void StringGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  const bool tab = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
  QTableView::closeEditor(editor, tab ? QAbstractItemDelegate::NoHint : hint);
  if (tab) focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
  if (editor != openEditor_) return;
  openEditor_ = nullptr;
  emit editorClosed();
}

}  // namespace zorvel
