#include "TextFit.h"

#include <QTextDocument>

#include <algorithm>

namespace zorvel {
namespace {

const QString kEllipsis = QStringLiteral("\u2026");
constexpr qsizetype kToolTipCharacters = 300;  // a few lines of a tooltip

}  // namespace

QString ElideToWidth(const QString& text, const QFontMetrics& metrics, int width) {
  width = std::max(width, 0);
  const qsizetype laidOut = width + 1;
  if (text.size() <= laidOut) return metrics.elidedText(text, Qt::ElideRight, width);
  const QString head = text.left(laidOut);
  const QString elided = metrics.elidedText(head, Qt::ElideRight, width);
  // Zero-width characters could let the head fit whole; it is still cut.
  return elided == head ? metrics.elidedText(head.chopped(1) + kEllipsis, Qt::ElideRight, width) : elided;
}

QString CapLength(const QString& text, qsizetype characters) {
  return text.size() > characters ? text.left(characters) + kEllipsis : text;
}

QString PlainToolTip(const QString& text) {
  if (text.isEmpty()) return text;
  return Qt::convertFromPlainText(CapLength(text, kToolTipCharacters), Qt::WhiteSpaceNormal);
}

}  // namespace zorvel
