#pragma once

// What the window shows for one operation, taken from a MatrixCalculation or
// built by a check from its own computations, in one comparable form.
#include <optional>
#include <string>
#include <vector>

#include "CalculationKinds.h"
#include "Grid.h"
#include "MatrixCalculation.h"

namespace zorvel::fuzz {

struct Shown {
  // The strip, asked for the inverse only (the other operations ask the
  // determinant where their refusal needs it).
  std::string determinant;
  std::optional<std::string> reciprocal;
  std::optional<std::string> refusal;
  // The result's data cells row by row: the adjugate then the inverse, or
  // the product or the solution.
  std::vector<std::string> cells;
  bool operator==(const Shown&) const = default;
};

// The data cells (rows x cols) of a grid, row by row, appended to `cells`.
void AppendCells(const Grid& grid, int rows, int cols, std::vector<std::string>& cells);

// The operation's results as the window asks for them: for the inverse the
// determinant and its reciprocal first; then the refusal, and without one
// the result. Matrix 1 is n x n and matrix 2 n x k.
Shown ShownBy(MatrixCalculation& calculation, Operation operation, int n, int k);

}  // namespace zorvel::fuzz
