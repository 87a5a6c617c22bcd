#pragma once

#include <stop_token>

#include "Grid.h"
#include "MatrixCalculation.h"

namespace zorvel {

// Whether two inputs would give the same results: the same sizes, places,
// mode and operation, and the same texts in both matrices' grids.
bool SameCalculationInput(const CalculationInput& a, const CalculationInput& b);

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
