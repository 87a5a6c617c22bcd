#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Determinant.h"
#include "Grid.h"

namespace zorvel {

// The determinants of Cramer's rule, matrix 1 with its column i replaced by
// column j of matrix 2, each with its minors kept from one recalculation to
// the next like matrix 1's own: a keystroke recomputes only the minors that
// keep the edited cell.
class CramerMinors {
 public:
  // The determinant of `replaced`, the n x n matrix 1 with column i replaced
  // by column j (counted from 1) of the n x k matrix 2, at `places`.
  std::string Determinant(const Grid& replaced, int i, int j, int n, int k, int places);

 private:
  int n_ = 0;
  int k_ = 0;
  std::vector<std::unique_ptr<MinorDeterminants>> memos_;  // (i, j) at (i - 1) * k + j - 1
};

}  // namespace zorvel
