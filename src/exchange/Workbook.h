#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace zorvel {

// A sheet of a spreadsheet's own file, OpenDocument (.ods) or Office Open
// XML (.xlsx), read through QuaZip and QXmlStreamReader: the used range
// from the first row and column, a number cell as its stored value with a
// decimal comma and every digit it has (not the display's rounding), a text
// cell as its text (a tab or line break in it a space), a truth value as 1
// or 0, an empty cell empty.
struct WorkbookSheet {
  QList<QStringList> rows;
  QStringList sheets;  // the names of all sheets, in their order
  QString error;       // the reason the file cannot be read; empty when read
  bool breaksReplaced = false;
};

// Whether the bytes are a ZIP archive (as both forms are) or the compound
// file that an encrypted .xlsx or .ods is wrapped in.
bool LooksLikeWorkbook(const QByteArray& bytes);

// Reads sheet `sheet` (counted from 0) of the workbook. A damaged archive, an
// encrypted one, a sheet that does not exist, or an archive that is neither
// form gives the reason.
WorkbookSheet ReadWorkbook(const QByteArray& bytes, int sheet);

}  // namespace zorvel
