// The window from start-up through every calculation, driven with key
// presses: that it shows the determinant strip, the inverse, the sum and
// difference, the product and their messages (the results' texts are checked
// where they are computed, in the core's tests), and a floating-point error
// that ends one recalculation while the window goes on working.

#include <QComboBox>
#include <QToolButton>

#include "MessageBoxDisplay.h"
#include "Messages.h"
#include "PlatformRecorders.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

const QString kTooLarge = FromCp1250(kTooLargeNumber);

QList<QStringList> Matrix(std::initializer_list<QStringList> rows) { return QList<QStringList>(rows); }

}  // namespace

class CalculationsTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithTwoEmpty3x3MatricesAndTheirSum() {
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("Zorvel"));
    for (const char* name : {"SpinEdit1", "SpinEdit2", "SpinEdit3", "SpinEdit4", "DesM"}) {
      QCOMPARE(Spin(*window, name)->Text(), QStringLiteral("3"));
    }
    QCOMPARE(Find<QComboBox>(*window, "ComboBox1")->currentText(), QStringLiteral("Súčet matíc"));
    QVERIFY(!PanelNamed(*window, "PanelVypocet")->isHidden());
    QVERIFY(PanelNamed(*window, "PanelInverzna")->isHidden());
    QCOMPARE(ShownMatrix(Pole(*window, "Pole5")), Matrix({{"0", "0", "0"}, {"0", "0", "0"}, {"0", "0", "0"}}));
    QCOMPARE(RowHeaders(Pole(*window, "Pole5")), QStringList({"1", "2", "3"}));
    QCOMPARE(ColumnHeaders(Pole(*window, "Pole1")), QStringList({"1", "2", "3"}));
    QCOMPARE(ColumnHeaders(Pole(*window, "Pole2")), QStringList({"1", "2", "3"}));
    QVERIFY(!PanelNamed(*window, "Panel5")->isHidden());
    QCOMPARE(Label(*window, "Determinant1")->text(), QStringLiteral("0"));
    QVERIFY(Label(*window, "Determinant11")->isHidden());
    QVERIFY(Label(*window, "Label6")->isHidden());
    QVERIFY(Find<QToolButton>(*window, "ButtonHore")->isHidden());
    QVERIFY(PanelNamed(*window, "Panel6")->isHidden());
    // Four size handlers, the operation list's handler and the last call.
    QCOMPARE(window->RecalculationCount(), 6);
    QVERIFY(dialogs.messages.isEmpty() && dialogs.errors.isEmpty());
  }

  void determinantStripShowsTheDeterminantAndItsReciprocal_data() {
    QTest::addColumn<QList<QStringList>>("matrix");
    QTest::addColumn<QString>("determinant");
    QTest::addColumn<QString>("reciprocal");  // empty: hidden
    QTest::newRow("real") << Matrix({{"1", "2"}, {"3", "4"}}) << "-2"
                          << "-0,5";
    QTest::newRow("zero") << Matrix({{"1", "2"}, {"2", "4"}}) << "0"
                          << "";
    QTest::newRow("imaginary unit") << Matrix({{"i", "0"}, {"0", "1"}}) << "i"
                                    << "-i";
    QTest::newRow("complex") << Matrix({{"2+3i", "0"}, {"0", "1"}}) << "2+3i"
                             << "0,154-0,231i";
    QTest::newRow("1x1 is its value, written") << Matrix({{"2,50"}}) << "2,5"
                                               << "0,4";
    QTest::newRow("1x1 reads as zero") << Matrix({{"5i-5i"}}) << "0"
                                       << "";
    QTest::newRow("rounded at every step, 2 places") << Matrix({{"0,3", "0,41"}, {"0,09", "0,677"}}) << "0,16"
                                                     << "6,25";
    QTest::newRow("too large is not a number") << Matrix({{"65536", "0"}, {"0", "32768"}}) << kTooLarge << kTooLarge;
  }
  void determinantStripShowsTheDeterminantAndItsReciprocal() {
    QFETCH(QList<QStringList>, matrix);
    QFETCH(QString, determinant);
    QFETCH(QString, reciprocal);
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    if (QString(QTest::currentDataTag()).contains("2 places")) TypeSpin(Spin(*window, "DesM"), "2");
    SetSize(*window, 1, static_cast<int>(matrix.size()), static_cast<int>(matrix[0].size()));
    TypeMatrix(Pole(*window, "Pole1"), matrix);
    QCOMPARE(Label(*window, "Determinant1")->text(), determinant);
    QCOMPARE(Value(*window, "Determinant3"), determinant);  // the narrow fraction cuts long texts
    QCOMPARE(Label(*window, "Determinant11")->isHidden(), reciprocal.isEmpty());
    QCOMPARE(Label(*window, "Label6")->isHidden(), reciprocal.isEmpty());
    if (!reciprocal.isEmpty()) QCOMPARE(Label(*window, "Determinant11")->text(), reciprocal);
    QVERIFY(dialogs.errors.isEmpty());
  }

  void nonSquareMatrixHidesTheStripAndKeepsItsTexts() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 2, 2);
    TypeMatrix(Pole(*window, "Pole1"), {{"1", "2"}, {"3", "4"}});
    TypeSpin(Spin(*window, "SpinEdit2"), "3");
    QVERIFY(PanelNamed(*window, "Panel5")->isHidden());
    QCOMPARE(Label(*window, "Determinant1")->text(), QStringLiteral("-2"));
    TypeCell(Pole(*window, "Pole1"), 1, 1, "5");  // changes nothing in the hidden strip
    QCOMPARE(Label(*window, "Determinant1")->text(), QStringLiteral("-2"));
    TypeSpin(Spin(*window, "SpinEdit2"), "2");
    QVERIFY(!PanelNamed(*window, "Panel5")->isHidden());
    QCOMPARE(Label(*window, "Determinant1")->text(), QStringLiteral("14"));
  }

  void inverseOfTheWorkedExample() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 2, 2);
    TypeMatrix(Pole(*window, "Pole1"), {{"1", "2"}, {"3", "4"}});
    ChooseOperation(*window, 0);
    QVERIFY(!PanelNamed(*window, "PanelInverzna")->isHidden());
    QVERIFY(PanelNamed(*window, "PanelVypocet")->isHidden());
    QVERIFY(!Find<QToolButton>(*window, "ButtonHore")->isHidden());
    QCOMPARE(ShownMatrix(Pole(*window, "Pole3")), Matrix({{"4", "-2"}, {"-3", "1"}}));
    QCOMPARE(ShownMatrix(Pole(*window, "Pole4")), Matrix({{"-2", "1"}, {"1,5", "-0,5"}}));
    QCOMPARE(RowHeaders(Pole(*window, "Pole4")), QStringList({"1", "2"}));
    QCOMPARE(ColumnHeaders(Pole(*window, "Pole3")), QStringList({"1", "2"}));
    QCOMPARE(Label(*window, "Determinant3")->text(), QStringLiteral("-2"));
    // The inverse's columns take the adjugate's first data column width.
    QCOMPARE(Pole(*window, "Pole4")->grid().ColWidths(2), Pole(*window, "Pole3")->grid().ColWidths(1));
  }

  void messagesExplainAMissingResult_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<QList<int>>("sizes");  // rows and columns of matrix 1, then of matrix 2
    QTest::addColumn<QString>("message");
    QTest::newRow("inverse of a non-square matrix")
        << 0 << QList<int>{2, 3, 3, 3} << "K matici 1 nexistuje inverzná matica, pretože nejde o štvorcovú maticu.";
    QTest::newRow("sum of 2x3 and 3x2") << 1 << QList<int>{2, 3, 3, 2}
                                        << "Sčítať a odčítať sa môžu len matice s rovnakým počtom stĺpcov a riadkov.";
    QTest::newRow("product of 2x3 and 2x3")
        << 3 << QList<int>{2, 3, 2, 3} << "Pre násobenie matíc musí mať prvá rovnaký počet stĺpcov ako druhá riadkov.";
  }
  void messagesExplainAMissingResult() {
    QFETCH(int, operation);
    QFETCH(QList<int>, sizes);
    QFETCH(QString, message);
    const auto window = OpenWindow();
    ChooseOperation(*window, operation);
    SetSize(*window, 1, sizes[0], sizes[1]);
    SetSize(*window, 2, sizes[2], sizes[3]);
    QVERIFY(PanelNamed(*window, "PanelInverzna")->isHidden());
    QVERIFY(PanelNamed(*window, "PanelVypocet")->isHidden());
    QVERIFY(Find<QToolButton>(*window, "ButtonHore")->isHidden());
    QCOMPARE(PanelNamed(*window, "Panel4")->Caption(), message);
  }

  void inverseComesBackWhenTheMatrixIsSquareAgain() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 2, 2);
    TypeMatrix(Pole(*window, "Pole1"), {{"1", "2"}, {"3", "4"}});
    ChooseOperation(*window, 0);
    TypeSpin(Spin(*window, "SpinEdit1"), "3");
    QVERIFY(PanelNamed(*window, "PanelInverzna")->isHidden());
    QVERIFY(Find<QToolButton>(*window, "ButtonHore")->isHidden());
    TypeSpin(Spin(*window, "SpinEdit1"), "2");
    QVERIFY(!PanelNamed(*window, "PanelInverzna")->isHidden());
    QCOMPARE(ShownMatrix(Pole(*window, "Pole4")), Matrix({{"-2", "1"}, {"1,5", "-0,5"}}));
  }

  void sumAndDifferenceElementByElement() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 1, 2);
    SetSize(*window, 2, 1, 2);
    TypeMatrix(Pole(*window, "Pole1"), {{"1+2i", "3"}});
    TypeMatrix(Pole(*window, "Pole2"), {{"1-2i", "0,5"}});
    QCOMPARE(ShownMatrix(Pole(*window, "Pole5")), Matrix({{"2", "3,5"}}));
    const int before = window->RecalculationCount();
    ChooseOperation(*window, 2);
    QCOMPARE(window->RecalculationCount(), before + 1);
    QCOMPARE(ShownMatrix(Pole(*window, "Pole5")), Matrix({{"4i", "2,5"}}));
    QCOMPARE(ColumnHeaders(Pole(*window, "Pole5")), QStringList({"1", "2"}));
    TypeMatrix(Pole(*window, "Pole2"), {{"1+2i", "3"}});
    QCOMPARE(ShownMatrix(Pole(*window, "Pole5")), Matrix({{"0", "0"}}));
  }

  void productWithItsOwnHeaders_data() {
    QTest::addColumn<int>("places");
    QTest::addColumn<QList<QStringList>>("left");
    QTest::addColumn<QList<QStringList>>("right");
    QTest::addColumn<QList<QStringList>>("product");
    QTest::newRow("3x1 by 1x3") << 3 << Matrix({{"1"}, {"i"}, {"2"}}) << Matrix({{"2", "i", "0,5"}})
                                << Matrix({{"2", "i", "0,5"}, {"2i", "-1", "0,5i"}, {"4", "2i", "1"}});
  }
  void productWithItsOwnHeaders() {
    QFETCH(int, places);
    QFETCH(QList<QStringList>, left);
    QFETCH(QList<QStringList>, right);
    QFETCH(QList<QStringList>, product);
    const auto window = OpenWindow();
    TypeSpin(Spin(*window, "DesM"), QString::number(places));
    ChooseOperation(*window, 3);
    SetSize(*window, 1, static_cast<int>(left.size()), static_cast<int>(left[0].size()));
    SetSize(*window, 2, static_cast<int>(right.size()), static_cast<int>(right[0].size()));
    TypeMatrix(Pole(*window, "Pole1"), left);
    TypeMatrix(Pole(*window, "Pole2"), right);
    StringGrid* result = Pole(*window, "Pole5");
    QCOMPARE(ShownMatrix(result), product);
    QStringList rowNumbers, colNumbers;
    for (int i = 1; i <= product.size(); ++i) rowNumbers << QString::number(i);
    for (int j = 1; j <= product[0].size(); ++j) colNumbers << QString::number(j);
    QCOMPARE(RowHeaders(result), rowNumbers);
    QCOMPARE(ColumnHeaders(result), colNumbers);
  }

  void aFloatingPointErrorIsReportedOnceAndTheWindowGoesOn() {
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    ChooseOperation(*window, 3);
    SetSize(*window, 1, 1, 2);  // not square: no strip, only the product
    SetSize(*window, 2, 2, 1);
    StringGrid* pole1 = Pole(*window, "Pole1");
    TypeCell(Pole(*window, "Pole2"), 1, 1, "1E200");  // times the empty cell: 0
    QVERIFY(dialogs.errors.isEmpty());
    TypeCell(pole1, 1, 1, "1E20");  // 1E220 is too large to write at all
    QVERIFY(!dialogs.errors.isEmpty());
    QCOMPARE(dialogs.errors.last(), QStringLiteral("Invalid floating point operation."));
    dialogs.errors.clear();

    // One more digit: 1E200 x 1E200 overflows, reported once for the key.
    pole1->setCurrentIndex(pole1->model()->index(0, 0));
    QTest::keyClick(pole1, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    dialogs.errors.clear();  // F2 and End recomputed too, with 1E20
    TypeKeys("0");
    QCOMPARE(dialogs.errors, QStringList{QStringLiteral("Floating point overflow.")});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    QCOMPARE(dialogs.errors.size(), 1);  // Enter changed nothing: no recalculation, no second report

    TypeCell(pole1, 1, 1, "2");  // still far too large
    dialogs.errors.clear();
    TypeCell(Pole(*window, "Pole2"), 1, 1, "1,5");
    QVERIFY(dialogs.errors.isEmpty());
    QCOMPARE(ShownMatrix(Pole(*window, "Pole5")), Matrix({{"3"}}));
    QVERIFY(!PanelNamed(*window, "PanelVypocet")->isHidden());
  }

  void determinantMessagesReachTheBox() {
    DialogRecorder dialogs;
    MessageBoxDisplay display;
    MessageDisplay* const previous = InstallMessageDisplay(&display);
    zorvel::ShowMessage("Matica nie je \x9Atvorcov\xE1");
    InstallMessageDisplay(previous);
    QCOMPARE(dialogs.messages, QStringList{QString::fromUtf8("Matica nie je štvorcová")});
  }
};

ZORVEL_WIDGET_TEST_MAIN(CalculationsTest)

#include "CalculationsTest.moc"
