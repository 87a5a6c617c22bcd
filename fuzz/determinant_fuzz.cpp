// Bytes as a square matrix and a sequence of edits to it. The first byte
// gives the size (1 to 10) and whether the whole is asked for before or after
// the minors, the second the places (2 to 9); the rest, split at newlines,
// gives the cell texts row by row (missing cells are empty), then the edits.
// An edit's first byte says what it does (with its high bit set, the memo is
// brought up to date and checked after it): 0x7F new places and 0x7E a new
// size, each from the edit's second byte; any other value, modulo the number
// of cells, a cell that takes the rest of the edit as its text.
//
// GridDeterminant, the shared memo's Whole and every one of its Minors must
// give what a fresh computation gives, errors included (the same kind of
// floating-point error, or the same text), and so must a memo kept through
// the edits; the grid must stay unchanged. The fresh computation is the
// literal expansion up to 6 rows; above, where that takes too long, a fresh
// shared computation of the minor on its own grid.
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

// A memo against fresh computations, asked in an order the input chooses:
// the whole first or last, so that minors are met both in a memo that the
// whole filled and in one that an error may have left half full.
void CheckMemo(MinorDeterminants& minors, const Grid& grid, int places, bool wholeFirst) {
  const int n = grid.RowCount() - grid.FixedRows();
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

void Resize(Grid& grid, int n) {
  grid.SetRowCount(n + 1);
  grid.SetColCount(n + 1);
  for (int i = 1; i <= n; ++i) {
    grid.SetCells(0, i, std::to_string(i));
    grid.SetCells(i, 0, std::to_string(i));
  }
}

// The next newline-ended record of the input.
std::string_view NextRecord(std::string_view& rest) {
  const std::size_t newline = rest.find('\n');
  const std::string_view record = rest.substr(0, newline);
  rest = newline == std::string_view::npos ? std::string_view() : rest.substr(newline + 1);
  return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static NoMessages noMessages;
  static const bool installed = (InstallMessageDisplay(&noMessages), true);
  (void)installed;
  if (size < 2) return 0;
  int n = 1 + data[0] % 10;
  const bool wholeFirst = data[0] / 10 % 2 == 0;
  int places = 2 + data[1] % 8;
  std::string_view rest(reinterpret_cast<const char*>(data + 2), size - 2);

  Grid grid;
  Resize(grid, n);
  for (int cell = 0; cell < n * n && !rest.empty(); ++cell) {
    grid.SetCells(1 + cell % n, 1 + cell / n, NextRecord(rest));
  }
  const Grid before = grid;

  Check(Compute([&] { return GridDeterminant(grid, places); }) == Fresh(grid, places));
  MinorDeterminants kept(grid, places);
  CheckMemo(kept, grid, places, wholeFirst);
  Check(SameCells(grid, before));

  // The edits, the memo kept through them.
  bool pending = false;
  const auto checkKept = [&] {
    const Grid edited = grid;
    kept.Update(grid, places);
    CheckMemo(kept, grid, places, wholeFirst);
    Check(SameCells(grid, edited));
    pending = false;
  };
  while (!rest.empty()) {
    const std::string_view edit = NextRecord(rest);
    if (edit.empty()) continue;
    const auto what = static_cast<unsigned char>(edit[0]);
    const int argument = edit.size() > 1 ? static_cast<unsigned char>(edit[1]) : 0;
    if ((what & 0x7F) == 0x7F) {
      places = 2 + argument % 8;
    } else if ((what & 0x7F) == 0x7E) {
      n = 1 + argument % 10;
      Resize(grid, n);
    } else {
      const int cell = (what & 0x7F) % (n * n);
      grid.SetCells(1 + cell % n, 1 + cell / n, edit.substr(1));
    }
    pending = true;
    if ((what & 0x80) != 0) checkKept();
  }
  if (pending) checkKept();
  return 0;
}
