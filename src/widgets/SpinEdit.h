#pragma once

#include <QString>
#include <QWidget>

#include <exception>
#include <functional>

class QLineEdit;
class QToolButton;

namespace zorvel {

// A number field with free text and two arrow buttons. The text is not
// validated: Value() reads it and falls back to MinValue, and only SetValue,
// the arrows and leaving the field clamp to MinValue..MaxValue (no clamp when
// the two are equal).
//
// Every change of the text, typed or written by the program, runs OnChange
// before the change returns; writing the present text again runs nothing. When
// OnChange throws during SetText or SetValue, the exception comes out of that
// call once Qt has finished with the change; when it throws during the user's
// typing, it is reported as an escaped error and the field goes on working.
class SpinEdit : public QWidget {
  Q_OBJECT

 public:
  explicit SpinEdit(QWidget* parent = nullptr);

  [[nodiscard]] QString Text() const;
  void SetText(const QString& text);

  // The text read as an integer, or MinValue when it is none. Not clamped.
  [[nodiscard]] int Value() const;
  void SetValue(int value);
  // Writes the value as SetValue does but runs no OnChange: for the program
  // putting back a state that its handlers have already seen.
  void SetValueQuietly(int value);

  [[nodiscard]] int MinValue() const { return minValue_; }
  void SetMinValue(int value) { minValue_ = value; }
  [[nodiscard]] int MaxValue() const { return maxValue_; }
  void SetMaxValue(int value) { maxValue_ = value; }

  // An empty function detaches the handler.
  void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

  [[nodiscard]] QLineEdit* Editor() const { return edit_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  [[nodiscard]] int Clamped(int value) const;
  void TextChanged();
  void Step(int delta);               // the arrows: Value() plus or minus one
  bool KeyPressed(QKeyEvent* event);  // true when the key is used up
  void FitHeight();

  QLineEdit* edit_;
  QToolButton* up_;
  QToolButton* down_;
  int minValue_ = 0;
  int maxValue_ = 0;
  std::function<void()> onChange_;
  // Where OnChange's exception goes while the program writes the text; null
  // during the user's edits.
  std::exception_ptr* pendingWrite_ = nullptr;
};

}  // namespace zorvel
