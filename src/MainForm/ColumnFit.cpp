#include "ColumnFit.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QResizeEvent>

#include <algorithm>
#include <numeric>

#include "ColumnWidths.h"
#include "ElidedLabel.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "Splitter.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel {
namespace {

// The grids' default column width: no fit makes a column narrower.
constexpr int kLeast = 30;

int Sum(const QList<int>& widths) { return std::accumulate(widths.begin(), widths.end(), 0); }

int Sum(const QMap<int, int>& widths) { return Sum(widths.values()); }

}  // namespace

ColumnFit::ColumnFit(TMain& window)
    : window_(window),
      fitAction_(new QAction(tr("Prispôsobiť šírku stĺpcov"), this)),
      matrices_(window.Panel1->Layout(), window.Panel2),
      inverse_(window.PanelInverzna->Layout(), window.Panel8) {
  fitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
  window.addAction(fitAction_);  // the keys work anywhere in the window
  connect(fitAction_, &QAction::triggered, this, &ColumnFit::FitResults);
  for (StringGrid* pole : window.Grids()) pole->AddMenuActions(StringGrid::MenuGroup::Bottom, {fitAction_});

  refit_.setSingleShot(true);
  refit_.setInterval(0);
  connect(&refit_, &QTimer::timeout, this, &ColumnFit::Fit);
  window.installEventFilter(this);
  // Made after the window's own handlers: a drag's widths are read once the
  // partner grid has followed.
  for (StringGrid* pole : window.Grids()) {
    pole->installEventFilter(this);
    connect(pole, &StringGrid::columnWidthSetByUser, this, [this, pole](int col) { SetByHand(pole, col); });
    connect(pole, &StringGrid::mouseReleased, this, [this, pole] { BorderDragged(pole); });
  }
  connect(&window, &TMain::recalculated, this, &ColumnFit::Fit);
}

bool ColumnFit::eventFilter(QObject* watched, QEvent* event) {
  // Sizes settle in steps (the window, then the panels in it): one fit after,
  // and one once the window is first shown, when everything has its size.
  if (event->type() == QEvent::Show && watched == &window_) refit_.start();
  if (event->type() == QEvent::Resize && window_.isVisible()) {
    const auto* resize = static_cast<QResizeEvent*>(event);
    if (resize->oldSize().isValid() && resize->oldSize() != resize->size()) refit_.start();
  }
  return QObject::eventFilter(watched, event);
}

void ColumnFit::Fit() {
  refit_.stop();
  ForgetHandWidthsOfAnotherShape();
  if (!window_.isVisible()) return;  // nothing has its size yet
  ShareMatrixPanels();
  if (window_.PanelInverzna->isVisible()) ShareInverseView();
  for (StringGrid* pole : {window_.Pole3, window_.Pole4, window_.Pole5}) {
    if (pole->isVisible()) FitGrid(*pole);
  }
  for (const TMain::MatrixInput& matrix : window_.Inputs().matrices) {
    StringGrid* const pole = matrix.pole;
    if (pole->isVisible()) FitGrid(*pole);
  }
}

void ColumnFit::FitResults() {
  byHand_.clear();
  kept_.clear();
  matrices_.Forget();
  inverse_.Forget();
  Fit();
}

void ColumnFit::MatrixReplaced(const StringGrid* pole) {
  byHand_.remove(pole);
  kept_.remove(pole);
}

void ColumnFit::KeepWidths() {
  kept_.clear();
  for (const StringGrid* pole : window_.Grids()) {
    const Grid& grid = pole->grid();
    for (int col = grid.FixedCols(); col < grid.ColCount(); ++col) kept_[pole][col] = grid.ColWidths(col);
  }
  shape_ = {};  // taken as they are now, below
  ForgetHandWidthsOfAnotherShape();
}

void ColumnFit::ForgetHandWidthsOfAnotherShape() {
  const TMain::InputControls inputs = window_.Inputs();
  const auto& [one, two] = inputs.matrices;
  const std::array<int, 5> shape = {one.rows->Value(), one.cols->Value(), two.rows->Value(), two.cols->Value(),
                                    inputs.operation->currentIndex()};
  if (shape == shape_) return;
  const bool first = shape_ == std::array<int, 5>{};
  shape_ = shape;
  if (first) return;  // the widths kept from the last session belong to these sizes
  byHand_.clear();
  kept_.clear();
  matrices_.Forget();
  inverse_.Forget();
}

ColumnFit::Widths ColumnFit::FittedWidths(const StringGrid& pole, int room) const {
  const Widths byHand = byHand_.value(&pole);
  const Widths kept = kept_.value(&pole);
  const ColumnWidths measure(pole);
  const Grid& grid = pole.grid();
  QList<int> columns;
  QList<int> needs;
  Widths widths;
  for (int col = grid.FixedCols(); col < grid.ColCount(); ++col) {
    if (byHand.contains(col)) {
      widths[col] = byHand[col];
    } else {
      columns << col;
      needs << std::max(kept.value(col, kLeast), measure.Needed(col, kLeast, room));
    }
  }
  const QList<int> shares = ShareRoom(needs, room - Sum(widths), kLeast);
  for (qsizetype i = 0; i < columns.size(); ++i) widths[columns[i]] = shares[i];
  return widths;
}

