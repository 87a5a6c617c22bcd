// The spin edit: reading and writing its value, when OnChange runs, what the
// user may type, the arrows, leaving the field, and exceptions from OnChange.

#include "PlatformRecorders.h"
#include "SpinEdit.h"
#include "WidgetTestMain.h"

#include <QClipboard>
#include <QLineEdit>
#include <QToolButton>

#include <stdexcept>

using namespace zorvel;

namespace {

// A size spin edit of the window (1 to 20) in a shown, active window, with a
// second control to move the focus to, and an OnChange counter.
struct Field {
  QWidget window;
  SpinEdit* spin = new SpinEdit(&window);
  QLineEdit* other = new QLineEdit(&window);
  QStringList changes;  // the text at every OnChange

  explicit Field(const QString& text = QStringLiteral("3"), int min = 1, int max = 20) {
    spin->SetMinValue(min);
    spin->SetMaxValue(max);
    spin->SetText(text);
    spin->SetOnChange([this] { changes.append(spin->Text()); });
    other->move(0, 40);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    spin->setFocus();
  }
};

QToolButton* Arrow(const SpinEdit& spin, Qt::ArrowType type) {
  for (QToolButton* button : spin.findChildren<QToolButton*>()) {
    if (button->arrowType() == type) return button;
  }
  return nullptr;
}

}  // namespace

class SpinEditTest : public QObject {
  Q_OBJECT

