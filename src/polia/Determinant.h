#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "Grid.h"

namespace zorvel {

// The determinant of the square matrix held in `grid` (its data cells), as
// complex text rounded to `places`: the rule of Sarrus up to 3 x 3 and the
// expansion along the first data column above, every operation rounded and in
// a fixed order, so the text is exactly the one a hand computation in that
// order shows. A 1 x 1 matrix gives its cell's value, written. A grid that is
// not square or empty, or whose fixed row and column counts differ, shows a
// message and gives "0". A floating-point error of the arithmetic propagates.
std::string GridDeterminant(const Grid& grid, int places);

// Whether GridDeterminant can use the grid: a square matrix of at least one
// row, with as many fixed rows as fixed columns.
bool IsDeterminantGrid(const Grid& grid);

// The determinants of one square matrix and of its minors, computed once each
// and shared: the expansion reaches the same smaller minor along many paths,
// and the text of a minor depends only on the rows and columns it keeps. So
// the work grows like 2^n rather than n!, and the texts are the same, byte for
// byte, as a fresh expansion of each minor gives (errors too: the shared work
// runs in the same order, and a repeated computation could only repeat a
// result). Matrices of up to 16 rows (the window and files allow 10).
//
// The memo can be kept while the matrix is edited: Update compares the grid
// with the cell texts the memo was built from (it keeps its own copies) and
// drops only the minors that keep both the row and the column of a changed
// cell, so a keystroke costs what it changes. Only minors computed without
// error are ever kept, so an error is met again where a fresh expansion meets
// it.
class MinorDeterminants {
 public:
  // The matrix is the data cells of `grid`, copied; it must be square with
  // equal fixed counts.
  MinorDeterminants(const Grid& grid, int places);
  ~MinorDeterminants();
  MinorDeterminants(const MinorDeterminants&) = delete;
  MinorDeterminants& operator=(const MinorDeterminants&) = delete;

  // Takes the grid's present cells and places (the grid must be square with
  // equal fixed counts). Another size or other places, or more than half the
  // cells changed, start afresh; otherwise the minors that keep a changed
  // cell are dropped, with that cell's reading, and the rest are kept.
  void Update(const Grid& grid, int places);

  [[nodiscard]] int Size() const;
  // The determinant of the whole matrix (of a 1 x 1, its element's value
  // written to the places, as every determinant is).
  std::string Whole();
  // The determinant of the matrix without its row `row` and column `col`
  // (counted from 1); the matrix must have at least 2 rows.
  std::string Minor(int row, int col);
  // How many minors of 2 or more rows are held computed: what an edit keeps.
  [[nodiscard]] std::size_t KeptMinors() const;

 private:
  class Solver;
  std::unique_ptr<Solver> solver_;
};

}  // namespace zorvel
