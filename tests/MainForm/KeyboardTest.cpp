// The window from the keyboard alone: moving between cells while typing,
// Escape, the image buttons' shortcuts (acting at once), the about panel's
// keys, an error box that interrupts typing, pasting a block from an open
// editor, and what a screen reader is told.

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include "PlatformRecorders.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

QList<QStringList> Matrix(std::initializer_list<QStringList> rows) { return QList<QStringList>(rows); }

// Error boxes that really open, modal, and close as soon as they are shown:
// the focus leaves the window and comes back, as with a user's click on OK.
class ModalErrorBoxes : public DialogHook {
 public:
  ModalErrorBoxes() : previous_(InstallDialogHook(this)) {}
  ~ModalErrorBoxes() override { InstallDialogHook(previous_); }
  ModalErrorBoxes(const ModalErrorBoxes&) = delete;
  ModalErrorBoxes& operator=(const ModalErrorBoxes&) = delete;

  void Error(const QString& text) override {
    QWidget* const window = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Critical, QString(), text, QMessageBox::Ok, window);
    QTimer::singleShot(50, &box, &QMessageBox::accept);
    box.exec();
    if (window != nullptr) window->activateWindow();  // as the box's own code does
    ++shown;
  }
  int shown = 0;

 private:
  DialogHook* previous_;
};

