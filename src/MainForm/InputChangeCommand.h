#pragma once

#include <QUndoCommand>

#include <cstdint>
#include <exception>

#include "InputState.h"

namespace zorvel {

class TMain;

// One step of the undo history: what one action of the user changed on the
// input side. undo() shows the state before it, redo() the state after it,
// each with one recalculation.
class InputChangeCommand : public QUndoCommand {
 public:
  // Changes of one spin field typed in one go ("1", then "12") are one step:
  // commands with the same key merge; the default key never does.
  struct MergeKey {
    int field = -1;         // 0..3 the sizes, 4 the places; -1 never merges
    std::uint64_t run = 0;  // one stay of the focus in the field
    bool operator==(const MergeKey&) const = default;
  };

  // The change is already on screen. A recalculation's error cannot pass
  // through QUndoStack, so it is kept in `failure` for the caller to raise.
  InputChangeCommand(TMain& window, InputChange change, MergeKey key, std::exception_ptr& failure);

  void undo() override;
  void redo() override;
  [[nodiscard]] int id() const override;
  bool mergeWith(const QUndoCommand* other) override;

  [[nodiscard]] const InputChange& Change() const { return change_; }
  [[nodiscard]] const MergeKey& Key() const { return key_; }
  // About the memory the step holds: its texts before and after.
  [[nodiscard]] std::size_t Bytes() const { return bytes_; }

 private:
  void Show(bool after);

  TMain& window_;
  InputChange change_;
  MergeKey key_;
  std::exception_ptr& failure_;
  // push() calls redo() at once, on a change that is already made.
  bool shown_ = true;
  std::size_t bytes_ = 0;
};

}  // namespace zorvel
