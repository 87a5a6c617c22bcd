#pragma once

namespace zorvel {

// The operations of the calculation area, in the order of the window's list:
// a kept session stores the position, so a new operation goes last.
enum class Operation { Inverse, Sum, Difference, Product, Solve };
inline constexpr int kOperationCount = 5;

// How results are computed. By hand: every operation rounded to the places
// in a fixed order, as a person writes the computation out. Exactly: on the
// exact values of the cells, each shown value rounded once.
enum class CalculationMode { Hand, Exact };

}  // namespace zorvel
