#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <functional>

class QTreeView;

namespace zorvel {

// Step lines as they leave the steps pane: each with its depth in the tree
// (0 for the first level) and its text.
using StepLines = QList<QPair<int, QString>>;

// The lines as plain text, each level below the first indented by two more
// spaces (as zorvel-calc prints them); as a LaTeX align* with one line a
// row, indented by \quad; as a Markdown list nested as the tree.
QString StepsAsText(const StepLines& lines);
QString StepsAsLatex(const StepLines& lines);
QString StepsAsMarkdown(const StepLines& lines);

// The steps pane's copies: a context menu that copies the selected lines,
// or all the open lines as text, LaTeX or Markdown, and Ctrl+A and Ctrl+C
// as in a list (all lines selected; the selected lines copied, not just the
// current one).
class StepsCopy : public QObject {
  Q_OBJECT

 public:
  // `openLines` gives every line now open in the tree.
  StepsCopy(QTreeView* tree, std::function<StepLines()> openLines);

  // The selected lines, in the tree's order, their depths counted from the
  // shallowest of them.
  [[nodiscard]] StepLines SelectedLines() const;
  void CopySelected() const;
  void CopyAll(const std::function<QString(const StepLines&)>& form) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowMenu(const QPoint& at);

  QTreeView* tree_;
  std::function<StepLines()> openLines_;
};

}  // namespace zorvel
