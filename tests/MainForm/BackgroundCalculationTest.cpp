// A keystroke never holds the window: a key that changes no input costs no
// recalculation in either mode, and exact work on long cells runs in the
// background, saying "Počítam…" where the results stand, and a change made
// while it runs replaces it: only the latest input's results are shown.

#include <QCheckBox>
#include <QSignalSpy>

#include "ElidedLabel.h"
#include "Panel.h"
#include "PlatformRecorders.h"
#include "StepsPanel.h"
#include "TMain.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

// A part of `digits` digits: enough of them sends exact work to the background.
QString LongNumber(char first, int digits) { return QString(first) + u',' + QString(digits - 1, u'7'); }

void SetLongDiagonal(StringGrid* pole, char first, char second) {
  pole->grid().SetCells(1, 1, (LongNumber(first, 2500) + u'+' + LongNumber('1', 2500) + u'i').toStdString());
  pole->grid().SetCells(2, 2, (LongNumber(second, 2500)).toStdString());
  pole->grid().SetCells(2, 1, "0");
  pole->grid().SetCells(1, 2, "0");
}

}  // namespace

class BackgroundCalculationTest : public QObject {
  Q_OBJECT

 private slots:
  void keysThatChangeNothingCostNothing_data() {
    QTest::addColumn<bool>("exact");
    QTest::addColumn<int>("key");
    for (const bool exact : {false, true}) {
      for (const int key : {int(Qt::Key_Right), int(Qt::Key_Left), int(Qt::Key_Shift), int(Qt::Key_Control)}) {
        QTest::addRow("%s key %x", exact ? "exact" : "by hand", key) << exact << key;
      }
    }
  }
  void keysThatChangeNothingCostNothing() {
    QFETCH(bool, exact);
    QFETCH(int, key);
    const auto window = OpenWindow();
    window->CheckBoxPresne->setChecked(exact);
    window->PresneClick();
    StringGrid* pole1 = Pole(*window, "Pole1");
    TypeCell(pole1, 1, 1, "2");
    pole1->setFocus();
    const int worked = window->WorkedRecalculationCount();
    QTest::keyClick(pole1, static_cast<Qt::Key>(key));
    QCOMPARE(window->WorkedRecalculationCount(), worked);
    TypeCell(pole1, 1, 2, "5");  // a key that changes a cell still does
    QCOMPARE(window->WorkedRecalculationCount(), worked + 1);
  }

  void longExactWorkRunsInTheBackgroundAndOnlyTheLatestIsShown() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 2, 2);
    ChooseOperation(*window, 0);
    window->CheckBoxPresne->setChecked(true);
    window->PresneClick();
    StringGrid* pole1 = Pole(*window, "Pole1");
    QSignalSpy shown(window.get(), &TMain::recalculated);

    SetLongDiagonal(pole1, '3', '5');
    window->Vypocty();
    QVERIFY(window->Working());
    QCOMPARE(Value(*window, "Determinant1"), QStringLiteral("Počítam…"));
    QVERIFY(PanelNamed(*window, "PanelInverzna")->isHidden());
    QCOMPARE(PanelNamed(*window, "Panel4")->Caption(), QStringLiteral("Počítam…"));
    window->Steps().Open();
    QCOMPARE(window->Steps().StepsTitle(), QString());  // no steps of a value not yet worked out

    // Changed before the first work has ended: its result must never show.
    SetLongDiagonal(pole1, '2', '4');
    window->Vypocty();
    QTRY_VERIFY_WITH_TIMEOUT(!window->Working(), 60000);
    QCOMPARE(shown.count(), 1);
    QVERIFY(!PanelNamed(*window, "PanelInverzna")->isHidden());

    // The same input worked out here, at once, gives the same texts.
    const auto fresh = OpenWindow();
    SetSize(*fresh, 1, 2, 2);
    ChooseOperation(*fresh, 0);
    SetLongDiagonal(Pole(*fresh, "Pole1"), '2', '4');
    fresh->CheckBoxPresne->setChecked(true);
    fresh->PresneClick();
    QTRY_VERIFY_WITH_TIMEOUT(!fresh->Working(), 60000);
    for (const char* name : {"Determinant1", "Determinant11"}) QCOMPARE(Value(*window, name), Value(*fresh, name));
    QCOMPARE(ShownMatrix(Pole(*window, "Pole4")), ShownMatrix(Pole(*fresh, "Pole4")));
    QVERIFY(Value(*window, "Determinant1").startsWith(QStringLiteral("13,")));  // 2,7…+1,7…i times 4,7…

    // The steps take the shown results: the value is the one shown.
    window->Steps().Close();
    QTest::mouseClick(Label(*window, "Determinant1"), Qt::LeftButton);
    window->Steps().Open();
    QCOMPARE(window->Steps().StepsTitle(), QStringLiteral("det"));
    QCOMPARE(window->Steps().OpenStepLines().last().second, Value(*window, "Determinant1"));

    // Back to the hand mode while exact work runs: it is dropped.
    SetLongDiagonal(pole1, '6', '6');
    window->Vypocty();
    QVERIFY(window->Working());
    window->CheckBoxPresne->setChecked(false);
    window->PresneClick();
    QVERIFY(!window->Working());
    QTest::qWait(50);
    QVERIFY(!window->Working());
    QVERIFY(!Value(*window, "Determinant1").contains(QStringLiteral("Počítam")));
  }

  // A short cell can stand for many digits: its exponent counts too.
  void aShortCellOfManyDigitsIsWorkedOutInTheBackground() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 1, 1);
    window->CheckBoxPresne->setChecked(true);
    window->PresneClick();
    Pole(*window, "Pole1")->grid().SetCells(1, 1, "1e-5000");
    window->Vypocty();
    QVERIFY(window->Working());
    QTRY_VERIFY_WITH_TIMEOUT(!window->Working(), 60000);
    QCOMPARE(Value(*window, "Determinant1"), QStringLiteral("0"));
  }

  // After a failed recalculation the window shows the error in place of the
  // result, and the steps pane shows no steps of it.
  void noStepsOfAResultTheWindowShowsAnErrorFor() {
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    ChooseOperation(*window, 3);
    SetSize(*window, 1, 1, 1);
    SetSize(*window, 2, 1, 1);
    StringGrid* pole5 = Pole(*window, "Pole5");
    TypeCell(Pole(*window, "Pole1"), 1, 1, "2");
    TypeCell(Pole(*window, "Pole2"), 1, 1, "3");
    pole5->setFocus();
    pole5->setCurrentIndex(pole5->model()->index(0, 0));
    window->Steps().Open();
    QCOMPARE(window->Steps().StepsTitle(), QStringLiteral("c(1, 1)"));
    TypeCell(Pole(*window, "Pole1"), 1, 1, "1E4000");
    TypeCell(Pole(*window, "Pole2"), 1, 1, "1E4000");  // the product overflows
    QVERIFY(!dialogs.errors.isEmpty());
    QVERIFY(PanelNamed(*window, "PanelVypocet")->isHidden());
    QCOMPARE(window->Steps().StepsTitle(), QString());
  }
};

ZORVEL_WIDGET_TEST_MAIN(BackgroundCalculationTest)
#include "BackgroundCalculationTest.moc"
