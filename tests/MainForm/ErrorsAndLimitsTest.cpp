// What the window shows when a recalculation fails, how it copes with cells
// of the longest text a cell holds, and that normal use prints no warnings.

#include <QCheckBox>
#include <QToolButton>

#include "CoreTexts.h"
#include "PlatformRecorders.h"
#include "StatusLine.h"
#include "TabSeparated.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

QList<QStringList> Matrix(std::initializer_list<QStringList> rows) { return QList<QStringList>(rows); }

// Collects what Qt prints while it lives.
class MessageCatcher {
 public:
  MessageCatcher() : previous_(qInstallMessageHandler(&Catch)) { caught().clear(); }
  ~MessageCatcher() { qInstallMessageHandler(previous_); }
  MessageCatcher(const MessageCatcher&) = delete;
  MessageCatcher& operator=(const MessageCatcher&) = delete;
  static QStringList& caught() {
    static QStringList messages;
    return messages;
  }

 private:
  static void Catch(QtMsgType /*type*/, const QMessageLogContext& /*context*/, const QString& text) {
    caught().append(text);
  }
  QtMessageHandler previous_;
};

QString Huge(int length) { return QString(length - 1, u'0') + u'7'; }

}  // namespace

class ErrorsAndLimitsTest : public QObject {
  Q_OBJECT

 private slots:
  void noOldResultStaysAfterAnError_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<QList<QStringList>>("valid");
    QTest::addColumn<QList<QStringList>>("failing");
    QTest::addColumn<QString>("error");
    QTest::addColumn<QString>("determinant");  // what the strip shows after the error
    QTest::addColumn<QString>("reciprocal");
    const QString invalid = QStringLiteral("Invalid floating point operation.");
    const QString overflow = QStringLiteral("Floating point overflow.");
    QTest::newRow("inverse too large to write")
        << 0 << Matrix({{"1", "2"}, {"3", "4"}}) << Matrix({{"1E19", "1"}, {"1", "0"}}) << invalid << "-1"
        << "-1";
    QTest::newRow("1 x 1 determinant too large to write")
        << 1 << Matrix({{"1"}}) << Matrix({{"1E308"}}) << invalid << ""
        << "";
    QTest::newRow("determinant overflows")
        << 3 << Matrix({{"1", "2"}, {"3", "4"}}) << Matrix({{"1", "1E200"}, {"1E200", "1"}}) << overflow << ""
        << "";
  }
  void noOldResultStaysAfterAnError() {
    QFETCH(int, operation);
    QFETCH(QList<QStringList>, valid);
    QFETCH(QList<QStringList>, failing);
    QFETCH(QString, error);
    QFETCH(QString, determinant);
    QFETCH(QString, reciprocal);
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    const int n = static_cast<int>(valid.size());
    SetSize(*window, 1, n, n);
    SetSize(*window, 2, n, n);
    ChooseOperation(*window, operation);
    Paste(Pole(*window, "Pole1"), 1, 1, ToTabSeparated(valid));
    QVERIFY(dialogs.errors.isEmpty());
    Panel* view = PanelNamed(*window, operation == 0 ? "PanelInverzna" : "PanelVypocet");
    QVERIFY(!view->isHidden());

    Paste(Pole(*window, "Pole1"), 1, 1, ToTabSeparated(failing));
    QCOMPARE(dialogs.errors, QStringList{error});  // the error box as ever
    QVERIFY(view->isHidden());
    QCOMPARE(PanelNamed(*window, "Panel4")->Caption(), QStringLiteral("Výsledok nie je možné zobraziť: ") + error);
    QVERIFY(Find<QToolButton>(*window, "ButtonHore")->isHidden());
    QCOMPARE(Value(*window, "Determinant1"), determinant);
    QCOMPARE(Value(*window, "Determinant3"), determinant);
    QCOMPARE(Value(*window, "Determinant11"), reciprocal);

    Paste(Pole(*window, "Pole1"), 1, 1, ToTabSeparated(valid));  // and back once the input is sound
    QVERIFY(!view->isHidden());
  }

  // A cell that is exactly "?" (what a character without a Windows-1250 code
  // becomes) reads as any unreadable text does, and a too-large imaginary
  // part writes the message once.
  void oddTextsGiveSoundResults() {
    const auto window = OpenWindow();
    Paste(Pole(*window, "Pole1"), 1, 1, QStringLiteral("\U0001F600\t2\t3\n4\t5\t6\n7\t8\t10\n"));
    QCOMPARE(Shown(Pole(*window, "Pole1"), 1, 1), QStringLiteral("?"));
    QCOMPARE(Label(*window, "Determinant1")->text(), QStringLiteral("-5"));
    TypeCell(Pole(*window, "Pole1"), 1, 1, "1e10+1e10i");
    QCOMPARE(Shown(Pole(*window, "Pole5"), 1, 1), QStringLiteral("Príliš veľké číslo"));
    // The status line says why, and where the way out is; exactly there is no such limit.
    auto* status = Find<StatusLine>(*window, "StatusLine1");
    QCOMPARE(status->Notice(), TooLargeHint());
    QVERIFY(status->text().endsWith(TooLargeHint()));
    Find<QCheckBox>(*window, "CheckBoxPresne")->click();
    QCOMPARE(status->Notice(), QString());
  }

  void cellsHoldAtMost32767CharactersAndShowFewOfThem() {
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    SetSize(*window, 1, 1, 1);
    Paste(Pole(*window, "Pole1"), 1, 1, Huge(40000) + u'\t' + Huge(50000));
    QCOMPARE(dialogs.messages,  // once for the paste, however many cells were cut
             QStringList{QStringLiteral("Niektoré vložené bunky mali viac ako 32 767 znakov. Ich text bol skrátený.")});
    StringGrid* pole1 = Pole(*window, "Pole1");
    QCOMPARE(Shown(pole1, 1, 1), Huge(40000).left(32767));
    QCOMPARE(Shown(pole1, 2, 1).size(), 32767);
    dialogs.messages.clear();
    Paste(pole1, 1, 1, Huge(32767));  // the longest text is kept whole, without a word
    QVERIFY(dialogs.messages.isEmpty());

    TypeSpin(Spin(*window, "SpinEdit2"), "1");  // the 1 x 1 determinant is the cell's value
    QCOMPARE(Value(*window, "Determinant1"), Huge(32767).right(1));
    QVERIFY(pole1->ShownText(pole1->model()->index(0, 0)).size() < 100);
    QVERIFY(pole1->model()->data(pole1->model()->index(0, 0), Qt::ToolTipRole).toString().size() < 1000);
  }

  void typingAndMovingPrintNoWarnings() {
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    const MessageCatcher catcher;
    TypeCell(pole1, 1, 1, "12");
    QTest::keyClick(pole1, Qt::Key_Return);                        // opens the cell
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // and closes it
    QApplication::processEvents();
    QTest::keyClick(pole1, Qt::Key_F2);
    TypeKeys("3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QApplication::processEvents();
    TypeCell(pole1, 2, 2, "i");
    QVERIFY2(MessageCatcher::caught().isEmpty(), qPrintable(MessageCatcher::caught().join(u'\n')));
  }
};

ZORVEL_WIDGET_TEST_MAIN(ErrorsAndLimitsTest)
#include "ErrorsAndLimitsTest.moc"
