#include "CellDescription.h"

#include <QCoreApplication>

#include "CellReading.h"
#include "ComplexText.h"
#include "CoreTexts.h"
#include "Cp1250.h"
#include "PolarValue.h"

namespace zorvel {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("CellDescription", text); }

}  // namespace

std::optional<QString> CellReadAs(std::string_view text, int places) {
  const CellReading reading = ReadCell(text);
  if (reading.error) return ShownCoreText(FloatError(*reading.error).what());
  if (reading.form == CellForm::Today) return std::nullopt;
  QString value = ShownValueText(FormatComplex(places, reading.hand.re, reading.hand.im).view());
  if (reading.approximate) {
    value += Tr(" (presne na %1 platných číslic)").arg(kPolarDigits);
  } else if (const std::string_view reason = MissReason(reading.miss); !reason.empty()) {
    value += QStringLiteral(" (%1)").arg(ShownCoreText(reason));
  }
  return value;
}

bool CellMarked(std::string_view text) { return !ReadCell(text).whole; }

}  // namespace zorvel
