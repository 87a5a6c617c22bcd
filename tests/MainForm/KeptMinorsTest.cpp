// The window keeps the determinants of matrix 1's minors from one keystroke to
// the next and recomputes only what an edit changed. After every step of a
// sequence of edits, swaps, undos and redos, changes of places and sizes, it
// must show what a window freshly made with the same matrices shows: the
// strip, the adjugate and the inverse (or the message in their place).
//
// A sequence is a list of steps, each applied as the user would.

#include <QToolButton>

#include "PlatformRecorders.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

struct Step {
  enum class Kind { Type, Swap, Places, Size, Undo, Redo };
  Kind kind = Kind::Type;
  int matrix = 1;  // Type, Size
  int row = 0;     // Type: the cell; Size: the rows
  int col = 0;     // Type: the cell; Size: the columns
  QString text;    // Type: what is typed; Places: the number
};

Step Type(int matrix, int row, int col, const QString& text) { return {Step::Kind::Type, matrix, row, col, text}; }
Step Swap() { return {Step::Kind::Swap, 1, 0, 0, {}}; }
Step Places(const QString& places) { return {Step::Kind::Places, 1, 0, 0, places}; }
Step Size(int matrix, int rows, int cols) { return {Step::Kind::Size, matrix, rows, cols, {}}; }
Step Undo() { return {Step::Kind::Undo, 1, 0, 0, {}}; }
Step Redo() { return {Step::Kind::Redo, 1, 0, 0, {}}; }

void Apply(TMain& window, const Step& step) {
  switch (step.kind) {
    case Step::Kind::Type:
      TypeCell(Pole(window, step.matrix == 1 ? "Pole1" : "Pole2"), step.row, step.col, step.text);
      break;
    case Step::Kind::Swap: Find<QToolButton>(window, "SpeedButton1")->click(); break;
    case Step::Kind::Places: TypeSpin(Spin(window, "DesM"), step.text); break;
    case Step::Kind::Size: SetSize(window, step.matrix, step.row, step.col); break;
    case Step::Kind::Undo:
    case Step::Kind::Redo: {
      StringGrid* grid = Pole(window, "Pole1");
      grid->setFocus();
      QTest::keyClick(grid, step.kind == Step::Kind::Undo ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
      break;
    }
  }
}

// What the strip and the inverse view (or the solution) show.
struct Results {
  QString determinant;
  QString reciprocal;  // empty: hidden
  bool inverseShown = false;
  QList<QStringList> adjugate;
  QList<QStringList> inverse;
  QString message;  // in place of a hidden inverse

  bool operator==(const Results&) const = default;
};

Results WhatIsShown(const TMain& window) {
  Results shown;
  if (!PanelNamed(window, "Panel5")->isHidden()) {  // a hidden strip keeps its old texts, unseen
    shown.determinant = Label(window, "Determinant1")->text();
    if (!Label(window, "Determinant11")->isHidden()) shown.reciprocal = Label(window, "Determinant11")->text();
  }
  shown.inverseShown = !PanelNamed(window, "PanelInverzna")->isHidden();
  if (shown.inverseShown) {
    shown.adjugate = ShownMatrix(Pole(window, "Pole3"));
    shown.inverse = ShownMatrix(Pole(window, "Pole4"));
  } else if (!PanelNamed(window, "PanelVypocet")->isHidden()) {
    shown.inverse = ShownMatrix(Pole(window, "Pole5"));  // the solution
  } else {
    shown.message = PanelNamed(window, "Panel4")->Caption();
  }
  return shown;
}

QByteArray Describe(const Results& shown) {
  QStringList rows;
  for (const QStringList& row : shown.inverse) rows << row.join(QLatin1Char(' '));
  return QStringLiteral("det %1, 1/det %2, inverse [%3] %4")
      .arg(shown.determinant, shown.reciprocal, rows.join(QStringLiteral("; ")), shown.message)
      .toUtf8();
}

void CopyMatrix(const TMain& from, TMain& to, const char* pole, int rows, int cols) {
  for (int r = 1; r <= rows; ++r) {
    for (int c = 1; c <= cols; ++c) Pole(to, pole)->grid().SetCells(c, r, Pole(from, pole)->grid().Cells(c, r));
  }
}

// A window made afresh with the same matrices, places and operation,
// whose last recalculation computes everything from nothing kept: the cells
// go in first, and the places change last.
std::unique_ptr<TMain> FreshCopy(const TMain& window) {
  auto fresh = OpenWindow();
  const int rows1 = window.SpinEdit1->Value(), cols1 = window.SpinEdit2->Value();
  const int rows2 = window.SpinEdit3->Value(), cols2 = window.SpinEdit4->Value();
  CopyMatrix(window, *fresh, "Pole1", rows1, cols1);
  CopyMatrix(window, *fresh, "Pole2", rows2, cols2);
  fresh->SpinEdit1->SetValue(rows1);
  fresh->SpinEdit2->SetValue(cols1);
  fresh->SpinEdit3->SetValue(rows2);
  fresh->SpinEdit4->SetValue(cols2);
  fresh->ComboBox1->setCurrentIndex(window.ComboBox1->currentIndex());
  fresh->ComboBox1Change();
  const int places = window.DesM->Value();
  fresh->DesM->SetValue(places == 9 ? 8 : 9);
  fresh->DesM->SetValue(places);
  return fresh;
}

QList<QStringList> Matrix(std::initializer_list<QStringList> rows) { return QList<QStringList>(rows); }

const QList<QStringList> kComplex5x5 = Matrix({{"2", "1-i", "0,5", "3i", "-1"},
                                               {"1,25+2i", "-3", "2-0,5i", "1", "0"},
                                               {"0", "4i", "-2,75", "1+i", "2"},
                                               {"3-i", "0,125", "1", "-i", "5"},
                                               {"-1", "2", "0,3333", "4", "1-2i"}});
const QList<QStringList> kReal4x4 =
    Matrix({{"2", "1", "0", "1"}, {"1", "3", "2", "0"}, {"0", "2", "4", "1"}, {"1", "0", "1", "2"}});

}  // namespace

