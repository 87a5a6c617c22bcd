#include "SpreadsheetRows.h"

#include <QRegularExpression>

#include <algorithm>

#include "CellReading.h"
#include "ComplexText.h"
#include "Cp1250.h"

namespace zorvel {
namespace {

bool Blank(const QStringList& row) { return row == QStringList{QString()}; }

// Only when every line ends in one: a single short row's empty last cell is
// a cell of the matrix.
void DropTrailingSeparators(QList<QStringList>& rows) {
  const auto endsInSeparator = [](const QStringList& row) {
    return Blank(row) || (row.size() >= 2 && row.back().isEmpty());
  };
  const bool any = std::any_of(rows.cbegin(), rows.cend(), [](const QStringList& row) { return !Blank(row); });
  if (!any || !std::all_of(rows.cbegin(), rows.cend(), endsInSeparator)) return;
  for (QStringList& row : rows) {
    if (!Blank(row)) row.removeLast();
  }
}

// "1 234 567,5" -> "1234567,5": a space followed by exactly three digits.
void JoinDigitGroups(QList<QStringList>& rows) {
  static const QRegularExpression groupSpace(QStringLiteral("(?<=\\d)[ \\x{00A0}\\x{202F}](?=\\d{3}(?!\\d))"));
  for (QStringList& row : rows) {
    for (QString& cell : row) {
      if (cell.contains(u' ') || cell.contains(QChar(0x00A0)) || cell.contains(QChar(0x202F))) {
        cell.remove(groupSpace);
      }
    }
  }
}

// In every form a cell is read in ("230∠30°" and "1/3" are numbers); never
// an error, whatever the cell holds.
bool ReadsWholeAsNumber(const QString& cell) {
  if (cell.trimmed().isEmpty()) return false;
  const CellReading reading = ReadCell(ToCp1250(cell));
  return reading.whole && !reading.error;
}

bool LooksLikeHeader(const QList<QStringList>& rows) {
  if (rows.size() < 2 || Blank(rows[0]) || Blank(rows[1])) return false;
  const QStringList &first = rows[0], &second = rows[1];
  return std::none_of(first.cbegin(), first.cend(), ReadsWholeAsNumber) &&
         std::any_of(second.cbegin(), second.cend(), ReadsWholeAsNumber) &&
         std::all_of(second.cbegin(), second.cend(),
                     [](const QString& cell) { return cell.trimmed().isEmpty() || ReadsWholeAsNumber(cell); });
}

}  // namespace

bool TidySpreadsheetRows(QList<QStringList>& rows) {
  DropTrailingSeparators(rows);
  JoinDigitGroups(rows);
  if (!LooksLikeHeader(rows)) return false;
  rows.removeFirst();
  return true;
}

}  // namespace zorvel
