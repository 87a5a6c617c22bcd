#pragma once

#include <exception>
#include <stop_token>

namespace zorvel {

// Long exact work (an elimination of numbers with thousands of digits) stops
// between its steps once the input it works on has changed: the caller asks
// through the stop token, the work ends by throwing this.
class CalculationCancelled : public std::exception {
 public:
  [[nodiscard]] const char* what() const noexcept override { return "calculation cancelled"; }
};

inline void StopIfAsked(const std::stop_token& stop) {
  if (stop.stop_requested()) throw CalculationCancelled();
}

}  // namespace zorvel
