// Results read without a mouse: columns fitted to their texts as far as the
// window has room, a column set by hand kept, the results' half of a
// maximised window, and the status line and screen readers that say what a
// cell holds and how it is read.

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QScrollBar>

#include "MouseSteps.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

// Whether every data cell of a grid shows its whole text.
bool AllWhole(StringGrid* grid) {
  for (int r = 0; r < grid->model()->rowCount(); ++r) {
    for (int c = 0; c < grid->model()->columnCount(); ++c) {
      const QModelIndex cell = grid->model()->index(r, c);
      if (grid->ShownText(cell) != cell.data().toString()) return false;
    }
  }
  return true;
}

void DragBorder(StringGrid* grid, int section, int by) {
  QHeaderView* header = grid->horizontalHeader();
  const int border = header->sectionViewportPosition(section) + header->sectionSize(section) - 1;
  Drag(header->viewport(), QPoint(border, 7), QPoint(by, 0));
}

}  // namespace

class ReadingResultsTest : public QObject {
  Q_OBJECT

 private slots:
  // The form of results reaches every shown value: the strip and the grid.
  void resultsTakeTheChosenForm() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 1, 1);
    TypeCell(Pole(*window, "Pole1"), 1, 1, "3+4j");
    QCOMPARE(Value(*window, "Determinant1"), QStringLiteral("3+4i"));
    QTest::keyClick(Find<QComboBox>(*window, "ComboBoxTvar"), Qt::Key_Down);
    QCOMPARE(Value(*window, "Determinant1"), QString::fromUtf8("5∠53,13°"));
    QCOMPARE(Value(*window, "Determinant11"), QString::fromUtf8("0,2∠-53,13°"));
    QTest::keyClick(Find<QComboBox>(*window, "ComboBoxTvar"), Qt::Key_Up);
    QTest::keyClick(Find<QComboBox>(*window, "ComboBoxJednotka"), Qt::Key_Down);
    QCOMPARE(Value(*window, "Determinant11"), QStringLiteral("0,12-j0,16"));
    QTest::mouseClick(Find<QCheckBox>(*window, "CheckBoxPresne"), Qt::LeftButton);
    QTest::mouseClick(Find<QCheckBox>(*window, "CheckBoxPlatne"), Qt::LeftButton);
    QVERIFY(Label(*window, "Label21")->text().contains(QString::fromUtf8("platné číslice")));
    TypeCell(Pole(*window, "Pole1"), 1, 1, "4,7k");
    QCOMPARE(Value(*window, "Determinant11"), QStringLiteral("2,13E-4"));
  }

  void columnsFitTheirTextsAfterEachCalculation() {
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    StringGrid* pole5 = Pole(*window, "Pole5");
    TypeCell(pole1, 1, 1, "123456,789-98765,4321i");
    QVERIFY(AllWhole(pole1));  // the input column whose text was cut widens
    QVERIFY(AllWhole(pole5));
    QVERIFY(pole5->grid().ColWidths(1) > 30);
    QCOMPARE(pole5->grid().ColWidths(2), 30);  // the least stays
    TypeCell(pole1, 1, 1, "1");
    QCOMPARE(pole5->grid().ColWidths(1), 30);  // a result column narrows again
  }

  void aColumnSetByHandStaysUntilTheSizeChanges() {
    const auto window = OpenWindow();
    StringGrid* pole5 = Pole(*window, "Pole5");
    DragBorder(pole5, 0, 40);
    TypeCell(Pole(*window, "Pole1"), 1, 1, "123456,789-98765,4321i");
    QCOMPARE(pole5->grid().ColWidths(1), 70);
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);  // fit every column
    QVERIFY(AllWhole(pole5));
    DragBorder(pole5, 0, -40);
    SetSize(*window, 1, 3, 2);
    SetSize(*window, 2, 3, 2);
    QVERIFY(AllWhole(pole5));
  }

  // The adjugate and the inverse share the width, and a click in them keeps
  // their fitted widths.
  void aWideWindowShowsAComplexInverseWhole() {
    const auto window = OpenWindow();
    window->resize(1600, 1000);
    SetSize(*window, 1, 4, 4);
    Paste(Pole(*window, "Pole1"), 1, 1, "2+i\t1\t0\t3-i\n1-2i\t4\ti\t2\n0\t3+2i\t5\t-1\n1\t-i\t2-3i\t6\n");
    TypeSpin(Spin(*window, "DesM"), "6");
    ChooseOperation(*window, 0);
    StringGrid* pole4 = Pole(*window, "Pole4");
    QVERIFY(AllWhole(Pole(*window, "Pole3")));
    QVERIFY(AllWhole(pole4));
    QCOMPARE(pole4->horizontalScrollBar()->maximum(), 0);
    StringGrid* pole3 = Pole(*window, "Pole3");
    const auto widths = [pole3] {
      QList<int> all;
      for (int col = 1; col <= 4; ++col) all << pole3->grid().ColWidths(col);
      return all;
    };
    const QList<int> fitted = widths();
    QTest::mouseClick(pole3->viewport(), Qt::LeftButton, {}, pole3->visualRect(pole3->model()->index(0, 0)).center());
    QCOMPARE(widths(), fitted);
  }

  void aMaximisedWindowGivesTheResultsHalf() {
    const auto window = OpenWindow();
    window->showMaximized();
    QTRY_VERIFY(window->isMaximized() && window->height() > 416);
    QTRY_VERIFY(PanelNamed(*window, "PanelVypocet")->height() >= window->height() / 2);
    const int maximised = PanelNamed(*window, "Panel4")->height();
    window->showNormal();  // the height comes back down, as far as the matrices need
    QTRY_VERIFY(PanelNamed(*window, "Panel4")->height() < maximised);
  }

  void theStatusLineAndScreenReadersSayWhatACellHolds() {
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    TypeCell(pole1, 2, 2, "4,7k");  // read in another form: the line says how
    TypeCell(pole1, 1, 1, "26-5i");
    QTest::keyClick(pole1, Qt::Key_Down);  // Enter went on to (1, 2); the keyboard moves on
    const QString line = QStringLiteral("Matica 1, riadok 2, stĺpec 2: 4,7k — čítané ako 4700");
    QCOMPARE(Label(*window, "StatusLine1")->text(), line);
    QCOMPARE(QAccessible::queryAccessibleInterface(Label(*window, "StatusLine1"))->text(QAccessible::Name), line);
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(pole1);
    QCOMPARE(table->tableInterface()->cellAt(1, 1)->text(QAccessible::Description), QStringLiteral("Čítané ako 4700"));
    SetSize(*window, 1, 1, 1);
    QCOMPARE(QAccessible::queryAccessibleInterface(Label(*window, "Determinant1"))->text(QAccessible::Name),
             QStringLiteral("Determinant: 26-5i"));
  }
};

ZORVEL_WIDGET_TEST_MAIN(ReadingResultsTest)
#include "ReadingResultsTest.moc"
