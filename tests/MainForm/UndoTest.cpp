// Undo and redo of the input side: every kind of action goes back and comes
// again exactly, hidden cells included, with one recalculation per step;
// which actions make a step; the keys in a field being typed in; an error
// while undoing.

#include <QComboBox>
#include <QToolButton>

#include "InputHistory.h"
#include "PlatformRecorders.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

// Everything the input side shows, its hidden data cells included, and the
// results in view, one line each. (The header cells of hidden rows are left
// as they were, and are numbered again when they show.)
QStringList Snapshot(const TMain& window) {
  QStringList lines;
  for (const char* name : {"Pole1", "Pole2"}) {
    StringGrid* pole = Pole(window, name);
    lines << QStringLiteral("%1 %2 x %3").arg(name).arg(pole->grid().RowCount()).arg(pole->grid().ColCount());
    lines << RowHeaders(pole).join(u' ') << ColumnHeaders(pole).join(u' ');
    for (int r = 1; r <= 20; ++r) {
      for (int c = 1; c <= 10; ++c) {
        if (!Shown(pole, c, r).isEmpty()) lines << QStringLiteral("%1[%2,%3] %4").arg(name).arg(r).arg(c).arg(Shown(pole, c, r));
      }
    }
  }
  for (const char* name : {"SpinEdit1", "SpinEdit2", "SpinEdit3", "SpinEdit4", "DesM"}) {
    lines << QStringLiteral("%1 %2").arg(name, Spin(window, name)->Text());
  }
  lines << QStringLiteral("operation %1").arg(Find<QComboBox>(window, "ComboBox1")->currentIndex());
  lines << Label(window, "Label21")->text();
  for (const char* name : {"PanelInverzna", "PanelVypocet", "Panel5"}) {
    lines << QStringLiteral("%1 %2").arg(name, PanelNamed(window, name)->isHidden() ? "hidden" : "shown");
  }
  if (!PanelNamed(window, "Panel5")->isHidden()) lines << Value(window, "Determinant1");
  if (!PanelNamed(window, "PanelVypocet")->isHidden()) {
    for (const QStringList& row : ShownMatrix(Pole(window, "Pole5"))) lines << row.join(u' ');
  } else {
    lines << PanelNamed(window, "Panel4")->Caption();
  }
  return lines;
}

int Steps(const TMain& window) { return window.History().Steps().count(); }

// Keys pressed where the window's shortcuts reach them and no key release
// recomputes: on the operation list.
void PressOnList(const TMain& window, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  auto* list = Find<QComboBox>(window, "ComboBox1");
  list->setFocus();
  QTest::keyClick(list, key, modifiers);
}

QLineEdit* OpenEditor() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

enum Action {
  kNothing,
  kTypeACell,
  kTypeAndEscape,
  kTypeASizeInOneGo,
  kTypeASizeBackToWhereItWas,
  kTypeTwoSizes,
  kTypeASizeOfZero,
  kChooseTheSameOperation,
  kTypeTooManyPlaces,
  kPasteASingleValue,
  kDeleteEmptyCells,
};

}  // namespace

class UndoTest : public QObject {
  Q_OBJECT

