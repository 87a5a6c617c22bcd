// What the user reads: the Slovak sentences, cell texts shown literally
// rather than as markup, results cut with "…" instead of looking whole, and
// an old message that never shows through a valid result.

#include <QComboBox>
#include <QImage>
#include <QTextDocument>

#include "Determinant.h"
#include "MouseSteps.h"
#include "PlatformRecorders.h"
#include "WarningColour.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

// What a tooltip shows a reader (it is given as rich text).
QString ReadToolTip(const QString& toolTip) {
  QTextDocument document;
  document.setHtml(toolTip);
  return document.toPlainText();
}

}  // namespace

class ShownTextsTest : public QObject {
  Q_OBJECT

 private slots:
  void slovakSentences() {
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    QCOMPARE(Find<QComboBox>(*window, "ComboBox1")->itemText(0), QStringLiteral("Inverzná matica z matice 1"));
    // A product with a size below 1 cannot be reached by typing; the size is
    // written with its handler detached.
    ChooseOperation(*window, 3);
    Spin(*window, "SpinEdit1")->SetOnChange({});
    Spin(*window, "SpinEdit1")->SetText(QStringLiteral("0"));
    window->Vypocty();
    QCOMPARE(PanelNamed(*window, "Panel4")->Caption(), QStringLiteral("Matice nie je možné násobiť."));
    Grid notSquare;  // the window's message box shows what the determinant says
    notSquare.SetRowCount(3);
    GridDeterminant(notSquare, 3);
    QCOMPARE(dialogs.messages.last(), QStringLiteral("Determinant zo zadanej matice nie je možné vypočítať."));
  }

  void placesSentenceAgreesWithTheNumber_data() {
    QTest::addColumn<QString>("places");
    QTest::addColumn<QString>("ending");
    for (const char* places : {"2", "3", "4"}) QTest::newRow(places) << places << "desatinné miesta";
    for (const char* places : {"5", "7", "9"}) QTest::newRow(places) << places << "desatinných miest";
  }
  void placesSentenceAgreesWithTheNumber() {
    QFETCH(QString, places);
    QFETCH(QString, ending);
    const auto window = OpenWindow();
    TypeSpin(Spin(*window, "DesM"), places);
    QCOMPARE(Label(*window, "Label21")->text(), QStringLiteral("Zaokrúhľovať na") + QString(13, u' ') + ending);
  }

