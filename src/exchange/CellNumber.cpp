#include "CellNumber.h"

#include "CellReading.h"
#include "Cp1250.h"
#include "FloatError.h"

namespace zorvel {

bool ReadsWholeAsNumber(const QString& cell) {
  const QString text = cell.trimmed();
  if (text.isEmpty()) return false;
  try {
    const CellReading reading = ReadCell(ToCp1250(text));
    return reading.whole || reading.error.has_value();
  } catch (const FloatError&) {
    return true;
  }
}

}  // namespace zorvel
