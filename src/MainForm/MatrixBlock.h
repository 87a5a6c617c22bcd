#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace zorvel {

class StringGrid;
class TMain;

// A block of cell texts on its way into an input matrix, from the clipboard
// or from a file.
struct MatrixBlock {
  QList<QStringList> rows;
  // The matrix row and column (counted from 1) of the block's first cell.
  int top = 1;
  int left = 1;
  // A file replaces the matrix: the matrix takes the block's size, and the
  // cells a short row lacks are emptied. A paste only grows the matrix and
  // writes the cells it brings.
  bool replacesMatrix = false;
  // The message when rows or columns past the matrix's limits are left out.
  std::function<QString(int maxRows, int maxCols, int rowsLeftOut, int colsLeftOut)> leftOutMessage;
  // The message when a text longer than a cell holds was cut.
  QString cutMessage;
  // What else the block's reader changed, said in the same message box.
  QString notice;
};

// Puts the block into `pole` (Pole1 or Pole2), sized through its spin edits
// without their handlers, selects what was written and recomputes once; what
// was left out or cut is said in one message box after the recalculation.
void PutIntoMatrix(TMain& window, StringGrid* pole, MatrixBlock block);

}  // namespace zorvel
