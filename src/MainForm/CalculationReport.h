#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace zorvel {

class TMain;

// One line of the steps as the steps panel shows them: how deep it stands
// in the tree (0 for the first level) and its text.
using StepLine = QPair<int, QString>;

// The calculation on screen as one HTML page: both matrices (the second when
// the operation takes it), the operation, the places and the mode, the
// determinant strip, the result as shown, and the steps given.
QString CalculationReportHtml(const TMain& window, const QList<StepLine>& steps);

}  // namespace zorvel
