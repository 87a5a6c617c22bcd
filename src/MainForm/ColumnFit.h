#pragma once

#include <QHash>
#include <QMap>
#include <QObject>
#include <QTimer>

#include <array>

#include "BorderShare.h"

class QAction;

namespace zorvel {

class StringGrid;
class TMain;

// Room by need. Columns as wide as their texts, as far as the window has
// room: after every calculation, and once the window or a grid has changed
// its size, the columns of the shown grids, inputs and results, take the
// widths their texts need; when the room runs out, the columns that need
// little get it and the others share the rest. The grids' default width of
// 30 stays the least. The two matrices share the upper area's width the same
// way (matrix 1 as wide as its columns need, never below the width it was
// built with, matrix 2 the rest), and so do the adjugate and the inverse. A
// column the user has set by hand, and a border the user has dragged, stay
// until the sizes or the operation change; a column's hand width goes with
// its matrix when another replaces it (a file, the swap). The action
// "Prispôsobiť šírku stĺpcov" (Ctrl+Shift+W, also in every grid's context
// menu) fits every column at once, those set by hand too.
class ColumnFit : public QObject {
  Q_OBJECT

 public:
  explicit ColumnFit(TMain& window);

  // Fits what the window shows now.
  void Fit();
  // Forgets the widths set by hand and the borders dragged, then fits.
  void FitResults();
  // Another matrix took the place of the one in `pole`: its hand widths go.
  void MatrixReplaced(const StringGrid* pole);
  // The widths the grids have now (the last session's) are kept as the least
  // for their columns, until the sizes change or the matrix is replaced.
  void KeepWidths();

  [[nodiscard]] QAction* FitAction() const { return fitAction_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A grid's data column widths (grid column -> width) within `room`.
  using Widths = QMap<int, int>;
  [[nodiscard]] Widths FittedWidths(const StringGrid& pole, int room) const;
  void FitGrid(StringGrid& pole);
  // The whole width a result grid needs to show every text whole.
  [[nodiscard]] int Need(const StringGrid& pole, int most) const;
  void ShareMatrixPanels();
  void ShareInverseView();
  void FitFraction();
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
  QHash<const StringGrid*, Widths> kept_;
  // The border between the matrices, and between the adjugate and the
  // inverse.
  BorderShare matrices_;
  BorderShare inverse_;
};

}  // namespace zorvel
