#include "InputChangeCommand.h"

#include <utility>

namespace zorvel {
namespace {

constexpr int kSpinFieldTyping = 1;

// What a change holds: each cell's two texts and its place.
std::size_t ChangeBytes(const InputChange& change) {
  std::size_t bytes = sizeof(InputChange);
  for (const CellChange& cell : change.cells) bytes += sizeof(CellChange) + cell.before.size() + cell.after.size();
  return bytes;
}

}  // namespace

InputChangeCommand::InputChangeCommand(TMain& window, InputChange change, MergeKey key, std::exception_ptr& failure)
    : window_(window), change_(std::move(change)), key_(key), failure_(failure), bytes_(ChangeBytes(change_)) {}

void InputChangeCommand::undo() { Show(false); }

void InputChangeCommand::redo() {
  if (std::exchange(shown_, false)) return;
  Show(true);
}

void InputChangeCommand::Show(bool after) {
  try {
    ShowChange(window_, change_, after);
  } catch (...) {
    failure_ = std::current_exception();
  }
}

int InputChangeCommand::id() const { return key_.field >= 0 ? kSpinFieldTyping : -1; }

bool InputChangeCommand::mergeWith(const QUndoCommand* other) {
  const auto* next = static_cast<const InputChangeCommand*>(other);  // the same id(): the same class
  if (!(next->key_ == key_)) return false;
  MergeChange(change_, next->change_);
  bytes_ = ChangeBytes(change_);
  setObsolete(change_.Empty());  // typed back to where it was: no step at all
  return true;
}

}  // namespace zorvel
