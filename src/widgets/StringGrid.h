#pragma once

#include "CellDelegate.h"
#include "Grid.h"

#include <QPointer>
#include <QTableView>

class QMimeData;

namespace zorvel {

class GridHeader;
class GridModel;

// A table of text cells showing the Grid it owns, cell for cell, whoever
// changes it: the grid's first fixed row and column are the headers, which
// stay in view while scrolling; column widths are the grid's ColWidths (the
// header column's width is ColWidths(0)); rows are DefaultRowHeight high.
// Dragging a column border writes the grid's width. An editable grid opens its
// cell editor on a typed character (which replaces the text), F2 or a double
// click, and the editor writes the cell on every change. As in spreadsheets,
// Enter and Shift+Enter move to the next and previous cell row by row, the
// arrow keys leave an editor opened by typing, and Up and Down any editor.
// Tab leaves the grid, as between the window's other controls.
//
// The context menu holds the grid's own clipboard items and whatever actions
// the grid's owner adds above and below them (AddMenuActions).
class StringGrid : public QTableView {
  Q_OBJECT

 public:
  // The longest text a cell holds, however it is filled: what the cell
  // editor lets one type.
  static constexpr int kMaxCellText = 32767;

  explicit StringGrid(QWidget* parent = nullptr);

  [[nodiscard]] Grid& grid();
  [[nodiscard]] const Grid& grid() const;
  [[nodiscard]] GridModel& Model() const { return *model_; }

  void SetEditable(bool editable);
  [[nodiscard]] bool Editable() const;

  // The grid does not announce a new row height; set it here to show it at
  // once (a height set on the grid shows with its next change of shape).
  void SetDefaultRowHeight(int height);

  // The selected block of cells (or the current cell) in matrix coordinates:
  // column and row of the data area, counted from 0.
  [[nodiscard]] QRect SelectedBlock() const;
  // The text a cell shows: its whole text, or the part that fits its column
  // followed by "…".
  [[nodiscard]] QString ShownText(const QModelIndex& index) const;
  // Puts the selected block on the clipboard, tab-separated, as shown; with
  // decimalPoint every "," becomes "." for programs that read points.
  void CopySelection(bool decimalPoint = false) const;
  // Puts the selected block on the clipboard as a LaTeX `pmatrix` or a
  // Markdown table. A single cell counts as no selection and copies every
  // cell: a matrix of one number is seldom what is meant.
  enum class Markup { Latex, Markdown };
  void CopyAs(Markup markup) const;

  // Where the owner's actions stand in the context menu: above the clipboard
  // items (Top) or below them (Bottom), each group set off by a separator.
  enum class MenuGroup { Top, Bottom };
  void AddMenuActions(MenuGroup group, const QList<QAction*>& actions);

  // Ends an open cell editor as Enter would, keeping its text; nothing when
  // no editor is open.
  void CloseCellEditor();
  [[nodiscard]] bool CellEditorOpen() const { return !openEditor_.isNull(); }

  // True while mouseReleased is announced for a release that ends a drag of
  // a column border (or a double click on one).
  [[nodiscard]] bool BorderDragged() const { return borderDragged_; }

  // Takes drops of one local file whose name ends in one of `suffixes`
  // ("tsv"), announced by fileDropped; an empty list takes none.
  void AcceptFileDrops(const QStringList& suffixes);

 signals:
  // A key released in the grid or in its cell editor, once per release.
  void keyReleased(int key);
  // A mouse button released over the cells or the headers.
  void mouseReleased();
  // The user has set the width of grid column `col` by dragging its border.
  void columnWidthSetByUser(int col);
  // The user asked to paste (Ctrl+V or the context menu) or to clear the
  // selected cells (Delete, not while editing) in an editable grid. The
  // window does it, since a paste may grow the matrix.
  void pasteRequested();
  void deleteRequested();
  // The cell editor has closed, its text committed or put back.
  void editorClosed();
  // A file accepted by AcceptFileDrops was dropped on the grid.
  void fileDropped(const QString& path);

 protected:
  void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                   const QList<int>& roles = QList<int>()) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyboardSearch(const QString& search) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void StartShortcut(const QKeyEvent* event);
  // The texts of the cells of `block`, row by row, as shown.
  [[nodiscard]] QList<QStringList> BlockTexts(const QRect& block) const;
  // The user leaves the cell editor with a key: its text is committed and
  // the editor closed now, then the grid moves or pastes.
  void LeaveEditor(QWidget* editor, EditorExit exit, const QKeyEvent* key);
  // Moves the current cell `step` cells on in reading order (row by row),
  // staying at the first and the last cell.
  void MoveInReadingOrder(int step);
  void MoveBy(int rows, int cols);
  // The one local file a drag carries, when the grid takes it; else empty.
  [[nodiscard]] QString DroppedFile(const QMimeData* mime) const;
  // Accepts a drag of such a file; false for any other.
  bool TakeFileDrag(QDropEvent* event) const;
  void ApplyShape();
  void ApplyRowHeight();
  void ApplyColWidth(int col);
  void OnSectionResized(int section, int oldSize, int newSize);

  GridModel* model_;
  CellDelegate* delegate_;
  GridHeader* columnHeader_;
  GridHeader* rowHeader_;
  bool applyingWidths_ = false;
  bool borderDragged_ = false;
  // The keys of a clipboard or Delete shortcut just handled, the modifier
  // included: their releases belong to the shortcut, not to typing.
  QList<int> shortcutReleases_;
  QPointer<QWidget> openEditor_;
  QList<QPointer<QAction>> topActions_;
  QList<QPointer<QAction>> bottomActions_;
  QStringList dropSuffixes_;
};

}  // namespace zorvel
