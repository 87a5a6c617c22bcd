// A determinant by elimination, as courses teach it: the matrix brought to
// upper triangular form by row operations, which keep the determinant but
// for the sign of each swap; the determinant is then the signed product of
// the diagonal, the pivots.
#include "ComplexText.h"
#include "Determinant.h"
#include "ExactEntries.h"
#include "MethodSteps.h"
#include "Reductions.h"
#include "RowOperationSteps.h"
#include "StepMethod.h"
#include "StepTexts.h"
#include "Triangulation.h"

namespace zorvel {
namespace {

// One line per row operation, each opening into the matrix after it with
// the pivot marked; the matrices are worked out only when opened.
template <class Arithmetic, class Write>
void AddTriangulationLines(Step& step, std::vector<typename Arithmetic::Value> start, int n,
                           const Arithmetic& arithmetic, Write write,
                           const Triangular<typename Arithmetic::Value>& triangular) {
  using Kind = typename RowOperation<typename Arithmetic::Value>::Kind;
  const auto shared = std::make_shared<const std::vector<typename Arithmetic::Value>>(std::move(start));
  for (std::size_t i = 0; i < triangular.log.size(); ++i) {
    const auto& operation = triangular.log[i];
    std::string text = operation.kind == Kind::Swap
                           ? SwapLine(operation.target, operation.source)
                           : SubtractLine(operation.target, write(operation.factor), operation.source);
    step.Add(std::move(text), [shared, n, arithmetic, write, i, pivotRow = operation.pivotRow,
                               pivotCol = operation.pivotCol](Step& matrix) {
      const auto after = Triangulate(*shared, n, arithmetic, i + 1);
      for (int r = 0; r < n; ++r) {
        std::vector<std::string> entries;
        entries.reserve(static_cast<std::size_t>(n));
        for (int c = 0; c < n; ++c) entries.push_back(write(after.At(r, c)));
        matrix.Add(MatrixRowLine(r, entries, r == pivotRow ? pivotCol : -1, n));
      }
    });
  }
}

// "det = (-1)^1 · u(1, 1) · u(2, 2)": the diagonal entries that decide it.
std::string ProductLine(int swaps, int factors) {
  std::string line = "det = (-1)^" + std::to_string(swaps);
  for (int k = 1; k <= factors; ++k) {
    line += kTimes;
    line += ElementName("u", k, k);
  }
  return line;
}

// The signed product, one multiplication a line from the sign on; gives it.
template <class Arithmetic, class Write>
typename Arithmetic::Value AddProduct(Step& step, const Triangular<typename Arithmetic::Value>& triangular,
                                      typename Arithmetic::Value product, const Arithmetic& arithmetic, Write write) {
  step.Add(ProductLine(triangular.swaps, triangular.Factors()));
  for (int k = 0; k < triangular.Factors(); ++k) {
    const auto& pivot = triangular.At(k, k);
    auto next = arithmetic.Mul(product, pivot);
    std::string line = Operand(write(product));
    line += kTimes;
    line += Operand(write(pivot)) + " = " + write(next);
    step.Add(std::move(line));
    product = std::move(next);
  }
  return product;
}

}  // namespace

void AddEliminationDeterminantSteps(Step& step, const SubMatrix& m, int places) {
  const int n = m.Size();
  std::vector<std::string> cells;  // each written once to the places, as the row reduction starts
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      const Complex value = ParseComplex(m.Element(i, j));
      cells.push_back(FormatComplex(places, value.re, value.im).str());
    }
  }
  const HandRowArithmetic arithmetic{places};
  const auto same = [](const std::string& v) { return v; };
  const Triangular<std::string> triangular = Triangulate(cells, n, arithmetic);
  AddTriangulationLines(step, cells, n, arithmetic, same, triangular);
  const std::string sign = triangular.swaps % 2 == 0 ? "1" : "-1";
  const std::string own = AddProduct(step, triangular, sign, arithmetic, same);
  MinorDeterminants calculation(m.AsGrid(), places);
  AddShownResult(step, own, calculation.Whole());
}

ExactComplex AddExactEliminationDeterminant(Step& step, const ExactMatrix& a) {
  const ExactRowArithmetic arithmetic;
  const auto write = [](const ExactComplex& v) { return WriteExactEntry(v, 0, EntryUse::Step); };
  const Triangular<ExactComplex> triangular = Triangulate(a.cells, a.rows, arithmetic);
  AddTriangulationLines(step, a.cells, a.rows, arithmetic, write, triangular);
  const ExactComplex sign{triangular.swaps % 2 == 0 ? 1 : -1, 0, false};
  return AddProduct(step, triangular, sign, arithmetic, write);
}

}  // namespace zorvel
