#include "MatrixText.h"

#include <QRegularExpression>

namespace zorvel {
namespace {

constexpr QChar kSeparator = u';';
constexpr QChar kQuote = u'"';

QString CsvCell(const QString& cell) {
  const bool quoted =
      cell.contains(kSeparator) || cell.contains(kQuote) || cell.contains(u'\n') || cell.contains(u'\r');
  if (!quoted) return cell;
  QString text = cell;
  text.replace(kQuote, QStringLiteral("\"\""));
  return kQuote + text + kQuote;
}

// Adds c to the cell; a tab or line end becomes a space.
void KeepInCell(QChar c, QString& cell, bool& breaksReplaced) {
  const bool brk = c == u'\t' || c == u'\n' || c == u'\r';
  cell += brk ? QChar(u' ') : c;
  breaksReplaced = breaksReplaced || brk;
}

// Reads c, met at text[i] inside quotes: a doubled quote stands for one
// quote, a single one closes them. Returns whether the quotes stay open.
bool ReadQuoted(QChar c, const QString& text, qsizetype& i, QString& cell, bool& breaksReplaced) {
  if (c != kQuote) {
    KeepInCell(c, cell, breaksReplaced);
    return true;
  }
  if (i + 1 < text.size() && text.at(i + 1) == kQuote) {
    cell += kQuote;
    ++i;
    return true;
  }
  return false;
}

// Splits lines into cells. With `quoting` (CSV) a cell that starts with a
// quote may hold separators and line ends; a quote inside an unquoted cell,
// or after a closing quote, is plain text. A tab or line end that stays in a
// cell becomes a space.
ParsedMatrixText ParseCells(const QString& text, QChar separator, bool quoting) {
  ParsedMatrixText parsed;
  QStringList row;
  QString cell;
  bool inQuotes = false;
  bool cellStart = true;    // nothing of this cell read yet
  bool rowStarted = false;  // anything read since the last line end
  int line = 1;
  int quoteLine = 0;  // where the open quote stands
  const auto keep = [&](QChar c) { KeepInCell(c, cell, parsed.breaksReplaced); };
  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size; ++i) {
    const QChar c = text.at(i);
    const bool lineEnd = c == u'\n' || c == u'\r';
    if (lineEnd) {
      if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n') ++i;
      ++line;
    }
    if (inQuotes) {
      inQuotes = ReadQuoted(c, text, i, cell, parsed.breaksReplaced);
      continue;
    }
    if (c == separator) {
      row << cell;
      cell.clear();
      cellStart = true;
    } else if (lineEnd) {
      row << cell;
      parsed.rows << row;
      row.clear();
      cell.clear();
      cellStart = true;
      rowStarted = false;
      continue;
    } else if (quoting && c == kQuote && cellStart) {
      inQuotes = true;
      quoteLine = line;
      cellStart = false;
    } else {
      keep(c);
      cellStart = false;
    }
    rowStarted = true;
  }
  if (rowStarted) parsed.rows << (row << cell);  // the last line had no line end
  if (inQuotes) parsed.unclosedQuoteLine = quoteLine;
  return parsed;
}

}  // namespace

MatrixFormat MatrixFormatFor(const QString& fileName) {
  return fileName.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? MatrixFormat::Csv : MatrixFormat::Tsv;
}

MatrixFormat FormatOfText(const QString& text) {
  const QStringView firstLine = QStringView(text).left(text.indexOf(QRegularExpression(QStringLiteral("[\r\n]"))));
  return firstLine.contains(kSeparator) && !firstLine.contains(u'\t') ? MatrixFormat::Csv : MatrixFormat::Tsv;
}

QString MatrixText(const QList<QStringList>& rows, MatrixFormat format) {
  QString text;
  for (const QStringList& row : rows) {
    if (format == MatrixFormat::Tsv) {
      text += row.join(u'\t');
    } else {
      for (qsizetype c = 0; c < row.size(); ++c) {
        if (c > 0) text += kSeparator;
        text += CsvCell(row.at(c));
      }
    }
    text += u'\n';
  }
  return text;
}

ParsedMatrixText ParseMatrixText(const QString& text, MatrixFormat format) {
  return format == MatrixFormat::Tsv ? ParseCells(text, u'\t', false) : ParseCells(text, kSeparator, true);
}

QString WithoutCellBreaks(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  for (const QChar c : {u'\t', u'\n', u'\r'}) text.replace(c, u' ');
  return text;
}

}  // namespace zorvel
