#pragma once

#include <stdexcept>

namespace zorvel {

// A floating-point error of the arithmetic. It carries the text that the
// program shows when the error ends an event's handling.
class FloatError : public std::runtime_error {
 public:
  enum class Kind { InvalidOperation, Overflow, DivisionByZero };

  explicit FloatError(Kind kind);
  [[nodiscard]] Kind kind() const { return kind_; }

 private:
  Kind kind_;
};

// Rounds an extended value to double; a value beyond the double range is the
// overflow error (never a silent infinity).
double RoundToDouble(long double value);

// The quotient in extended precision, with the errors that the floating-point
// unit would report: 0/0 is invalid, x/0 a division by zero.
long double DivideExtended(long double dividend, long double divisor);

}  // namespace zorvel
