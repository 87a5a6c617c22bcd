#include "KeptCalculation.h"

#include <utility>

namespace zorvel {
CalculationStamp StampOf(const CalculationInput& input) {
  return {input.matrix1->Stamp(), input.matrix2->Stamp(), input.size1.rows, input.size1.cols, input.size2.rows,
          input.size2.cols,       input.places,           input.mode,       input.operation};
}

KeptCalculation::KeptCalculation(const CalculationInput& input, std::stop_token stop)
    : matrix1_(*input.matrix1),
      matrix2_(*input.matrix2),
      input_([&] {
        CalculationInput own = input;
        own.matrix1 = &matrix1_;
        own.matrix2 = &matrix2_;
        return own;
      }()),
      results_(input_, nullptr, nullptr, std::move(stop)) {}

}  // namespace zorvel
