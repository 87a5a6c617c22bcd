#include "SpinEdit.h"

#include "Cp1250.h"
#include "HandlerGuard.h"
#include "NumberText.h"
#include "TextUndoKeys.h"

#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <utility>

namespace zorvel {
namespace {

constexpr int kButtonWidth = 15;

QToolButton* MakeArrow(Qt::ArrowType arrow, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  button->setFixedWidth(kButtonWidth);
  button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
  return button;
}

// What a user may type: digits, signs, the decimal comma and control
// characters other than Enter.
bool IsAcceptedChar(QChar c) {
  const char16_t u = c.unicode();
  return (u >= '0' && u <= '9') || u == '+' || u == '-' || u == ',' || (u < 32 && u != '\r' && u != '\n');
}

// Switching to another window or opening a menu does not leave the field.
bool LeavesField(const QFocusEvent* event) {
  return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

}  // namespace

SpinEdit::SpinEdit(QWidget* parent)
    : QWidget(parent),
      edit_(new QLineEdit(QStringLiteral("0"), this)),
      up_(MakeArrow(Qt::UpArrow, this)),
      down_(MakeArrow(Qt::DownArrow, this)) {
  // Composed input would bypass the filter of typed characters.
  edit_->setAttribute(Qt::WA_InputMethodEnabled, false);
  edit_->installEventFilter(this);
  new TextUndoKeys(edit_);
  setFocusProxy(edit_);
  setFocusPolicy(edit_->focusPolicy());

  auto* arrows = new QVBoxLayout;
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(edit_, 1);
  row->addLayout(arrows);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  FitHeight();

  connect(edit_, &QLineEdit::textChanged, this, &SpinEdit::TextChanged);
  // The arrows take the focus to the field, as clicking any part of it would.
  const auto focusField = [this] { edit_->setFocus(Qt::MouseFocusReason); };
  connect(up_, &QToolButton::pressed, this, focusField);
  connect(down_, &QToolButton::pressed, this, focusField);
  connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

QString SpinEdit::Text() const { return edit_->text(); }

void SpinEdit::SetText(const QString& text) {
  if (text == edit_->text()) return;
  std::exception_ptr failure;
  std::exception_ptr* const outer = pendingWrite_;
  pendingWrite_ = &failure;
  edit_->setText(text);  // runs TextChanged, and OnChange, before it returns
  pendingWrite_ = outer;
  if (failure) std::rethrow_exception(failure);
}

int SpinEdit::Value() const { return TryTextToInt(ToCp1250(edit_->text())).value_or(minValue_); }

void SpinEdit::SetValue(int value) { SetText(QString::number(Clamped(value))); }

void SpinEdit::SetValueQuietly(int value) {
  const std::function<void()> handler = std::exchange(onChange_, {});
  SetValue(value);
  onChange_ = handler;
}

int SpinEdit::Clamped(int value) const {
  if (minValue_ == maxValue_) return value;
  return std::clamp(value, std::min(minValue_, maxValue_), std::max(minValue_, maxValue_));
}

void SpinEdit::TextChanged() {
  // Writes that OnChange makes carry their own target; a user edit made in a
  // nested event loop meanwhile is reported, not handed to the program's write.
  std::exception_ptr* const target = pendingWrite_;
  pendingWrite_ = nullptr;
  const std::function<void()> handler = onChange_;  // OnChange may detach itself
  if (handler) {
    if (target != nullptr) {
      try {
        handler();
      } catch (...) {
        *target = std::current_exception();
      }
    } else {
      RunGuarded(handler);
    }
  }
  pendingWrite_ = target;
}

void SpinEdit::Step(int delta) {
  RunGuarded([&] {
    const long long next = static_cast<long long>(Value()) + delta;
    SetValue(static_cast<int>(std::clamp<long long>(next, INT_MIN, INT_MAX)));
  });
}

bool SpinEdit::KeyPressed(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
    Step(event->key() == Qt::Key_Up ? +1 : -1);
    return true;
  }
  // Shortcuts (paste among them) are not typed characters.
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString typed = event->text();
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter || (!typed.isEmpty() && !std::all_of(typed.begin(), typed.end(), IsAcceptedChar))) {
    QApplication::beep();
    return true;
  }
  return false;
}

bool SpinEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_) {
    if (event->type() == QEvent::KeyPress && KeyPressed(static_cast<QKeyEvent*>(event))) return true;
    if (event->type() == QEvent::FocusOut && LeavesField(static_cast<QFocusEvent*>(event))) {
      // Leaving the field brings a value outside the range back into it.
      RunGuarded([this] {
        const int value = Value();
        if (Clamped(value) != value) SetValue(value);
      });
    }
  }
  return QWidget::eventFilter(watched, event);
}

void SpinEdit::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) FitHeight();
  QWidget::changeEvent(event);
}

void SpinEdit::FitHeight() { setFixedHeight(edit_->sizeHint().height()); }

}  // namespace zorvel
