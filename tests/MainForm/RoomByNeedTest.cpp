// Room where the numbers are: the matrices share the width by what their
// columns need, input columns fit their texts after a file, and the widths
// kept from the last session go with the matrix they were kept for.

#include <QFile>
#include <QTemporaryDir>

#include "ColumnFit.h"
#include "ColumnWidths.h"
#include "MatrixFileActions.h"
#include "PlatformRecorders.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

// Whether every data column of the grid is as wide as its texts need.
bool EveryColumnWhole(StringGrid* pole) {
  const ColumnWidths measure(*pole);
  for (int col = 1; col < pole->grid().ColCount(); ++col) {
    if (pole->grid().ColWidths(col) < measure.Needed(col, 30, 2000)) return false;
  }
  return true;
}

QString WriteFile(const QTemporaryDir& dir, const QByteArray& bytes) {
  QFile file(dir.filePath("m.tsv"));
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
  return file.fileName();
}

// Lets the fit that follows a change of size run.
void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace

class RoomByNeedTest : public QObject {
  Q_OBJECT

 private slots:
  void theMatricesShareTheWidthByNeed() {
    const auto window = OpenWindow();
    window->resize(1400, 800);
    Settle();
    const int built = PanelNamed(*window, "Panel2")->width();
    SetSize(*window, 1, 6, 6);
    QStringList row(6, QStringLiteral("-0,123456789+0,987654321i"));
    QString block;
    for (int r = 0; r < 6; ++r) block += row.join(u'\t') + u'\n';
    Paste(Pole(*window, "Pole1"), 1, 1, block);
    Settle();
    const int wide = PanelNamed(*window, "Panel2")->width();
    QVERIFY(wide > built);
    QVERIFY(EveryColumnWhole(Pole(*window, "Pole1")));
    QVERIFY(PanelNamed(*window, "Panel3")->width() >= Spin(*window, "SpinEdit4")->geometry().right());
    SetSize(*window, 1, 6, 2);  // a narrower matrix 1 gives room back
    Settle();
    QVERIFY(PanelNamed(*window, "Panel2")->width() < wide);
    QVERIFY(EveryColumnWhole(Pole(*window, "Pole1")));
  }

  void inputColumnsFitAfterAFileAndKeptWidthsGoWithTheirMatrix() {
    DialogRecorder dialogs;
    QTemporaryDir dir;
    const auto window = OpenWindow();
    window->resize(1200, 700);
    Settle();
    StringGrid* pole1 = Pole(*window, "Pole1");
    pole1->grid().SetColWidths(1, 300);  // as the last session left it
    window->Columns().KeepWidths();
    window->Columns().Fit();
    QCOMPARE(pole1->grid().ColWidths(1), 300);
    window->Files().OpenFile(pole1, WriteFile(dir, "1\t-12345,678\t2\n3\t4\t5\n6\t7\t8\n"));
    Settle();
    QVERIFY(pole1->grid().ColWidths(1) < 300);  // the kept width went with its matrix
    QVERIFY(EveryColumnWhole(pole1));
    QVERIFY(pole1->grid().ColWidths(2) > pole1->grid().ColWidths(3));
    QCOMPARE(dialogs.messages, QStringList());
  }
};

ZORVEL_WIDGET_TEST_MAIN(RoomByNeedTest)
#include "RoomByNeedTest.moc"
