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

// Runs `action`, then `after` whether the action completed or threw; the
// action's exception escapes once `after` is done. For work that must follow
// a recalculation even when it fails (its message, the undo step it makes).
template <typename Action, typename After>
void RunThen(Action&& action, After&& after) {
  std::exception_ptr failure;
  try {
    std::forward<Action>(action)();
  } catch (...) {
    failure = std::current_exception();
  }
  std::forward<After>(after)();
  if (failure) std::rethrow_exception(failure);
}

// Wraps a handler for connect(): the slot runs it under RunGuarded. The
// handler may take the signal's leading arguments or none.
//   connect(grid, &StringGrid::keyReleased, this, Guarded([this] { Pole1KeyUp(); }));
template <typename Handler>
auto Guarded(Handler handler) {
  // Constrained, so that connect() finds how many arguments the handler takes.
  return [handler = std::move(handler)](
             auto&&... args) mutable -> void requires std::is_invocable_v<Handler&, decltype(args)...> {
    RunGuarded([&] { handler(std::forward<decltype(args)>(args)...); });
  };
}

}  // namespace zorvel
