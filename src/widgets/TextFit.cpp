#include "TextFit.h"

#include <QTextDocument>

#include <algorithm>

namespace zorvel {
namespace {

const QString kEllipsis = QStringLiteral("\u2026");
constexpr qsizetype kToolTipCharacters = 300;  // a few lines of a tooltip

// Texts of the characters in number texts and the Latin alphabets are
// measured character by character, which costs a small part of a full text
// layout: every repaint of a grid measures each visible cell. Others
// (combining marks, other scripts) take the layout.
bool MeasuredByCharacter(const QString& text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x0300; });
}

// The width of "…" in the font of `metrics`, shaped once per font: a repaint
// of a result cuts most of its cells, and shaping costs more than measuring
// the characters that fit. Painting happens on one thread. The font is kept
// for the process's life: released after the application, it could reach a
// font cache that is gone.
int EllipsisWidth(const QFontMetrics& metrics) {
  static QFontMetrics* measured = nullptr;
  static int width = 0;
  if (measured == nullptr || *measured != metrics) {
    if (measured == nullptr) {
      measured = new QFontMetrics(metrics);
    } else {
      *measured = metrics;
    }
    width = metrics.horizontalAdvance(kEllipsis);
  }
  return width;
}

QString ElideByCharacter(const QString& text, const QFontMetrics& metrics, int width) {
  int used = 0;
  qsizetype fits = 0;
  for (; fits < text.size(); ++fits) {
    const int advance = metrics.horizontalAdvance(text[fits]);
    if (used + advance > width) break;
    used += advance;
  }
  if (fits == text.size()) return text;
  const int ellipsis = EllipsisWidth(metrics);
  while (fits > 0 && used + ellipsis > width) used -= metrics.horizontalAdvance(text[--fits]);
  return text.left(fits) + kEllipsis;
}

}  // namespace

QString ElideToWidth(const QString& text, const QFontMetrics& metrics, int width) {
  width = std::max(width, 0);
  const qsizetype laidOut = width + 1;
  const QString head = text.size() <= laidOut ? text : text.left(laidOut);
  if (MeasuredByCharacter(head)) {
    const QString elided = ElideByCharacter(head, metrics, width);
    return elided == head && head.size() < text.size() ? head.chopped(1) + kEllipsis : elided;
  }
  if (text.size() <= laidOut) return metrics.elidedText(text, Qt::ElideRight, width);
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
