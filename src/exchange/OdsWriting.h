#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace zorvel {

// An .ods file (OpenDocument spreadsheet) holding the rows on one sheet, so
// that a spreadsheet opens it with no import dialog: a real number written
// plainly ("-2", "2,5") as a number cell, whose stored value is that text
// with a point, any other cell (complex, misread, empty) as a text cell;
// an empty one is a cell too, so that an empty last row or column stays.
// Read back (ReadWorkbook), every cell gives its text again.
QByteArray OdsBytes(const QList<QStringList>& rows);

}  // namespace zorvel
