#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "CalcOperations.h"

namespace zorvel {

// What --steps, --depth N and --cell ROW,COL ask for.
struct StepsRequest {
  bool wanted = false;
  int depth = 1;  // levels printed: 1 is the first level alone
  int row = 1;
  int col = 1;
  // The cell's row and column as typed, for the messages that name it.
  QString typedRow = QStringLiteral("1");
  QString typedCol = QStringLiteral("1");
};

// Reads the three options (`depth` and `cell` empty when not given) for the
// operation; gives why they cannot be used, or an empty text.
QString ReadStepsOptions(bool steps, const QString& depth, const QString& cell, CalcOperation operation,
                         StepsRequest& request);

// How a writing of the steps ended.
enum class StepsEnd {
  Written,
  NotInResult,   // the cell is outside the result
  OutputFailed,  // the output stopped taking lines (a closed pipe, a full disk)
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
