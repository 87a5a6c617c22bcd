#include "DeterminantSteps.h"

#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "Determinant.h"
#include "NumberText.h"
#include "StepTexts.h"

namespace zorvel {

const std::string& SubMatrix::Element(int i, int j) const {
  return source->Cells(source->FixedCols() + cols[j - 1] - 1, source->FixedRows() + rows[i - 1] - 1);
}

std::string SubMatrix::ElementName(int i, int j) const { return zorvel::ElementName(name, rows[i - 1], cols[j - 1]); }

SubMatrix SubMatrix::Without(int i, int j) const {
  SubMatrix minor{source, rows, cols, name};
  minor.rows.erase(minor.rows.begin() + (i - 1));
  minor.cols.erase(minor.cols.begin() + (j - 1));
  return minor;
}

Grid SubMatrix::AsGrid() const {
  Grid grid;
  grid.SetColCount(Size() + 1);
  grid.SetRowCount(Size() + 1);
  for (int i = 1; i <= Size(); ++i) {
    for (int j = 1; j <= Size(); ++j) grid.SetCells(j, i, Element(i, j));
  }
  return grid;
}

SubMatrix WholeMatrix(const Grid& grid, int n, std::string name) {
  SubMatrix matrix{std::make_shared<const Grid>(grid), {}, {}, std::move(name)};
  for (int k = 1; k <= n; ++k) {
    matrix.rows.push_back(k);
    matrix.cols.push_back(k);
  }
  return matrix;
}

std::string DeterminantText(const SubMatrix& matrix, int places) { return GridDeterminant(matrix.AsGrid(), places); }

Step::Opener DeterminantOpener(SubMatrix matrix, int places) {
  return [matrix = std::move(matrix), places](Step& step) { AddDeterminantSteps(step, matrix, places); };
}

std::uint64_t DeterminantLines(int n, int levels) {
  if (levels <= 0) return 0;
  switch (n) {
    case 1: return 2;  // the element, the result
    case 2: return 4;  // two products, their difference, the result
    case 3: return 7;  // six products, the result
    default:           // a term per row, each opening into its minor, the sum
      return static_cast<std::uint64_t>(n) * (1 + DeterminantLines(n - 1, levels - 1)) + 1;
  }
}

Step& AddDeterminantLine(Step& step, std::string text, const SubMatrix& matrix, int places) {
  const int n = matrix.Size();
  return step.Add(std::move(text), DeterminantOpener(matrix, places)).SetLinesBelow([n](int levels) {
    return DeterminantLines(n, levels);
  });
}

void AddExpansionTerm(Step& step, const SubMatrix& m, MinorDeterminants& minors, int i, int j, int places,
                      ShortText& sum) {
  const std::string& element = m.Element(i, j);
  const bool negative = (i + j) % 2 != 0;
  const ShortText signedElement = ComplexMul(element, RealToDigits(PowerOf(i + j, -1)), places);
  const std::string minor = minors.Minor(i, j);
  const ShortText term = ComplexMul(signedElement, minor, places);
  const ShortText next = ComplexAdd(sum, term, places);
  const std::string name = m.ElementName(i, j);
  std::string line = name;
  line += " = " + Operand(element) + ";  " + Operand(element);
  line += kTimes;
  line += SignFactor(negative) + " = " + signedElement.str() + ";  M" + name.substr(m.name.size());
  line += " = " + minor + ";  " + Operand(signedElement);
  line += kTimes;
  line += Operand(minor) + " = " + term.str() + ";  S = " + Operand(sum) + " + " + Operand(term) + " = " + next.str();
  AddDeterminantLine(step, std::move(line), m.Without(i, j), places);
  sum = next;
}

namespace {

void OneByOne(Step& step, const SubMatrix& m, int places) {
  const Complex value = ParseComplex(m.Element(1, 1));
  step.Add(m.ElementName(1, 1) + " = " + Operand(m.Element(1, 1)));
  step.Add(FormatComplex(places, value.re, value.im).str());
}

void TwoByTwo(Step& step, const SubMatrix& m, int places) {
  const ShortText t1 = ComplexMul(m.Element(2, 1), m.Element(1, 2), places);
  step.Add(m.ElementName(2, 1) + "\xB7" + m.ElementName(1, 2) + " = " + Operand(m.Element(2, 1)) + std::string(kTimes) +
           Operand(m.Element(1, 2)) + " = " + t1.str());
  const ShortText t2 = ComplexMul(m.Element(1, 1), m.Element(2, 2), places);
  step.Add(m.ElementName(1, 1) + "\xB7" + m.ElementName(2, 2) + " = " + Operand(m.Element(1, 1)) + std::string(kTimes) +
           Operand(m.Element(2, 2)) + " = " + t2.str());
  const ShortText result = ComplexSub(t2, t1, places);
  step.Add(Operand(t2) + " - " + Operand(t1) + " = " + result.str());
  step.Add(result.str());
}

// The rule of Sarrus: the products down the diagonals added, up the
// anti-diagonals subtracted, each product starting from its first element's
// text and rounded after every factor.
void Sarrus(Step& step, const SubMatrix& m, int places) {
  static constexpr int kDiagonals[6][3][2] = {
      {{1, 1}, {2, 2}, {3, 3}}, {{1, 3}, {2, 2}, {3, 1}},  //
      {{2, 1}, {3, 2}, {1, 3}}, {{2, 3}, {3, 2}, {1, 1}},  //
      {{3, 1}, {1, 2}, {2, 3}}, {{3, 3}, {2, 1}, {1, 2}},
  };
  ShortText sum("0");
  for (int d = 0; d < 6; ++d) {
    const auto& diagonal = kDiagonals[d];
    const bool add = d % 2 == 0;
    std::string line = add ? "+ " : "- ";
    for (int f = 0; f < 3; ++f) line += (f > 0 ? "\xB7" : "") + m.ElementName(diagonal[f][0], diagonal[f][1]);
    line += ":  ";
    std::string product = m.Element(diagonal[0][0], diagonal[0][1]);
    for (int f = 1; f < 3; ++f) {
      const std::string& factor = m.Element(diagonal[f][0], diagonal[f][1]);
      const std::string next = ComplexMul(product, factor, places).str();
      line += Operand(product) + std::string(kTimes) + Operand(factor) + " = " + next + ";  ";
      product = next;
    }
    const ShortText next = add ? ComplexAdd(sum, product, places) : ComplexSub(sum, product, places);
    line += "S = " + Operand(sum) + (add ? " + " : " - ") + Operand(product) + " = " + next.str();
    step.Add(std::move(line));
    sum = next;
  }
  step.Add(sum.str());
}

// Along the first column.
void Expansion(Step& step, const SubMatrix& m, int places) {
  MinorDeterminants minors(m.AsGrid(), places);
  ShortText sum("0");
  for (int i = 1; i <= m.Size(); ++i) AddExpansionTerm(step, m, minors, i, 1, places, sum);
  step.Add(sum.str());
}

}  // namespace

void AddDeterminantSteps(Step& step, const SubMatrix& matrix, int places) {
  switch (matrix.Size()) {
    case 1: OneByOne(step, matrix, places); return;
    case 2: TwoByTwo(step, matrix, places); return;
    case 3: Sarrus(step, matrix, places); return;
    default: Expansion(step, matrix, places); return;
  }
}

}  // namespace zorvel
