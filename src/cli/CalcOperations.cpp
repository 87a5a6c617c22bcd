#include "CalcOperations.h"

#include <QCoreApplication>

#include <array>
#include <utility>

#include "Cp1250.h"
#include "Determinant.h"
#include "MatrixCalculations.h"
#include "MatrixRows.h"

namespace zorvel {
namespace {

constexpr std::array<std::pair<const char*, CalcOperation>, 7> kNames{{
    {"det", CalcOperation::Determinant},
    {"reciprocal", CalcOperation::Reciprocal},
    {"adjugate", CalcOperation::Adjugate},
    {"inverse", CalcOperation::Inverse},
    {"sum", CalcOperation::Sum},
    {"difference", CalcOperation::Difference},
    {"product", CalcOperation::Product},
}};

CalcResult Refused(std::string_view message) { return {{}, FromCp1250(message)}; }

CalcResult OneCell(std::string_view text) { return {{{FromCp1250(text)}}, {}}; }

// The determinant and its reciprocal, as the strip under matrix 1 shows them.
CalcResult DeterminantStrip(const QList<QStringList>& matrix1, bool reciprocal, int places) {
  if (const auto refusal = DeterminantRefusal(MatrixSizeOf(matrix1))) return Refused(*refusal);
  const Grid grid = MatrixGrid(matrix1);
  const std::string determinant = MinorDeterminants(grid, places).Whole();
  if (!reciprocal) return OneCell(determinant);
  const std::optional<ShortText> inverted = ReciprocalOf(determinant, places);
  if (!inverted) {
    return {{}, QCoreApplication::translate("zorvel-calc",
                                            "Determinant matice je rovný nule, prevrátená hodnota neexistuje.")};
  }
  return OneCell(*inverted);
}

// The adjugate or the inverse, as the window's inverse view shows them.
CalcResult InverseView(const QList<QStringList>& matrix1, bool inverse, int places) {
  const MatrixSize size = MatrixSizeOf(matrix1);
  const Grid grid = MatrixGrid(matrix1);
  std::optional<MinorDeterminants> minors;
  std::string determinant;
  if (!DeterminantRefusal(size)) determinant = minors.emplace(grid, places).Whole();
  if (const auto refusal = InverseRefusal(size, determinant)) return Refused(*refusal);
  Grid adjugate;
  FillAdjugate(grid, size.rows, &*minors, places, adjugate);
  if (!inverse) return {MatrixRows(adjugate), {}};
  Grid result;
  FillInverse(grid, adjugate, determinant, size.rows, places, result);
  return {MatrixRows(result), {}};
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
    case CalcOperation::Product: return 2;
    default: return 1;
  }
}

CalcResult Calculate(CalcOperation operation, const QList<QStringList>& matrix1, const QList<QStringList>& matrix2,
                     int places) {
  switch (operation) {
    case CalcOperation::Determinant: return DeterminantStrip(matrix1, false, places);
    case CalcOperation::Reciprocal: return DeterminantStrip(matrix1, true, places);
    case CalcOperation::Adjugate: return InverseView(matrix1, false, places);
    case CalcOperation::Inverse: return InverseView(matrix1, true, places);
    default: break;
  }
  const MatrixSize size1 = MatrixSizeOf(matrix1), size2 = MatrixSizeOf(matrix2);
  const Grid grid1 = MatrixGrid(matrix1), grid2 = MatrixGrid(matrix2);
  Grid result;
  if (operation == CalcOperation::Product) {
    if (const auto refusal = ProductRefusal(size1, size2)) return Refused(*refusal);
    FillProduct(grid1, grid2, places, result);
  } else {
    if (const auto refusal = SumRefusal(size1, size2)) return Refused(*refusal);
    FillElementWise(grid1, grid2, size1,
                    operation == CalcOperation::Sum ? ElementWise::Sum : ElementWise::Difference, places, result);
  }
  return {MatrixRows(result), {}};
}

}  // namespace zorvel
