#include "LiteralDeterminant.h"

#include <memory>

#include "ComplexArithmetic.h"
#include "ComplexText.h"
#include "GridOps.h"
#include "MessageDisplay.h"
#include "NumberText.h"

namespace zorvel::testing {

std::string LiteralGridDeterminant(const Grid& grid, int places) {
  std::string result = "0";
  const int fc = grid.FixedCols();
  const int fr = grid.FixedRows();
  const int nr = grid.RowCount() - fr;
  const int nc = grid.ColCount() - fc;
  if (nr != nc || nr <= 0) {
    ShowMessage("Determinant zo zadanej matice nie je mo\x9En\xE9 vypo\xE8\xEDta\x9D.");
    return result;
  }
  if (fc != fr) {
    ShowMessage(
        "Po\xE8"
        "et fixovan\xFD"
        "ch buniek hore mus\xED by\x9D rovnak\xFD ako v\xBE"
        "avo!");
    return result;
  }
  const int n = nr;
  const auto a = [&](int i, int j) -> std::string { return grid.Cells(fc + j - 1, fr + i - 1); };
  if (n == 1) {  // the element's value, written
    const Complex value = ParseComplex(a(1, 1));
    return FormatComplex(places, value.re, value.im).str();
  }
  if (n == 2) {
    const std::string t1(ComplexMul(a(2, 1), a(1, 2), places));
    const std::string t2(ComplexMul(a(1, 1), a(2, 2), places));
    return ComplexSub(t2, t1, places).str();
  }
  std::string s = "0";
  if (n == 3) {
    for (int k = 0; k <= 2; ++k) {
      // P has no factor yet until the first element is taken as its text: a
      // flag, never a text that a cell could hold.
      std::string p;
      bool noFactorYet = true;
      const auto take = [&](const std::string& element) {
        if (noFactorYet) {
          p = element;
          noFactorYet = false;
        } else {
          p = ComplexMul(p, element, places).str();
        }
      };
      for (int j = 0; j <= 2 - k; ++j) take(a(k + 1 + j, 1 + j));
      for (int m = 0; m <= k - 1; ++m) take(a(1 + m, 4 - k + m));
      s = ComplexAdd(s, p, places).str();
      noFactorYet = true;
      for (int e = 3; e >= k + 1; --e) take(a(4 - e + k, e));
      for (int m = 0; m <= k - 1; ++m) take(a(k - m, 1 + m));
      s = ComplexSub(s, p, places).str();
    }
    return s;
  }
  auto scratch = std::make_unique<Grid>();
  for (int i = 1; i <= n; ++i) {
    CopyGrid(grid, *scratch, false);
    DeleteRow(*scratch, fr + i - 1);
    DeleteCol(*scratch, fc);
    std::string p = a(i, 1);
    const std::string sign = RealToDigits(PowerOf(i + 1, -1));
    p = ComplexMul(p, sign, places).str();
    const std::string m = LiteralGridDeterminant(*scratch, places);
    p = ComplexMul(p, m, places).str();
    s = ComplexAdd(s, p, places).str();
  }
  return s;
}

}  // namespace zorvel::testing
