#include "UndoModel.h"

#include "FuzzCheck.h"

namespace zorvel::fuzz {
namespace {

bool Same(const InputState& a, const InputState& b) {
  return a.rows == b.rows && a.cols == b.cols && a.cells == b.cells && a.scalars == b.scalars;
}

}  // namespace

UndoModel::UndoModel(const TMain& window) : states_{ReadInput(window)}, fields_{-1} {}

void UndoModel::Acted(const TMain& window, int spinField) {
  InputState now = ReadInput(window);
  if (Same(now, states_[at_])) return;  // no step; the last one stays open to merging
  if (mergeable_ && spinField >= 0 && fields_[at_] == spinField) {
    states_[at_] = std::move(now);
    if (Same(states_[at_], states_[at_ - 1])) {  // typed back: no step at all
      states_.pop_back();
      fields_.pop_back();
      --at_;
      mergeable_ = false;
    }
    return;
  }
  states_.resize(at_ + 1);  // a new step drops what could be redone
  fields_.resize(at_ + 1);
  states_.push_back(std::move(now));
  fields_.push_back(spinField);
  ++at_;
  mergeable_ = spinField >= 0;
}

// With nothing to undo or redo, the key does nothing, and a spin field's
// next change may still join the last step.
void UndoModel::Undone(const TMain& window) {
  if (at_ > 0) {
    --at_;
    mergeable_ = false;
  }
  Expect(window);
}

void UndoModel::Redone(const TMain& window) {
  if (at_ + 1 < states_.size()) {
    ++at_;
    mergeable_ = false;
  }
  Expect(window);
}

void UndoModel::Expect(const TMain& window) const { Check(Same(ReadInput(window), states_[at_])); }

}  // namespace zorvel::fuzz
