#pragma once

#include <QLabel>

#include <optional>

namespace zorvel {

// A label for a value that may not fit: it shows its text as plain text (never
// as markup), cut to its width with "…" when it is too long, and the whole
// text in its tooltip. With a right margin it stretches to its parent's right
// edge, so that it uses whatever room the parent has.
class ElidedLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ElidedLabel(const QString& text, QWidget* parent = nullptr);

  // The whole text; text() gives what is shown.
  [[nodiscard]] QString FullText() const { return fullText_; }
  void SetFullText(const QString& text);

  // Keeps the label's right edge `margin` pixels inside its parent's.
  void StretchToParent(int margin);

  // Screen readers hear the whole text (its first few hundred characters),
  // not what fits: after `lead` and a colon ("Determinant: 26-5i"), or alone
  // for an empty lead.
  void SpeakFullText(const QString& lead = {});

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Show();
  void Stretch();
  void Speak();

  QString fullText_;
  int rightMargin_ = -1;               // not stretched
  std::optional<QString> spokenLead_;  // nothing: the name set on the label
};

}  // namespace zorvel
