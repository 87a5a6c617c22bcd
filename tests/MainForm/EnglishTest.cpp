// The window in English, as a user whose preferred language is English sees
// it: its own texts translated, the core's messages too, and numbers still
// written with the decimal comma of the arithmetic. Every other window test
// runs in Slovak, which a window made without a translation speaks.

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>

#include "CalculationExport.h"
#include "CalculationMessages.h"
#include "CoreTexts.h"
#include "Language.h"
#include "Messages.h"
#include "PlatformRecorders.h"
#include "StatusLine.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

class EnglishTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { UseLanguage(Language::English); }

  void theWindowSpeaksEnglishAndKeepsTheDecimalComma() {
    const auto window = OpenWindow();
    QComboBox* operations = Find<QComboBox>(*window, "ComboBox1");
    QCOMPARE(operations->itemText(0), QStringLiteral("Inverse of matrix 1"));
    QCOMPARE(operations->currentText(), QStringLiteral("Sum of the matrices"));
    QCOMPARE(Find<QGroupBox>(*window, "GroupBox1")->title(), QStringLiteral("Matrix 1"));
    QCOMPARE(Label(*window, "Label21")->text(), QStringLiteral("Round to") + QString(13, u' ') + "decimal places");
    TypeCell(Pole(*window, "Pole1"), 1, 1, "0,5");
    QCOMPARE(Shown(Pole(*window, "Pole5"), 1, 1), QStringLiteral("0,5"));
    SetSize(*window, 2, 2, 2);  // the core's message, translated
    QCOMPARE(PanelNamed(*window, "Panel4")->Caption(),
             QStringLiteral("Only matrices with the same numbers of rows and columns can be added or subtracted."));
  }

  // A number too large to write is English wherever it is shown: in the
  // results, the hint beside them and the saved calculation; the core keeps
  // its own text.
  void aNumberTooLargeIsEnglishWhereverItIsShown() {
    QTemporaryDir dir;
    const auto window = OpenWindow();
    TypeCell(Pole(*window, "Pole1"), 1, 1, "1e10");
    StringGrid* pole5 = Pole(*window, "Pole5");
    QCOMPARE(pole5->model()->index(0, 0).data().toString(), QStringLiteral("Number too large"));
    QCOMPARE(Shown(pole5, 1, 1), QStringLiteral("Príliš veľké číslo"));
    QVERIFY(Find<StatusLine>(*window, "StatusLine1")->Notice().contains(QStringLiteral("Exact")));
    window->Export().SaveFile(dir.filePath("v.html"));
    QFile saved(dir.filePath("v.html"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(saved.readAll());
    QVERIFY(page.contains(QStringLiteral("Number too large")));
    QVERIFY2(page.contains(QStringLiteral("<h2>Result</h2>")), qPrintable(page));  // the page's own words too
  }

  // Each message of the core has its English text.
  void everyCoreMessageIsTranslated() {
    for (const std::string_view message :
         {kDeterminantImpossible, kInverseNotSquare, kInverseImpossible, kInverseDeterminantZero, kSumSizesDiffer,
          kProductImpossible, kProductSizesDiffer, kTooLargeNumber}) {
      QVERIFY2(ShownCoreText(message) != FromCp1250(message), qPrintable(FromCp1250(message)));
    }
  }
};

ZORVEL_WIDGET_TEST_MAIN(EnglishTest)
#include "EnglishTest.moc"
