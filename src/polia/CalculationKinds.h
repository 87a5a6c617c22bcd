#pragma once

namespace zorvel {

// An operation of the calculation area: its position in the window's list
// (OperationList.h), which a kept session stores, so a new operation goes
// last. The first five are named for the code that refers to them.
enum class Operation { Inverse, Sum, Difference, Product, Solve };

// How results are computed. By hand: every operation rounded to the places
// in a fixed order, as a person writes the computation out. Exactly: on the
// exact values of the cells, each shown value rounded once.
enum class CalculationMode { Hand, Exact };

}  // namespace zorvel
