// Undo and redo of the input side: every kind of action goes back and comes
// again exactly, hidden cells included, one recalculation a step; which
// actions make a step; an edit still open; an error while undoing.

#include <QCheckBox>
#include <QComboBox>
#include <QToolButton>

#include "InputChangeCommand.h"
#include "InputHistory.h"
#include "PlatformRecorders.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

// What the input side shows, hidden data cells included, and the result in
// view. (Header cells of hidden rows are numbered again when they show.)
QStringList Snapshot(const TMain& window) {
  QStringList lines;
  for (const char* name : {"Pole1", "Pole2"}) {
    StringGrid* pole = Pole(window, name);
    lines << RowHeaders(pole).join(u' ') << ColumnHeaders(pole).join(u' ');
    for (int cell = 0; cell < 200; ++cell) lines << Shown(pole, cell % 10 + 1, cell / 10 + 1);
  }
  for (const char* name : {"SpinEdit1", "SpinEdit2", "SpinEdit3", "SpinEdit4", "DesM"})
    lines << Spin(window, name)->Text();
  lines << Find<QComboBox>(window, "ComboBox1")->currentText() << Label(window, "Label21")->text();
  lines << (Find<QCheckBox>(window, "CheckBoxPresne")->isChecked() ? "exact" : "by hand");
  lines << Find<QComboBox>(window, "ComboBoxTvar")->currentText()
        << Find<QComboBox>(window, "ComboBoxJednotka")->currentText();
  lines << (Find<QCheckBox>(window, "CheckBoxPlatne")->isChecked() ? "significant" : "places");
  if (PanelNamed(window, "PanelVypocet")->isHidden()) {
    lines << PanelNamed(window, "Panel4")->Caption();  // covered while a result shows
  } else {
    for (const QStringList& row : ShownMatrix(Pole(window, "Pole5"))) lines << row.join(u' ');
  }
  return lines;
}

int Steps(const TMain& window) { return window.History().Steps().count(); }

// On the operation list the window's keys act and no key release recomputes.
void Press(const TMain& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  auto* list = Find<QComboBox>(window, "ComboBox1");
  list->setFocus();
  QTest::keyClick(list, key, modifiers);
}

// A 20 x 10 block of cells of 32,000 characters, each a number of `digit`s.
QString BigBlock(QChar digit) {
  const QString cell = QString(1, digit) + u',' + QString(31998, digit);
  QStringList rows;
  for (int r = 0; r < 20; ++r) rows << QStringList(10, cell).join(u'\t');
  return rows.join(u'\n');
}

}  // namespace

class UndoTest : public QObject {
  Q_OBJECT

 private slots:
  // Pastes of large cells fill the history's bytes long before its steps:
  // the oldest go, the newest can still be undone.
  void theHistoryKeepsWithinItsBytes() {
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    const QStringList blocks{BigBlock(u'1'), BigBlock(u'2')};
    for (int i = 0; i < 12; ++i) Paste(pole1, 1, 1, blocks[i % 2]);
    const QUndoStack& steps = window->History().Steps();
    std::size_t bytes = 0;
    for (int i = 0; i < steps.count(); ++i) bytes += static_cast<const InputChangeCommand*>(steps.command(i))->Bytes();
    QVERIFY(bytes <= InputHistory::kBytes);
    QVERIFY(steps.count() >= 2 && steps.count() < 12);
    window->History().Undo();
    QCOMPARE(Shown(pole1, 1, 1).front(), u'1');
  }

