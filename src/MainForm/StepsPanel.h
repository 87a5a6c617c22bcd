#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <functional>

#include "ComputationSteps.h"
#include "StepMethod.h"

class QAction;
class QLabel;
class QModelIndex;
class QToolButton;
class QTreeView;

namespace zorvel {

class Panel;
class Splitter;
class StepsCopy;
class StepsMethodChoice;
class StepsModel;
class StringGrid;
class TMain;

// "Postup výpočtu": beside the results, the computation of one shown value
// as a person writes it out, a tree whose minors open into their own
// expansions. It follows the current cell of a result grid, or the
// determinant or its reciprocal when one of those is clicked; F3, the item
// "Ukáž postup" of every grid's and the determinant strip's context menu,
// and the button "Ukáž postup" of the calculation bar open it. Its lines are
// copied as text, LaTeX or Markdown (StepsCopy). While it is closed a
// recalculation costs it nothing.
class StepsPanel : public QObject {
  Q_OBJECT

 public:
  // Builds the pane (hidden) into the window's calculation area. Made and
  // gone before the window's components, so none reaches it while they go.
  explicit StepsPanel(TMain& window);
  ~StepsPanel() override;

  void Open();
  void Close();
  void Toggle();
  [[nodiscard]] bool IsOpen() const;

  // The window has recomputed its results.
  void ResultsChanged();

  // Every line now shown (its own branch open to it), in order, with its
  // depth (0 for the first level) and text: the steps as they are open.
  [[nodiscard]] QList<QPair<int, QString>> OpenStepLines() const;
  // What the steps are of ("det", "c(1, 2)"); empty when nothing is shown.
  [[nodiscard]] QString StepsTitle() const;

  [[nodiscard]] Panel* Pane() const { return pane_; }
  [[nodiscard]] QTreeView* Tree() const { return tree_; }
  [[nodiscard]] StepsCopy& Copies() const { return *copy_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Source { None, Determinant, Reciprocal, Adjugate, Inverse, Result };

  void BuildWaysIn();
  [[nodiscard]] QAction* NewShowAction(const std::function<void()>& show);
  void Follow(Source source, int row = 0, int col = 0);
  void FollowGrid(StringGrid* pole);
  void ChooseSourceToOpen();
  void Refresh();
  void OfferMethods(std::optional<StepValue> value);
  // The value the followed place shows, if it shows one for the operation.
  [[nodiscard]] std::optional<StepValue> FollowedValue() const;
  // Its steps, nothing when they cannot be shown now.
  [[nodiscard]] std::unique_ptr<Step> StepsOf(StepValue value) const;
  [[nodiscard]] bool Shown(StepValue value) const;
  [[nodiscard]] QList<QList<int>> ExpandedPaths() const;
  void ExpandPaths(const QList<QList<int>>& paths);

  TMain& window_;
  Panel* pane_;
  Splitter* splitter_;
  QLabel* title_;
  QTreeView* tree_;
  StepsModel* model_;
  StepsCopy* copy_ = nullptr;
  QToolButton* button_ = nullptr;
  StepsMethodChoice* method_ = nullptr;
  Source source_ = Source::None;
  int row_ = 0;
  int col_ = 0;
  // What the shown steps are of: opened branches stay open when they are
  // worked out again for the same value.
  Source shownSource_ = Source::None;
  int shownRow_ = 0;
  int shownCol_ = 0;
  StepMethod shownMethod_;
  bool shownWhole_ = false;
  bool grown_ = false;  // the window has been made larger for the pane
};

}  // namespace zorvel
