#pragma once

#include <optional>
#include <string_view>

#include "CramerMinors.h"
#include "Determinant.h"
#include "Grid.h"

namespace zorvel {

// The calculations by hand that the window shows and the command line
// prints: the inverse as 1/determinant x adjugate, the sum, the difference,
// the product and the solution of matrix 1 . X = matrix 2, every entry the
// result of its own rounded text operations in a fixed order, so both give
// the same texts byte for byte. Grids hold a matrix in their data cells (one
// header row and column, numbered from 1). MatrixCalculation.h chooses
// between these and the exact ones.

// The number of rows and columns of a matrix as the user set them.
struct MatrixSize {
  int rows = 0;
  int cols = 0;
};

// The largest matrix the window and zorvel-calc take.
inline constexpr int kMaxRows = 20;
inline constexpr int kMaxCols = 10;

// Each check gives the message (Windows-1250, CalculationMessages.h) that
// explains why the result cannot be shown, or nothing when it can.
std::optional<std::string_view> DeterminantRefusal(MatrixSize matrix1);
// `determinantZero`: matrix 1's determinant counts as zero; it is asked only
// when matrix 1 is square.
std::optional<std::string_view> InverseRefusal(MatrixSize matrix1, bool determinantZero);
std::optional<std::string_view> SolveRefusal(MatrixSize matrix1, MatrixSize matrix2, bool determinantZero);
std::optional<std::string_view> SumRefusal(MatrixSize matrix1, MatrixSize matrix2);  // and difference
std::optional<std::string_view> ProductRefusal(MatrixSize matrix1, MatrixSize matrix2);

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

// Gives `inverse` the shape and headers of `matrix1`, and each of its
// columns the width of the adjugate's first data column.
void ShapeAsInverse(const Grid& matrix1, const Grid& adjugate, Grid& inverse);

// Matrix 1 plus or minus matrix 2, element by element over `size`: `result`
// takes the shape and headers of `matrix1`.
enum class ElementWise { Sum, Difference };
void FillElementWise(const Grid& matrix1, const Grid& matrix2, MatrixSize size, ElementWise operation, int places,
                     Grid& result);

// Matrix 1 x matrix 2 over the grids' sizes, with header numbers of its own.
// Every product and every partial sum is rounded, as written out by hand.
void FillProduct(const Grid& matrix1, const Grid& matrix2, int places, Grid& product);

// Gives `result` the rows of matrix 1 and the columns of matrix 2, with
// header numbers of its own: the shape of a product and of a solution.
void ShapeAsProduct(const Grid& matrix1, const Grid& matrix2, Grid& result);

// X with matrix 1 . X = matrix 2 for the n x n matrix 1 (whose determinant
// `determinant` must not read as 0) and the n x k matrix 2, by Cramer's rule
// as a student writes it: x(i, j) is the determinant of matrix 1 with its
// column i replaced by column j of matrix 2, divided by the determinant.
// `kept`, when given, holds those determinants' minors from the last time.
void FillSolution(const Grid& matrix1, const Grid& matrix2, int n, int k, std::string_view determinant, int places,
                  CramerMinors* kept, Grid& solution);

}  // namespace zorvel
