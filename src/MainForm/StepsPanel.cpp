#include "StepsPanel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QTreeView>

#include <functional>

#include "ComputationSteps.h"
#include "ElidedLabel.h"
#include "HandlerGuard.h"
#include "KeptCalculation.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "Splitter.h"
#include "StepsCopy.h"
#include "StepsMethodChoice.h"
#include "StepsModel.h"
#include "StringGrid.h"
#include "TMain.h"

namespace zorvel {
namespace {

constexpr int kPaneWidth = 460;
// The calculation area is made at least this high while the steps are open,
// so that a few levels of them can be read.
constexpr int kOpenAreaHeight = 260;

// Makes the window larger by up to (width, height), as far as its screen
// allows, moving it back onto the screen where it would stand out.
void GrowWithinScreen(QWidget& window, int width, int height) {
  const QRect screen = window.screen()->availableGeometry();
  const QRect frame = window.frameGeometry();
  const QSize border = frame.size() - window.size();
  const QSize size(std::min(window.width() + width, screen.width() - border.width()),
                   std::min(window.height() + height, screen.height() - border.height()));
  const QPoint at(std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - size.width() - border.width())),
                  std::max(screen.top(), std::min(frame.top(), screen.bottom() + 1 - size.height() - border.height())));
  if (at != frame.topLeft()) window.move(at);
  window.resize(size);
}

}  // namespace

StepsPanel::StepsPanel(TMain& window) : window_(window) {
  pane_ = new Panel(window.Panel4);
  pane_->setObjectName(QStringLiteral("StepsPanel"));
  pane_->SetCaption(QStringLiteral(" "));
  window.Panel4->Layout().Add(pane_, Align::Right, kPaneWidth);
  splitter_ = new Splitter(window.Panel4, Align::Right, pane_);
  splitter_->setObjectName(QStringLiteral("StepsSplitter"));
  title_ = new QLabel(pane_);
  title_->setObjectName(QStringLiteral("StepsTitle"));
  title_->setTextFormat(Qt::PlainText);
  title_->setIndent(4);
  pane_->Layout().Add(title_, Align::Top, title_->sizeHint().height() + 4);
  method_ = new StepsMethodChoice(pane_, [this] { Refresh(); });
  pane_->Layout().Add(method_->Box(), Align::Top, method_->Box()->sizeHint().height());
  pane_->Layout().Add(method_->WholeBox(), Align::Top, method_->WholeBox()->sizeHint().height());
  tree_ = new QTreeView(pane_);
  tree_->setObjectName(QStringLiteral("StepsTree"));
  tree_->setAccessibleName(tr("Postup výpočtu"));
  tree_->setHeaderHidden(true);
  tree_->setUniformRowHeights(true);
  // Long lines scroll sideways rather than being cut: the column is made as
  // wide as the lines shown whenever more are shown.
  tree_->header()->setStretchLastSection(false);
  model_ = new StepsModel(this);
  tree_->setModel(model_);
  connect(tree_, &QTreeView::expanded, this, [this] { tree_->resizeColumnToContents(0); });
  pane_->Layout().Add(tree_, Align::Client);
  pane_->hide();
  splitter_->hide();

  for (StringGrid* pole : {window.Pole3, window.Pole4, window.Pole5}) {
    pole->AddMenuActions(StringGrid::MenuGroup::Bottom, {NewShowAction([this, pole] {
                           FollowGrid(pole);
                           Open();
                         })});
    // The cell the user moves to, not one the window's recalculation moves.
    connect(pole->selectionModel(), &QItemSelectionModel::currentChanged, this, Guarded([this, pole] {
              if (pole->hasFocus()) FollowGrid(pole);
            }));
    connect(pole, &StringGrid::mouseReleased, this, Guarded([this, pole] { FollowGrid(pole); }));
  }
  for (QLabel* label : {static_cast<QLabel*>(window.Determinant1), static_cast<QLabel*>(window.Determinant11)}) {
    label->installEventFilter(this);
  }
  auto* keys = new QShortcut(QKeySequence(Qt::Key_F3), &window);
  connect(keys, &QShortcut::activated, this, Guarded([this] { Toggle(); }));
  BuildWaysIn();
  copy_ = new StepsCopy(tree_, [this] { return OpenStepLines(); });
}

