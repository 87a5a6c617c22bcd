// The handlers of the input, driven with real keys and mouse events: the size
// spin edits and their nested runs, the swap, the copy of the inverse into
// matrix 2, the choice of operation, the decimal places and the column widths
// that follow between partner grids.

#include <QComboBox>
#include <QHeaderView>
#include <QToolButton>

#include "MouseSteps.h"
#include "PlatformRecorders.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

class HandlersTest : public QObject {
  Q_OBJECT

 private slots:
  void aSizeOfZeroBecomesOneInANestedRun() {
    const auto window = OpenWindow();
    const int before = window->RecalculationCount();
    TypeSpin(Spin(*window, "SpinEdit1"), "0");
    QCOMPARE(Spin(*window, "SpinEdit1")->Text(), QStringLiteral("1"));
    QCOMPARE(Pole(*window, "Pole1")->grid().RowCount(), 2);
    // The nested run recomputes, then the rest of the outer run.
    QCOMPARE(window->RecalculationCount(), before + 2);
  }

  // Every recalculation fails here; the nested run's error ends the outer
  // run too and is reported once for the one key.
  void anErrorInTheNestedRunIsReportedOnce() {
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    ChooseOperation(*window, 3);
    SetSize(*window, 1, 1, 1);
    SetSize(*window, 2, 1, 1);
    TypeCell(Pole(*window, "Pole2"), 1, 1, "1E200");
    TypeCell(Pole(*window, "Pole1"), 1, 1, "1E200");
    TypeSpin(Spin(*window, "SpinEdit3"), "2");  // come back to 1 through the nested run
    dialogs.errors.clear();
    const int before = window->RecalculationCount();
    TypeSpin(Spin(*window, "SpinEdit3"), "0");
    QCOMPARE(Spin(*window, "SpinEdit3")->Text(), QStringLiteral("1"));
    QCOMPARE(window->RecalculationCount(), before + 1);  // the outer run never got to its own
    // The strip cannot write the 1 x 1 determinant 1E200.
    QCOMPARE(dialogs.errors, QStringList{QStringLiteral("Invalid floating point operation.")});
  }

  void deletingTheLastDigitPutsOneIntoTheField() {
    const auto window = OpenWindow();
    SpinEdit* columns = Spin(*window, "SpinEdit4");
    columns->Editor()->setFocus();
    QTest::keyClick(columns->Editor(), Qt::Key_End);
    QTest::keyClick(columns->Editor(), Qt::Key_Backspace);
    QCOMPARE(columns->Text(), QStringLiteral("1"));
    QCOMPARE(Pole(*window, "Pole2")->grid().ColCount(), 2);
  }

  void aSizeAboveTheMaximumIsClampedAtOnce_data() {
    QTest::addColumn<QString>("spin");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("rows") << "SpinEdit1"
                          << "25"
                          << "20";
    QTest::newRow("columns") << "SpinEdit2"
                             << "99"
                             << "10";
    QTest::newRow("far too many") << "SpinEdit3"
                                  << "99999999999"
                                  << "20";
  }
  void aSizeAboveTheMaximumIsClampedAtOnce() {
    QFETCH(QString, spin);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    const auto window = OpenWindow();
    SpinEdit* size = Spin(*window, spin.toLatin1().constData());
    TypeSpin(size, typed);
    QCOMPARE(size->Text(), shown);  // still in the field, before it loses the focus
    StringGrid* pole = Pole(*window, spin == "SpinEdit3" ? "Pole2" : "Pole1");
    QCOMPARE(spin == "SpinEdit2" ? pole->grid().ColCount() : pole->grid().RowCount(), shown.toInt() + 1);
  }

  void theArrowKeysStepASize() {
    const auto window = OpenWindow();
    SpinEdit* rows = Spin(*window, "SpinEdit1");
    rows->Editor()->setFocus();
    const int before = window->RecalculationCount();
    QTest::keyClick(rows->Editor(), Qt::Key_Up);
    QCOMPARE(rows->Text(), QStringLiteral("4"));
    QCOMPARE(RowHeaders(Pole(*window, "Pole1")), QStringList({"1", "2", "3", "4"}));
    QCOMPARE(window->RecalculationCount(), before + 1);
  }

