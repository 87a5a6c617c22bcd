#include "CalcOperations.h"

#include <QCoreApplication>

#include <array>
#include <utility>

#include "CalcTexts.h"
#include "CoreTexts.h"
#include "Cp1250.h"
#include "Determinant.h"
#include "HandGrids.h"
#include "MatrixCalculation.h"
#include "MatrixRows.h"
#include "OperationList.h"

namespace zorvel {
namespace {

// The verbs of the values that are no operation of their own.
constexpr std::array<std::pair<const char*, CalcValue>, 4> kValueNames{{
    {"det", CalcValue::Determinant},
    {"reciprocal", CalcValue::Reciprocal},
    {"adjugate", CalcValue::Adjugate},
    {"rank", CalcValue::Rank},
}};

// The columns' names of a result whose header row does not number them.
QStringList NamedColumns(const Grid& result) {
  QStringList names;
  bool numbered = true;
  for (int c = 1; c < result.ColCount(); ++c) {
    names << FromCp1250(result.Cells(c, 0));
    numbered = numbered && names.back() == QString::number(c);
  }
  return numbered ? QStringList() : names;
}

// The window's message, in the language zorvel-calc speaks.
CalcResult Refused(std::string_view message) { return {{}, ShownCoreText(message), {}}; }

CalcResult OneCell(std::string_view text) { return {{{FromCp1250(text)}}, {}, {}}; }

// The determinant and its reciprocal, as the strip under matrix 1 shows them.
CalcResult DeterminantStrip(MatrixCalculation& calculation, MatrixSize size, bool reciprocal) {
  if (DeterminantRefusal(size)) {
    return {{},
            Tr("Determinant zo zadanej matice nie je možné vypočítať, pretože nejde o štvorcovú maticu "
               "(%1 × %2).")
                .arg(size.rows)
                .arg(size.cols),
            {}};
  }
  if (!reciprocal) return OneCell(calculation.Determinant().shown);
  const std::optional<std::string> inverted = calculation.Reciprocal();
  if (!inverted) return {{}, Tr("Determinant matice je rovný nule, prevrátená hodnota neexistuje."), {}};
  return OneCell(*inverted);
}

// The adjugate or the inverse, as the window's inverse view shows them.
CalcResult InverseView(MatrixCalculation& calculation, bool inverse) {
  if (const auto refusal = calculation.Refusal(Operation::Inverse)) return Refused(*refusal);
  Grid adjugate, result;
  calculation.FillInverse(adjugate, result);
  return {MatrixRows(inverse ? result : adjugate), {}, {}};
}

}  // namespace

std::optional<CalcOperation> CalcOperationNamed(const QString& word) {
  for (const auto& [name, value] : kValueNames) {
    if (word == QLatin1String(name)) return CalcOperation{value};
  }
  const std::optional<Operation> operation = OperationWithVerb(word.toStdString());
  if (!operation) return std::nullopt;
  return CalcOperation{CalcValue::Result, *operation};
}

int OperandCount(CalcOperation operation) {
  return operation.value == CalcValue::Result ? DescriptionOf(operation.operation).Operands() : 1;
}

bool TakesMatrixBeside(CalcOperation operation) {
  return operation.value == CalcValue::Result && DescriptionOf(operation.operation).TakesMatrixBeside();
}

CalcResult Calculate(CalcOperation operation, const QList<QStringList>& matrix1, const QList<QStringList>& matrix2,
                     int places, CalculationMode mode, const ShownForm& form) {
  const Grid grid1 = MatrixGrid(matrix1), grid2 = MatrixGrid(matrix2);
  const MatrixSize size1 = MatrixSizeOf(matrix1), size2 = MatrixSizeOf(matrix2);
  const bool inverseView = operation.value == CalcValue::Adjugate ||
                           (operation.value == CalcValue::Result && DescriptionOf(operation.operation).InverseView());
  HandReadingGrids hand;
  MatrixCalculation calculation(hand.For({&grid1, size1, &grid2, size2, places, mode,
                                          inverseView ? std::optional(Operation::Inverse) : std::nullopt, form}));
  switch (operation.value) {
    case CalcValue::Determinant: return DeterminantStrip(calculation, size1, false);
    case CalcValue::Reciprocal: return DeterminantStrip(calculation, size1, true);
    case CalcValue::Adjugate: return InverseView(calculation, false);
    case CalcValue::Rank: return {{{QString::number(RankOfMatrix1(calculation))}}, {}, {}};
    case CalcValue::Result: break;
  }
  if (inverseView) return InverseView(calculation, true);
  const Operation shown = operation.operation;
  if (const auto refusal = calculation.Refusal(shown)) return Refused(*refusal);
  Grid result;
  calculation.FillResult(shown, result);
  return {MatrixRows(result), {}, NamedColumns(result)};
}

}  // namespace zorvel