// Where the user looks for the steps: every grid's context menu, the
// determinant strip's, and a button in the calculation bar, which shows
// whether the pane is open.
void StepsPanel::BuildWaysIn() {
  for (StringGrid* pole : {window_.Pole1, window_.Pole2}) {
    pole->AddMenuActions(StringGrid::MenuGroup::Bottom, {NewShowAction([this] { Open(); })});
  }
  const std::pair<ElidedLabel*, Source> strip[] = {{window_.Determinant1, Source::Determinant},
                                                   {window_.Determinant11, Source::Reciprocal}};
  for (const auto& [label, source] : strip) {
    auto* copy = new QAction(tr("Kopírovať"), label);
    connect(copy, &QAction::triggered, label,
            [label = label] { QApplication::clipboard()->setText(label->FullText()); });
    // The key is only named: an action of the label with F3 would take the
    // window's own F3 away while the label has the focus.
    auto* show = new QAction(tr("Ukáž postup") + QStringLiteral("\tF3"), label);
    connect(show, &QAction::triggered, this, Guarded([this, source = source] {
              Follow(source);
              Open();
            }));
    label->addAction(show);
    label->addAction(copy);
    label->setContextMenuPolicy(Qt::ActionsContextMenu);
  }
  const int barEnd = window_.GroupBox3->childrenRect().right();  // past every control of the bar
  button_ = new QToolButton(window_.GroupBox3);
  button_->setObjectName(QStringLiteral("ButtonPostup"));
  button_->setText(tr("Ukáž postup"));
  button_->setToolTip(tr("Ukáž postup") + QStringLiteral(" (F3)"));
  button_->setAccessibleName(tr("Ukáž postup"));
  button_->setCheckable(true);
  button_->setFocusPolicy(Qt::NoFocus);
  button_->adjustSize();
  const QRect about = window_.SpeedButton2->geometry();
  button_->setGeometry(barEnd + 10, about.top(), button_->width(), about.height());
  connect(button_, &QToolButton::clicked, this, Guarded([this](bool open) {
            if (open) {
              Open();
            } else {
              Close();
            }
          }));
}

QAction* StepsPanel::NewShowAction(const std::function<void()>& show) {
  auto* action = new QAction(tr("Ukáž postup"), this);
  action->setShortcut(QKeySequence(Qt::Key_F3));  // named in the menu; the window's own F3 does the work
  action->setShortcutContext(Qt::WidgetShortcut);
  connect(action, &QAction::triggered, this, Guarded(show));
  return action;
}

StepsPanel::~StepsPanel() = default;

bool StepsPanel::IsOpen() const { return !pane_->isHidden(); }

void StepsPanel::Open() {
  if (source_ == Source::None) ChooseSourceToOpen();
  if (!IsOpen()) {
    // The first time, the window grows to give the pane room beside the
    // results without squeezing them; it keeps that size afterwards.
    if (!grown_) {
      auto* layout = qobject_cast<AlignLayout*>(window_.layout());
      const int extra = std::max(0, kOpenAreaHeight - layout->Extent(window_.Panel4));
      if (extra > 0) layout->SetExtent(window_.Panel4, kOpenAreaHeight);
      if (!window_.isMaximized() && !window_.isFullScreen()) GrowWithinScreen(window_, kPaneWidth, extra);
      grown_ = true;
    }
    pane_->show();
    splitter_->show();
  }
  if (button_ != nullptr) button_->setChecked(true);
  Refresh();
}

void StepsPanel::Close() {
  if (!IsOpen()) return;
  pane_->hide();
  splitter_->hide();
  if (button_ != nullptr) button_->setChecked(false);
  model_->SetSteps(nullptr);  // nothing is kept while it is closed
  shownSource_ = Source::None;
}