QLineEdit* OpenEditor() { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void enterFillsAMatrixRowByRow() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 2, 2);
    StringGrid* pole1 = Pole(*window, "Pole1");
    pole1->setFocus();
    pole1->setCurrentIndex(pole1->model()->index(0, 0));
    for (const char* number : {"1", "2", "3", "4"}) {
      TypeKeys(QString::fromLatin1(number));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(ShownMatrix(pole1), Matrix({{"1", "2"}, {"3", "4"}}));
    QCOMPARE(pole1->currentIndex(), pole1->model()->index(1, 1));  // the last cell keeps the focus
    QCOMPARE(Label(*window, "Determinant1")->text(), QStringLiteral("-2"));
  }

  void escapePutsBackTheTextAndRecomputesOnce() {
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    TypeCell(pole1, 1, 1, "2,5");
    pole1->setCurrentIndex(pole1->model()->index(0, 0));
    TypeKeys("7");
    QCOMPARE(Shown(Pole(*window, "Pole5"), 1, 1), QStringLiteral("7"));
    const int before = window->RecalculationCount();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(window->RecalculationCount(), before + 1);
    QCOMPARE(Shown(pole1, 1, 1), QStringLiteral("2,5"));
    QCOMPARE(Shown(Pole(*window, "Pole5"), 1, 1), QStringLiteral("2,5"));
  }

  void imageButtonsHaveShortcutsNamedInTheirTooltips() {
    const auto window = OpenWindow();
    auto* swap = Find<QToolButton>(*window, "SpeedButton1");
    auto* copyUp = Find<QToolButton>(*window, "ButtonHore");
    auto* about = Find<QToolButton>(*window, "SpeedButton2");
    QVERIFY(swap->toolTip().endsWith(QStringLiteral("(Ctrl+Shift+X)")));
    QVERIFY(copyUp->toolTip().endsWith(QStringLiteral("(Ctrl+Shift+Up)")));
    QVERIFY(about->toolTip().endsWith(QStringLiteral("(F1)")));

    SetSize(*window, 1, 1, 1);
    TypeCell(Pole(*window, "Pole1"), 1, 1, "4");
    StringGrid* pole1 = Pole(*window, "Pole1");
    QTest::keyClick(pole1, Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);  // swap
    QTRY_COMPARE(Spin(*window, "SpinEdit3")->Text(), QStringLiteral("1"));
    QCOMPARE(Shown(Pole(*window, "Pole2"), 1, 1), QStringLiteral("4"));
    QTest::keyClick(pole1, Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);  // and back
    QTRY_COMPARE(Shown(pole1, 1, 1), QStringLiteral("4"));

    QTest::keyClick(pole1, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);  // no inverse shown: nothing
    QTest::qWait(200);
    QCOMPARE(Spin(*window, "SpinEdit4")->Text(), QStringLiteral("3"));
    ChooseOperation(*window, 0);
    QTest::keyClick(pole1, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(Spin(*window, "SpinEdit4")->Text(), QStringLiteral("1"));
    QCOMPARE(Shown(Pole(*window, "Pole2"), 1, 1), QStringLiteral("0,25"));

    QTest::keyClick(pole1, Qt::Key_F1);
    QTRY_VERIFY(!PanelNamed(*window, "Panel6")->isHidden());
  }

  // A shortcut acts before the next key: the copy-up then the sum, F1 then Esc.
  void shortcutsActBeforeTheNextKey() {
    const auto window = OpenWindow();
    SetSize(*window, 1, 2, 2);
    SetSize(*window, 2, 2, 2);
    StringGrid* pole1 = Pole(*window, "Pole1");
    TypeMatrix(pole1, {{"1", "2"}, {"3", "4"}});
    ChooseOperation(*window, 0);
    QTest::keyClick(pole1, Qt::Key_Up, Qt::ControlModifier | Qt::ShiftModifier);
    ChooseOperation(*window, 1);
    QCOMPARE(ShownMatrix(Pole(*window, "Pole5")), Matrix({{"-1", "3"}, {"4,5", "3,5"}}));
    QTest::keyClick(pole1, Qt::Key_F1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTest::qWait(200);  // for a late click
    QVERIFY(PanelNamed(*window, "Panel6")->isHidden());
  }

  void aboutPanelKeepsTheKeysAndClosesWithThem_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Esc") << static_cast<int>(Qt::Key_Escape);
    QTest::newRow("Enter") << static_cast<int>(Qt::Key_Return);
    QTest::newRow("keypad Enter") << static_cast<int>(Qt::Key_Enter);
    QTest::newRow("Space") << static_cast<int>(Qt::Key_Space);
  }
  void aboutPanelKeepsTheKeysAndClosesWithThem() {
    QFETCH(int, key);
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    pole1->setFocus();
    pole1->setCurrentIndex(pole1->model()->index(0, 0));
    window->SpeedButton2Click();
    auto* button = Find<QPushButton>(*window, "Button");
    QCOMPARE(QApplication::focusWidget(), button);
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button);  // nothing beneath takes the focus
    TypeKeys("5");
    QCOMPARE(Shown(pole1, 1, 1), QString());  // nor a key
    QTest::keyClick(button, static_cast<Qt::Key>(key));
    QTRY_VERIFY(PanelNamed(*window, "Panel6")->isHidden());
    QCOMPARE(QApplication::focusWidget(), pole1);  // back where it was
  }

  void anErrorBoxWhileTypingLeavesTheEditAsItWas() {
    ModalErrorBoxes boxes;
    const auto window = OpenWindow();
    SetSize(*window, 1, 1, 1);
    SetSize(*window, 2, 1, 1);
    StringGrid* pole1 = Pole(*window, "Pole1");
    pole1->setFocus();
    pole1->setCurrentIndex(pole1->model()->index(0, 0));
    TypeKeys("1E1");
    QCOMPARE(boxes.shown, 0);
    TypeKeys("9");  // 1E19 is too large to write
    QCOMPARE(boxes.shown, 1);
    QTRY_VERIFY(OpenEditor() != nullptr);  // once the window is active again
    QCOMPARE(OpenEditor()->text(), QStringLiteral("1E19"));
    QCOMPARE(OpenEditor()->cursorPosition(), 4);
    QTest::keyClick(OpenEditor(), Qt::Key_Backspace);
    QTest::keyClick(OpenEditor(), Qt::Key_Backspace);
    TypeKeys("-5");
    QCOMPARE(Shown(pole1, 1, 1), QStringLiteral("1E-5"));
    QCOMPARE(Shown(Pole(*window, "Pole5"), 1, 1), QStringLiteral("0"));
    QCOMPARE(boxes.shown, 1);
  }

  void ctrlVInAnOpenEditorPastesABlockIntoTheGrid() {
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    pole1->setFocus();
    pole1->setCurrentIndex(pole1->model()->index(1, 1));
    TypeKeys("9");
    QApplication::clipboard()->setText(QStringLiteral("5\n"));  // one value: into the editor, as text
    QTest::keyClick(OpenEditor(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(OpenEditor()->text(), QStringLiteral("95"));
    QApplication::clipboard()->setText(QStringLiteral("1\t2\n3\t4\n"));
    const int before = window->RecalculationCount();
    QTest::keyPress(OpenEditor(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(OpenEditor() == nullptr);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);  // the keys are let go there
    QCOMPARE(ShownMatrix(pole1), Matrix({{"", "", ""}, {"", "1", "2"}, {"", "3", "4"}}));
    QCOMPARE(window->RecalculationCount(), before + 1);
  }

  void screenReadersHearSlovakNames_data() {
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("name");
    QTest::newRow("Pole1") << "Pole1"
                           << "Matica 1";
    QTest::newRow("Pole5") << "Pole5"
                           << "Výsledná matica";
    QTest::newRow("SpinEdit1") << "SpinEdit1"
                               << "Počet riadkov matice 1";
    QTest::newRow("SpinEdit4") << "SpinEdit4"
                               << "Počet stĺpcov matice 2";
    QTest::newRow("DesM") << "DesM"
                          << "Počet desatinných miest";
    QTest::newRow("SpeedButton1") << "SpeedButton1"
                                  << "Vymeniť matice";
    QTest::newRow("ButtonHore") << "ButtonHore"
                                << "Skopírovať inverznú maticu do matice 2";
    QTest::newRow("SpeedButton2") << "SpeedButton2"
                                  << "O programe";
    QTest::newRow("Determinant1") << "Determinant1"
                                  << "Determinant: 0";  // with its value
  }
  void screenReadersHearSlovakNames() {
    QFETCH(QString, widget);
    QFETCH(QString, name);
    const auto window = OpenWindow();
    QWidget* found = Find<QWidget>(*window, widget.toLatin1().constData());
    if (auto* spin = qobject_cast<SpinEdit*>(found)) found = spin->Editor();  // what takes the focus
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(found);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->text(QAccessible::Name), name);
  }

  void aCellIsAnnouncedWithItsRowColumnAndText() {
    const auto window = OpenWindow();
    TypeCell(Pole(*window, "Pole1"), 2, 3, "1+i");
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(Pole(*window, "Pole1"))->tableInterface();
    QVERIFY(table != nullptr);
    QCOMPARE(table->cellAt(1, 2)->text(QAccessible::Name), QStringLiteral("Riadok 2, stĺpec 3: 1+i"));
    QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("Riadok 1, stĺpec 1: prázdna bunka"));
  }
};

ZORVEL_WIDGET_TEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
