// "Postup výpočtu": F3 and the result grids' menu open it, it follows the
// determinant when clicked and the current result cell, it works out new
// steps when the matrix changes (keeping open branches open), the arrow keys
// open the tree, and every line's accessible name is its text.

#include <QTreeView>

#include "StepsPanel.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

class StepsPanelTest : public QObject {
  Q_OBJECT

 private slots:
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
};

ZORVEL_WIDGET_TEST_MAIN(StepsPanelTest)
#include "StepsPanelTest.moc"
