#pragma once

// The bytes of a determinant_fuzz input as a full square matrix 1 (n x n), a
// matrix 2 (n x k) for the product and the solution, and the edits that
// follow. The first byte gives n (1 to 10) and whether the memo is asked for
// the whole determinant before or after the minors; the second the places
// (2 to 9), k (1 to 3) and what is checked above 5 x 5. The rest, split at
// newlines, gives the cells of matrix 1 row by row, then those of matrix 2,
// then the edits. A cell the input does not reach takes a short decimal
// drawn from the input's hash, so that even a short input fills a 10 x 10
// matrix; a record opening with kCellsEnd ends the cells early, and the
// edits follow it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "Grid.h"

namespace zorvel::fuzz {

inline constexpr char kCellsEnd = '\xFF';

struct MatrixInput {
  int n = 1;
  int k = 1;
  int places = 2;
  bool wholeFirst = true;
  // Above 5 x 5, what is checked: by hand 0 the inverse, 1 the solution,
  // 2 the product, or 3 the exact mode.
  int choice = 0;
  Grid matrix1;
  Grid matrix2;
  std::string_view edits;  // what is left after the cells
};

// Needs at least two bytes.
MatrixInput ReadMatrixInput(const std::uint8_t* data, std::size_t size);

// Gives the grid one header row and column, numbered, and rows x cols data
// cells; cells beyond keep their texts.
void ShapeMatrix(Grid& grid, int rows, int cols);

// The next newline-ended record of `rest`, which moves past it.
std::string_view NextRecord(std::string_view& rest);

}  // namespace zorvel::fuzz
