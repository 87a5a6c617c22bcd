#include "FloatError.h"

#include <cmath>

namespace zorvel {
namespace {

const char* MessageOf(FloatError::Kind kind) {
  switch (kind) {
    case FloatError::Kind::InvalidOperation: return "Invalid floating point operation";
    case FloatError::Kind::Overflow: return "Floating point overflow";
    case FloatError::Kind::DivisionByZero: return "Floating point division by zero";
  }
  return "Floating point error";
}

}  // namespace

FloatError::FloatError(Kind kind) : std::runtime_error(MessageOf(kind)), kind_(kind) {}

void ThrowFloatError(FloatError::Kind kind) { throw FloatError(kind); }

long double DivideExtended(long double dividend, long double divisor) {
  if (divisor == 0.0L) {
    ThrowFloatError(dividend == 0.0L || std::isnan(dividend) ? FloatError::Kind::InvalidOperation
                                                             : FloatError::Kind::DivisionByZero);
  }
  return dividend / divisor;
}

}  // namespace zorvel
