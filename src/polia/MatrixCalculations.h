#pragma once

#include <optional>
#include <string_view>

#include "Determinant.h"
#include "Grid.h"
#include "ShortText.h"

namespace zorvel {

// The calculations that the window shows and the command line prints: the
// inverse as 1/determinant x adjugate, the sum, the difference and the
// product, every entry the result of its own rounded text operations in a
// fixed order, so both give the same texts byte for byte. Grids hold a matrix
// in their data cells (one header row and column, numbered from 1).

// The number of rows and columns of a matrix as the user set them.
struct MatrixSize {
  int rows = 0;
  int cols = 0;
};

// Each check gives the message (Windows-1250, CalculationMessages.h) that
// explains why the result cannot be shown, or nothing when it can.
std::optional<std::string_view> DeterminantRefusal(MatrixSize matrix1);
// `determinant` is that of matrix 1; it is read only when matrix 1 is square.
std::optional<std::string_view> InverseRefusal(MatrixSize matrix1, std::string_view determinant);
std::optional<std::string_view> SumRefusal(MatrixSize matrix1, MatrixSize matrix2);  // and difference
std::optional<std::string_view> ProductRefusal(MatrixSize matrix1, MatrixSize matrix2);

// "1" divided by the determinant, or nothing when the determinant reads as 0.
std::optional<ShortText> ReciprocalOf(std::string_view determinant, int places);

// The adjugate (the transposed matrix of cofactors) of the n x n matrix 1:
// `adjugate` takes the shape and headers of `matrix1`. `minors`, when given,
// holds the determinants of matrix 1's minors already computed for this
// matrix and these places; without it they are computed here.
void FillAdjugate(const Grid& matrix1, int n, MinorDeterminants* minors, int places, Grid& adjugate);

// The inverse: each adjugate entry divided by the determinant (which must not
// read as 0). `inverse` takes the shape and headers of `matrix1`, and each of
// its columns the width of the adjugate's first data column.
void FillInverse(const Grid& matrix1, const Grid& adjugate, std::string_view determinant, int n, int places,
                 Grid& inverse);

// Matrix 1 plus or minus matrix 2, element by element over `size`: `result`
// takes the shape and headers of `matrix1`.
enum class ElementWise { Sum, Difference };
void FillElementWise(const Grid& matrix1, const Grid& matrix2, MatrixSize size, ElementWise operation, int places,
                     Grid& result);

// Matrix 1 x matrix 2 over the grids' sizes, with header numbers of its own.
// Every product and every partial sum is rounded, as written out by hand.
void FillProduct(const Grid& matrix1, const Grid& matrix2, int places, Grid& product);

}  // namespace zorvel
