#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "CalculationKinds.h"
#include "ShownForm.h"

namespace zorvel {

// What zorvel-calc computes: the determinant strip and the results of the
// window's calculation area, as the window writes them.
enum class CalcOperation { Determinant, Reciprocal, Adjugate, Inverse, Sum, Difference, Product, Solve };

// The operation a command-line word names (det, reciprocal, adjugate,
// inverse, sum, difference, product, solve), if any.
std::optional<CalcOperation> CalcOperationNamed(const QString& word);

// How many matrices the operation takes: 1 or 2.
int OperandCount(CalcOperation operation);

struct CalcResult {
  QList<QStringList> rows;  // the data cells; one cell for a determinant
  QString refusal;          // why the result cannot be shown; empty when it is
};

// Computes the operation on matrices of at least one cell (the second one
// only for two operands) at `places`, by hand or exactly. A floating-point
// error of the arithmetic propagates as FloatError.
CalcResult Calculate(CalcOperation operation, const QList<QStringList>& matrix1, const QList<QStringList>& matrix2,
                     int places, CalculationMode mode, const ShownForm& form = {});

}  // namespace zorvel
