#include "MatrixBlock.h"

#include <QItemSelectionModel>

#include <algorithm>

#include "ColumnFit.h"
#include "Cp1250.h"
#include "Dialogs.h"
#include "HandlerGuard.h"
#include "MatrixRows.h"
#include "SpinEdit.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel {

// The window's cells and the files' readers hold the same longest text.
static_assert(StringGrid::kMaxCellText == kMaxCellText);

void PutIntoMatrix(TMain& window, StringGrid* pole, MatrixBlock block) {
  if (block.rows.isEmpty()) return;
  const bool textsCut = CutLongCells(block.rows);
  const TMain::MatrixInput matrix = window.Inputs().Of(pole);
  SpinEdit* const rowsEdit = matrix.rows;
  SpinEdit* const colsEdit = matrix.cols;
  const int top = block.top;
  const int left = block.left;
  int widest = 0;
  for (const QStringList& row : block.rows) widest = std::max(widest, static_cast<int>(row.size()));
  const int lastRow = std::min(top + static_cast<int>(block.rows.size()) - 1, rowsEdit->MaxValue());
  const int lastCol = std::min(left + widest - 1, colsEdit->MaxValue());
  const int rowsLeftOut = top + static_cast<int>(block.rows.size()) - 1 - lastRow;
  const int colsLeftOut = left + widest - 1 - lastCol;

  // The matrix is sized through its size fields, without their handlers, so
  // that the whole block recomputes once.
  rowsEdit->SetValueQuietly(block.replacesMatrix ? lastRow : std::max(rowsEdit->Value(), lastRow));
  colsEdit->SetValueQuietly(block.replacesMatrix ? lastCol : std::max(colsEdit->Value(), lastCol));
  TMain::ShowSize(pole, true, rowsEdit->Value());
  TMain::ShowSize(pole, false, colsEdit->Value());

  if (block.replacesMatrix) window.Columns().MatrixReplaced(pole);  // its hand widths were for the old one
  Grid& grid = pole->grid();
  for (int r = top; r <= lastRow; ++r) {
    const QStringList& cells = block.rows[r - top];
    const int lastWritten =
        block.replacesMatrix ? lastCol : std::min(lastCol, left + static_cast<int>(cells.size()) - 1);
    for (int c = left; c <= lastWritten; ++c) {
      grid.SetCells(c, r, c - left < cells.size() ? ToCp1250(cells[c - left]) : std::string());
    }
  }
  const QModelIndex first = pole->model()->index(top - 1, left - 1);
  pole->selectionModel()->select(QItemSelection(first, pole->model()->index(lastRow - 1, lastCol - 1)),
                                 QItemSelectionModel::ClearAndSelect);
  QStringList cuts;
  if ((rowsLeftOut > 0 || colsLeftOut > 0) && block.leftOutMessage) {
    cuts << block.leftOutMessage(rowsEdit->MaxValue(), colsEdit->MaxValue(), std::max(rowsLeftOut, 0),
                                 std::max(colsLeftOut, 0));
  }
  if (textsCut && !block.cutMessage.isEmpty()) cuts << block.cutMessage;
  if (!block.notice.isEmpty()) cuts << block.notice;
  RunThen([&window] { window.Vypocty(); },
          [&cuts] {
            if (!cuts.isEmpty()) ShowMessageBox(cuts.join(u'\n'));
          });
}

}  // namespace zorvel
