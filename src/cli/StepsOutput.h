#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "CalcOperations.h"
#include "StepMethod.h"

namespace zorvel {

// What --steps, --depth N, --cell ROW,COL and --method ask for.
struct StepsRequest {
  bool wanted = false;
  int depth = 1;  // levels printed: 1 is the first level alone
  int row = 1;
  int col = 1;
  StepMethod method;
  bool whole = false;  // a system's whole steps: solve without --cell
  // The cell's row and column as typed, for the messages that name it.
  QString typedRow = QStringLiteral("1");
  QString typedCol = QStringLiteral("1");
};

// Reads the four options (`depth`, `cell` and `method` empty when not
// given) for the operation; gives why they cannot be used, or an empty
// text. The method (first-column, row:N, column:N, elimination) is for the
// determinant, its reciprocal and the inverse.
QString ReadStepsOptions(bool steps, const QString& depth, const QString& cell, CalcOperation operation,
                         StepsRequest& request, const QString& method = {});

// Why the method's row or column is not in an n x n matrix, or an empty text.
QString MethodLineTrouble(const StepsRequest& request, int n);

// How a writing of the steps ended.
enum class StepsEnd {
  Written,
  NotInResult,    // the cell is outside the result
  NoSuchLine,     // --method names a row or column the matrix does not have
  NoWholeSystem,  // solve without --cell, for a system not solved by Cramer's rule by hand
  OutputFailed,   // the output stopped taking lines (a closed pipe, a full disk)
};

// Writes the steps of the operation's value (the determinant, its reciprocal
// or the result's cell) to `out` as they are worked out, one line each, every
// level below the first indented by two more spaces; with `point` every
// decimal comma is a point. The lines are let go once written, so memory
// does not grow with their number, and flushed often, so the first come at
// once. Before a writing of more than a million lines, `err` says how many.
// Results are in the form `form`.
StepsEnd WriteSteps(const StepsRequest& request, CalcOperation operation, const QList<QStringList>& matrix1,
                    const QList<QStringList>& matrix2, int places, CalculationMode mode, bool point, QTextStream& out,
                    QTextStream& err, const ShownForm& form = {});

}  // namespace zorvel
