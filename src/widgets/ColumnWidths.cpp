#include "ColumnWidths.h"

#include "CoreTexts.h"
#include "Cp1250.h"
#include "Messages.h"
#include "StringGrid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <unordered_map>

namespace zorvel {

std::array<int, 256>& ColumnWidths::AdvanceTable(const QFont& font) {
  static std::unordered_map<QString, std::array<int, 256>> tables;  // nodes stay put as it grows
  const auto [table, added] = tables.try_emplace(font.key());
  if (added) table->second.fill(kNotMeasured);
  return table->second;
}

ColumnWidths::ColumnWidths(const StringGrid& grid)
    : grid_(grid), metrics_(grid.font()), advances_(&AdvanceTable(grid.font())) {
  // A cell's text stands between two margins (as the cell delegate paints
  // it), and the grid line takes the column's last pixel.
  const int margin = grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1;
  cellChrome_ = 2 * margin + (grid.showGrid() ? 1 : 0);
}

int ColumnWidths::Advance(unsigned char byte) const {
  int& advance = (*advances_)[byte];
  if (advance == kNotMeasured) {
    const char text = static_cast<char>(byte);
    const QChar c = FromCp1250(std::string_view(&text, 1)).front();
    advance = c.unicode() < 0x0300 ? metrics_.horizontalAdvance(c) : kLaidOut;
  }
  return advance;
}

int ColumnWidths::TextWidth(std::string_view cp1250, int most) const {
  int width = 0;
  for (const char c : cp1250) {
    const int advance = Advance(static_cast<unsigned char>(c));
    if (advance == kLaidOut) {
      // No glyph is narrower than a pixel: what lies past `most` characters
      // cannot make the text fit. A pixel more, since the layout's own width
      // may round otherwise.
      const QString text = FromCp1250(cp1250.substr(0, static_cast<std::size_t>(std::max(most, 0)) + 1));
      return metrics_.horizontalAdvance(text) + 1;
    }
    width += advance;
    if (width > most) break;
  }
  return width;
}

int ColumnWidths::Needed(int col, int least, int most) const {
  const Grid& grid = grid_.grid();
  int widest = 0;
  const std::string_view tooLarge = kTooLargeNumber;
  for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
    const std::string& text = grid.Cells(col, row);
    // A result's too-large message is shown in the window's language: that
    // text is what must fit.
    const bool translated = !grid_.Editable() && text.find(tooLarge) != std::string::npos;
    const std::string shown = translated ? ToCp1250(ShownValueText(std::string_view(text))) : std::string();
    widest =
        std::max(widest, TextWidth(translated ? std::string_view(shown) : std::string_view(text), most - cellChrome_));
  }
  return std::clamp(widest + cellChrome_, least, std::max(least, most));
}

int ColumnWidths::Beside(bool horizontalScrollBar) const {
  const int frame = 2 * grid_.frameWidth();
  const QHeaderView* rowHeader = grid_.verticalHeader();
  const QHeaderView* columnHeader = grid_.horizontalHeader();
  int height = grid_.height() - frame - (columnHeader->isHidden() ? 0 : columnHeader->height());
  if (horizontalScrollBar) height -= grid_.horizontalScrollBar()->sizeHint().height();
  const int rows = grid_.model()->rowCount() * rowHeader->defaultSectionSize();
  const int scrollBar = rows > height ? grid_.verticalScrollBar()->sizeHint().width() : 0;
  return frame + (rowHeader->isHidden() ? 0 : rowHeader->width()) + scrollBar;
}

QList<int> ShareRoom(const QList<int>& needs, int room, int least) {
  // The widest any column gets: the columns that need less than an equal
  // share of what is left take their need, in order from the narrowest.
  QList<int> ascending = needs;
  std::sort(ascending.begin(), ascending.end());
  int level = ascending.isEmpty() ? 0 : ascending.back();
  int left = room;
  for (qsizetype i = 0; i < ascending.size(); ++i) {
    const int share = left / static_cast<int>(ascending.size() - i);
    if (ascending[i] > share) {
      level = share;
      break;
    }
    left -= ascending[i];
  }
  QList<int> widths;
  widths.reserve(needs.size());
  for (const int need : needs) widths << std::max(least, std::min(need, level));
  return widths;
}

}  // namespace zorvel
