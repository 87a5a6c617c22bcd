#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

#include "CalculationKinds.h"
#include "ShownForm.h"

namespace zorvel {

// What zorvel-calc computes: a value of the determinant strip, the adjugate
// of the inverse view, or the result of one of the window's operations
// (OperationList.h; the inverse view's is the inverse).
enum class CalcValue { Determinant, Reciprocal, Adjugate, Rank, Result };
struct CalcOperation {
  CalcValue value = CalcValue::Determinant;
  Operation operation = Operation::Inverse;  // for Result

  [[nodiscard]] bool OneValue() const { return value != CalcValue::Adjugate && value != CalcValue::Result; }
};

// The operation a command-line word names (det, reciprocal, adjugate, and
// each operation's own verb: inverse, sum, difference, product, solve, ...),
// if any.
std::optional<CalcOperation> CalcOperationNamed(const QString& word);

// How many matrices the operation takes: 1 or 2; and whether it takes a
// second one beside the first ([A | B]) when given.
int OperandCount(CalcOperation operation);
bool TakesMatrixBeside(CalcOperation operation);

struct CalcResult {
  QList<QStringList> rows;  // the data cells; one cell for a determinant
  QString refusal;          // why the result cannot be shown; empty when it is
  QStringList header;       // the columns' names where they are not numbers (x₀, v₁, ...)
};

// Computes the operation on matrices of at least one cell (the second one
// only for two operands) at `places`, by hand or exactly. A floating-point
// error of the arithmetic propagates as FloatError.
CalcResult Calculate(CalcOperation operation, const QList<QStringList>& matrix1, const QList<QStringList>& matrix2,
                     int places, CalculationMode mode, const ShownForm& form = {});

}  // namespace zorvel
