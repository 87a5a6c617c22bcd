#pragma once

#include <string>
#include <vector>

#include "Grid.h"
#include "Step.h"

namespace zorvel {

// How the steps of a determinant (and of the inverse built on it) are
// worked out: along the first column as the calculation itself does, along
// one chosen row or column, or by elimination to triangular form (for the
// inverse, Gauss-Jordan on [A | E]). Column 1 is the first column.
struct StepMethod {
  enum class Kind { FirstColumn, Row, Column, Elimination };
  Kind kind = Kind::FirstColumn;
  int line = 1;  // the row or column expanded along, counted from 1

  [[nodiscard]] bool AlongLine() const { return kind == Kind::Row || kind == Kind::Column; }
  [[nodiscard]] bool operator==(const StepMethod&) const = default;
};

// The methods offered for the n x n matrix in the data cells of `grid`: the
// first column, then every row and every other column, the line with the
// most zeros (cells that read as 0) first, ties in their natural order and
// rows before columns; elimination last.
std::vector<StepMethod> OfferedMethods(const Grid& grid, int n);

// The end of another method's steps by hand: its own result `own`, and when
// it rounded to other digits than the calculation's `shown`, a line that
// says both ("iným postupom: ...; zobrazený výsledok: ..."); the last line
// is always the shown text.
void AddShownResult(Step& step, const std::string& own, const std::string& shown);

}  // namespace zorvel
