#include "InputHistory.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>

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
