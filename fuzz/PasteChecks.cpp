#include "PasteChecks.h"

#include <algorithm>
#include <string>

#include "Cp1250.h"
#include "FuzzCheck.h"
#include "SpinEdit.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel::fuzz {
namespace {

bool SameCells(const Grid& a, const Grid& b) {
  if (a.RowCount() != b.RowCount() || a.ColCount() != b.ColCount() || a.FixedRows() != b.FixedRows() ||
      a.FixedCols() != b.FixedCols()) {
    return false;
  }
  // Hidden cells beyond the size count too: they show again when it grows.
  for (int r = 0; r <= 21; ++r) {
    for (int c = 0; c <= 11; ++c) {
      if (a.Cells(c, r) != b.Cells(c, r)) return false;
    }
  }
  return true;
}

void CheckSizes(const SpinEdit* rows, const SpinEdit* cols, const Grid& grid) {
  Check(grid.RowCount() - 1 >= 1 && grid.RowCount() - 1 <= rows->MaxValue());
  Check(grid.ColCount() - 1 >= 1 && grid.ColCount() - 1 <= cols->MaxValue());
  Check(rows->Value() == grid.RowCount() - 1);
  Check(cols->Value() == grid.ColCount() - 1);
}

}  // namespace

void CheckReader(const QString& text, const QList<QStringList>& rows) {
  QString normal = text;
  normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  if (normal.endsWith(QLatin1Char('\n'))) normal.chop(1);
  QStringList lines;
  for (const QStringList& row : rows) lines.append(row.join(QLatin1Char('\t')));
  Check(lines.join(QLatin1Char('\n')) == normal);
  Check(rows.isEmpty() == normal.isEmpty());
}

void CheckPasted(const TMain& w, const StringGrid* pole, const QList<QStringList>& block, int top, int left,
                 const Grid& otherBefore) {
  CheckSizes(w.SpinEdit1, w.SpinEdit2, w.Pole1->grid());
  CheckSizes(w.SpinEdit3, w.SpinEdit4, w.Pole2->grid());
  const bool intoMatrix1 = pole == w.Pole1;
  Check(SameCells((intoMatrix1 ? w.Pole2 : w.Pole1)->grid(), otherBefore));
  const SpinEdit* const rows = intoMatrix1 ? w.SpinEdit1 : w.SpinEdit3;
  const SpinEdit* const cols = intoMatrix1 ? w.SpinEdit2 : w.SpinEdit4;
  const Grid& grid = pole->grid();
  if (!block.isEmpty()) {  // grown as far as the block reaches, within the limits
    qsizetype widest = 0;
    for (const QStringList& cells : block) widest = std::max(widest, cells.size());
    Check(grid.RowCount() - 1 >= std::min<qsizetype>(top + block.size() - 1, rows->MaxValue()));
    Check(grid.ColCount() - 1 >= std::min<qsizetype>(left + widest - 1, cols->MaxValue()));
  }
  for (int r = top; r < grid.RowCount() && r - top < block.size(); ++r) {
    const QStringList& cells = block[r - top];
    for (int c = left; c < grid.ColCount() && c - left < cells.size(); ++c) {
      const std::string expected = ToCp1250(cells[c - left]);
      const std::string& shown = grid.Cells(c, r);
      if (shown == expected) continue;
      // Cut: a prefix of at least the longest whole cell (its last character
      // may be half of a pair that became one byte).
      const std::size_t longest = StringGrid::kMaxCellText;
      Check(expected.size() > longest && shown.size() >= longest - 1 && shown.size() < expected.size());
      Check(expected.compare(0, shown.size() - 1, shown, 0, shown.size() - 1) == 0);
    }
  }
}

}  // namespace zorvel::fuzz
