#pragma once

#include <QFontMetrics>
#include <QList>

#include <array>
#include <string_view>

namespace zorvel {

class StringGrid;

// How wide a string grid's columns must be for their texts to show whole, and
// how much room they have. Texts are measured as the cells paint them,
// character by character, with one table of advances for the grid's font, so
// fitting every column of a 10 x 10 result after each keystroke costs little.
class ColumnWidths {
 public:
  explicit ColumnWidths(const StringGrid& grid);

  // The width grid column `col` needs for the text of each of its data cells
  // to show whole, within `least` and `most`.
  [[nodiscard]] int Needed(int col, int least, int most) const;

  // The width the grid takes besides its data columns: its frame, its row
  // header, and the vertical scroll bar when its rows are taller than its
  // room, which a horizontal scroll bar makes lower.
  [[nodiscard]] int Beside(bool horizontalScrollBar) const;

 private:
  // A text's width, or anything above `most` once it is wider.
  [[nodiscard]] int TextWidth(std::string_view cp1250, int most) const;
  // A byte's advance; kLaidOut for one whose character is measured with its
  // neighbours (combining marks, other scripts), as the cells paint those.
  [[nodiscard]] int Advance(unsigned char byte) const;

  static constexpr int kNotMeasured = -1;
  static constexpr int kLaidOut = -2;

  // The advances met so far in `font`, by Windows-1250 byte.
  static std::array<int, 256>& AdvanceTable(const QFont& font);

  const StringGrid& grid_;
  QFontMetrics metrics_;
  int cellChrome_;  // the text margins and the grid line
  std::array<int, 256>* advances_;
};

// Widths for columns that need `needs` within `room`: each its need when all
// fit; otherwise the columns that need little get it and the others share
// what is left equally. Never below `least`, even when the room is smaller.
[[nodiscard]] QList<int> ShareRoom(const QList<int>& needs, int room, int least);

}  // namespace zorvel
