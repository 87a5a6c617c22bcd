// A cell of the inverse by Gauss-Jordan elimination on [A | E]: once the
// left half is the unit matrix, the right half is the inverse.
#include "ComplexText.h"
#include "ExactEntries.h"
#include "MethodSteps.h"
#include "Reductions.h"
#include "RowOperationSteps.h"
#include "StepParts.h"
#include "StepTexts.h"

namespace zorvel {
namespace {

// [A | E] row by row, A's entries as `entry` gives them.
template <class Value, class Entry>
std::vector<Value> WithUnitBeside(int n, Entry entry, const Value& zero, const Value& one) {
  std::vector<Value> cells;
  cells.reserve(2 * static_cast<std::size_t>(n) * static_cast<std::size_t>(n));
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) cells.push_back(entry(r, c));
    for (int c = 0; c < n; ++c) cells.push_back(c == r ? one : zero);
  }
  return cells;
}

}  // namespace

std::unique_ptr<Step> GaussJordanInverseSteps(const StepRequest& r, Step& shown) {
  const int n = r.size1.rows;
  const std::string name = ElementName("inv", r.row, r.col);
  const std::string readOff = ElementName("r", r.row, n + r.col) + " = ";
  if (r.mode == CalculationMode::Exact) {
    ExactWork work(r);
    const ExactMatrix& a = work.Matrix1();
    const auto write = [](const ExactComplex& v) { return WriteExactEntry(v, 0, EntryUse::Step); };
    const std::vector<ExactComplex> start = WithUnitBeside<ExactComplex>(
        n, [&a](int row, int col) { return a.At(row, col); }, {0, 0, false}, {1, 0, false});
    const ExactReduced reduced = ReduceRows(start, n, 2 * n, ExactRowArithmetic{});
    auto root = std::make_unique<Step>(name);
    AddRowOperationLines(*root, start, n, 2 * n, n, ExactRowArithmetic{}, write, reduced.log);
    const ExactComplex& value = reduced.At(r.row - 1, n + r.col - 1);
    root->Add(readOff + write(value));
    AddExactEnding(*root, name, ExactValueOfEntry(value), r.places, r.form);
    return root;
  }
  const std::string shownText = shown.Line(shown.Count() - 1).Text();
  return HandStepsOf(name, [&](Step& step) {
    const std::vector<std::string> start = WithUnitBeside<std::string>(
        n,
        [&r](int row, int col) {  // each written once to the places, as the row reduction starts
          const Complex value = ParseComplex(DataCell(*r.matrix1, row + 1, col + 1));
          return FormatComplex(r.places, value.re, value.im).str();
        },
        "0", "1");
    const HandRowArithmetic arithmetic{r.places};
    const HandReduced reduced = ReduceRows(start, n, 2 * n, arithmetic);
    AddRowOperationLines(
        step, start, n, 2 * n, n, arithmetic, [](const std::string& v) { return v; }, reduced.log);
    const std::string& own = reduced.At(r.row - 1, n + r.col - 1);
    step.Add(readOff + own);
    AddShownResult(step, own, shownText);
  });
}

}  // namespace zorvel