void StepsPanel::Toggle() {
  if (IsOpen()) {
    Close();
  } else {
    QWidget* focus = window_.focusWidget();
    for (StringGrid* pole : {window_.Pole3, window_.Pole4, window_.Pole5}) {
      if (focus == pole) FollowGrid(pole);
    }
    Open();
    tree_->setFocus();
  }
}

void StepsPanel::ResultsChanged() {
  if (IsOpen()) Refresh();
}

// Opened with nothing followed yet: the chosen result's current cell, or the
// determinant.
void StepsPanel::ChooseSourceToOpen() {
  const std::optional<Operation> operation = window_.ChosenOperation();
  StringGrid* pole = !operation ? nullptr : *operation == Operation::Inverse ? window_.Pole4 : window_.Pole5;
  if (pole != nullptr && pole->isVisibleTo(&window_)) {
    const QModelIndex current = pole->currentIndex();
    Follow(*operation == Operation::Inverse ? Source::Inverse : Source::Result, std::max(0, current.row()) + 1,
           std::max(0, current.column()) + 1);
    return;
  }
  Follow(Source::Determinant);
}

void StepsPanel::FollowGrid(StringGrid* pole) {
  const QModelIndex current = pole->currentIndex();
  if (!current.isValid()) return;
  const Source source = pole == window_.Pole3   ? Source::Adjugate
                        : pole == window_.Pole4 ? Source::Inverse
                                                : Source::Result;
  Follow(source, current.row() + 1, current.column() + 1);  // the model holds the data cells alone
}

void StepsPanel::Follow(Source source, int row, int col) {
  source_ = source;
  row_ = row;
  col_ = col;
  if (IsOpen()) Refresh();
}

bool StepsPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::FocusIn) {
    Follow(watched == window_.Determinant11 ? Source::Reciprocal : Source::Determinant);
  }
  return QObject::eventFilter(watched, event);
}

std::optional<StepValue> StepsPanel::FollowedValue() const {
  const std::optional<Operation> operation = window_.ChosenOperation();
  switch (source_) {
    case Source::None: break;
    case Source::Determinant: return StepValue::Determinant;
    case Source::Reciprocal: return StepValue::Reciprocal;
    case Source::Adjugate:
    case Source::Inverse:
      if (operation != Operation::Inverse) break;
      return source_ == Source::Adjugate ? StepValue::Adjugate : StepValue::Inverse;
    case Source::Result:
      if (!operation || *operation == Operation::Inverse) break;
      return StepValue::Result;
  }
  return std::nullopt;
}

std::unique_ptr<Step> StepsPanel::StepsOf(StepValue value) const {
  if (window_.Working() || !Shown(value)) return nullptr;
  // Exactly, the values come from the results shown, worked out once.
  KeptCalculation* const shown = window_.ShownExactResults();
  StepRequest request{shown != nullptr ? shown->Input() : window_.CalculationInputs(),
                      value,
                      std::max(1, row_),
                      std::max(1, col_),
                      method_->Chosen(),
                      method_->Whole(),
                      shown != nullptr ? &shown->Results() : nullptr};
  try {
    std::unique_ptr<Step> steps = ComputationSteps(request);
    if (steps || !request.whole) return steps;
    // A system not solved by Cramer's rule has no whole steps: its cell's.
    request.whole = false;
    return ComputationSteps(request);
  } catch (const std::exception&) {
    return nullptr;  // the window reports the error itself
  }
}

