#pragma once

#include <string>
#include <vector>

#include "SoundReference.h"

namespace zorvel::testing {

// An independent reference for the exact mode: complex rationals computed
// without rounding, by means that share nothing with the program's
// elimination, and written as the exact mode writes its results.

// The determinant of the n x n matrix `a` (row by row) by cofactor expansion
// along the leftmost column, each minor of the last columns computed once
// (2^n minors, n 2^(n-1) products), on the matrix scaled to Gaussian
// integers.
ExactPair ExpandedDeterminant(const std::vector<ExactPair>& a, int n);

// x y, x + y and x / y (y not zero) for complex rationals.
ExactPair Times(const ExactPair& x, const ExactPair& y);
ExactPair Plus(const ExactPair& x, const ExactPair& y);
ExactPair Over(const ExactPair& x, const ExactPair& y);

// `value` rounded once to `places`, each part half away from zero, in the
// written form of the rounded parts: a part that rounds to zero is left out,
// an imaginary part that rounds to 1 or -1 is the unit alone, every integer
// digit is written ("2", "i", "2-i", "0,5+0,25i", "0").
std::string WriteRoundedOnce(int places, const ExactPair& value);

}  // namespace zorvel::testing
