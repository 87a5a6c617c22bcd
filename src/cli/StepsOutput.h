#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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
};

// Reads the four options (`depth`, `cell` and `method` empty when not
// given) for the operation; gives why they cannot be used, or an empty
// text. The method (first-column, row:N, column:N, elimination) is for the
// determinant, its reciprocal and the inverse.
QString ReadStepsOptions(bool steps, const QString& depth, const QString& cell, CalcOperation operation,
                         StepsRequest& request, const QString& method = {});

// Why the method's row or column is not in an n x n matrix, or an empty text.
QString MethodLineTrouble(const StepsRequest& request, int n);

// The steps of the operation's value (the determinant, its reciprocal or the
// result's cell), one line each, every level below the first indented by
// two more spaces; with `point` every decimal comma is a point. `trouble`
// says why there are none (a cell outside the result).
QString StepsText(const StepsRequest& request, CalcOperation operation, const QList<QStringList>& matrix1,
                  const QList<QStringList>& matrix2, int places, CalculationMode mode, bool point, QString& trouble,
                  const ShownForm& form = {});

}  // namespace zorvel