Q_DECLARE_METATYPE(Step)

class KeptMinorsTest : public QObject {
  Q_OBJECT

 private slots:
  void eachStepShowsWhatAFreshWindowShows_data() {
    QTest::addColumn<int>("operation");  // the inverse, or the solution
    QTest::addColumn<QList<QStringList>>("matrix1");
    QTest::addColumn<QList<QStringList>>("matrix2");
    QTest::addColumn<QList<Step>>("steps");
    QTest::newRow("typing in one cell after another")
        << 0 << kComplex5x5 << kReal4x4
        << QList<Step>{Type(1, 2, 3, "-3,25+1,5i"), Type(1, 5, 5, "0,125"), Type(1, 1, 1, "7i"), Type(1, 2, 3, "")};
    QTest::newRow("a cell set back to its old text")
        << 0 << kComplex5x5 << kReal4x4 << QList<Step>{Type(1, 3, 4, "9"), Type(1, 3, 4, "1+i"), Type(1, 3, 4, "9")};
    QTest::newRow("swaps with edits between")
        << 0 << kComplex5x5 << kReal4x4
        << QList<Step>{Swap(), Type(1, 3, 2, "1-i"), Swap(), Type(1, 4, 1, "-2"), Type(2, 1, 1, "6"), Swap()};
    QTest::newRow("places and sizes") << 0 << kReal4x4 << kComplex5x5
                                      << QList<Step>{Places("9"),   Type(1, 2, 2, "1,123456789i"),
                                                     Size(1, 5, 5), Type(1, 5, 5, "1"),
                                                     Places("2"),   Type(1, 1, 4, "0,005"),
                                                     Size(1, 3, 3), Size(1, 4, 4)};
    QTest::newRow("the determinant becomes zero and comes back")
        << 0 << kReal4x4 << kReal4x4
        << QList<Step>{Type(1, 4, 1, "2"), Type(1, 4, 2, "1"), Type(1, 4, 3, "0"), Type(1, 4, 4, "1"),
                       Type(1, 4, 4, "3")};
    QTest::newRow("undo and redo between edits") << 0 << kComplex5x5 << kReal4x4
                                                 << QList<Step>{Type(1, 2, 3, "5"),
                                                                Type(1, 4, 4, "-i"),
                                                                Undo(),
                                                                Undo(),
                                                                Redo(),
                                                                Type(1, 1, 1, "2"),
                                                                Swap(),
                                                                Undo(),
                                                                Size(1, 4, 4),
                                                                Undo(),
                                                                Redo(),
                                                                Places("7"),
                                                                Undo(),
                                                                Undo(),
                                                                Redo()};
    QTest::newRow("through an error and back")
        << 0 << kComplex5x5 << kReal4x4
        << QList<Step>{Type(1, 3, 1, "1E200"), Type(1, 3, 1, "4"), Type(1, 5, 5, "1E200"), Type(1, 2, 2, "1"),
                       Type(1, 5, 5, "-1")};
    QTest::newRow("solving, with edits in both matrices") << 4 << kComplex5x5 << kReal4x4
                                                          << QList<Step>{Size(2, 5, 2),
                                                                         Type(2, 5, 1, "7"),
                                                                         Type(1, 2, 2, "i"),
                                                                         Type(2, 1, 2, "-0,5"),
                                                                         Places("5"),
                                                                         Type(1, 5, 1, "2+i"),
                                                                         Size(2, 5, 3),
                                                                         Type(2, 3, 3, "1-i"),
                                                                         Undo(),
                                                                         Redo()};
  }
  void eachStepShowsWhatAFreshWindowShows() {
    QFETCH(int, operation);
    QFETCH(QList<QStringList>, matrix1);
    QFETCH(QList<QStringList>, matrix2);
    QFETCH(QList<Step>, steps);
    DialogRecorder dialogs;  // the error steps are reported here, not shown
    const auto window = OpenWindow();
    ChooseOperation(*window, operation);
    SetSize(*window, 1, static_cast<int>(matrix1.size()), static_cast<int>(matrix1[0].size()));
    SetSize(*window, 2, static_cast<int>(matrix2.size()), static_cast<int>(matrix2[0].size()));
    TypeMatrix(Pole(*window, "Pole1"), matrix1);
    TypeMatrix(Pole(*window, "Pole2"), matrix2);
    for (qsizetype i = 0; i < steps.size(); ++i) {
      dialogs.errors.clear();
      window->activateWindow();  // the last fresh window took the focus
      QVERIFY(QTest::qWaitForWindowActive(window.get()));
      Apply(*window, steps[i]);
      // A step whose recalculation ends in an error shows what was computed
      // before it; the next step must show the right results again.
      if (!dialogs.errors.isEmpty()) continue;
      const auto fresh = FreshCopy(*window);
      const Results kept = WhatIsShown(*window);
      const Results expected = WhatIsShown(*fresh);
      QVERIFY2(kept == expected, QByteArray("step ") + QByteArray::number(i) + ": " + Describe(kept) + "\nexpected " +
                                     Describe(expected));
    }
    QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.messages.join(QLatin1Char('\n'))));
  }
};

ZORVEL_WIDGET_TEST_MAIN(KeptMinorsTest)

#include "KeptMinorsTest.moc"
