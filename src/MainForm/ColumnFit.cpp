#include "ColumnFit.h"

#include <QAction>
#include <QComboBox>
#include <QResizeEvent>

#include <algorithm>
#include <numeric>

#include "ColumnWidths.h"
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
      builtShare_(window.PanelInverzna->Layout().Extent(window.Panel8)),
      share_(builtShare_) {
  fitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W));
  window.addAction(fitAction_);  // the keys work anywhere in the window
  connect(fitAction_, &QAction::triggered, this, &ColumnFit::FitResults);
  for (StringGrid* pole : {window.Pole3, window.Pole4, window.Pole5}) {
    pole->AddMenuActions(StringGrid::MenuGroup::Bottom, {fitAction_});
  }

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
  // Sizes settle in steps (the window, then the panels in it): one fit after.
  // Being shown is no change of size: the widths the window was given stay.
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
  if (window_.PanelInverzna->isVisible()) ShareInverseView();
  for (StringGrid* pole : {window_.Pole3, window_.Pole4, window_.Pole5}) {
    if (pole->isVisible()) FitGrid(*pole, true);
  }
  for (const TMain::MatrixInput& matrix : window_.Inputs().matrices) {
    StringGrid* const pole = matrix.pole;
    if (pole->isVisible()) FitGrid(*pole, false);
  }
}

void ColumnFit::FitResults() {
  for (const StringGrid* pole : {window_.Pole3, window_.Pole4, window_.Pole5}) byHand_.remove(pole);
  shareByHand_ = false;
  Fit();
}

void ColumnFit::ForgetHandWidthsOfAnotherShape() {
  const TMain::InputControls inputs = window_.Inputs();
  const auto& [one, two] = inputs.matrices;
  const std::array<int, 5> shape = {one.rows->Value(), one.cols->Value(), two.rows->Value(), two.cols->Value(),
                                    inputs.operation->currentIndex()};
  if (shape == shape_) return;
  shape_ = shape;
  byHand_.clear();
  shareByHand_ = false;
}

ColumnFit::Widths ColumnFit::ResultWidths(const StringGrid& pole, int room) const {
  const Widths byHand = byHand_.value(&pole);
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
      needs << measure.Needed(col, kLeast, room);
    }
  }
  const QList<int> shares = ShareRoom(needs, room - Sum(widths), kLeast);
  for (qsizetype i = 0; i < columns.size(); ++i) widths[columns[i]] = shares[i];
  return widths;
}

ColumnFit::Widths ColumnFit::InputWidths(const StringGrid& pole, int room) const {
  const Widths byHand = byHand_.value(&pole);
  const ColumnWidths measure(pole);
  const Grid& grid = pole.grid();
  QList<int> cut;
  QList<int> needs;
  Widths widths;
  for (int col = grid.FixedCols(); col < grid.ColCount(); ++col) {
    widths[col] = grid.ColWidths(col);
    if (byHand.contains(col)) continue;
    const int need = measure.Needed(col, kLeast, room);
    if (need <= widths[col]) continue;
    cut << col;
    needs << need;
  }
  int others = Sum(widths);
  for (const int col : cut) others -= widths[col];
  const QList<int> shares = ShareRoom(needs, room - others, kLeast);
  // An input column only widens: the user may have made it wider than its texts.
  for (qsizetype i = 0; i < cut.size(); ++i) widths[cut[i]] = std::max(widths[cut[i]], shares[i]);
  return widths;
}

void ColumnFit::FitGrid(StringGrid& pole, bool result) {
  const ColumnWidths measure(pole);
  const auto widthsIn = [&](int room) { return result ? ResultWidths(pole, room) : InputWidths(pole, room); };
  const int room = pole.width() - measure.Beside(false);
  Widths widths = widthsIn(room);
  // Wider than the grid, its columns scroll: the scroll bar takes height,
  // which may leave too little for the rows without one more bar.
  if (Sum(widths) > room) widths = widthsIn(pole.width() - measure.Beside(true));
  for (auto it = widths.cbegin(); it != widths.cend(); ++it) pole.grid().SetColWidths(it.key(), it.value());
}

int ColumnFit::Need(const StringGrid& pole, int most) const {
  const Widths byHand = byHand_.value(&pole);
  const ColumnWidths measure(pole);
  const Grid& grid = pole.grid();
  int need = measure.Beside(false);
  for (int col = grid.FixedCols(); col < grid.ColCount(); ++col) {
    need += byHand.contains(col) ? byHand[col] : measure.Needed(col, kLeast, most);
  }
  return need;
}

// The adjugate and the inverse share one width: each gets what it needs when
// both fit, the inverse at least the width it was built with; otherwise the
// one that needs less gets it, or each half.
void ColumnFit::ShareInverseView() {
  AlignLayout& layout = window_.PanelInverzna->Layout();
  const int extent = layout.Extent(window_.Panel8);
  if (extent != share_) shareByHand_ = true;  // Splitter2 was dragged
  if (shareByHand_) return;
  StringGrid* adjugate = window_.Pole3;
  StringGrid* inverse = window_.Pole4;
  const int room = adjugate->width() + inverse->width();
  const int adjugateNeed = Need(*adjugate, room);
  const int inverseNeed = Need(*inverse, room);
  int width = ShareRoom({adjugateNeed, inverseNeed}, room, Splitter::kMinSize)[1];
  if (adjugateNeed + inverseNeed <= room) width = std::min(std::max(inverseNeed, builtShare_), room - adjugateNeed);
  layout.SetExtent(window_.Panel8, width + window_.Panel8->width() - inverse->width());
  share_ = layout.Extent(window_.Panel8);
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