 private slots:
  void valueReadsTheTextWithoutClamping_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("empty") << "" << 1;
    QTest::newRow("letters") << "abc" << 1;
    QTest::newRow("trailing letters") << "12abc" << 1;
    QTest::newRow("blanks around") << " 7 " << 7;
    QTest::newRow("hex") << "$1F" << 31;
    QTest::newRow("too large to read") << "99999999999" << 1;
    QTest::newRow("above the range") << "25" << 25;
    QTest::newRow("below the range") << "-3" << -3;
  }
  void valueReadsTheTextWithoutClamping() {
    QFETCH(QString, text);
    QFETCH(int, value);
    SpinEdit spin;
    spin.SetMinValue(1);
    spin.SetMaxValue(20);
    spin.SetText(text);
    QCOMPARE(spin.Value(), value);
  }

  void setValueClamps_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("inside") << 1 << 20 << 7 << "7";
    QTest::newRow("above") << 1 << 20 << 25 << "20";
    QTest::newRow("below") << 2 << 9 << 0 << "2";
    QTest::newRow("equal bounds do not clamp") << 0 << 0 << -1000 << "-1000";
  }
  void setValueClamps() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(QString, text);
    SpinEdit spin;
    spin.SetMinValue(min);
    spin.SetMaxValue(max);
    spin.SetValue(value);
    QCOMPARE(spin.Text(), text);
  }

  void onChangeRunsOnceInsideTheWrite() {
    SpinEdit spin;
    spin.SetText(QStringLiteral("1"));
    QStringList seen;
    spin.SetOnChange([&] { seen.append(spin.Text()); });
    spin.SetValue(3);
    QCOMPARE(seen, QStringList{QStringLiteral("3")});  // ran before SetValue returned
    spin.SetValue(3);
    spin.SetText(QStringLiteral("3"));
    QCOMPARE(seen.size(), 1);  // the same text runs nothing
    spin.SetOnChange({});
    spin.SetText(QStringLiteral("4"));
    QCOMPARE(seen.size(), 1);  // detached
  }

  void nestedWriteFromOnChangeCompletesFirst() {
    // The size handler's pattern: a text of 0 or less is replaced by 1 at once.
    SpinEdit spin;
    spin.SetMinValue(1);
    spin.SetMaxValue(20);
    spin.SetText(QStringLiteral("3"));
    QStringList seen;
    spin.SetOnChange([&] {
      seen.append(QStringLiteral("begin ") + spin.Text());
      if (spin.Value() <= 0) spin.SetValue(1);
      seen.append(QStringLiteral("end ") + spin.Text());
    });
    spin.SetText(QStringLiteral("0"));
    QCOMPARE(seen, (QStringList{"begin 0", "begin 1", "end 1", "end 1"}));
  }

  void typingAcceptsOnlyNumberCharacters_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("digits") << "12"
                            << "12";
    QTest::newRow("letters refused") << "1a2b"
                                     << "12";
    QTest::newRow("signs and comma") << "-+,"
                                     << "-+,";
    QTest::newRow("point and blank refused") << "3. 4"
                                             << "34";
    QTest::newRow("hex prefix refused") << "$1F"
                                        << "1";
  }
  void typingAcceptsOnlyNumberCharacters() {
    QFETCH(QString, typed);
    QFETCH(QString, text);
    Field field(QString{});
    QTest::keyClicks(field.spin->Editor(), typed);
    QCOMPARE(field.spin->Text(), text);
    QCOMPARE(field.changes.size(), text.size());  // one OnChange per accepted key
  }

  void enterIsRefusedAndPasteIsNot() {
    Field field(QString{});
    QSignalSpy returns(field.spin->Editor(), &QLineEdit::returnPressed);
    QTest::keyClick(field.spin->Editor(), Qt::Key_Return);
    QCOMPARE(returns.count(), 0);
    QGuiApplication::clipboard()->setText(QStringLiteral("ab$1"));
    QTest::keyClick(field.spin->Editor(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field.spin->Text(), QStringLiteral("ab$1"));
    QCOMPARE(field.changes, QStringList{QStringLiteral("ab$1")});
  }

  void arrowsStepThroughSetValue_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("text");
    QTest::newRow("up") << "3" << +1 << "4";
    QTest::newRow("down") << "3" << -1 << "2";
    QTest::newRow("up at the top") << "20" << +1 << "20";
    QTest::newRow("down at the bottom") << "1" << -1 << "1";
    QTest::newRow("from no number") << "abc" << +1 << "2";
    QTest::newRow("down from above the range") << "25" << -1 << "20";
  }
  void arrowsStepThroughSetValue() {
    QFETCH(QString, start);
    QFETCH(int, step);
    QFETCH(QString, text);
    {
      Field field(start);
      QTest::keyClick(field.spin->Editor(), step > 0 ? Qt::Key_Up : Qt::Key_Down);
      QCOMPARE(field.spin->Text(), text);
      QCOMPARE(field.changes.size(), text == start ? 0 : 1);
    }
    {
      Field field(start);
      QToolButton* button = Arrow(*field.spin, step > 0 ? Qt::UpArrow : Qt::DownArrow);
      QVERIFY(button != nullptr);
      QTest::mouseClick(button, Qt::LeftButton);
      QCOMPARE(field.spin->Text(), text);
    }
  }

  void leavingTheFieldClamps_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("changes");
    QTest::newRow("above") << "25"
                           << "20" << 3;  // "2", "25", then "20"
    QTest::newRow("below") << "0"
                           << "1" << 2;
    QTest::newRow("inside stays as typed") << "05"
                                           << "05" << 2;
    QTest::newRow("no number stays") << "-"
                                     << "-" << 1;
  }
  void leavingTheFieldClamps() {
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(int, changes);
    Field field(QString{});
    QTest::keyClicks(field.spin->Editor(), typed);
    field.other->setFocus();
    QVERIFY(!field.spin->Editor()->hasFocus());
    QCOMPARE(field.spin->Text(), text);
    QCOMPARE(field.changes.size(), changes);
  }

  void errorDuringSetValueLeavesSetValue() {
    DialogRecorder dialogs;
    SpinEdit spin;
    spin.SetOnChange([] { throw std::runtime_error("Floating point overflow"); });
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, spin.SetValue(5));
    QCOMPARE(spin.Text(), QStringLiteral("5"));
    QVERIFY(dialogs.errors.isEmpty());  // the caller's boundary reports it
  }

  void errorDuringTypingIsReportedOnce() {
    DialogRecorder dialogs;
    Field field(QString{});
    field.spin->SetOnChange([] { throw std::runtime_error("Floating point overflow"); });
    QTest::keyClick(field.spin->Editor(), Qt::Key_7);
    QCOMPARE(dialogs.errors, QStringList{QStringLiteral("Floating point overflow.")});
    QTest::keyClick(field.spin->Editor(), Qt::Key_8);
    QCOMPARE(field.spin->Text(), QStringLiteral("78"));  // the field goes on working
    QCOMPARE(dialogs.errors.size(), 2);
  }

  void errorInNestedWriteIsReportedOnceByTheUsersEdit() {
    DialogRecorder dialogs;
    Field field(QString{});
    int runs = 0;
    field.spin->SetOnChange([&] {
      // Only the nested run fails; its error must travel out through the outer run.
      if (++runs == 2) throw std::runtime_error("Invalid floating point operation");
      if (field.spin->Value() <= 0) field.spin->SetValue(1);
    });
    QTest::keyClick(field.spin->Editor(), Qt::Key_0);
    QCOMPARE(runs, 2);
    QCOMPARE(field.spin->Text(), QStringLiteral("1"));
    QCOMPARE(dialogs.errors, QStringList{QStringLiteral("Invalid floating point operation.")});
  }

  void sizeFitsTheWindowFont() {
    SpinEdit spin;
    QFont font = spin.font();
    font.setPixelSize(11);
    spin.setFont(font);
    spin.setFixedWidth(57);
    QCOMPARE(spin.width(), 57);
    QVERIFY2(spin.height() >= 16 && spin.height() <= 24, qPrintable(QString::number(spin.height())));
  }
};

ZORVEL_WIDGET_TEST_MAIN(SpinEditTest)
#include "SpinEditTest.moc"
