#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zorvel {

// The two text forms of a matrix in a file, one row a line and every row
// ending in a line end:
// - Tsv: cells separated by tabs, as the clipboard carries them;
// - Csv: cells separated by ";" (what spreadsheets that write a decimal comma
//   use), a cell quoted with '"' when it holds ";", a quote or a line end,
//   its quotes doubled; an empty last cell of a row is written "", so that
//   it is not read as a separator ending the line, and in a matrix of one
//   column, where no ";" shows the separator, a cell holding "," is quoted.
enum class MatrixFormat { Tsv, Csv };

// Csv for a name ending in ".csv" (in any case), Tsv for any other.
MatrixFormat MatrixFormatFor(const QString& fileName);

// The form a name's suffix says: ".csv" or ".tsv" in any case; none for
// another name, whose text is left to say it (ChooseLayout).
std::optional<MatrixFormat> MatrixFormatOfName(const QString& fileName);

QString MatrixText(const QList<QStringList>& rows, MatrixFormat format);

// A matrix text read back, and what the reading met on the way.
struct ParsedMatrixText {
  QList<QStringList> rows;
  // The line (counted from 1) of a CSV quote that is never closed, which
  // would take the rest of the text into one cell; 0 when none is open.
  int unclosedQuoteLine = 0;
  // A CSV cell held a tab or a line end, each now a space.
  bool breaksReplaced = false;
  // For each row, whether its line ends in a separator after which nothing
  // stands (an empty cell written "" is something).
  QList<bool> endsInSeparator;
  // For each row, whether its line held nothing at all (a cell written ""
  // is something).
  QList<bool> emptyLine;
};

// Splits lines into cells at `separator`. With `quoting` (CSV) a cell that
// starts with a quote may hold separators and line ends, its doubled quotes
// standing for one; a quote inside an unquoted cell, or after a closing
// quote, is plain text. A tab or line end that stays in a cell becomes a
// space.
ParsedMatrixText ParseSeparatedText(const QString& text, QChar separator, bool quoting);

// Reads either form with Windows, Unix or old Mac line ends; a line end at
// the very end adds no empty row, and an empty text has no rows. Rows keep
// their own lengths. No cell holds a tab or a line end: tab-separated text
// cannot, and in CSV they become spaces, so that every cell keeps its place
// in either form, on the clipboard and in the kept session.
ParsedMatrixText ParseMatrixText(const QString& text, MatrixFormat format);

// The text with each tab and line end (CR LF counted as one) as a space.
QString WithoutCellBreaks(QString text);

}  // namespace zorvel
