#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "RowReduction.h"
#include "Step.h"

namespace zorvel {

// A row reduction written out as courses write it: one line per row
// operation ("R₂ := R₂ − (1+i)·R₁", "R₁ ↔ R₃", "R₂ := R₂ / (2-i)"), each
// opening into the matrix after it with the pivot marked.

std::string SwapLine(int upper, int lower);  // rows counted from 0
std::string DivideLine(int row, const std::string& divisor);
std::string SubtractLine(int row, const std::string& factor, int pivotRow);
// One row of a matrix: "R₁:  1   [2]   3 | 4", the pivot in brackets
// (pivotCol -1 for none), a bar before column `bar` (none when it is cols).
std::string MatrixRowLine(int row, const std::vector<std::string>& entries, int pivotCol, int bar);

// Adds the lines of `log`, the operations of reducing `start` (rows x cols,
// row by row) in `arithmetic`; `write` writes an entry of a step line. The
// matrices are worked out only when a line is opened.
template <class Arithmetic, class Write>
void AddRowOperationLines(Step& step, std::vector<typename Arithmetic::Value> start, int rows, int cols, int bar,
                          const Arithmetic& arithmetic, Write write,
                          const std::vector<RowOperation<typename Arithmetic::Value>>& log) {
  using Kind = typename RowOperation<typename Arithmetic::Value>::Kind;
  const auto shared = std::make_shared<const std::vector<typename Arithmetic::Value>>(std::move(start));
  for (std::size_t i = 0; i < log.size(); ++i) {
    const auto& operation = log[i];
    std::string text = operation.kind == Kind::Swap ? SwapLine(operation.target, operation.source)
                       : operation.kind == Kind::Divide
                           ? DivideLine(operation.target, write(operation.factor))
                           : SubtractLine(operation.target, write(operation.factor), operation.source);
    step.Add(std::move(text), [shared, rows, cols, bar, arithmetic, write, i, pivotRow = operation.pivotRow,
                               pivotCol = operation.pivotCol](Step& matrix) {
      const auto after = ReduceRows(*shared, rows, cols, arithmetic, i + 1);
      for (int r = 0; r < rows; ++r) {
        std::vector<std::string> entries;
        entries.reserve(static_cast<std::size_t>(cols));
        for (int c = 0; c < cols; ++c) entries.push_back(write(after.At(r, c)));
        matrix.Add(MatrixRowLine(r, entries, r == pivotRow ? pivotCol : -1, bar));
      }
    });
  }
}

}  // namespace zorvel
