#pragma once

#include <cstdint>
#include <optional>
#include <stop_token>

#include "Grid.h"
#include "MatrixCalculation.h"

namespace zorvel {

// What an input is, in a few numbers: two inputs with the same stamp give
// the same results (the grids' stamps, the sizes, places, mode, operation
// and form of results).
struct CalculationStamp {
  std::uint64_t matrix1 = 0;
  std::uint64_t matrix2 = 0;
  int rows1 = 0, cols1 = 0, rows2 = 0, cols2 = 0;
  int places = 0;
  CalculationMode mode = CalculationMode::Hand;
  std::optional<Operation> operation;
  ShownForm form;
  bool operator==(const CalculationStamp&) const = default;
};
// The stamp of `input` as read from the grids `matrix1` and `matrix2` (the
// user's own, which the input may hold rewritten copies of).
CalculationStamp StampOf(const CalculationInput& input, const Grid& matrix1, const Grid& matrix2);

// One recalculation's input, copied away from the window's grids, with its
// results: it can be worked out on another thread while the grids change,
// and then shown, and asked for its steps, computing nothing again.
class KeptCalculation {
 public:
  explicit KeptCalculation(const CalculationInput& input, std::stop_token stop = {});
  KeptCalculation(const KeptCalculation&) = delete;
  KeptCalculation& operator=(const KeptCalculation&) = delete;

  [[nodiscard]] const CalculationInput& Input() const { return input_; }
  [[nodiscard]] MatrixCalculation& Results() { return results_; }

 private:
  Grid matrix1_;
  Grid matrix2_;
  CalculationInput input_;
  MatrixCalculation results_;
};

}  // namespace zorvel
