#include "ElidedLabel.h"

#include "TextFit.h"

#include <QEvent>

namespace zorvel {

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  SetFullText(text);
}

void ElidedLabel::SetFullText(const QString& text) {
  fullText_ = text;
  Show();
  Speak();
}

void ElidedLabel::SpeakFullText(const QString& lead) {
  spokenLead_ = lead;
  Speak();
}

void ElidedLabel::Speak() {
  if (!spokenLead_) return;
  constexpr qsizetype kSpokenCharacters = 300;
  const QString text = CapLength(fullText_, kSpokenCharacters);
  setAccessibleName(spokenLead_->isEmpty() ? text : *spokenLead_ + QStringLiteral(": ") + text);
}

void ElidedLabel::StretchToParent(int margin) {
  rightMargin_ = margin;
  if (parentWidget() != nullptr) parentWidget()->installEventFilter(this);
  Stretch();
}

void ElidedLabel::Show() {
  const QString shown = ElideToWidth(fullText_, fontMetrics(), contentsRect().width());
  if (shown != text()) setText(shown);
  setToolTip(shown == fullText_ ? QString() : PlainToolTip(fullText_));
}

void ElidedLabel::Stretch() {
  if (rightMargin_ < 0 || parentWidget() == nullptr) return;
  resize(std::max(0, parentWidget()->width() - x() - rightMargin_), height());
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Show();
}

bool ElidedLabel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && event->type() == QEvent::Resize) Stretch();
  return QLabel::eventFilter(watched, event);
}

}  // namespace zorvel
