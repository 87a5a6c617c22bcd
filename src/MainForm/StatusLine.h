#pragma once

#include <QLabel>
#include <QList>
#include <QPointer>

namespace zorvel {

class StringGrid;

// The line at the bottom of the window that reads out the current cell of
// the grid the user last worked in: which cell, its whole text, and for a
// cell not read whole, the value it is read as ("Matica 1, riadok 2,
// stĺpec 3: 4,7k — čítané ako 47"). A text too long for the line is cut with
// "…", but never what it is read as; screen readers hear the line whole.
class StatusLine : public QLabel {
  Q_OBJECT

 public:
  explicit StatusLine(QWidget* parent = nullptr);

  // Follows the focus into these grids and their current cells; each is
  // named by its accessible name.
  void Follow(const QList<StringGrid*>& grids);
  // Reads the current cell again (its text may have changed).
  void Refresh();
  // A sentence about the results as a whole, shown after the cell (never
  // cut), or alone when no cell is read out; empty for none.
  void SetNotice(const QString& notice);
  [[nodiscard]] QString Notice() const { return notice_; }

  [[nodiscard]] QSize sizeHint() const override;
  [[nodiscard]] QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Show();

  QList<QPointer<StringGrid>> grids_;
  QPointer<StringGrid> followed_;
  // The line in three parts: the cell, its text, what it is read as (the
  // text alone is cut when the line is too narrow).
  QString lead_;
  QString text_;
  QString tail_;
  QString notice_;
};

}  // namespace zorvel
