// Bytes as a full square matrix 1, a matrix 2 and edits to them
// (MatrixInput.h). An edit's first byte says what it does: 0x7F new places,
// 0x7E a new size n and 0x7D a new k, each from the edit's second byte; any
// other value, modulo the number of cells of both matrices, a cell (of
// matrix 1, then of matrix 2) that takes the rest of the edit as its text.
// With its high bit set, the hand mode is checked after it (twice at most,
// up to 8 x 8).
//
// The hand mode is checked at the start and at the end: the determinant and
// its minors, the inverse, the solution and the product from the work kept
// through the edits, as the window keeps it, against fresh computations
// (HandChecks.h). The exact mode, which keeps no work, is checked at the
// end against an independent reference (ExactChecks.h). The grids must stay
// unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

#include "ExactChecks.h"
#include "FuzzCheck.h"
#include "HandChecks.h"
#include "MatrixInput.h"
#include "MessageDisplay.h"

namespace {

using namespace zorvel;
using namespace zorvel::fuzz;

// Checks after marked edits, at most, and the largest matrix that has them:
// above, one check of the kept work costs a tenth of a second, and the
// last check after the edits is enough.
constexpr int kMarkedChecks = 2;
constexpr int kMarkedUpTo = 8;

// No grid here is one the determinant refuses, so no message may come.
class NoMessages : public MessageDisplay {
 public:
  void ShowMessage(std::string_view) override { std::abort(); }
};

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

Grid FirstColumn(const Grid& matrix, int n) {
  Grid column = matrix;
  ShapeMatrix(column, n, 1);
  return column;
}

// What a checkpoint checks. Up to 5 x 5 everything; above, where a
// checkpoint of everything costs a tenth of a second, the input chooses one
// of four: by hand the inverse, the solution (up to 8 x 8, with one column
// of matrix 2 above 6 x 6; at 9 x 9 and 10 x 10 Cramer's rule costs that
// much alone, and the exact mode takes its turn) or the product, or the
// exact mode.
void CheckModes(KeptWork& kept, const MatrixInput& in, bool hand, bool exact) {
  static constexpr Operation kAll[] = {Operation::Inverse, Operation::Solve, Operation::Product};
  const Grid before1 = in.matrix1, before2 = in.matrix2;
  const int n = in.n;
  const bool everything = n <= 5;
  const int choice = in.choice == 1 && n > 8 ? 3 : in.choice;
  if (hand && (everything || choice < 3)) {
    const std::span<const Operation> operations =
        everything ? std::span<const Operation>(kAll) : std::span<const Operation>(&kAll[choice], 1);
    const bool narrow = n > 6;
    CheckHandMode(kept, in.matrix1, narrow ? FirstColumn(in.matrix2, n) : in.matrix2, n, narrow ? 1 : in.k, in.places,
                  in.wholeFirst, operations);
  }
  if (exact && (everything || choice == 3)) CheckExactMode(in.matrix1, in.matrix2, n, in.k, in.places);
  Check(SameCells(in.matrix1, before1) && SameCells(in.matrix2, before2));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static NoMessages noMessages;
  static const bool installed = (InstallMessageDisplay(&noMessages), true);
  (void)installed;
  if (size < 2) return 0;
  MatrixInput in = ReadMatrixInput(data, size);
  KeptWork kept;
  // The exact mode keeps nothing between checks: it is checked once, at the
  // end, after the edits if there are any.
  const bool edits = in.edits.find_first_not_of('\n') != std::string_view::npos;
  CheckModes(kept, in, true, !edits);

  bool pending = false;
  int marked = 0;
  std::string_view rest = in.edits;
  while (!rest.empty()) {
    const std::string_view edit = NextRecord(rest);
    if (edit.empty()) continue;
    const auto what = static_cast<unsigned char>(edit[0]);
    const int argument = edit.size() > 1 ? static_cast<unsigned char>(edit[1]) : 0;
    if ((what & 0x7F) == 0x7F) {
      in.places = 2 + argument % 8;
    } else if ((what & 0x7F) == 0x7E) {
      in.n = 1 + argument % 10;
      ShapeMatrix(in.matrix1, in.n, in.n);
      ShapeMatrix(in.matrix2, in.n, in.k);
    } else if ((what & 0x7F) == 0x7D) {
      in.k = 1 + argument % 3;
      ShapeMatrix(in.matrix2, in.n, in.k);
    } else {
      const int cell = (what & 0x7F) % (in.n * in.n + in.n * in.k);
      const std::string_view text = edit.substr(1);
      if (cell < in.n * in.n) {
        in.matrix1.SetCells(1 + cell % in.n, 1 + cell / in.n, text);
      } else {
        const int at = cell - in.n * in.n;
        in.matrix2.SetCells(1 + at % in.k, 1 + at / in.k, text);
      }
    }
    pending = true;
    if ((what & 0x80) != 0 && marked < kMarkedChecks && in.n <= kMarkedUpTo) {
      CheckModes(kept, in, true, false);
      pending = false;
      ++marked;
    }
  }
  if (edits) CheckModes(kept, in, pending, true);
  return 0;
}
