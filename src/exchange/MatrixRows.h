#pragma once

#include <QList>
#include <QStringList>

#include "Grid.h"
#include "MatrixCalculations.h"

namespace zorvel {

// A matrix as rows of Unicode cell texts, as files and the clipboard carry
// it, and as the data cells of a Grid (Windows-1250).

// The longest text a cell holds.
constexpr int kMaxCellText = 32767;

// Cuts every longer text to that length; true when one was cut.
bool CutLongCells(QList<QStringList>& rows);

// The data cells of `grid`, row by row.
QList<QStringList> MatrixRows(const Grid& grid);

// Without the empty lines after the last row, as editors leave them: they
// are no rows of the matrix.
void DropTrailingBlankRows(QList<QStringList>& rows);

// The size the rows need: their number, and the length of the longest.
MatrixSize MatrixSizeOf(const QList<QStringList>& rows);

// A grid holding the rows as a matrix of MatrixSizeOf(rows), with numbered
// headers; the cells a short row lacks are empty, which reads as 0.
Grid MatrixGrid(const QList<QStringList>& rows);

}  // namespace zorvel
