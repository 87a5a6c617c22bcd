#include "BlankSeparated.h"

#include <QRegularExpression>

#include <algorithm>

#include "CellNumber.h"

namespace zorvel {
namespace {

// The cells of a line split on every run of blanks, or on those that are
// no digit group's single space.
QStringList Cells(const QString& line, bool keepGroups) {
  static const QRegularExpression everyBlank(QStringLiteral("[ \\t\\x{00A0}\\x{202F}]+"));
  static const QRegularExpression notGroupBlank(QStringLiteral(
      "[ \\t\\x{00A0}\\x{202F}]{2,}|\\t|(?<!\\d)[ \\x{00A0}\\x{202F}]|[ \\x{00A0}\\x{202F}](?!\\d{3}(?!\\d))"));
  return line.trimmed().split(keepGroups ? notGroupBlank : everyBlank, Qt::SkipEmptyParts);
}

std::optional<QList<QStringList>> SplitLines(const QStringList& lines, bool keepGroups) {
  QList<QStringList> rows;
  for (const QString& line : lines) {
    rows << Cells(line, keepGroups);
    if (rows.back().size() != rows.front().size()) return std::nullopt;
    if (!std::all_of(rows.back().cbegin(), rows.back().cend(), ReadsWholeAsNumber)) return std::nullopt;
  }
  return rows;
}

}  // namespace

std::optional<QList<QStringList>> SplitOnBlanks(const QString& text) {
  static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
  QStringList lines = text.split(lineEnd);
  while (!lines.isEmpty() && lines.back().trimmed().isEmpty()) lines.removeLast();
  if (lines.isEmpty()) return std::nullopt;
  for (const bool keepGroups : {true, false}) {
    std::optional<QList<QStringList>> rows = SplitLines(lines, keepGroups);
    if (rows && rows->front().size() >= 2) return rows;
    if (rows && keepGroups) return std::nullopt;  // one number a line
  }
  return std::nullopt;
}

}  // namespace zorvel
