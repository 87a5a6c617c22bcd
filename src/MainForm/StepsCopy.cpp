#include "StepsCopy.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QTreeView>

#include <algorithm>

namespace zorvel {
namespace {

int DepthOf(QModelIndex index) {
  int depth = 0;
  for (index = index.parent(); index.isValid(); index = index.parent()) ++depth;
  return depth;
}

// Characters LaTeX reads as commands, written so that they print.
QString LatexEscaped(const QString& text) {
  QString out;
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'\\': out += QStringLiteral("\\backslash "); break;
      case u'{':
      case u'}':
      case u'_':
      case u'#':
      case u'%':
      case u'&':
      case u'$': out += u'\\' + QString(c); break;
      case u'^': out += QStringLiteral("\\hat{}"); break;
      case u'~': out += QStringLiteral("\\sim "); break;
      case 0x00B7: out += QStringLiteral("\\cdot "); break;  // the product's dot
      case 0x00D7: out += QStringLiteral("\\times "); break;
      case 0x2212: out += u'-'; break;
      case 0x2026: out += QStringLiteral("\\ldots "); break;
      default: out += c;
    }
  }
  return out;
}

// Characters Markdown reads as emphasis or markup, written as they are.
QString MarkdownEscaped(const QString& text) {
  QString out;
  for (const QChar c : text) {
    if (QStringLiteral("\\`*_[]<>|#").contains(c)) out += u'\\';
    out += c;
  }
  return out;
}

}  // namespace

QString StepsAsText(const StepLines& lines) {
  QString text;
  for (const auto& [depth, line] : lines) text += QString(2 * qsizetype{depth}, u' ') + line + u'\n';
  return text;
}

QString StepsAsLatex(const StepLines& lines) {
  QString latex = QStringLiteral("\\begin{align*}\n");
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const auto& [depth, line] = lines[i];
    latex += u'&';
    for (int level = 0; level < depth; ++level) latex += QStringLiteral("\\quad ");
    latex += QStringLiteral("\\text{") + LatexEscaped(line) + u'}';
    latex += i + 1 < lines.size() ? QStringLiteral(" \\\\\n") : QStringLiteral("\n");
  }
  return latex + QStringLiteral("\\end{align*}\n");
}

QString StepsAsMarkdown(const StepLines& lines) {
  QString markdown;
  for (const auto& [depth, line] : lines) {
    markdown += QString(2 * qsizetype{depth}, u' ') + QStringLiteral("- ") + MarkdownEscaped(line) + u'\n';
  }
  return markdown;
}

StepsCopy::StepsCopy(QTreeView* tree, std::function<StepLines()> openLines)
    : QObject(tree), tree_(tree), openLines_(std::move(openLines)) {
  tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tree->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(tree, &QWidget::customContextMenuRequested, this, &StepsCopy::ShowMenu);
  tree->installEventFilter(this);
}

StepLines StepsCopy::SelectedLines() const {
  QModelIndexList selected = tree_->selectionModel()->selectedIndexes();
  // In the order the lines stand in the tree, as the user reads them.
  std::sort(selected.begin(), selected.end(), [this](const QModelIndex& a, const QModelIndex& b) {
    return tree_->visualRect(a).top() < tree_->visualRect(b).top();
  });
  StepLines lines;
  int shallowest = 0;
  for (const QModelIndex& index : selected) {
    if (index.column() != 0) continue;
    lines.append({DepthOf(index), index.data().toString()});
    shallowest = lines.size() == 1 ? lines.back().first : std::min(shallowest, lines.back().first);
  }
  for (auto& line : lines) line.first -= shallowest;
  return lines;
}

void StepsCopy::CopySelected() const {
  const StepLines lines = SelectedLines();
  if (!lines.isEmpty()) QApplication::clipboard()->setText(StepsAsText(lines));
}

void StepsCopy::CopyAll(const std::function<QString(const StepLines&)>& form) const {
  const StepLines lines = openLines_();
  if (!lines.isEmpty()) QApplication::clipboard()->setText(form(lines));
}

bool StepsCopy::eventFilter(QObject* watched, QEvent* event) {
  // The tree's own Ctrl+C copies the current line alone.
  if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy)) {
      event->accept();
      if (event->type() == QEvent::KeyPress) CopySelected();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void StepsCopy::ShowMenu(const QPoint& at) {
  QMenu menu(tree_);
  const bool lines = tree_->model() != nullptr && tree_->model()->rowCount() > 0;
  QAction* selected = menu.addAction(tr("Kopírovať vybrané riadky") + u'\t' +
                                     QKeySequence(QKeySequence::Copy).toString(QKeySequence::NativeText));
  selected->setEnabled(tree_->selectionModel()->hasSelection());
  connect(selected, &QAction::triggered, this, &StepsCopy::CopySelected);
  QAction* all = menu.addAction(tr("Vybrať všetko") + u'\t' +
                                QKeySequence(QKeySequence::SelectAll).toString(QKeySequence::NativeText));
  all->setEnabled(lines);
  connect(all, &QAction::triggered, tree_, &QTreeView::selectAll);
  menu.addSeparator();
  const std::pair<QString, QString (*)(const StepLines&)> forms[] = {
      {tr("Kopírovať celý postup ako text"), &StepsAsText},
      {tr("Kopírovať celý postup ako LaTeX"), &StepsAsLatex},
      {tr("Kopírovať celý postup ako Markdown"), &StepsAsMarkdown},
  };
  for (const auto& [text, form] : forms) {
    QAction* action = menu.addAction(text);
    action->setEnabled(lines);
    connect(action, &QAction::triggered, this, [this, form = form] { CopyAll(form); });
  }
  menu.exec(tree_->viewport()->mapToGlobal(at));
}

}  // namespace zorvel
