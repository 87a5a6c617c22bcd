// The window in English, as a user whose preferred language is English sees
// it: its own texts translated, the core's messages too, and numbers still
// written with the decimal comma of the arithmetic. Every other window test
// runs in Slovak, which a window made without a translation speaks.

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QTreeView>

#include <algorithm>

#include "CalculationExport.h"
#include "CalculationMessages.h"
#include "CoreTexts.h"
#include "Language.h"
#include "Messages.h"
#include "PlatformRecorders.h"
#include "StatusLine.h"
#include "StepsPanel.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

// A letter of Slovak that English does not use.
bool HasSlovakLetter(const QString& text) {
  static const QString letters = QStringLiteral("áäčďéíĺľňóôŕšťúýžÁÄČĎÉÍĹĽŇÓÔŔŠŤÚÝŽ");
  return std::any_of(text.begin(), text.end(), [](QChar c) { return letters.contains(c); });
}

// Every text a widget shows or says: its text, title, items, tooltip and
// name for screen readers, and its actions' texts.
QStringList TextsOf(const QWidget* widget) {
  QStringList texts{widget->toolTip(), widget->accessibleName(), widget->windowTitle()};
  for (const char* property : {"text", "title", "Caption"}) texts << widget->property(property).toString();
  if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
  }
  if (const auto* panel = qobject_cast<const Panel*>(widget)) texts << panel->Caption();
  for (const QAction* action : widget->actions()) texts << action->text() << action->toolTip();
  return texts;
}

}  // namespace

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
    QVERIFY(pole5->grid().ColWidths(1) > pole5->fontMetrics().horizontalAdvance(QStringLiteral("Number too large")));
    QVERIFY(Find<StatusLine>(*window, "StatusLine1")->Notice().contains(QStringLiteral("Exact")));
    window->Export().SaveFile(dir.filePath("v.html"));
    QFile saved(dir.filePath("v.html"));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(saved.readAll());
    QVERIFY(page.contains(QStringLiteral("Number too large")));
    QVERIFY2(page.contains(QStringLiteral("<h2>Result</h2>")), qPrintable(page));  // the page's own words too
  }

  // A tour of the window: every widget's texts, every grid's menu and the
  // messages of the calculations hold no Slovak letter (the author's name
  // aside, which is a name).
  void aTourOfTheWindowFindsNoSlovak() {
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    QStringList seen;
    const auto look = [&] {
      for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->objectName() != QLatin1String("Label11")) seen << TextsOf(widget);
      }
      for (const char* name : {"Pole1", "Pole2", "Pole3", "Pole4", "Pole5"}) {
        if (Pole(*window, name)->isVisible()) seen << MenuItems(Pole(*window, name));
      }
      window->activateWindow();  // the offscreen platform leaves none active after a menu
      QVERIFY(QTest::qWaitForWindowActive(window.get()));
    };
    look();
    TypeCell(Pole(*window, "Pole1"), 1, 1, "1e10");  // a number too large, and its hint
    look();
    for (int operation = 0; operation < Find<QComboBox>(*window, "ComboBox1")->count(); ++operation) {
      ChooseOperation(*window, operation);
      SetSize(*window, 1, 2, 3);  // refused by the inverse, the solution; sum and product too
      look();
      SetSize(*window, 1, 3, 3);
      look();
    }
    window->Steps().Open();
    WithContextMenu(window->Steps().Tree(), [&seen](QMenu& menu) {
      for (const QAction* action : menu.actions()) seen << action->text();
    });
    window->activateWindow();  // the offscreen platform leaves none active after a menu
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F1);
    look();
    seen << dialogs.messages << dialogs.errors;
    for (const QString& text : seen) QVERIFY2(!HasSlovakLetter(text), qPrintable(text));
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
