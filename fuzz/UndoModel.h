#pragma once

// The undo history as the user sees it: every step that changed the input
// can be undone back to the input before it and redone again, whatever the
// window keeps between them. Changes of one spin field that follow each
// other with nothing between are one step, and one that ends where the
// field's step began is none.
#include <vector>

#include "InputState.h"

namespace zorvel::fuzz {

class UndoModel {
 public:
  // The window's input as the history starts from it.
  explicit UndoModel(const TMain& window);

  // After an action of the user; `spinField` 0..3 for a size field, 4 for
  // the places, -1 for any other.
  void Acted(const TMain& window, int spinField);
  // After undo or redo: the window must show the input the model expects.
  void Undone(const TMain& window);
  void Redone(const TMain& window);

 private:
  void Expect(const TMain& window) const;

  std::vector<InputState> states_;  // states_[0] the start, then after each step
  std::vector<int> fields_;         // the spin field of each step, -1 for none
  std::size_t at_ = 0;              // the state shown
  bool mergeable_ = false;          // the last step may take the next change of its field
};

}  // namespace zorvel::fuzz
