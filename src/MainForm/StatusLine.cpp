#include "StatusLine.h"

#include <QApplication>
#include <QItemSelectionModel>

#include "GridModel.h"
#include "StringGrid.h"
#include "TextFit.h"

namespace zorvel {
namespace {

// As much of a cell's text as a screen reader is given.
constexpr qsizetype kSpokenCharacters = 300;

// Between the cell read out and the notice after it.
const QString kNoticeGap = QStringLiteral("   ");

}  // namespace

StatusLine::StatusLine(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);  // a cell's "<b>" is read as typed
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setContentsMargins(4, 0, 4, 0);
}

QSize StatusLine::sizeHint() const {
  const QMargins margins = contentsMargins();
  return {margins.left() + margins.right(), fontMetrics().height() + 2 * frameWidth() + 4};
}

QSize StatusLine::minimumSizeHint() const { return sizeHint(); }

void StatusLine::Follow(const QList<StringGrid*>& grids) {
  for (StringGrid* grid : grids) {
    grids_ << grid;
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this, [this, grid] {
      if (grid == followed_) Refresh();
    });
  }
  // The grid the user goes into, by key or by mouse, is the one read out;
  // leaving the grids for another control keeps the last one.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* /*old*/, QWidget* now) {
    for (QWidget* widget = now; widget != nullptr; widget = widget->parentWidget()) {
      auto* grid = qobject_cast<StringGrid*>(widget);
      if (grid != nullptr && grids_.contains(grid)) {
        followed_ = grid;
        Refresh();
        return;
      }
    }
  });
}

void StatusLine::Refresh() {
  lead_.clear();
  text_.clear();
  tail_.clear();
  const StringGrid* grid = followed_;
  const QModelIndex cell = grid != nullptr ? grid->currentIndex() : QModelIndex();
  if (grid != nullptr && grid->isVisible() && cell.isValid()) {
    const GridModel& model = grid->Model();
    const QString row = model.headerData(cell.row(), Qt::Vertical, Qt::DisplayRole).toString();
    const QString col = model.headerData(cell.column(), Qt::Horizontal, Qt::DisplayRole).toString();
    lead_ = tr("%1, riadok %2, stĺpec %3: ", "the matrix, the cell's row and column, before its text")
                .arg(grid->accessibleName(), row.isEmpty() ? QString::number(cell.row() + 1) : row,
                     col.isEmpty() ? QString::number(cell.column() + 1) : col);
    text_ = model.data(cell, Qt::DisplayRole).toString();
    if (text_.isEmpty()) text_ = tr("prázdna bunka");
    if (const std::optional<QString> value = model.ReadAs(cell)) {
      tail_ = tr(" — čítané ako %1", "after a cell's text: the value the text is read as").arg(*value);
    }
  }
  Show();
}

void StatusLine::SetNotice(const QString& notice) {
  if (notice == notice_) return;
  notice_ = notice;
  Show();
}

void StatusLine::Show() {
  const QFontMetrics metrics = fontMetrics();
  const QString after = notice_.isEmpty() ? tail_ : tail_ + (lead_.isEmpty() ? QString() : kNoticeGap) + notice_;
  const int textRoom = contentsRect().width() - metrics.horizontalAdvance(lead_) - metrics.horizontalAdvance(after);
  const QString shownText = ElideToWidth(text_, metrics, textRoom);
  const QString shown = lead_ + shownText + after;
  if (shown != text()) setText(shown);
  setToolTip(shownText == text_ ? QString() : PlainToolTip(lead_ + text_ + after));
  setAccessibleName(lead_ + CapLength(text_, kSpokenCharacters) + after);
}

void StatusLine::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Show();
}

}  // namespace zorvel
