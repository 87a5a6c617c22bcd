#include "StepsOutput.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include "ComputationSteps.h"
#include "CoreTexts.h"
#include "Cp1250.h"
#include "HandGrids.h"
#include "MatrixRows.h"

namespace zorvel {
namespace {

QString Tr(const char* text) { return QCoreApplication::translate("zorvel-calc", text); }

StepValue ValueOf(CalcOperation operation) {
  switch (operation.value) {
    case CalcValue::Determinant: return StepValue::Determinant;
    case CalcValue::Reciprocal: return StepValue::Reciprocal;
    case CalcValue::Adjugate: return StepValue::Adjugate;
    case CalcValue::Rank:  // refused by ReadStepsOptions
    case CalcValue::Result: break;
  }
  return operation.operation == Operation::Inverse ? StepValue::Inverse : StepValue::Result;
}

void Print(Step& step, int level, int depth, const QRegularExpression* decimalComma, QString& out) {
  for (std::size_t i = 0; i < step.Count(); ++i) {
    Step& line = step.Line(i);
    QString text = ShownValueText(line.Text());
    if (decimalComma != nullptr) text.replace(*decimalComma, QStringLiteral("."));
    out += QString(2 * qsizetype{level}, u' ') + text + u'\n';
    if (level + 1 < depth && line.CanOpen()) Print(line, level + 1, depth, decimalComma, out);
  }
}

}  // namespace

QString ReadStepsOptions(bool steps, const QString& depth, const QString& cell, CalcOperation operation,
                         StepsRequest& request) {
  if (!steps)
    return depth.isEmpty() && cell.isEmpty() ? QString() : Tr("voľby --depth a --cell patria k voľbe --steps");
  request.wanted = true;
  if (operation.value == CalcValue::Rank) return Tr("postup hodnosti ukáže príkaz rref --steps --cell RIADOK,STĹPEC");
  if (!depth.isEmpty()) {
    bool number = false;
    request.depth = depth.toInt(&number);
    if (!number || request.depth < 1) return Tr("hĺbka postupu musí byť kladné celé číslo, nie „%1“").arg(depth);
  }
  const bool oneValue = operation.OneValue();
  if (cell.isEmpty()) return oneValue ? QString() : Tr("postup výsledku potrebuje bunku: --cell RIADOK,STĹPEC");
  static const QRegularExpression kCell(QStringLiteral("^\\s*(\\d+)\\s*,\\s*(\\d+)\\s*$"));
  const QRegularExpressionMatch match = kCell.match(cell);
  if (!match.hasMatch()) return Tr("bunka sa zadáva ako RIADOK,STĹPEC, nie „%1“").arg(cell);
  request.row = match.captured(1).toInt();
  request.col = match.captured(2).toInt();
  return {};
}

QString StepsText(const StepsRequest& request, CalcOperation operation, const QList<QStringList>& matrix1,
                  const QList<QStringList>& matrix2, int places, CalculationMode mode, bool point, QString& trouble,
                  const ShownForm& form) {
  const Grid grid1 = MatrixGrid(matrix1), grid2 = MatrixGrid(matrix2);
  HandReadingGrids hand;
  const StepRequest value{
      hand.For({&grid1, MatrixSizeOf(matrix1), &grid2, MatrixSizeOf(matrix2), places, mode,
                operation.value == CalcValue::Result ? std::optional(operation.operation) : std::nullopt, form}),
      ValueOf(operation), request.row, request.col};
  const std::unique_ptr<Step> steps = ComputationSteps(value);
  if (!steps) {
    trouble = Tr("bunka %1,%2 nie je vo výsledku").arg(request.row).arg(request.col);
    return {};
  }
  // A decimal comma is followed by a digit, the comma between indices by a space.
  static const QRegularExpression kDecimalComma(QStringLiteral(",(?=\\d)"));
  QString out;
  Print(*steps, 0, request.depth, point ? &kDecimalComma : nullptr, out);
  return out;
}

}  // namespace zorvel
