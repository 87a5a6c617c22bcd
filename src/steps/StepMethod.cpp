#include "StepMethod.h"

#include <algorithm>

#include "ComplexText.h"

namespace zorvel {

std::vector<StepMethod> OfferedMethods(const Grid& grid, int n) {
  const auto zero = [&grid](int row, int col) {
    return IsZeroComplex(grid.Cells(grid.FixedCols() + col - 1, grid.FixedRows() + row - 1));
  };
  std::vector<std::pair<int, StepMethod>> lines;  // zeros, line
  for (int i = 1; i <= n; ++i) {
    int zeros = 0;
    for (int j = 1; j <= n; ++j) zeros += zero(i, j) ? 1 : 0;
    lines.push_back({zeros, {StepMethod::Kind::Row, i}});
  }
  for (int j = 2; j <= n; ++j) {  // column 1 is the first entry already
    int zeros = 0;
    for (int i = 1; i <= n; ++i) zeros += zero(i, j) ? 1 : 0;
    lines.push_back({zeros, {StepMethod::Kind::Column, j}});
  }
  std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  std::vector<StepMethod> methods{StepMethod{}};
  for (const auto& line : lines) methods.push_back(line.second);
  methods.push_back({StepMethod::Kind::Elimination});
  return methods;
}

void AddShownResult(Step& step, const std::string& own, const std::string& shown) {
  // "iným postupom: ...; zobrazený výsledok: ..."
  if (own != shown) step.Add("in\xFDm postupom: " + own + "; zobrazen\xFD v\xFDsledok: " + shown);
  step.Add(shown);
}

}  // namespace zorvel
