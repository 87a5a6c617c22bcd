// Moving matrices in and out through the clipboard in the form spreadsheets
// use, and clearing cells with Delete, each followed by one recalculation.

#include <QClipboard>

#include "PlatformRecorders.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

// Selects matrix rows and columns (counted from 1) of a grid with the mouse:
// a click on the first cell, a shift-click on the last.
void SelectBlock(StringGrid* grid, int top, int left, int bottom, int right) {
  QWidget* cells = grid->viewport();
  const auto centre = [grid](int row, int col) {
    return grid->visualRect(grid->model()->index(row - 1, col - 1)).center();
  };
  QTest::mouseClick(cells, Qt::LeftButton, {}, centre(top, left));
  QTest::mouseClick(cells, Qt::LeftButton, Qt::ShiftModifier, centre(bottom, right));
}

}  // namespace

class ClipboardTest : public QObject {
  Q_OBJECT

 private slots:
  void aRangeCopiedFromAResultPastesIntoMatrix2() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 2, 3);
    SetSize(*window, 2, 2, 3);
    TypeMatrix(Pole(*window, "Pole1"), {{"1", "2,5", "i"}, {"-3", "4-i", "0,125"}});
    StringGrid* pole5 = Pole(*window, "Pole5");
    SelectBlock(pole5, 1, 1, 2, 3);
    QTest::keyClick(pole5, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1\t2,5\ti\n-3\t4-i\t0,125\n"));
    const QList<QStringList> copied = ShownMatrix(pole5);

    StringGrid* pole2 = Pole(*window, "Pole2");
    pole2->setFocus();
    pole2->setCurrentIndex(pole2->model()->index(0, 0));
    const int before = window->RecalculationCount();
    QTest::keyClick(pole2, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(window->RecalculationCount(), before + 1);
    QCOMPARE(ShownMatrix(pole2), copied);
    QCOMPARE(ShownMatrix(pole5), QList<QStringList>({{"2", "5", "2i"}, {"-6", "8-2i", "0,25"}}));  // now doubled
  }

  void theMenuCopiesWithADecimalPointForOtherPrograms() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 1, 3);
    SetSize(*window, 2, 1, 3);
    TypeMatrix(Pole(*window, "Pole1"), {{"1,5", "-2,25i", "3+0,5i"}});
    StringGrid* pole5 = Pole(*window, "Pole5");
    SelectBlock(pole5, 1, 1, 1, 3);
    ChooseFromMenu(pole5, QStringLiteral("Kopírovať s desatinnou bodkou"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1.5\t-2.25i\t3+0.5i\n"));
  }

  void aPastedBlockGrowsTheMatrixAndRecomputesOnce() {
    const auto window = OpenWindow();
    const int before = window->RecalculationCount();
    Paste(Pole(*window, "Pole1"), 1, 1, "1\t0\t0\t0\n0\t2\t0\t0\n0\t0\t3\t0\n0\t0\t0\t4\n");
    QCOMPARE(window->RecalculationCount(), before + 1);
    QCOMPARE(Spin(*window, "SpinEdit1")->Text(), QStringLiteral("4"));
    QCOMPARE(Spin(*window, "SpinEdit2")->Text(), QStringLiteral("4"));
    QCOMPARE(RowHeaders(Pole(*window, "Pole1")), QStringList({"1", "2", "3", "4"}));
    QCOMPARE(ColumnHeaders(Pole(*window, "Pole1")), QStringList({"1", "2", "3", "4"}));
    QCOMPARE(Label(*window, "Determinant1")->text(), QStringLiteral("24"));
    // The size handlers work again afterwards.
    TypeSpin(Spin(*window, "SpinEdit1"), "2");
    QCOMPARE(Pole(*window, "Pole1")->grid().RowCount(), 3);
  }

  void aBlockBeyondTheLimitsIsCut() {
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    QString text;
    for (int r = 1; r <= 25; ++r) {
      QStringList row;
      for (int c = 1; c <= 12; ++c) row << QString::number(r * 100 + c);
      text += row.join('\t') + "\r\n";
    }
    Paste(Pole(*window, "Pole2"), 2, 2, text);
    QCOMPARE(Spin(*window, "SpinEdit3")->Text(), QStringLiteral("20"));
    QCOMPARE(Spin(*window, "SpinEdit4")->Text(), QStringLiteral("10"));
    StringGrid* pole2 = Pole(*window, "Pole2");
    QCOMPARE(Shown(pole2, 2, 2), QStringLiteral("101"));
    QCOMPARE(Shown(pole2, 10, 20), QStringLiteral("1909"));  // pasted row 19, column 9
    QCOMPARE(Shown(pole2, 1, 1), QString());
    pole2->grid().SetColCount(12);  // nothing was written past the limits
    QCOMPARE(Shown(pole2, 11, 2), QString());
    QCOMPARE(dialogs.messages, QStringList{QStringLiteral("Matica môže mať najviac 20 riadkov a 10 stĺpcov. "
                                                          "Z vloženého bloku sa vynechalo riadkov: 6, stĺpcov: 3.")});
  }

  void lineEndsAddNoEmptyRow_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("windows, final line end") << "1\t2\r\n3\t4\r\n";
    QTest::newRow("unix, final line end") << "1\t2\n3\t4\n";
    QTest::newRow("no final line end") << "1\t2\n3\t4";
  }
  void lineEndsAddNoEmptyRow() {
    QFETCH(QString, text);
    const auto window = OpenWindow();
    SetSize(*window, 1, 1, 1);
    Paste(Pole(*window, "Pole1"), 1, 1, text);
    QCOMPARE(ShownMatrix(Pole(*window, "Pole1")), QList<QStringList>({{"1", "2"}, {"3", "4"}}));
  }

  // As Octave's or NumPy's console prints a matrix (a text the window did
  // not copy itself).
  void numbersOnBlanksPasteAsCells() {
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    SetSize(*window, 1, 1, 1);
    Paste(Pole(*window, "Pole1"), 1, 1, "   1.0000   2.5000\n  -3.0000   0.1250\n");
    if (QApplication::clipboard()->ownsClipboard()) QSKIP("here every text a test pastes is the window's own");
    QCOMPARE(ShownMatrix(Pole(*window, "Pole1")), QList<QStringList>({{"1.0000", "2.5000"}, {"-3.0000", "0.1250"}}));
    QCOMPARE(dialogs.messages, QStringList{QString::fromUtf8("Čísla vo vloženom texte sú oddelené medzerami.")});
  }

  void aSingleValuePastesIntoTheCurrentCell() {
    const auto window = OpenWindow();
    Paste(Pole(*window, "Pole1"), 2, 3, "1.5");  // a decimal point reads as well as a comma
    QCOMPARE(Shown(Pole(*window, "Pole1"), 3, 2), QStringLiteral("1.5"));
    QCOMPARE(Spin(*window, "SpinEdit1")->Text(), QStringLiteral("3"));
    QCOMPARE(Shown(Pole(*window, "Pole5"), 3, 2), QStringLiteral("1,5"));
  }

  void deleteClearsTheSelectedCellsAndRecomputesOnce() {
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    TypeMatrix(pole1, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
    SelectBlock(pole1, 1, 2, 2, 3);
    const int before = window->RecalculationCount();
    QTest::keyClick(pole1, Qt::Key_Delete);
    QCOMPARE(window->RecalculationCount(), before + 1);
    QCOMPARE(ShownMatrix(pole1), QList<QStringList>({{"1", "", ""}, {"4", "", ""}, {"7", "8", "9"}}));
    QCOMPARE(ShownMatrix(Pole(*window, "Pole5")),
             QList<QStringList>({{"1", "0", "0"}, {"4", "0", "0"}, {"7", "8", "9"}}));
  }

  void resultGridsRefusePasteAndDelete() {
    const auto window = OpenWindow();
    StringGrid* pole5 = Pole(*window, "Pole5");
    const auto before = ShownMatrix(pole5);
    Paste(pole5, 1, 1, "7");
    QTest::keyClick(pole5, Qt::Key_Delete);
    QCOMPARE(ShownMatrix(pole5), before);
  }
};

ZORVEL_WIDGET_TEST_MAIN(ClipboardTest)

#include "ClipboardTest.moc"
