#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zorvel {

// The form in which spreadsheets and text editors exchange tables: cells
// separated by tabs, each row ending in a newline. A single cell is its text
// alone.
QString ToTabSeparated(const QList<QStringList>& rows);

// Reads that form with Windows or Unix line ends; a line end at the very end
// adds no empty row. An empty text has no rows.
QList<QStringList> FromTabSeparated(QString text);

// A block pasted from the clipboard: that form, or numbers separated by
// blanks as numeric tools print them (SplitOnBlanks) when the text holds no
// tab and is not this program's own copy, whose cells may hold blanks of
// their own. `blanks` is set to whether the text was read so.
QList<QStringList> FromPastedText(const QString& text, bool ownCopy, bool& blanks);

}  // namespace zorvel
