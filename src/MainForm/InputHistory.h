#pragma once

#include <QObject>
#include <QUndoStack>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>

#include "InputState.h"

class QAction;

namespace zorvel {

class TMain;

// The undo history of the window's input side. Every action of the user
// that changes the input runs through Record and becomes one step; a cell
// edit is one step from the editor's opening to its closing. Undo and redo
// show the state before or after a step with one recalculation; they, the
// start-up and a restored session are never steps themselves.
class InputHistory : public QObject {
  Q_OBJECT

 public:
  static constexpr int kSteps = 1000;
  // The texts the steps may hold together: pastes of large cells reach it
  // long before the steps' number; the oldest steps go first, the newest
  // stays whatever its size.
  static constexpr std::size_t kBytes = std::size_t{64} << 20;

  explicit InputHistory(TMain& window);
  ~InputHistory() override;

  // Runs an action of the user on the input side; when it changed the input,
  // that is one step, even when the action ends in an error (which goes on
  // to the caller). Runs nested in another (a handler writing a spin edit)
  // belong to the outermost one. `spinField` (0..3 the sizes, 4 the places)
  // marks a spin field's change, which merges with the field's change just
  // before it while the focus stays in the field. An open cell editor is
  // closed first, its edit a step of its own.
  void Record(const std::function<void()>& action, int spinField = -1);

  void Undo();
  void Redo();
  // "Späť" (Ctrl+Z) and "Znova" (Ctrl+Y, Ctrl+Shift+Z), enabled while there
  // is a step to take.
  [[nodiscard]] QAction* UndoAction() const { return undo_; }
  [[nodiscard]] QAction* RedoAction() const { return redo_; }
  [[nodiscard]] const QUndoStack& Steps() const { return stack_; }

  // While one lives, the input changes without being recorded; afterwards
  // the history starts anew, empty, from what the window shows.
  class FreshStart {
   public:
    explicit FreshStart(InputHistory& history);
    ~FreshStart();
    FreshStart(const FreshStart&) = delete;
    FreshStart& operator=(const FreshStart&) = delete;

   private:
    InputHistory& history_;
  };

 private:
  void CloseCellEditors();
  void EditorClosed();
  // Pushes what changed since the last step, if anything did.
  void PushChange(int spinField);
  // Drops the oldest steps until the rest hold no more than kBytes.
  void KeepWithinBytes();
  void Step(bool forward);

  TMain& window_;
  QUndoStack stack_;
  // The input as the last step (or the start) left it.
  InputState known_;
  int depth_ = 0;   // Record runs in progress
  int paused_ = 0;  // undo, redo, a fresh start in progress
  // Counts the focus's moves, so that a spin field's changes merge only
  // while the user stays in it.
  std::uint64_t focusRun_ = 0;
  std::exception_ptr failure_;
  QAction* undo_;
  QAction* redo_;
};

}  // namespace zorvel
