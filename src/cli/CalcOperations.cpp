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

namespace zorvel {
namespace {

constexpr std::array<std::pair<const char*, CalcOperation>, 8> kNames{{
    {"det", CalcOperation::Determinant},
    {"reciprocal", CalcOperation::Reciprocal},
    {"adjugate", CalcOperation::Adjugate},
    {"inverse", CalcOperation::Inverse},
    {"sum", CalcOperation::Sum},
    {"difference", CalcOperation::Difference},
    {"product", CalcOperation::Product},
    {"solve", CalcOperation::Solve},
}};

// The window's message, in the language zorvel-calc speaks.
CalcResult Refused(std::string_view message) { return {{}, ShownCoreText(message)}; }

CalcResult OneCell(std::string_view text) { return {{{FromCp1250(text)}}, {}}; }

// The determinant and its reciprocal, as the strip under matrix 1 shows them.
CalcResult DeterminantStrip(MatrixCalculation& calculation, MatrixSize size, bool reciprocal) {
  if (DeterminantRefusal(size)) {
    return {{},
            Tr("Determinant zo zadanej matice nie je možné vypočítať, pretože nejde o štvorcovú maticu "
               "(%1 × %2).")
                .arg(size.rows)
                .arg(size.cols)};
  }
  if (!reciprocal) return OneCell(calculation.Determinant().shown);
  const std::optional<std::string> inverted = calculation.Reciprocal();
  if (!inverted) return {{}, Tr("Determinant matice je rovný nule, prevrátená hodnota neexistuje.")};
  return OneCell(*inverted);
}

// The adjugate or the inverse, as the window's inverse view shows them.
CalcResult InverseView(MatrixCalculation& calculation, bool inverse) {
  if (const auto refusal = calculation.Refusal(Operation::Inverse)) return Refused(*refusal);
  Grid adjugate, result;
  calculation.FillInverse(adjugate, result);
  return {MatrixRows(inverse ? result : adjugate), {}};
}

// The window's operation that gives the command's result in Pole5.
Operation ResultOperation(CalcOperation operation) {
  switch (operation) {
    case CalcOperation::Sum: return Operation::Sum;
    case CalcOperation::Difference: return Operation::Difference;
    case CalcOperation::Product: return Operation::Product;
    case CalcOperation::Solve: return Operation::Solve;
    default: return Operation::Inverse;
  }
}

}  // namespace

std::optional<CalcOperation> CalcOperationNamed(const QString& word) {
  for (const auto& [name, operation] : kNames) {
    if (word == QLatin1String(name)) return operation;
  }
  return std::nullopt;
}

int OperandCount(CalcOperation operation) {
  switch (operation) {
    case CalcOperation::Sum:
    case CalcOperation::Difference:
    case CalcOperation::Product:
    case CalcOperation::Solve: return 2;
    default: return 1;
  }
}

CalcResult Calculate(CalcOperation operation, const QList<QStringList>& matrix1, const QList<QStringList>& matrix2,
                     int places, CalculationMode mode, const ShownForm& form) {
  const Grid grid1 = MatrixGrid(matrix1), grid2 = MatrixGrid(matrix2);
  const MatrixSize size1 = MatrixSizeOf(matrix1), size2 = MatrixSizeOf(matrix2);
  const bool inverseView = operation == CalcOperation::Adjugate || operation == CalcOperation::Inverse;
  HandReadingGrids hand;
  MatrixCalculation calculation(hand.For({&grid1, size1, &grid2, size2, places, mode,
                                          inverseView ? std::optional(Operation::Inverse) : std::nullopt, form}));
  switch (operation) {
    case CalcOperation::Determinant: return DeterminantStrip(calculation, size1, false);
    case CalcOperation::Reciprocal: return DeterminantStrip(calculation, size1, true);
    case CalcOperation::Adjugate: return InverseView(calculation, false);
    case CalcOperation::Inverse: return InverseView(calculation, true);
    default: break;
  }
  const Operation shown = ResultOperation(operation);
  if (const auto refusal = calculation.Refusal(shown)) return Refused(*refusal);
  Grid result;
  calculation.FillResult(shown, result);
  return {MatrixRows(result), {}};
}

}  // namespace zorvel
