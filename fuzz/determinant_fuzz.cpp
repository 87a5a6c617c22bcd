// Bytes as a square matrix: the first byte gives the size (1 to 10), the
// second the places (2 to 9), and the rest, split at newlines, the cell texts
// row by row (missing cells are empty). GridDeterminant, the shared memo's
// Whole and every one of its Minors must give what a fresh computation gives,
// errors included (the same kind of floating-point error, or the same text),
// and the grid must stay unchanged. The fresh computation is the literal
// expansion up to 6 rows; above, where that takes too long, a fresh shared
// computation of the minor on its own grid.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "Determinant.h"
#include "FloatError.h"
#include "Grid.h"
#include "GridOps.h"
#include "LiteralDeterminant.h"
#include "MessageDisplay.h"

#ifdef NDEBUG
#error "the fuzz targets need the asserts of the libraries they test"
#endif

namespace {

using namespace zorvel;

constexpr int kLiteralUpTo = 6;

// No grid here is one the determinant refuses, so no message may come.
class NoMessages : public MessageDisplay {
 public:
  void ShowMessage(std::string_view) override { std::abort(); }
};

// A text, or the kind of the floating-point error that ended its computation.
struct Outcome {
  bool failed = false;
  FloatError::Kind kind{};
  std::string text;
  bool operator==(const Outcome&) const = default;
};

template <typename F>
Outcome Compute(F&& compute) {
  Outcome outcome;
  try {
    outcome.text = compute();
  } catch (const FloatError& e) {
    outcome.failed = true;
    outcome.kind = e.kind();
  }
  return outcome;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

Outcome Fresh(const Grid& grid, int places) {
  const int n = grid.RowCount() - grid.FixedRows();
  if (n <= kLiteralUpTo) return Compute([&] { return testing::LiteralGridDeterminant(grid, places); });
  return Compute([&] { return GridDeterminant(grid, places); });
}

Grid MinorGrid(const Grid& grid, int row, int col) {
  Grid minor;
  CopyGrid(grid, minor, false);
  DeleteRow(minor, row);
  DeleteCol(minor, col);
  return minor;
}

bool SameCells(const Grid& a, const Grid& b) {
  if (a.RowCount() != b.RowCount() || a.ColCount() != b.ColCount() || a.FixedRows() != b.FixedRows() ||
      a.FixedCols() != b.FixedCols()) {
    return false;
  }
  for (int r = 0; r < a.RowCount(); ++r) {
    for (int c = 0; c < a.ColCount(); ++c) {
      if (a.Cells(c, r) != b.Cells(c, r)) return false;
    }
  }
  return true;
}

// The shared memo against fresh computations, asked in an order the input
// chooses: the whole first or last, so that minors are met both in a memo
// that the whole filled and in one that an error may have left half full.
void CheckMemo(const Grid& grid, int places, bool wholeFirst) {
  const int n = grid.RowCount() - grid.FixedRows();
  MinorDeterminants minors(grid, places);
  Check(minors.Size() == n);
  const Outcome whole = Fresh(grid, places);
  if (wholeFirst) Check(Compute([&] { return minors.Whole(); }) == whole);
  if (n >= 2) {
    for (int row = 1; row <= n; ++row) {
      for (int col = 1; col <= n; ++col) {
        const Outcome shared = Compute([&] { return minors.Minor(row, col); });
        // Above the literal's reach a fresh computation of every minor costs
        // too much per input: three of them are compared.
        if (n <= kLiteralUpTo || (row == col && (row == 1 || row == n)) || (row == 1 && col == n)) {
          Check(shared == Fresh(MinorGrid(grid, row, col), places));
        }
      }
    }
  }
  if (!wholeFirst) Check(Compute([&] { return minors.Whole(); }) == whole);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static NoMessages noMessages;
  static const bool installed = (InstallMessageDisplay(&noMessages), true);
  (void)installed;
  if (size < 2) return 0;
  const int n = 1 + data[0] % 10;
  const bool wholeFirst = data[0] / 10 % 2 == 0;
  const int places = 2 + data[1] % 8;
  std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);

  Grid grid;
  grid.SetRowCount(n + 1);
  grid.SetColCount(n + 1);
  for (int i = 1; i <= n; ++i) {
    grid.SetCells(0, i, std::to_string(i));
    grid.SetCells(i, 0, std::to_string(i));
  }
  for (int cell = 0; cell < n * n && !rest.empty(); ++cell) {
    const std::size_t newline = rest.find('\n');
    grid.SetCells(1 + cell % n, 1 + cell / n, rest.substr(0, newline));
    rest = newline == std::string_view::npos ? std::string_view() : rest.substr(newline + 1);
  }
  const Grid before = grid;

  const Outcome fresh = Fresh(grid, places);
  Check(Compute([&] { return GridDeterminant(grid, places); }) == fresh);
  CheckMemo(grid, places, wholeFirst);
  Check(SameCells(grid, before));
  return 0;
}