  void undoAndRedoRetraceEveryStepWithOneRecalculationEach() {
    const auto window = OpenWindow();
    QList<QStringList> states{Snapshot(*window)};
    const std::function<void()> actions[] = {
        [&] { TypeCell(Pole(*window, "Pole1"), 2, 2, "5+i"); },
        [&] { Paste(Pole(*window, "Pole2"), 3, 3, "1\t2\n3\t-2,5i\n"); },  // grows matrix 2 to 4 x 4
        [&] { QTest::mouseClick(Find<QToolButton>(*window, "SpeedButton1"), Qt::LeftButton); },
        [&] { TypeSpin(Spin(*window, "SpinEdit3"), "2"); },   // hides rows of the old matrix 1
        [&] { TypeSpin(Spin(*window, "SpinEdit1"), "12"); },  // "1", then "12": one step
        [&] { ChooseOperation(*window, 0); },
        [&] { TypeSpin(Spin(*window, "DesM"), "5"); },
        [&] { QTest::mouseClick(Find<QCheckBox>(*window, "CheckBoxPresne"), Qt::LeftButton); },
        [&] { QTest::keyClick(Find<QComboBox>(*window, "ComboBoxTvar"), Qt::Key_Down); },  // polar
        [&] { QTest::keyClick(Find<QComboBox>(*window, "ComboBoxJednotka"), Qt::Key_Down); },
        [&] { QTest::mouseClick(Find<QCheckBox>(*window, "CheckBoxPlatne"), Qt::LeftButton); },
    };
    for (const auto& action : actions) {
      action();
      states << Snapshot(*window);
    }
    QCOMPARE(Steps(*window), std::size(actions));
    for (int i = std::size(actions) - 1; i >= -1; --i) {  // the last Ctrl+Z finds nothing to undo
      const int before = window->RecalculationCount();
      Press(*window, Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(window->RecalculationCount(), before + (i >= 0 ? 1 : 0));
      QCOMPARE(Snapshot(*window), states[std::max(i, 0)]);
    }
    for (int i = 1; i < states.size(); ++i) {
      const int before = window->RecalculationCount();
      Press(*window, i % 2 ? Qt::Key_Y : Qt::Key_Z,
            i % 2 ? Qt::ControlModifier : Qt::ControlModifier | Qt::ShiftModifier);
      QCOMPARE(window->RecalculationCount(), before + 1);
      QCOMPARE(Snapshot(*window), states[i]);
    }
  }

  void selectAllDeleteAndUndoBringBackATenByTenMatrix() {
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    QString text;
    for (int cell = 0; cell < 100; ++cell)
      text += QStringLiteral("%1,5-%2i").arg(cell).arg(cell % 7) + (cell % 10 == 9 ? u'\n' : u'\t');
    Paste(pole1, 1, 1, text);
    const QList<QStringList> typed = ShownMatrix(pole1);
    QTest::keyClick(pole1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pole1, Qt::Key_Delete);
    QCOMPARE(ShownMatrix(pole1), QList<QStringList>(10, QStringList(10)));
    QTest::keyClick(pole1, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(ShownMatrix(pole1), typed);
    QCOMPARE(typed.size(), 10);
  }

  void eachActionIsOneStepOrNone_data() {
    QTest::addColumn<QString>("spin");  // empty: a cell is typed, then Enter, or Escape
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<int>("steps");
    QTest::newRow("a cell, key by key") << "" << QStringList{"12,5", "\r"} << 1;
    QTest::newRow("a cell, then Escape") << "" << QStringList{"42", "\x1b"} << 0;
    QTest::newRow("a size in one go") << "SpinEdit2" << QStringList{"10"} << 1;
    QTest::newRow("a size typed back") << "SpinEdit2" << QStringList{"5", "3"} << 0;
    QTest::newRow("0, made 1 in a nested run") << "SpinEdit1" << QStringList{"0"} << 1;
  }
  void eachActionIsOneStepOrNone() {
    QFETCH(QString, spin);
    QFETCH(QStringList, typed);
    QFETCH(int, steps);
    const auto window = OpenWindow();
    Pole(*window, "Pole1")->setFocus();
    for (const QString& text : typed) {
      if (!spin.isEmpty()) {
        TypeSpin(Spin(*window, spin.toLatin1().constData()), text);
      } else if (text.front() < u' ') {
        QTest::keyClick(QApplication::focusWidget(), text == "\r" ? Qt::Key_Return : Qt::Key_Escape);
      } else {
        TypeKeys(text);
      }
    }
    QCOMPARE(Steps(*window), steps);
  }

  void undoFromTheMenuEndsAnEditStillOpen() {
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    TypeCell(pole1, 1, 1, "7");
    pole1->setCurrentIndex(pole1->model()->index(0, 1));
    TypeKeys("8");
    QCOMPARE(MenuItems(pole1).mid(0, 2), QStringList({"Späť\tCtrl+Z", "Znova\tCtrl+Y (off)"}));
    ChooseFromMenu(pole1, "Späť");
    QCOMPARE(ShownMatrix(pole1).front(), QStringList({"7", "", ""}));  // the edit became a step, and went
    QCOMPARE(Steps(*window), 2);
  }

  // A field undoes what was typed in it first; with nothing of its own left,
  // or nothing typed, the keys undo the window's last step.
  void theUndoKeysTakeAFieldsOwnTypingFirst() {
    const auto window = OpenWindow();
    Paste(Pole(*window, "Pole1"), 1, 1, "4");
    QLineEdit* columns = Spin(*window, "SpinEdit2")->Editor();
    TypeSpin(Spin(*window, "SpinEdit2"), "5");
    QTest::keyClick(columns, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(columns->text(), QStringLiteral("3"));
    QCOMPARE(Steps(*window), 1);  // typed back: no step
    QTest::keyClick(columns, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Shown(Pole(*window, "Pole1"), 1, 1), QString());  // the paste
    Spin(*window, "SpinEdit1")->Editor()->setFocus();          // nothing typed here
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Shown(Pole(*window, "Pole1"), 1, 1), QStringLiteral("4"));
  }

  // A recalculation's error cannot pass through QUndoStack; it is reported
  // once the input is back.
  void anErrorWhileUndoingIsReportedAndTheInputStillComesBack() {
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    ChooseOperation(*window, 3);
    SetSize(*window, 1, 1, 1);
    SetSize(*window, 2, 1, 1);
    TypeCell(Pole(*window, "Pole2"), 1, 1, "1E200");
    TypeCell(Pole(*window, "Pole1"), 1, 1, "1E200");  // too large for the strip to write
    TypeCell(Pole(*window, "Pole1"), 1, 1, "0");
    dialogs.errors.clear();
    window->History().UndoAction()->trigger();
    QCOMPARE(dialogs.errors, QStringList{QStringLiteral("Invalid floating point operation.")});
    QCOMPARE(Shown(Pole(*window, "Pole1"), 1, 1), QStringLiteral("1E200"));
    window->History().RedoAction()->trigger();
    QCOMPARE(Shown(Pole(*window, "Pole5"), 1, 1), QStringLiteral("0"));
  }
};

ZORVEL_WIDGET_TEST_MAIN(UndoTest)
#include "UndoTest.moc"
