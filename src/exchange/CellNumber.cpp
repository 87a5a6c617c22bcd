#include "CellNumber.h"

#include <QRegularExpression>

#include "ComplexText.h"
#include "Cp1250.h"
#include "FloatError.h"

namespace zorvel {
namespace {

// "1 234 567,5" -> "1234567,5": a space (plain, no-break or narrow
// no-break) between a digit and exactly three digits.
QString WithoutGroupSpaces(QString text) {
  static const QRegularExpression groupSpace(QStringLiteral("(?<=\\d)[ \\x{00A0}\\x{202F}](?=\\d{3}(?!\\d))"));
  return text.remove(groupSpace);
}

}  // namespace

bool ReadsWholeAsNumber(const QString& cell) {
  const QString text = cell.trimmed();
  if (text.isEmpty()) return false;
  try {
    return ReadComplex(ToCp1250(WithoutGroupSpaces(text))).whole;
  } catch (const FloatError&) {
    return true;
  }
}

}  // namespace zorvel
