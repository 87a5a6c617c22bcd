// The exact determinant expanded along a chosen row or column: each element
// times its sign and its minor's exact determinant, added up.
#include "ExactEntries.h"
#include "ExactGrids.h"
#include "MethodSteps.h"
#include "Reductions.h"
#include "StepTexts.h"

namespace zorvel {
namespace {

// The matrix without its row `row` and column `col` (counted from 0).
ExactMatrix Without(const ExactMatrix& a, int row, int col) {
  ExactMatrix minor{a.rows - 1, a.cols - 1, {}};
  for (int r = 0; r < a.rows; ++r) {
    for (int c = 0; c < a.cols; ++c) {
      if (r != row && c != col) minor.cells.push_back(a.At(r, c));
    }
  }
  return minor;
}

}  // namespace

ExactComplex AddExactLineExpansion(Step& step, const ExactMatrix& a, StepMethod line) {
  const auto write = [](const ExactComplex& v) { return WriteExactEntry(v, 0, EntryUse::Step); };
  if (a.rows == 1) {
    step.Add(ElementName("a", 1, 1) + " = " + write(a.At(0, 0)));
    return a.At(0, 0);
  }
  const ExactRowArithmetic arithmetic;
  const bool alongRow = line.kind == StepMethod::Kind::Row;
  ExactComplex sum{0, 0, false};
  for (int k = 1; k <= a.rows; ++k) {
    const int i = alongRow ? line.line : k;
    const int j = alongRow ? k : line.line;
    const ExactComplex& element = a.At(i - 1, j - 1);
    const ExactComplex minor = ExactComplexOf(InvertExactly(Without(a, i - 1, j - 1), false).determinant);
    const bool negative = (i + j) % 2 != 0;
    const ExactComplex sign{negative ? -1 : 1, 0, false};
    const ExactComplex term = arithmetic.Mul(arithmetic.Mul(sign, element), minor);
    const ExactComplex next = arithmetic.Sub(sum, arithmetic.Sub({0, 0, false}, term));
    std::string text = ElementName("a", i, j) + " = " + write(element) + ";  ";
    text += ElementName("M", i, j) + " = " + write(minor) + ";  " + SignFactor(negative);
    text += kTimes;
    text += Operand(write(element));
    text += kTimes;
    text += Operand(write(minor)) + " = " + write(term) + ";  S = " + Operand(write(sum)) + " + " +
            Operand(write(term)) + " = " + write(next);
    step.Add(std::move(text));
    sum = next;
  }
  return sum;
}

}  // namespace zorvel