 private slots:
  void undoAndRedoRetraceEveryStepWithOneRecalculationEach() {
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    QList<QStringList> states{Snapshot(*window)};
    TypeCell(pole1, 2, 2, "5+i");
    states << Snapshot(*window);
    Paste(Pole(*window, "Pole2"), 3, 3, "1\t2\n3\t-2,5i\n");  // grows matrix 2 to 4 x 4
    states << Snapshot(*window);
    QTest::mouseClick(Find<QToolButton>(*window, "SpeedButton1"), Qt::LeftButton);  // the swap
    states << Snapshot(*window);
    TypeSpin(Spin(*window, "SpinEdit3"), "2");  // hides a row of the old matrix 1
    states << Snapshot(*window);
    TypeSpin(Spin(*window, "SpinEdit1"), "12");  // "1", then "12": one step
    states << Snapshot(*window);
    ChooseOperation(*window, 0);
    states << Snapshot(*window);
    TypeSpin(Spin(*window, "DesM"), "5");
    states << Snapshot(*window);
    QCOMPARE(Steps(*window), states.size() - 1);

    for (int i = static_cast<int>(states.size()) - 2; i >= 0; --i) {
      const int before = window->RecalculationCount();
      PressOnList(*window, Qt::Key_Z, Qt::ControlModifier);
      QCOMPARE(window->RecalculationCount(), before + 1);
      QCOMPARE(Snapshot(*window), states[i]);
    }
    const int atStart = window->RecalculationCount();
    PressOnList(*window, Qt::Key_Z, Qt::ControlModifier);  // nothing left to undo
    QCOMPARE(window->RecalculationCount(), atStart);
    QCOMPARE(Snapshot(*window), states[0]);

    for (int i = 1; i < states.size(); ++i) {
      const int before = window->RecalculationCount();
      if (i % 2 == 0) {
        PressOnList(*window, Qt::Key_Y, Qt::ControlModifier);
      } else {
        PressOnList(*window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
      }
      QCOMPARE(window->RecalculationCount(), before + 1);
      QCOMPARE(Snapshot(*window), states[i]);
    }
  }

  void selectAllDeleteAndUndoBringBackATenByTenMatrix() {
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    QString text;
    for (int r = 1; r <= 10; ++r) {
      QStringList row;
      for (int c = 1; c <= 10; ++c) row << QStringLiteral("%1,%2-%3i").arg(r).arg(c).arg(r * c);
      text += row.join(u'\t') + u'\n';
    }
    Paste(pole1, 1, 1, text);
    const QList<QStringList> typed = ShownMatrix(pole1);
    QCOMPARE(typed.size(), 10);
    QTest::keyClick(pole1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(pole1, Qt::Key_Delete);
    QCOMPARE(ShownMatrix(pole1), QList<QStringList>(10, QStringList(10, QString())));
    QTest::keyClick(pole1, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(ShownMatrix(pole1), typed);
    QCOMPARE(Value(*window, "Determinant1"), QStringLiteral("0"));  // recomputed from the matrix back
  }

  void eachActionIsOneStepOrNone_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("steps");
    QTest::newRow("the start-up") << int(kNothing) << 0;
    QTest::newRow("a cell typed key by key") << int(kTypeACell) << 1;
    QTest::newRow("a cell typed, then Escape") << int(kTypeAndEscape) << 0;
    QTest::newRow("a size typed in one go") << int(kTypeASizeInOneGo) << 1;
    QTest::newRow("a size typed back to where it was") << int(kTypeASizeBackToWhereItWas) << 0;
    QTest::newRow("two sizes") << int(kTypeTwoSizes) << 2;
    QTest::newRow("a size of 0, made 1 by a nested run") << int(kTypeASizeOfZero) << 1;
    QTest::newRow("the operation chosen again") << int(kChooseTheSameOperation) << 0;
    QTest::newRow("places typed as 34, made 9") << int(kTypeTooManyPlaces) << 1;
    QTest::newRow("a single value pasted") << int(kPasteASingleValue) << 1;
    QTest::newRow("Delete on empty cells") << int(kDeleteEmptyCells) << 0;
  }
  void eachActionIsOneStepOrNone() {
    QFETCH(int, action);
    QFETCH(int, steps);
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    switch (action) {
      case kTypeACell: TypeCell(pole1, 1, 1, "12,5-3i"); break;
      case kTypeAndEscape:
        pole1->setFocus();
        TypeKeys("42");
        QTest::keyClick(OpenEditor(), Qt::Key_Escape);
        break;
      case kTypeASizeInOneGo: TypeSpin(Spin(*window, "SpinEdit2"), "10"); break;
      case kTypeASizeBackToWhereItWas:
        TypeSpin(Spin(*window, "SpinEdit2"), "5");
        TypeSpin(Spin(*window, "SpinEdit2"), "3");
        break;
      case kTypeTwoSizes: SetSize(*window, 2, 4, 4); break;
      case kTypeASizeOfZero: TypeSpin(Spin(*window, "SpinEdit1"), "0"); break;
      case kChooseTheSameOperation:
        ChooseOperation(*window, 2);
        ChooseOperation(*window, 1);
        QCOMPARE(Steps(*window), 2);
        window->History().UndoAction()->trigger();
        window->History().UndoAction()->trigger();
        QCOMPARE(Steps(*window), 2);  // both still there to redo
        emit Find<QComboBox>(*window, "ComboBox1")->activated(1);  // chosen again: a step only if it changed
        QCOMPARE(Steps(*window), 2);
        return;
      case kTypeTooManyPlaces:
        Spin(*window, "DesM")->Editor()->setFocus();
        QTest::keyClick(Spin(*window, "DesM")->Editor(), Qt::Key_End);
        TypeKeys("4");
        QCOMPARE(Spin(*window, "DesM")->Text(), QStringLiteral("9"));
        break;
      case kPasteASingleValue: Paste(pole1, 2, 2, "7"); break;
      case kDeleteEmptyCells:
        pole1->setFocus();
        QTest::keyClick(pole1, Qt::Key_Delete);
        break;
      default: break;
    }
    QCOMPARE(Steps(*window), steps);
  }

  void undoFromTheMenuEndsAnOpenEditFirst() {
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    TypeCell(pole1, 1, 1, "7");
    pole1->setCurrentIndex(pole1->model()->index(0, 1));
    TypeKeys("8");
    QVERIFY(OpenEditor() != nullptr);
    QCOMPARE(MenuItems(pole1).mid(0, 2), QStringList({"Späť\tCtrl+Z", "Znova\tCtrl+Y (off)"}));
    ChooseFromMenu(pole1, "Späť");
    QCOMPARE(ShownMatrix(pole1).front(), QStringList({"7", "", ""}));  // the edit was a step, and is undone
    QCOMPARE(Steps(*window), 2);
    QVERIFY(window->History().RedoAction()->isEnabled());
  }

  void undoKeysInAnOpenCellEditorUndoItsText() {
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    TypeCell(pole1, 1, 1, "7");
    pole1->setCurrentIndex(pole1->model()->index(1, 1));
    TypeKeys("5");
    QTest::keyClick(OpenEditor(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(OpenEditor() != nullptr);
    QCOMPARE(OpenEditor()->text(), QString());
    QTest::keyClick(OpenEditor(), Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(OpenEditor()->text(), QStringLiteral("5"));
    QCOMPARE(Shown(pole1, 1, 1), QStringLiteral("7"));  // the window's undo never ran
    QCOMPARE(Steps(*window), 1);
  }

  void anErrorWhileUndoingIsReportedAndTheInputStillComesBack() {
    DialogRecorder dialogs;
    const auto window = OpenWindow();
    ChooseOperation(*window, 3);
    SetSize(*window, 1, 1, 1);
    SetSize(*window, 2, 1, 1);
    TypeCell(Pole(*window, "Pole2"), 1, 1, "1E200");
    TypeCell(Pole(*window, "Pole1"), 1, 1, "1E200");  // the product overflows
    TypeCell(Pole(*window, "Pole1"), 1, 1, "0");
    dialogs.errors.clear();
    window->History().UndoAction()->trigger();
    QCOMPARE(dialogs.errors, QStringList{QStringLiteral("Floating point overflow.")});
    QCOMPARE(Shown(Pole(*window, "Pole1"), 1, 1), QStringLiteral("1E200"));
    window->History().RedoAction()->trigger();
    QCOMPARE(Shown(Pole(*window, "Pole1"), 1, 1), QStringLiteral("0"));
    QCOMPARE(Shown(Pole(*window, "Pole5"), 1, 1), QStringLiteral("0"));
    QCOMPARE(dialogs.errors.size(), 1);
  }
};

ZORVEL_WIDGET_TEST_MAIN(UndoTest)
#include "UndoTest.moc"
