#pragma once

#include <string>

#include "Grid.h"

namespace zorvel::testing {

// The determinant exactly as written out by hand: validation, the closed
// forms, and for larger matrices a fresh scratch grid per call, a full copy of
// the grid for every row, the row and column deleted, and every minor
// computed again from scratch. Slow (n!/6 evaluations of the rule of Sarrus),
// kept as the reference that the shared computation must match text for text.
std::string LiteralGridDeterminant(const Grid& grid, int places);

}  // namespace zorvel::testing
