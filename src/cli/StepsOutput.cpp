#include "StepsOutput.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QRegularExpression>

#include <cstdint>
#include <limits>

#include "CalcTexts.h"
#include "ComputationSteps.h"
#include "CoreTexts.h"
#include "Cp1250.h"
#include "HandGrids.h"
#include "MatrixRows.h"

namespace zorvel {
namespace {

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

// Writes the lines and lets them go; false once the output has failed.
class LineWriter {
 public:
  LineWriter(QTextStream& out, const QRegularExpression* decimalComma) : out_(out), decimalComma_(decimalComma) {
    sinceFlush_.start();
  }

  bool Print(Step& step, int level, int depth) {
    for (std::size_t i = 0; i < step.Count(); ++i) {
      Step& line = step.Line(i);
      QString text = ShownValueText(line.Text());
      if (decimalComma_ != nullptr) text.replace(*decimalComma_, QStringLiteral("."));
      out_ << QString(2 * qsizetype{level}, u' ') << text << u'\n';
      if (!Flushed()) return false;
      if (level + 1 < depth && line.CanOpen() && !Print(line, level + 1, depth)) return false;
      line.Release();
    }
    return true;
  }

  bool Finish() {
    out_.flush();
    return out_.status() == QTextStream::Ok;
  }

 private:
  // The first line and then a few times a second, so that a reader sees
  // lines as they come and a closed output is noticed soon.
  bool Flushed() {
    constexpr qint64 kFlushMilliseconds = 50;
    if (written_++ > 0 && sinceFlush_.elapsed() < kFlushMilliseconds) return true;
    sinceFlush_.restart();
    return Finish();
  }

  QTextStream& out_;
  const QRegularExpression* decimalComma_;
  QElapsedTimer sinceFlush_;
  std::uint64_t written_ = 0;
};

// --method's value, or why it is none: first-column, row:N, column:N (N
// from 1; column:1 is the first column) or elimination.
QString ReadMethod(const QString& method, CalcOperation operation, StepMethod& read) {
  const bool determinant = operation.value == CalcValue::Determinant || operation.value == CalcValue::Reciprocal;
  const bool inverse = operation.value == CalcValue::Result && operation.operation == Operation::Inverse;
  if (!determinant && !inverse) return Tr("postup podľa --method sa dá zvoliť len pre det, reciprocal a inverse");
  static const QRegularExpression kMethod(QStringLiteral("^(first-column|elimination|(row|column):(\\d+))$"));
  const QRegularExpressionMatch match = kMethod.match(method);
  const int line = match.captured(3).toInt();
  if (!match.hasMatch() || (!match.captured(2).isEmpty() && line < 1)) {
    return Tr("postup musí byť first-column, row:N, column:N alebo elimination, nie „%1“").arg(method);
  }
  if (match.captured(1) == QLatin1String("elimination")) {
    read = {StepMethod::Kind::Elimination};
  } else if (match.captured(2) == QLatin1String("row")) {
    read = {StepMethod::Kind::Row, line};
  } else if (match.captured(2) == QLatin1String("column") && line > 1) {
    read = {StepMethod::Kind::Column, line};
  }
  return {};
}

}  // namespace

QString ReadStepsOptions(bool steps, const QString& depth, const QString& cell, CalcOperation operation,
                         StepsRequest& request, const QString& method) {
  if (!steps && !method.isEmpty()) return Tr("voľba --method patrí k voľbe --steps");
  if (!steps)
    return depth.isEmpty() && cell.isEmpty() ? QString() : Tr("voľby --depth a --cell patria k voľbe --steps");
  request.wanted = true;
  if (!method.isEmpty()) {
    QString trouble = ReadMethod(method, operation, request.method);
    if (!trouble.isEmpty()) return trouble;
  }
  if (operation.value == CalcValue::Rank) return Tr("postup hodnosti ukáže príkaz rref --steps --cell RIADOK,STĹPEC");
  if (!depth.isEmpty()) {
    bool number = false;
    request.depth = depth.toInt(&number);
    if (!number || request.depth < 1) return Tr("hĺbka postupu musí byť kladné celé číslo, nie „%1“").arg(depth);
  }
  const bool oneValue = operation.OneValue();
  const bool system = operation.value == CalcValue::Result && operation.operation == Operation::Solve;
  if (cell.isEmpty() && system) request.whole = true;
  if (cell.isEmpty())
    return oneValue || system ? QString() : Tr("postup výsledku potrebuje bunku: --cell RIADOK,STĹPEC");
  static const QRegularExpression kCell(QStringLiteral("^\\s*(\\d+)\\s*,\\s*(\\d+)\\s*$"));
  const QRegularExpressionMatch match = kCell.match(cell);
  if (!match.hasMatch()) return Tr("bunka sa zadáva ako RIADOK,STĹPEC, nie „%1“").arg(cell);
  // A number too large for an int is outside every result, and is named
  // as it was typed.
  bool fits = false;
  request.row = match.captured(1).toInt(&fits);
  if (!fits) request.row = std::numeric_limits<int>::max();
  request.col = match.captured(2).toInt(&fits);
  if (!fits) request.col = std::numeric_limits<int>::max();
  request.typedRow = match.captured(1);
  request.typedCol = match.captured(2);
  return {};
}

QString MethodLineTrouble(const StepsRequest& request, int n) {
  if (!request.method.AlongLine() || request.method.line <= n) return {};
  const bool row = request.method.kind == StepMethod::Kind::Row;
  return (row ? Tr("matica %2 × %2 nemá %1. riadok") : Tr("matica %2 × %2 nemá %1. stĺpec"))
      .arg(request.method.line)
      .arg(n);
}

StepsEnd WriteSteps(const StepsRequest& request, CalcOperation operation, const QList<QStringList>& matrix1,
                    const QList<QStringList>& matrix2, int places, CalculationMode mode, bool point, QTextStream& out,
                    QTextStream& err, const ShownForm& form) {
  if (!MethodLineTrouble(request, static_cast<int>(matrix1.size())).isEmpty()) return StepsEnd::NoSuchLine;
  const Grid grid1 = MatrixGrid(matrix1), grid2 = MatrixGrid(matrix2);
  HandReadingGrids hand;
  const StepRequest value{
      hand.For({&grid1, MatrixSizeOf(matrix1), &grid2, MatrixSizeOf(matrix2), places, mode,
                operation.value == CalcValue::Result ? std::optional(operation.operation) : std::nullopt, form}),
      ValueOf(operation),
      request.row,
      request.col,
      request.method,
      request.whole};
  const std::unique_ptr<Step> steps = ComputationSteps(value);
  if (!steps) return request.whole ? StepsEnd::NoWholeSystem : StepsEnd::NotInResult;
  constexpr std::uint64_t kManyLines = 1'000'000;
  const std::uint64_t lines = steps->LinesBelow(request.depth);
  if (lines > kManyLines) {
    err << QStringLiteral("zorvel-calc: ")
        << Tr("postup do hĺbky %1 má %2 riadkov")
               .arg(request.depth)
               .arg(QLocale(QLocale::Slovak).toString(static_cast<qulonglong>(lines)))
        << u'\n';
    err.flush();
  }
  // A decimal comma is followed by a digit, the comma between indices by a space.
  static const QRegularExpression kDecimalComma(QStringLiteral(",(?=\\d)"));
  LineWriter writer(out, point ? &kDecimalComma : nullptr);
  if (!writer.Print(*steps, 0, request.depth) || !writer.Finish()) return StepsEnd::OutputFailed;
  return StepsEnd::Written;
}

}  // namespace zorvel
