#pragma once

#include <QFontMetrics>
#include <QString>

namespace zorvel {

// `text` as it fits into `width` pixels: whole when it fits, otherwise cut and
// ended with "…" so that a cut number never looks whole. Only the first
// `width` characters are ever laid out (no glyph is narrower than a pixel), so
// a cell of tens of thousands of characters costs what a short one does.
QString ElideToWidth(const QString& text, const QFontMetrics& metrics, int width);

// At most `characters` of `text`, ended with "…" when cut: what a tooltip or
// a screen reader can take of a cell of tens of thousands of characters.
QString CapLength(const QString& text, qsizetype characters);

// A tooltip that shows `text` literally ("<u>42</u>" stays as typed, never
// underlined), at most a few hundred characters of it, then "…".
QString PlainToolTip(const QString& text);

}  // namespace zorvel
