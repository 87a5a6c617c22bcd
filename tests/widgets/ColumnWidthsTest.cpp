// Fitting columns to their texts: the width measured is exactly the one at
// which the grid paints every text whole, and the room is shared out fairly.

#include "ColumnWidths.h"
#include "Cp1250.h"
#include "StringGrid.h"
#include "WidgetTestMain.h"

using namespace zorvel;

class ColumnWidthsTest : public QObject {
  Q_OBJECT

 private slots:
  void aFittedColumnShowsEveryTextWholeAndNoPixelLess_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("numbers") << QStringList{"1", "-0,123456789+0,987654321i", "2-i"};
    QTest::newRow("letters and marks") << QStringList{"Príliš veľké číslo", "WWW", "ľščťžýáíé"};
    QTest::newRow("laid out") << QStringList{"1–2", "„5“", "x\u0301"};
  }
  void aFittedColumnShowsEveryTextWholeAndNoPixelLess() {
    QFETCH(QStringList, texts);
    StringGrid view;
    view.grid().SetColCount(2);
    view.grid().SetRowCount(static_cast<int>(texts.size()) + 1);
    for (int r = 0; r < texts.size(); ++r) view.grid().SetCells(1, r + 1, ToCp1250(texts[r]));
    view.resize(600, 300);
    view.show();
    const int need = ColumnWidths(view).Needed(1, 4, 2000);
    const auto allWhole = [&](int width) {
      view.grid().SetColWidths(1, width);
      for (int r = 0; r < texts.size(); ++r) {
        if (view.ShownText(view.model()->index(r, 0)) != FromCp1250(ToCp1250(texts[r]))) return false;
      }
      return true;
    };
    QVERIFY(allWhole(need));
    if (QTest::currentDataTag() != QByteArray("laid out")) QVERIFY(!allWhole(need - 1));  // exact, not generous
    QCOMPARE(ColumnWidths(view).Needed(1, 4, need - 5), need - 5);                        // never past the most
  }

  void theRoomIsSharedOut_data() {
    QTest::addColumn<QList<int>>("needs");
    QTest::addColumn<int>("room");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("all fit") << QList<int>{40, 90, 30} << 200 << QList<int>{40, 90, 30};
    QTest::newRow("the narrow keep theirs") << QList<int>{40, 200, 300} << 300 << QList<int>{40, 130, 130};
    QTest::newRow("equal shares") << QList<int>{100, 100, 100} << 150 << QList<int>{50, 50, 50};
    QTest::newRow("never below the least") << QList<int>{100, 100} << 40 << QList<int>{30, 30};
    QTest::newRow("none") << QList<int>{} << 100 << QList<int>{};
  }
  void theRoomIsSharedOut() {
    QFETCH(QList<int>, needs);
    QFETCH(int, room);
    QFETCH(QList<int>, widths);
    QCOMPARE(ShareRoom(needs, room, 30), widths);
  }
};

ZORVEL_WIDGET_TEST_MAIN(ColumnWidthsTest)
#include "ColumnWidthsTest.moc"
