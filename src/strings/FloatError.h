#pragma once

#include <cmath>
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

[[noreturn]] void ThrowFloatError(FloatError::Kind kind);

// Rounds an extended value to double; a value beyond the double range is the
// overflow error (never a silent infinity). Inline: it closes every operation.
inline double RoundToDouble(long double value) {
  const double rounded = static_cast<double>(value);
  if (!std::isfinite(rounded)) {
    ThrowFloatError(std::isnan(rounded) ? FloatError::Kind::InvalidOperation : FloatError::Kind::Overflow);
  }
  return rounded;
}

// The quotient in extended precision, with the errors that the floating-point
// unit would report: 0/0 is invalid, x/0 a division by zero.
long double DivideExtended(long double dividend, long double divisor);

}  // namespace zorvel
