#pragma once

#include <QList>
#include <QStringList>

namespace zorvel {

// What spreadsheets write into the tables they export that is no part of a
// matrix, taken out of rows read from a file (not of typed or pasted cells);
// the blank lines after the last row are left to DropTrailingBlankRows:
// - a separator at the end of every line, which would add an empty column;
// - spaces (plain, no-break or narrow no-break) between digit groups, as in
//   "1 234,5", which would stop the number's reading at the space;
// - a header row: a first row in which no cell reads whole as a number while
//   every cell of the second row does.
// Gives true when a header row was left out.
bool TidySpreadsheetRows(QList<QStringList>& rows);

}  // namespace zorvel
