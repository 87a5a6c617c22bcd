// "Postup výpočtu": F3 and the result grids' menu open it, it follows the
// determinant when clicked and the current result cell, it works out new
// steps when the matrix changes (keeping open branches open), the arrow keys
// open the tree, and every line's accessible name is its text.

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QToolButton>
#include <QTreeView>

#include "StepsCopy.h"

#include "StepsPanel.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

class StepsPanelTest : public QObject {
  Q_OBJECT

 private slots:
  // The operations after the first five: at the end of the list, the
  // caption over Pole5, the row operations in the pane.
  void showsTheEchelonFormWithItsRankAndItsRowOperations() {
    const auto window = OpenWindow();
    auto* combo = Find<QComboBox>(*window, "ComboBox1");
    QCOMPARE(combo->count(), 8);
    QCOMPARE(combo->itemText(5), QStringLiteral("Hodnosť a stupňovitý tvar matice 1"));
    QCOMPARE(combo->itemText(7), QStringLiteral("Hermitovsky združená matica 1"));
    SetSize(*window, 1, 3, 2);
    TypeMatrix(Pole(*window, "Pole1"), {{"0", "2"}, {"1", "1"}, {"2", "2"}});
    ChooseOperation(*window, 5);
    auto* caption = Find<QLabel>(*window, "LabelPopis");
    QVERIFY(caption->isVisible());
    QCOMPARE(caption->text(), QStringLiteral("Hodnosť matice 1: 2"));
    QCOMPARE(ShownMatrix(Pole(*window, "Pole5")), QList<QStringList>({{"1", "0"}, {"0", "1"}, {"0", "0"}}));
    QTest::keyClick(window.get(), Qt::Key_F3);
    QCOMPARE(window->Steps().StepsTitle(), QStringLiteral("rref(1, 1)"));
    const auto lines = window->Steps().OpenStepLines();
    QCOMPARE(lines.first().second, QStringLiteral("R₁ ↔ R₂"));
    QCOMPARE(lines.last().second, QStringLiteral("1"));
    ChooseOperation(*window, 1);  // a result without a caption
    QVERIFY(caption->isHidden());
  }

  void followsWhatTheUserPointsAtAndOpensWithTheKeys() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 4, 4);
    TypeMatrix(Pole(*window, "Pole1"),
               {{"2", "1", "0", "i"}, {"1", "1+i", "0", "0"}, {"0", "2", "i", "1"}, {"1", "0", "0", "3"}});
    StepsPanel& steps = window->Steps();
    Panel* pane = PanelNamed(*window, "StepsPanel");
    QVERIFY(pane->isHidden());

    QTest::mouseClick(Label(*window, "Determinant1"), Qt::LeftButton);
    QTest::keyClick(window.get(), Qt::Key_F3);
    QVERIFY(pane->isVisible());
    QCOMPARE(steps.StepsTitle(), QStringLiteral("det"));
    QCOMPARE(steps.OpenStepLines().size(), 5);
    QCOMPARE(steps.OpenStepLines().last(), qMakePair(0, QStringLiteral("-5+4i")));

    auto* tree = Find<QTreeView>(*window, "StepsTree");
    QVERIFY(tree->hasFocus());
    QTest::keyClick(tree, Qt::Key_Home);
    QTest::keyClick(tree, Qt::Key_Right);  // the first minor opens into the rule of Sarrus
    QCOMPARE(steps.OpenStepLines().size(), 5 + 7);
    QCOMPARE(steps.OpenStepLines().at(7).first, 1);
    QCOMPARE(tree->model()->index(0, 0).data(Qt::AccessibleTextRole), tree->model()->index(0, 0).data());

    TypeCell(Pole(*window, "Pole1"), 1, 1, "3");  // new steps, the branch still open
    QCOMPARE(steps.OpenStepLines().size(), 5 + 7);
    QCOMPARE(steps.OpenStepLines().last().second, Value(*window, "Determinant1"));

    SetSize(*window, 2, 4, 3);
    ChooseOperation(*window, 3);  // the product, at its cell (2, 3)
    StringGrid* pole5 = Pole(*window, "Pole5");
    pole5->setFocus();
    pole5->setCurrentIndex(pole5->model()->index(1, 2));
    ChooseFromMenu(pole5, QStringLiteral("Ukáž postup"));
    QCOMPARE(steps.StepsTitle(), QStringLiteral("c(2, 3)"));
    QCOMPARE(steps.OpenStepLines().size(), 4 + 1);
    QCOMPARE(steps.OpenStepLines().last().second, Shown(pole5, 3, 2));

    window->activateWindow();  // the offscreen platform leaves none active after a menu
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F3);
    QVERIFY(pane->isHidden());
    QVERIFY(steps.OpenStepLines().isEmpty());
  }

  // Where no result grid is shown, the strip's menu and the bar's button
  // open the pane; the button shows whether it is open.
  void thePaneOpensFromTheStripAndTheBar() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 4, 4);  // the sum of a 4 x 4 and a 3 x 3: a message, no result grid
    Panel* pane = PanelNamed(*window, "StepsPanel");
    ChooseFromMenu(Label(*window, "Determinant1"), QStringLiteral("Ukáž postup"));
    QVERIFY(!pane->isHidden());
    QCOMPARE(window->Steps().StepsTitle(), QStringLiteral("det"));
    auto* button = Find<QToolButton>(*window, "ButtonPostup");
    QVERIFY(button->isChecked());
    button->click();
    QVERIFY(pane->isHidden());
    button->click();
    QVERIFY(!pane->isHidden());
    ChooseFromMenu(Pole(*window, "Pole1"), QStringLiteral("Ukáž postup"));
    QVERIFY(!pane->isHidden());
  }

  // Ctrl+A and Ctrl+C copy every line, indented as the tree; the menu copies
  // all the open lines as text, LaTeX and Markdown.
  void theLinesAreCopiedAsAListCopiesThem() {
    const auto window = OpenWindow();
    TypeMatrix(Pole(*window, "Pole1"), {{"2", "1", "0"}, {"1", "3", "i"}, {"0", "1", "4"}});
    window->Steps().Open();
    auto* tree = Find<QTreeView>(*window, "StepsTree");
    tree->setFocus();
    tree->expandAll();
    const QList<QPair<int, QString>> lines = window->Steps().OpenStepLines();
    QTest::keyClick(tree, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(tree, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), StepsAsText(lines));
    QVERIFY(QApplication::clipboard()->text().count(u'\n') > 1);
    ChooseFromMenu(tree, QStringLiteral("Kopírovať celý postup ako LaTeX"));
    QCOMPARE(QApplication::clipboard()->text(), StepsAsLatex(lines));
    QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("\\begin{align*}")));
    ChooseFromMenu(tree, QStringLiteral("Kopírovať celý postup ako Markdown"));
    QCOMPARE(QApplication::clipboard()->text(), StepsAsMarkdown(lines));
  }
};

ZORVEL_WIDGET_TEST_MAIN(StepsPanelTest)
#include "StepsPanelTest.moc"
