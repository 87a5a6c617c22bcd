#pragma once

#include <QColor>
#include <QPalette>

namespace zorvel {

// The colour of a text that warns: red, light enough to read on a dark
// palette and dark enough on a light one. Qt's palettes have no role for it.
inline QColor WarningColour(const QPalette& palette) {
  const bool darkBase = palette.color(QPalette::Base).lightness() < 128;
  return darkBase ? QColor(255, 110, 110) : QColor(200, 0, 0);
}

}  // namespace zorvel
