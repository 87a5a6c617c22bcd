#include "SpreadsheetRows.h"

#include <algorithm>

#include "CellNumber.h"

namespace zorvel {
namespace {

bool Blank(const QStringList& row) { return row == QStringList{QString()}; }
bool EmptyCell(const QString& cell) { return cell.trimmed().isEmpty(); }

}  // namespace

void DropTrailingEmptyLines(ParsedMatrixText& parsed) {
  while (!parsed.rows.isEmpty() && parsed.emptyLine.value(parsed.rows.size() - 1)) {
    parsed.rows.removeLast();
    parsed.emptyLine.removeLast();
    parsed.endsInSeparator.removeLast();
  }
}

void DropTrailingSeparators(ParsedMatrixText& parsed) {
  QList<QStringList>& rows = parsed.rows;
  bool any = false;
  for (qsizetype r = 0; r < rows.size(); ++r) {
    if (Blank(rows[r])) continue;
    if (!parsed.endsInSeparator.value(r)) return;
    any = true;
  }
  if (!any) return;
  for (QStringList& row : rows) {
    if (!Blank(row)) row.removeLast();
  }
}

bool LeaveOutHeader(QList<QStringList>& rows) {
  if (rows.size() < 2) return false;
  const QStringList &first = rows[0], &second = rows[1];
  const bool header = !std::all_of(first.cbegin(), first.cend(), EmptyCell) &&
                      std::none_of(first.cbegin(), first.cend(), ReadsWholeAsNumber) &&
                      std::any_of(second.cbegin(), second.cend(), ReadsWholeAsNumber) &&
                      std::all_of(second.cbegin(), second.cend(),
                                  [](const QString& cell) { return EmptyCell(cell) || ReadsWholeAsNumber(cell); });
  if (header) rows.removeFirst();
  return header;
}

}  // namespace zorvel
