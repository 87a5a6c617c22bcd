#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zorvel {

// The two text forms of a matrix in a file, one row a line and every row
// ending in a line end:
// - Tsv: cells separated by tabs, as the clipboard carries them;
// - Csv: cells separated by ";" (what spreadsheets that write a decimal comma
//   use), a cell quoted with '"' when it holds ";", a quote or a line end,
//   its quotes doubled.
enum class MatrixFormat { Tsv, Csv };

// Csv for a name ending in ".csv" (in any case), Tsv for any other.
MatrixFormat MatrixFormatFor(const QString& fileName);

QString MatrixText(const QList<QStringList>& rows, MatrixFormat format);

// Reads either form with Windows, Unix or old Mac line ends; a line end at
// the very end adds no empty row, and an empty text has no rows. Rows keep
// their own lengths.
QList<QStringList> ParseMatrixText(const QString& text, MatrixFormat format);

}  // namespace zorvel
