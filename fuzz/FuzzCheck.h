#pragma once

// What the fuzz targets share: a check that stops the run, and an outcome
// that is either a value or the kind of floating-point error that ended its
// computation.
#include <cstdlib>
#include <utility>

#include "FloatError.h"

#ifdef NDEBUG
#error "the fuzz targets need the asserts of the libraries they test"
#endif

namespace zorvel::fuzz {

// libFuzzer saves the input that aborts.
inline void Check(bool condition) {
  if (!condition) std::abort();
}

template <typename T>
struct Outcome {
  bool failed = false;
  FloatError::Kind kind{};
  T value{};
  bool operator==(const Outcome&) const = default;
};

template <typename F>
auto Compute(F&& compute) -> Outcome<decltype(compute())> {
  Outcome<decltype(compute())> outcome;
  try {
    outcome.value = std::forward<F>(compute)();
  } catch (const FloatError& e) {
    outcome.failed = true;
    outcome.kind = e.kind();
  }
  return outcome;
}

}  // namespace zorvel::fuzz