void ColumnFit::FitGrid(StringGrid& pole) {
  const ColumnWidths measure(pole);
  const auto widthsIn = [&](int room) { return FittedWidths(pole, room); };
  const int room = pole.width() - measure.Beside(false);
  Widths widths = widthsIn(room);
  // Wider than the grid, its columns scroll: the scroll bar takes height,
  // which may leave too little for the rows without one more bar.
  if (Sum(widths) > room) widths = widthsIn(pole.width() - measure.Beside(true));
  for (auto it = widths.cbegin(); it != widths.cend(); ++it) pole.grid().SetColWidths(it.key(), it.value());
}

int ColumnFit::Need(const StringGrid& pole, int most) const {
  const Widths byHand = byHand_.value(&pole);
  const Widths kept = kept_.value(&pole);
  const ColumnWidths measure(pole);
  const Grid& grid = pole.grid();
  int need = measure.Beside(false);
  for (int col = grid.FixedCols(); col < grid.ColCount(); ++col) {
    need += byHand.contains(col) ? byHand[col] : std::max(kept.value(col, kLeast), measure.Needed(col, kLeast, most));
  }
  return need;
}

// Matrix 1 gets what its columns need, never less than it was built with,
// and matrix 2 the rest; when both do not fit, the one that needs less gets
// its need. Neither gets less than its size box.
void ColumnFit::ShareMatrixPanels() {
  if (matrices_.Dragged()) return;
  StringGrid* one = window_.Pole1;
  StringGrid* two = window_.Pole2;
  const int room = window_.Panel2->width() + window_.Panel3->width();
  const int beside = window_.Panel2->width() - one->width();  // the panel's frame
  const int oneNeed = std::max(matrices_.Built(), Need(*one, room) + beside);
  const int twoLeast = window_.SpinEdit4->x() + window_.SpinEdit4->width() + 8;
  const int twoNeed = std::max(twoLeast, Need(*two, room) + beside);
  int width = oneNeed;
  if (oneNeed + twoNeed > room) width = ShareRoom({oneNeed, twoNeed}, room, Splitter::kMinSize)[0];
  matrices_.Place(std::clamp(width, std::min(matrices_.Built(), room - twoLeast), std::max(room - twoLeast, 0)));
}

// The adjugate and the inverse share one width: each gets what it needs when
// both fit, the inverse at least the width it was built with; otherwise the
// inverse, the answer, gets its need up to two thirds, the adjugate the rest.
void ColumnFit::ShareInverseView() {
  FitFraction();
  if (inverse_.Dragged()) return;
  StringGrid* adjugate = window_.Pole3;
  StringGrid* inverse = window_.Pole4;
  const int room = adjugate->width() + inverse->width();
  const int adjugateNeed = Need(*adjugate, room);
  const int inverseNeed = Need(*inverse, room);
  int width = std::min(inverseNeed, std::max(room - adjugateNeed, room * 2 / 3));
  if (adjugateNeed + inverseNeed <= room)
    width = std::min(std::max(inverseNeed, inverse_.Built()), room - adjugateNeed);
  inverse_.Place(width + window_.Panel8->width() - inverse->width());
}

// "1 over the determinant" as wide as the determinant's text, within reason:
// the fraction bar, the "1" and the determinant share one width.
void ColumnFit::FitFraction() {
  constexpr int kBuilt = 65;
  constexpr int kMost = 320;
  const QString text = window_.Determinant3->FullText();
  const int width = std::clamp(window_.Determinant3->fontMetrics().horizontalAdvance(text) + 6, kBuilt, kMost);
  for (QWidget* piece : {static_cast<QWidget*>(window_.Label7), static_cast<QWidget*>(window_.Bevel1),
                         static_cast<QWidget*>(window_.Determinant3)}) {
    piece->resize(width, piece->height());
  }
  window_.Label8->move(window_.Determinant3->x() + width + 7, window_.Label8->y());
  window_.Panel7->Layout().SetExtent(window_.Panel11, window_.Label8->x() + window_.Label8->width() + 8);
}

void ColumnFit::SetByHand(StringGrid* pole, int col) { byHand_[pole][col] = pole->grid().ColWidths(col); }

// After a border dragged in an input grid, or in the adjugate or the
// inverse, the window gives every data column of the grid and of its partner
// one width: all of them are set by hand.
void ColumnFit::BorderDragged(StringGrid* pole) {
  StringGrid* partner = Partner(pole);
  if (!pole->BorderDragged() || partner == nullptr) return;
  for (StringGrid* grid : {pole, partner}) {
    for (int col = grid->grid().FixedCols(); col < grid->grid().ColCount(); ++col) SetByHand(grid, col);
  }
}

StringGrid* ColumnFit::Partner(const StringGrid* pole) const {
  if (pole == window_.Pole1) return window_.Pole2;
  if (pole == window_.Pole2) return window_.Pole1;
  if (pole == window_.Pole3) return window_.Pole4;
  if (pole == window_.Pole4) return window_.Pole3;
  return nullptr;
}

}  // namespace zorvel
