#include "KeptCalculation.h"

#include <utility>

namespace zorvel {

CalculationStamp StampOf(const CalculationInput& input, const Grid& matrix1, const Grid& matrix2) {
  CalculationStamp stamp;
  stamp.matrix1 = matrix1.Stamp();
  stamp.matrix2 = matrix2.Stamp();
  stamp.rows1 = input.size1.rows;
  stamp.cols1 = input.size1.cols;
  stamp.rows2 = input.size2.rows;
  stamp.cols2 = input.size2.cols;
  stamp.places = input.places;
  stamp.mode = input.mode;
  stamp.operation = input.operation;
  stamp.form = input.form;
  return stamp;
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