void StepsPanel::Refresh() {
  const std::optional<StepValue> value = FollowedValue();
  OfferMethods(value);
  std::unique_ptr<Step> steps = value ? StepsOf(*value) : nullptr;
  const bool working = window_.Working();
  const bool same = source_ == shownSource_ && row_ == shownRow_ && col_ == shownCol_ &&
                    method_->Chosen() == shownMethod_ && method_->Whole() == shownWhole_;
  const QList<QList<int>> expanded = same ? ExpandedPaths() : QList<QList<int>>();
  const QModelIndex current = tree_->currentIndex();
  const QList<int> currentPath = [&current] {
    QList<int> path;
    for (QModelIndex at = current; at.isValid(); at = at.parent()) path.prepend(at.row());
    return path;
  }();
  title_->setText(steps     ? tr("Postup výpočtu: %1").arg(QString::fromLatin1(steps->Text()))
                  : working ? tr("Postup výpočtu: Počítam…")
                            : tr("Postup výpočtu: tento výsledok sa teraz neukazuje"));
  model_->SetSteps(std::move(steps));
  shownSource_ = source_;
  shownRow_ = row_;
  shownCol_ = col_;
  shownMethod_ = method_->Chosen();
  shownWhole_ = method_->Whole();
  ExpandPaths(expanded);
  tree_->resizeColumnToContents(0);
  // The cursor stays on its line, or goes to the result.
  QModelIndex line;
  for (const int row : same ? currentPath : QList<int>()) {
    const QModelIndex next = model_->index(row, 0, line);
    if (!next.isValid()) break;
    line = next;
  }
  if (!line.isValid()) line = model_->index(model_->rowCount() - 1, 0);
  tree_->setCurrentIndex(line);
}

// The method is chosen for the determinant's values and the inverse, and
// offered for matrix 1 as it is now; a system may be shown whole.
void StepsPanel::OfferMethods(std::optional<StepValue> value) {
  const CalculationInput input = window_.CalculationInputs();
  const bool methods = value == StepValue::Determinant || value == StepValue::Reciprocal || value == StepValue::Inverse;
  if (methods && input.size1.rows == input.size1.cols) {
    method_->Offer(*input.matrix1, input.size1.rows);
  } else {
    method_->Hide();
  }
  method_->OfferWhole(value == StepValue::Result && window_.ChosenOperation() == Operation::Solve);
}

// Whether the window shows the value now: after a failed recalculation it
// shows the error in its place, and the steps of a value not shown would
// read as if it held.
bool StepsPanel::Shown(StepValue value) const {
  switch (value) {
    case StepValue::Determinant: return !window_.Panel5->isHidden() && !window_.Determinant1->FullText().isEmpty();
    case StepValue::Reciprocal:
      return !window_.Panel5->isHidden() && !window_.Determinant11->isHidden() &&
             !window_.Determinant11->FullText().isEmpty();
    case StepValue::Adjugate:
    case StepValue::Inverse: return !window_.PanelInverzna->isHidden();
    default: return !window_.PanelVypocet->isHidden();
  }
}

QString StepsPanel::StepsTitle() const {
  const Step* steps = model_->Steps();
  return steps ? QString::fromLatin1(steps->Text()) : QString();
}

QList<QList<int>> StepsPanel::ExpandedPaths() const {
  QList<QList<int>> paths;
  const std::function<void(const QModelIndex&, const QList<int>&)> walk = [&](const QModelIndex& parent,
                                                                              const QList<int>& path) {
    for (int row = 0; row < model_->rowCount(parent); ++row) {
      const QModelIndex index = model_->index(row, 0, parent);
      if (!tree_->isExpanded(index)) continue;
      QList<int> here = path;
      here << row;
      paths << here;
      walk(index, here);
    }
  };
  walk({}, {});
  return paths;
}

void StepsPanel::ExpandPaths(const QList<QList<int>>& paths) {
  for (const QList<int>& path : paths) {  // parents before their lines
    QModelIndex index;
    for (const int row : path) index = model_->index(row, 0, index);
    if (index.isValid()) tree_->expand(index);
  }
}

QList<QPair<int, QString>> StepsPanel::OpenStepLines() const {
  QList<QPair<int, QString>> lines;
  const std::function<void(const QModelIndex&, int)> walk = [&](const QModelIndex& parent, int depth) {
    for (int row = 0; row < model_->rowCount(parent); ++row) {
      const QModelIndex index = model_->index(row, 0, parent);
      lines.append({depth, index.data().toString()});
      if (tree_->isExpanded(index)) walk(index, depth + 1);
    }
  };
  if (IsOpen()) walk({}, 0);
  return lines;
}

}  // namespace zorvel
