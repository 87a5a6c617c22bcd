#include "MatrixText.h"

#include <algorithm>

namespace zorvel {
namespace {

constexpr QChar kSeparator = u';';
constexpr QChar kQuote = u'"';

// `last`: the row's last cell, which when empty is written "" so that it is
// not taken for a separator ending the line. `oneColumn`: no line holds a
// ";" to show the separator, so a "," is quoted lest it be taken for one.
QString CsvCell(const QString& cell, bool last, bool oneColumn) {
  const bool quoted = cell.contains(kSeparator) || cell.contains(kQuote) || cell.contains(u'\n') ||
                      cell.contains(u'\r') || (last && cell.isEmpty()) || (oneColumn && cell.contains(u','));
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

}  // namespace

ParsedMatrixText ParseSeparatedText(const QString& text, QChar separator, bool quoting) {
  ParsedMatrixText parsed;
  QStringList row;
  QString cell;
  bool inQuotes = false;
  bool cellStart = true;         // nothing of this cell read yet
  bool rowStarted = false;       // anything read since the last line end
  bool endsInSeparator = false;  // nothing since the last separator
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
      endsInSeparator = true;
      rowStarted = true;
      continue;
    }
    if (lineEnd) {
      row << cell;
      parsed.rows << row;
      parsed.endsInSeparator << endsInSeparator;
      parsed.emptyLine << !rowStarted;
      endsInSeparator = false;
      row.clear();
      cell.clear();
      cellStart = true;
      rowStarted = false;
      continue;
    }
    endsInSeparator = false;
    if (quoting && c == kQuote && cellStart) {
      inQuotes = true;
      quoteLine = line;
      cellStart = false;
    } else {
      keep(c);
      cellStart = false;
    }
    rowStarted = true;
  }
  if (rowStarted) {  // the last line had no line end
    parsed.rows << (row << cell);
    parsed.endsInSeparator << endsInSeparator;
    parsed.emptyLine << false;
  }
  if (inQuotes) parsed.unclosedQuoteLine = quoteLine;
  return parsed;
}

MatrixFormat MatrixFormatFor(const QString& fileName) {
  return MatrixFormatOfName(fileName).value_or(MatrixFormat::Tsv);
}

std::optional<MatrixFormat> MatrixFormatOfName(const QString& fileName) {
  if (fileName.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) return MatrixFormat::Csv;
  if (fileName.endsWith(QStringLiteral(".tsv"), Qt::CaseInsensitive)) return MatrixFormat::Tsv;
  return std::nullopt;
}

QString MatrixText(const QList<QStringList>& rows, MatrixFormat format) {
  const bool oneColumn = std::all_of(rows.cbegin(), rows.cend(), [](const QStringList& row) { return row.size() < 2; });
  QString text;
  for (const QStringList& row : rows) {
    if (format == MatrixFormat::Tsv) {
      text += row.join(u'\t');
    } else {
      for (qsizetype c = 0; c < row.size(); ++c) {
        if (c > 0) text += kSeparator;
        text += CsvCell(row.at(c), c + 1 == row.size(), oneColumn);
      }
    }
    text += u'\n';
  }
  return text;
}

ParsedMatrixText ParseMatrixText(const QString& text, MatrixFormat format) {
  return format == MatrixFormat::Tsv ? ParseSeparatedText(text, u'\t', false)
                                     : ParseSeparatedText(text, kSeparator, true);
}

QString WithoutCellBreaks(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  for (const QChar c : {u'\t', u'\n', u'\r'}) text.replace(c, u' ');
  return text;
}

}  // namespace zorvel