  void shrinkingAndGrowingShowsTheOldCellsAgain() {
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    TypeSpin(Spin(*window, "SpinEdit1"), "4");
    TypeCell(pole1, 3, 1, "7");
    TypeCell(pole1, 4, 2, "8i");
    TypeSpin(Spin(*window, "SpinEdit1"), "2");
    QCOMPARE(pole1->grid().RowCount(), 3);
    TypeSpin(Spin(*window, "SpinEdit1"), "4");
    QCOMPARE(Shown(pole1, 1, 3), QStringLiteral("7"));
    QCOMPARE(Shown(pole1, 2, 4), QStringLiteral("8i"));
    QCOMPARE(RowHeaders(pole1), QStringList({"1", "2", "3", "4"}));
  }

  void theSwapExchangesMatricesAndSizesWithOneRecalculation() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 2, 3);
    SetSize(*window, 2, 3, 2);
    TypeMatrix(Pole(*window, "Pole1"), {{"1", "2", "3"}, {"4", "5", "6"}});
    TypeMatrix(Pole(*window, "Pole2"), {{"a", "b"}, {"c", "d"}, {"e", "f"}});
    const int before = window->RecalculationCount();
    QTest::mouseClick(Find<QToolButton>(*window, "SpeedButton1"), Qt::LeftButton);
    QCOMPARE(window->RecalculationCount(), before + 1);
    QCOMPARE(Spin(*window, "SpinEdit1")->Text(), QStringLiteral("3"));
    QCOMPARE(Spin(*window, "SpinEdit2")->Text(), QStringLiteral("2"));
    QCOMPARE(Spin(*window, "SpinEdit3")->Text(), QStringLiteral("2"));
    QCOMPARE(Spin(*window, "SpinEdit4")->Text(), QStringLiteral("3"));
    QCOMPARE(ShownMatrix(Pole(*window, "Pole1")), QList<QStringList>({{"a", "b"}, {"c", "d"}, {"e", "f"}}));
    QCOMPARE(ShownMatrix(Pole(*window, "Pole2")), QList<QStringList>({{"1", "2", "3"}, {"4", "5", "6"}}));
    QCOMPARE(RowHeaders(Pole(*window, "Pole1")), QStringList({"1", "2", "3"}));
    // The size handlers are attached again.
    TypeSpin(Spin(*window, "SpinEdit1"), "1");
    QCOMPARE(Pole(*window, "Pole1")->grid().RowCount(), 2);
  }

  void theInverseIsCopiedIntoMatrix2() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 2, 2);
    TypeMatrix(Pole(*window, "Pole1"), {{"1", "2"}, {"3", "4"}});
    ChooseOperation(*window, 0);
    QToolButton* copyUp = Find<QToolButton>(*window, "ButtonHore");
    QVERIFY(!copyUp->isHidden());
    const int before = window->RecalculationCount();
    QTest::mouseClick(copyUp, Qt::LeftButton);
    QCOMPARE(ShownMatrix(Pole(*window, "Pole2")), ShownMatrix(Pole(*window, "Pole4")));
    QCOMPARE(ShownMatrix(Pole(*window, "Pole2")), QList<QStringList>({{"-2", "1"}, {"1,5", "-0,5"}}));
    QCOMPARE(Spin(*window, "SpinEdit3")->Text(), QStringLiteral("2"));
    QCOMPARE(Spin(*window, "SpinEdit4")->Text(), QStringLiteral("2"));
    QCOMPARE(window->RecalculationCount(), before + 1);

    const int again = window->RecalculationCount();
    QTest::mouseClick(copyUp, Qt::LeftButton);  // the same size recomputes too
    QCOMPARE(window->RecalculationCount(), again + 1);
  }

  void eachOperationShowsItsOwnView_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<bool>("inverseShown");
    QTest::newRow("inverse") << 0 << true;
    QTest::newRow("sum") << 1 << false;
    QTest::newRow("difference") << 2 << false;
    QTest::newRow("product") << 3 << false;
  }
  void eachOperationShowsItsOwnView() {
    QFETCH(int, operation);
    QFETCH(bool, inverseShown);
    const auto window = OpenWindow();
    SetSize(*window, 1, 2, 2);
    TypeMatrix(Pole(*window, "Pole1"), {{"1", "0"}, {"0", "1"}});
    SetSize(*window, 2, 2, 2);
    ChooseOperation(*window, operation == 0 ? 3 : 0);  // come from another view
    ChooseOperation(*window, operation);
    QCOMPARE(!PanelNamed(*window, "PanelInverzna")->isHidden(), inverseShown);
    QCOMPARE(!PanelNamed(*window, "PanelVypocet")->isHidden(), !inverseShown);
    QCOMPARE(!Find<QToolButton>(*window, "ButtonHore")->isHidden(), inverseShown);
  }

  void decimalPlacesStayWithinTwoToNine_data() {
    QTest::addColumn<bool>("replace");  // replace the 3 in the field, or append to it
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("34 is 9") << false << "4"
                             << "9";
    QTest::newRow("30 is 9") << false << "0"
                             << "9";
    QTest::newRow("0 is 2") << true << "0"
                            << "2";
    QTest::newRow("emptied is 2") << true << ""
                                  << "2";
    QTest::newRow("pasted letters are 2") << true << "x"
                                          << "2";
    QTest::newRow("pasted 3x is 3") << false << "x"
                                    << "3";
  }
  void decimalPlacesStayWithinTwoToNine() {
    QFETCH(bool, replace);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    SpinEdit* places = Spin(*window, "DesM");
    QLineEdit* editor = places->Editor();
    editor->setFocus();
    QTest::keyClick(editor, replace ? Qt::Key_A : Qt::Key_End, replace ? Qt::ControlModifier : Qt::NoModifier);
    if (text == "x") {
      editor->insert(text);  // letters are refused as typed, but not when pasted
    } else if (text.isEmpty()) {
      QTest::keyClick(editor, Qt::Key_Delete);
    } else {
      TypeKeys(text);
    }
    QCOMPARE(places->Text(), shown);
    QCOMPARE(places->Value(), shown.toInt());
    QVERIFY(dialogs.errors.isEmpty());
  }

  void placesRoundEveryResult() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 1, 1);
    SetSize(*window, 2, 1, 1);
    TypeCell(Pole(*window, "Pole1"), 1, 1, "0,123456789");
    // The last written digit goes up from half a unit on.
    QCOMPARE(Shown(Pole(*window, "Pole5"), 1, 1), QStringLiteral("0,123"));
    TypeSpin(Spin(*window, "DesM"), "7");
    QCOMPARE(Shown(Pole(*window, "Pole5"), 1, 1), QStringLiteral("0,1234568"));
  }

  void columnWidthsFollowThePartnerGrid_data() {
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<QString>("partner");
    QTest::newRow("matrix 1 to matrix 2") << "Pole1"
                                          << "Pole2";
    QTest::newRow("matrix 2 to matrix 1") << "Pole2"
                                          << "Pole1";
    QTest::newRow("adjugate to inverse") << "Pole3"
                                         << "Pole4";
    QTest::newRow("inverse to adjugate") << "Pole4"
                                         << "Pole3";
  }
  void columnWidthsFollowThePartnerGrid() {
    QFETCH(QString, dragged);
    QFETCH(QString, partner);
    const auto window = OpenWindow();
    SetSize(*window, 1, 2, 2);
    TypeMatrix(Pole(*window, "Pole1"), {{"1", "0"}, {"0", "1"}});
    ChooseOperation(*window, 0);
    SetSize(*window, 1, 4, 4);  // four data columns; the identity's rest is empty
    TypeMatrix(Pole(*window, "Pole1"), {{"1", "", "", ""}, {"", "1", "", ""}, {"", "", "1", ""}, {"", "", "", "1"}});
    SetSize(*window, 2, 3, 4);
    StringGrid* pole = Pole(*window, dragged.toLatin1().constData());
    StringGrid* other = Pole(*window, partner.toLatin1().constData());
    QHeaderView* header = pole->horizontalHeader();
    const int border = header->sectionViewportPosition(1) + header->sectionSize(1) - 1;
    Drag(header->viewport(), QPoint(border, 7), QPoint(20, 0));  // column 2 becomes 50 wide
    for (int col = 1; col < pole->grid().ColCount(); ++col) QCOMPARE(pole->grid().ColWidths(col), 50);
    for (int col = 1; col < other->grid().ColCount(); ++col) QCOMPARE(other->grid().ColWidths(col), 50);
    QCOMPARE(header->sectionSize(3), 50);
    QCOMPARE(other->horizontalHeader()->sectionSize(0), 50);
  }

  void aResultGridHasNoWidthHandler() {
    const auto window = OpenWindow();
    StringGrid* pole5 = Pole(*window, "Pole5");
    QHeaderView* header = pole5->horizontalHeader();
    const int border = header->sectionViewportPosition(1) + header->sectionSize(1) - 1;
    Drag(header->viewport(), QPoint(border, 7), QPoint(20, 0));
    QCOMPARE(pole5->grid().ColWidths(2), 50);
    QCOMPARE(pole5->grid().ColWidths(1), 30);
  }
};

ZORVEL_WIDGET_TEST_MAIN(HandlersTest)

#include "HandlersTest.moc"
