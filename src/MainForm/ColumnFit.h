#pragma once

#include <QHash>
#include <QMap>
#include <QObject>
#include <QTimer>

#include <array>

class QAction;

namespace zorvel {

class StringGrid;
class TMain;

// Columns as wide as their texts, as far as the window has room: after every
// calculation, and once the window or a grid has changed its size, the
// columns of the shown result grids take the widths their texts need and the
// input columns whose text is cut widen; when the room runs out, the columns
// that need little get it and the others share the rest. The inverse view
// shares its width between the adjugate and the inverse the same way. The
// grids' default width of 30 stays the least. A column the user has set by
// hand, and the share the user has dragged, stay until the sizes or the
// operation change. The action "Prispôsobiť šírku stĺpcov" (Ctrl+Shift+W,
// also in the result grids' context menus) fits every column of the result
// grids at once, those set by hand too.
class ColumnFit : public QObject {
  Q_OBJECT

 public:
  explicit ColumnFit(TMain& window);

  // Fits what the window shows now.
  void Fit();
  // Forgets the widths set by hand in the result grids, then fits.
  void FitResults();

  [[nodiscard]] QAction* FitAction() const { return fitAction_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A grid's data column widths (grid column -> width) within `room`.
  using Widths = QMap<int, int>;
  [[nodiscard]] Widths ResultWidths(const StringGrid& pole, int room) const;
  [[nodiscard]] Widths InputWidths(const StringGrid& pole, int room) const;
  void FitGrid(StringGrid& pole, bool result);
  // The whole width a result grid needs to show every text whole.
  [[nodiscard]] int Need(const StringGrid& pole, int most) const;
  void ShareInverseView();
  void ForgetHandWidthsOfAnotherShape();
  void SetByHand(StringGrid* pole, int col);
  void BorderDragged(StringGrid* pole);
  [[nodiscard]] StringGrid* Partner(const StringGrid* pole) const;

  TMain& window_;
  QAction* fitAction_;
  // One fit once a change of size has settled.
  QTimer refit_;
  // The sizes of both matrices and the operation that the hand widths
  // belong to.
  std::array<int, 5> shape_{};
  QHash<const StringGrid*, Widths> byHand_;
  // The inverse's width as the window was built and as the fit last left it;
  // another one was dragged by the user.
  int builtShare_;
  int share_;
  bool shareByHand_ = false;
};

}  // namespace zorvel
