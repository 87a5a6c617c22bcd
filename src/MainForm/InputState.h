#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace zorvel {

class Grid;
class TMain;

// What the user has set besides the cells: the sizes (rows and columns of
// matrix 1, then of matrix 2), the operation, the places and the exact mode.
struct InputScalars {
  std::array<int, 4> sizes{};
  int operation = -1;
  int places = 0;
  bool exact = false;
  // The form of results: the index of ComboBoxTvar and of ComboBoxJednotka,
  // and significant digits.
  int form = 0;
  int unit = 0;
  bool significant = false;
  bool operator==(const InputScalars&) const = default;
};

// The input side of the window: every data cell that either matrix can show
// (20 x 10 each), hidden ones included, since a matrix that shrinks and grows
// shows them again; and the scalars. Cell texts are Windows-1250, as the
// grids hold them.
struct InputState {
  int rows = 0;  // the cell area of each matrix
  int cols = 0;
  std::array<std::vector<std::string>, 2> cells;  // row by row, rows x cols
  InputScalars scalars;
};

// One cell of matrix 0 or 1 (row and column counted from 1) with its text
// before and after a change.
struct CellChange {
  int matrix = 0;
  int row = 0;
  int col = 0;
  std::string before;
  std::string after;
};

// What one action of the user changed: only the cells that differ, and the
// scalars on both sides.
struct InputChange {
  std::vector<CellChange> cells;
  InputScalars before;
  InputScalars after;
  [[nodiscard]] bool Empty() const { return cells.empty() && before == after; }
};

[[nodiscard]] InputScalars ReadScalars(const TMain& window);
[[nodiscard]] InputState ReadInput(const TMain& window);

// What the window shows now against `known`, which is brought up to it.
// Copies only the texts that changed.
[[nodiscard]] InputChange TakeChange(InputState& known, const TMain& window);

// `next` (which follows `first`) folded into `first`: one change from
// first's before to next's after.
void MergeChange(InputChange& first, const InputChange& next);

// Puts `scalars` and whatever `writeCells` writes into matrix 1 and matrix 2
// as the handlers would leave them: sizes through the spin edits without
// their handlers, grids sized and renumbered, the operation's panel shown,
// the places with their sentence; then recomputes once.
void ShowInput(TMain& window, const InputScalars& scalars,
               const std::function<void(Grid& matrix1, Grid& matrix2)>& writeCells);

// ShowInput for one side of a change.
void ShowChange(TMain& window, const InputChange& change, bool after);

}  // namespace zorvel
