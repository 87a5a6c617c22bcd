#pragma once

// The exact mode against the independent reference: the determinant by
// cofactor expansion, the product by its definition, and the inverse and
// the solution by what defines them (the inverse times the matrix is
// exactly the identity, the adjugate is the determinant times the inverse,
// matrix 1 times the solution is exactly matrix 2); every shown text as the
// reference writes the exact value rounded once.
#include "Grid.h"

namespace zorvel::fuzz {

// Matrix 1 is n x n, matrix 2 n x k, in grids of exactly that shape. Cells
// are cut to a few dozen characters, and matrices whose exact values are
// too long to expand quickly are left out.
void CheckExactMode(const Grid& matrix1, const Grid& matrix2, int n, int k, int places);

}  // namespace zorvel::fuzz
