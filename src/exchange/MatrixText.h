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

// The form of a text whose name says none (standard input): Csv when its
// first line holds a ";" and no tab, Tsv otherwise.
MatrixFormat FormatOfText(const QString& text);

QString MatrixText(const QList<QStringList>& rows, MatrixFormat format);

// A matrix text read back, and what the reading met on the way.
struct ParsedMatrixText {
  QList<QStringList> rows;
  // The line (counted from 1) of a CSV quote that is never closed, which
  // would take the rest of the text into one cell; 0 when none is open.
  int unclosedQuoteLine = 0;
  // A CSV cell held a tab or a line end, each now a space.
  bool breaksReplaced = false;
};

// Reads either form with Windows, Unix or old Mac line ends; a line end at
// the very end adds no empty row, and an empty text has no rows. Rows keep
// their own lengths. No cell holds a tab or a line end: tab-separated text
// cannot, and in CSV they become spaces, so that every cell keeps its place
// in either form, on the clipboard and in the kept session.
ParsedMatrixText ParseMatrixText(const QString& text, MatrixFormat format);

// The text with each tab and line end (CR LF counted as one) as a space.
QString WithoutCellBreaks(QString text);

}  // namespace zorvel
