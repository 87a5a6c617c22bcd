#include "CalcWarnings.h"

#include "CalcTexts.h"
#include "CellDescription.h"
#include "CellReading.h"
#include "ComplexText.h"
#include "CoreTexts.h"
#include "Cp1250.h"
#include "FloatError.h"
#include "Messages.h"

namespace zorvel {
QStringList CellsNotReadWhole(const QList<QStringList>& rows, const QString& source, int places) {
  QStringList warnings;
  for (qsizetype r = 0; r < rows.size(); ++r) {
    for (qsizetype c = 0; c < rows[r].size(); ++c) {
      const std::string text = ToCp1250(rows[r][c]);
      const CellReading reading = ReadCell(text);
      if (reading.whole) continue;
      const QString row = QString::number(r + 1);
      const QString col = QString::number(c + 1);
      if (reading.miss == CellMiss::TooManyDigits) {
        warnings << Said(Tr("%1: riadok %2, stĺpec %3: „%4“ sa nedá prečítať: %5")
                             .arg(source, row, col, rows[r][c], ShownCoreText(MissReason(reading.miss))));
      } else {
        warnings << Said(Tr("%1: riadok %2, stĺpec %3: „%4“ sa číta ako %5")
                             .arg(source, row, col, rows[r][c], CellReadAs(text, places).value_or(QString())));
      }
    }
  }
  return warnings;
}

QString TooLargeInResult(const QList<QStringList>& rows, CalculationMode mode) {
  const QString tooLarge = FromCp1250(kTooLargeNumber);
  for (const QStringList& row : rows) {
    for (const QString& cell : row) {
      if (!cell.contains(tooLarge)) continue;
      QString warning = Tr("výsledok obsahuje číslo priveľké na zápis: „%1“").arg(ShownValueText(tooLarge));
      // By hand the 32-bit limit of the written numbers is why; exactly, what a
      // cell holds.
      if (mode == CalculationMode::Hand) {
        warning += u'\n' + Said(Tr("čísla nad 2147483647 sa pri počítaní ako na papieri nedajú zapísať; "
                                   "použite voľbu --exact"));
      } else {
        warning += u'\n' + Said(Tr("číslo s viac ako 32 767 číslicami sa do bunky nezmestí"));
      }
      return Said(warning);
    }
  }
  return {};
}

void ShowValues(QList<QStringList>& rows) {
  for (QStringList& row : rows) {
    for (QString& cell : row) cell = ShownValueText(std::move(cell));
  }
}

}  // namespace zorvel
