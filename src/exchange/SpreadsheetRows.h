#pragma once

#include <QList>
#include <QStringList>

#include "MatrixText.h"

namespace zorvel {

// What spreadsheets write into the tables they export that is no part of a
// matrix, taken out of rows read from a file (not of typed or pasted cells).

// The empty lines after the last row, as editors leave them: they are no
// rows of the matrix (a line holding only "" is one).
void DropTrailingEmptyLines(ParsedMatrixText& parsed);

// A separator at the end of every line of a CSV, which would add an empty
// column (a cell written "" is a cell). Only when every line ends in one: a
// single short row's empty last cell is a cell of the matrix.
void DropTrailingSeparators(ParsedMatrixText& parsed);

// A header row: a first row with a cell of text and none that reads whole
// as a number (ReadsWholeAsNumber) while every cell of the second row does
// or is empty, and one does. Gives true when it was left out.
bool LeaveOutHeader(QList<QStringList>& rows);

}  // namespace zorvel
