#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Grid.h"
#include "ShortText.h"
#include "Step.h"

namespace zorvel {

// A square part of a matrix: the rows and columns it keeps, counted from 1
// in the data cells of `source`, which every part of one matrix shares.
struct SubMatrix {
  std::shared_ptr<const Grid> source;
  std::vector<int> rows;
  std::vector<int> cols;
  std::string name = "a";  // how its elements are written: a(1, 2)

  [[nodiscard]] int Size() const { return static_cast<int>(rows.size()); }
  // Element (i, j) of this part, counted from 1, as its cell's text stands.
  [[nodiscard]] const std::string& Element(int i, int j) const;
  // The name of element (i, j) of this part, by its place in the source.
  [[nodiscard]] std::string ElementName(int i, int j) const;
  // This part without its row i and column j (counted from 1).
  [[nodiscard]] SubMatrix Without(int i, int j) const;
  // The part as a grid of its own, one header row and column.
  [[nodiscard]] Grid AsGrid() const;
};

// The n x n matrix in the data cells of `grid`, shared by its parts.
SubMatrix WholeMatrix(const Grid& grid, int n, std::string name = "a");

// Its determinant's text, as the calculation gives it.
std::string DeterminantText(const SubMatrix& matrix, int places);

// Adds to `step` the lines of the matrix's determinant in the calculation's
// own order, the last one its text: the expansion along the first column
// from 4 x 4 on, one line per term whose minor opens into its own steps;
// the rule of Sarrus for 3 x 3 (six products and the running sum); the
// formula for 2 x 2; a 1 x 1 matrix's element written.
void AddDeterminantSteps(Step& step, const SubMatrix& matrix, int places);

// An opener for a line that shows a determinant: it opens into the steps.
Step::Opener DeterminantOpener(SubMatrix matrix, int places);
// How many lines the steps of an n x n determinant have, down to `levels`
// levels (1: its own lines alone).
std::uint64_t DeterminantLines(int n, int levels);
// Adds a line that shows the determinant of `matrix` and opens into its
// steps, telling how many lines they have.
Step& AddDeterminantLine(Step& step, std::string text, const SubMatrix& matrix, int places);

class MinorDeterminants;
// One line of an expansion of `m`: element (i, j) times its sign (rounding
// it, even by +1), times its minor's determinant from `minors`, added to the
// running `sum`, which it advances; the line opens into the minor's steps.
void AddExpansionTerm(Step& step, const SubMatrix& m, MinorDeterminants& minors, int i, int j, int places,
                      ShortText& sum);

}  // namespace zorvel
