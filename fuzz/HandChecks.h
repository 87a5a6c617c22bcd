#pragma once

// The hand mode against fresh computations: the determinant and its minors
// from a memo kept through edits against the literal expansion (up to 6 x 6)
// or a fresh memo, and the inverse, the solution and the product through the
// calculation seam with the kept work against the calculations made afresh.
// Errors count: the same kind of floating-point error, or the same texts.
#include <optional>
#include <span>

#include "CalculationKinds.h"
#include "CramerMinors.h"
#include "Determinant.h"
#include "Grid.h"

namespace zorvel::fuzz {

// What the window keeps from one recalculation to the next.
struct KeptWork {
  std::optional<MinorDeterminants> minors;
  CramerMinors cramer;
};

// Matrix 1 is n x n, matrix 2 n x k, in grids of exactly that shape. The
// kept work is brought up to date with them first; the determinant and its
// minors are always checked, then the operations asked for (inverse,
// solution, product).
void CheckHandMode(KeptWork& kept, const Grid& matrix1, const Grid& matrix2, int n, int k, int places, bool wholeFirst,
                   std::span<const Operation> operations);

}  // namespace zorvel::fuzz