  void cellTextsAreShownLiterally() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 1, 1);
    SetSize(*window, 2, 1, 1);
    TypeCell(Pole(*window, "Pole1"), 1, 1, "4242424242");
    ChooseOperation(*window, 0);  // the determinant of a 1 x 1 matrix is its value, written
    const QString tooLarge = QStringLiteral("Príliš veľké číslo");
    QCOMPARE(Value(*window, "Determinant3"), tooLarge);
    QCOMPARE(Label(*window, "Determinant3")->textFormat(), Qt::PlainText);
    QCOMPARE(Label(*window, "Determinant3")->text(), tooLarge);  // the fraction widens to its text
    TypeCell(Pole(*window, "Pole1"), 1, 1, "<u>42</u>");
    QCOMPARE(Value(*window, "Determinant1"), QStringLiteral("0"));  // what the cell reads as
    StringGrid* pole1 = Pole(*window, "Pole1");                     // the cell itself is marked as not read whole
    const QString cellTip = pole1->model()->data(pole1->model()->index(0, 0), Qt::ToolTipRole).toString();
    QCOMPARE(ReadToolTip(cellTip), QStringLiteral("Čítané ako 0"));
  }

  void aCellNotReadWholeIsMarkedWithWhatItIsReadAs_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readAs");  // empty: read whole, not marked
    QTest::newRow("letters") << "abc"
                             << "Čítané ako 0";
    QTest::newRow("a second separator") << "1,5.2"
                                        << "Čítané ako 15";
    QTest::newRow("i and j") << "2i+3j"
                             << "Čítané ako 3+2i (i aj j v jednom čísle)";
    QTest::newRow("a zero denominator") << "1/0"
                                        << "Čítané ako 1 (delenie nulou)";
    QTest::newRow("a doubled prefix") << "4,7kk"
                                      << "Čítané ako 47";
    for (const char* whole : {"", "2", "-2,5", "2.5", "1E3", "i", "-i", "3i", "2+3i", "2-i", "-0,5+2,5i", "2+3j", "1/2",
                              "(1+i)/2", "4,7k", "1<90"}) {
      QTest::newRow(*whole != 0 ? whole : "empty") << whole << "";
    }
  }
  void aCellNotReadWholeIsMarkedWithWhatItIsReadAs() {
    QFETCH(QString, text);
    QFETCH(QString, readAs);
    const auto window = OpenWindow();
    const auto marking = [](StringGrid* grid) {
      const QModelIndex cell = grid->model()->index(0, 0);
      const QVariant colour = grid->model()->data(cell, Qt::ForegroundRole);
      if (!colour.isValid()) return QString();
      if (colour.value<QColor>() != WarningColour(QApplication::palette())) return QStringLiteral("another colour");
      return ReadToolTip(grid->model()->data(cell, Qt::ToolTipRole).toString());
    };
    StringGrid* pole1 = Pole(*window, "Pole1");
    TypeCell(pole1, 1, 1, "5");
    TypeCell(pole1, 1, 1, text);  // the marking follows an edit
    QCOMPARE(marking(pole1), readAs);
    window->SpeedButton1Click();  // and a swap
    QCOMPARE(marking(Pole(*window, "Pole2")), readAs);
    QCOMPARE(marking(pole1), QString());
  }

  // Ten long results side by side have less room than they need.
  void resultTooNarrowForItsTextEndsInAnEllipsis() {
    const auto window = OpenWindow();
    TypeSpin(Spin(*window, "DesM"), "9");
    SetSize(*window, 1, 1, 10);
    SetSize(*window, 2, 1, 10);
    Paste(Pole(*window, "Pole1"), 1, 1, QStringList(9, "0,999999995+0,1i").join(u'\t') + "\t0");
    StringGrid* pole5 = Pole(*window, "Pole5");
    const QModelIndex cut = pole5->model()->index(0, 0);
    QCOMPARE(Shown(pole5, 1, 1), QStringLiteral("0,999999995+0,1i"));
    QVERIFY2(pole5->ShownText(cut).endsWith(u'…'), qPrintable(pole5->ShownText(cut)));
    QVERIFY(QStringLiteral("0,999999995+0,1i").startsWith(pole5->ShownText(cut).chopped(1)));
    QCOMPARE(ReadToolTip(pole5->model()->data(cut, Qt::ToolTipRole).toString()), QStringLiteral("0,999999995+0,1i"));
    QCOMPARE(pole5->ShownText(pole5->model()->index(0, 9)), QStringLiteral("0"));  // fits: shown whole
  }

  void oldMessageNeverShowsThroughAValidResult() {
    const auto window = OpenWindow();
    ChooseOperation(*window, 3);
    SetSize(*window, 2, 2, 3);  // no product: the message is shown
    Panel* panel4 = PanelNamed(*window, "Panel4");
    const QString message = panel4->Caption();
    QVERIFY(!message.trimmed().isEmpty());
    SetSize(*window, 2, 3, 3);  // a valid product covers the message again
    QVERIFY(!PanelNamed(*window, "PanelVypocet")->isHidden());
    Drag(Find<QWidget>(*window, "Splitter4"), QPoint(4, 4), QPoint(0, 1000));  // as low as it goes
    QVERIFY(panel4->height() < 60);
    const QImage withMessage = panel4->grab().toImage();
    panel4->SetCaption(QStringLiteral(" "));
    QCOMPARE(panel4->grab().toImage(), withMessage);
    panel4->SetCaption(message);
  }
};

ZORVEL_WIDGET_TEST_MAIN(ShownTextsTest)
#include "ShownTextsTest.moc"
