#pragma once

#include <exception>
#include <type_traits>
#include <utility>

namespace zorvel {

// Reports an exception that reached the boundary between Qt and our handlers:
// the what() text (Windows-1250) through ReportError, exactly once.
void ReportEscapedException(std::exception_ptr error) noexcept;

// Runs a handler called from Qt (a slot, an event handler, a timer) so that no
// exception unwinds through Qt's code: an escaped error is reported and the
// event loop goes on, as the application's default report would. Returns
// whether the handler completed.
template <typename Handler>
bool RunGuarded(Handler&& handler) noexcept {
  try {
    std::forward<Handler>(handler)();
    return true;
  } catch (...) {
    ReportEscapedException(std::current_exception());
    return false;
  }
}

// Wraps a handler for connect(): the slot runs it under RunGuarded. The
// handler may take the signal's leading arguments or none.
//   connect(grid, &StringGrid::keyReleased, this, Guarded([this] { Pole1KeyUp(); }));
template <typename Handler>
auto Guarded(Handler handler) {
  // Constrained, so that connect() finds how many arguments the handler takes.
  return [handler = std::move(handler)](auto&&... args) mutable -> void
           requires std::is_invocable_v<Handler&, decltype(args)...> {
    RunGuarded([&] { handler(std::forward<decltype(args)>(args)...); });
  };
}

}  // namespace zorvel
