#include "InputHistory.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>

#include <utility>
#include <vector>

#include "HandlerGuard.h"
#include "InputChangeCommand.h"
#include "Panel.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel {

InputHistory::InputHistory(TMain& window)
    : window_(window),
      known_(ReadInput(window)),
      undo_(new QAction(tr("Späť"), this)),
      redo_(new QAction(tr("Znova"), this)) {
  stack_.setUndoLimit(kSteps);
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
  undo_->setEnabled(false);
  redo_->setEnabled(false);
  connect(&stack_, &QUndoStack::canUndoChanged, undo_, &QAction::setEnabled);
  connect(&stack_, &QUndoStack::canRedoChanged, redo_, &QAction::setEnabled);
  connect(undo_, &QAction::triggered, this, Guarded([this] { Undo(); }));
  connect(redo_, &QAction::triggered, this, Guarded([this] { Redo(); }));
  // The keys work wherever the focus is in the window, except while the
  // about panel covers the matrices (and disables them).
  window.Panel1->addAction(undo_);
  window.Panel1->addAction(redo_);
  for (StringGrid* pole : window.Grids()) {
    pole->AddMenuActions(StringGrid::MenuGroup::Top, {undo_, redo_});
  }
  for (const TMain::MatrixInput& matrix : window.Inputs().matrices) {
    StringGrid* const pole = matrix.pole;
    connect(pole, &StringGrid::editorClosed, this, &InputHistory::EditorClosed);
  }
  connect(qApp, &QApplication::focusChanged, this, [this] { ++focusRun_; });
}

InputHistory::~InputHistory() = default;

void InputHistory::Record(const std::function<void()>& action, int spinField) {
  if (depth_ > 0 || paused_ > 0) {
    action();
    return;
  }
  CloseCellEditors();
  ++depth_;
  RunThen(action, [this, spinField] {
    --depth_;
    PushChange(spinField);
  });
}

void InputHistory::PushChange(int spinField) {
  InputChange change = TakeChange(known_, window_);
  if (change.Empty()) return;
  const InputChangeCommand::MergeKey key{spinField, spinField >= 0 ? focusRun_ : 0};
  stack_.push(new InputChangeCommand(window_, std::move(change), key, failure_));
  KeepWithinBytes();
}

// QUndoStack drops its oldest commands only by their number, so the steps
// that fit are pushed anew into an emptied stack. A push has just dropped
// every step to redo: all the steps are behind the present input, and
// pushing them again shows nothing.
void InputHistory::KeepWithinBytes() {
  std::size_t bytes = 0;
  int first = stack_.count();
  while (first > 0) {
    const auto* step = static_cast<const InputChangeCommand*>(stack_.command(first - 1));
    if (first < stack_.count() && bytes + step->Bytes() > kBytes) break;
    bytes += step->Bytes();
    --first;
  }
  if (first == 0) return;
  std::vector<std::pair<InputChange, InputChangeCommand::MergeKey>> kept;
  for (int i = first; i < stack_.count(); ++i) {
    const auto* step = static_cast<const InputChangeCommand*>(stack_.command(i));
    kept.emplace_back(step->Change(), InputChangeCommand::MergeKey{});  // kept apart, as they were
  }
  const InputChangeCommand::MergeKey lastKey =
      static_cast<const InputChangeCommand*>(stack_.command(stack_.count() - 1))->Key();
  kept.back().second = lastKey;  // the newest may still take the field's next change
  stack_.clear();
  for (auto& [change, key] : kept) stack_.push(new InputChangeCommand(window_, std::move(change), key, failure_));
}

void InputHistory::CloseCellEditors() {
  for (const TMain::MatrixInput& matrix : window_.Inputs().matrices) matrix.pole->CloseCellEditor();
}

void InputHistory::EditorClosed() {
  // An editor closed by another action's run belongs to that action.
  if (depth_ == 0 && paused_ == 0) PushChange(-1);
}

void InputHistory::Undo() { Step(false); }

void InputHistory::Redo() { Step(true); }

void InputHistory::Step(bool forward) {
  CloseCellEditors();  // an edit still open is the latest step
  failure_ = nullptr;
  ++paused_;
  if (forward) {
    stack_.redo();
  } else {
    stack_.undo();
  }
  --paused_;
  static_cast<void>(TakeChange(known_, window_));  // what the window shows now is known
  ++focusRun_;                                     // a spin field's next change is a step of its own
  if (const std::exception_ptr failure = std::exchange(failure_, nullptr)) std::rethrow_exception(failure);
}

InputHistory::FreshStart::FreshStart(InputHistory& history) : history_(history) { ++history_.paused_; }

InputHistory::FreshStart::~FreshStart() {
  --history_.paused_;
  history_.stack_.clear();
  history_.known_ = ReadInput(history_.window_);
}

}  // namespace zorvel
