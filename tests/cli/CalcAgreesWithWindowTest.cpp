// zorvel-calc prints exactly what the window shows for the same matrices and
// places: the determinant strip, the adjugate and inverse, the sum,
// difference and product, their refusals and floating-point errors.

#include <QCheckBox>
#include <QComboBox>

#include "CalcRunner.h"
#include "FloatError.h"
#include "MatrixText.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

using Matrix = QList<QStringList>;

// What the window shows for an operation word: the result's rows, or the
// message (empty when the view is hidden without one), or the error report.
struct WindowResult {
  Matrix rows;
  QString message;
};

WindowResult ShownByWindow(const QString& operation, int places, bool exact, const Matrix& m1, const Matrix& m2) {
  const auto window = OpenWindow();
  window->DesM->SetValue(places);
  window->CheckBoxPresne->setChecked(exact);
  window->SpinEdit1->SetValue(static_cast<int>(m1.size()));
  window->SpinEdit2->SetValue(static_cast<int>(m1[0].size()));
  if (!m2.isEmpty()) {
    window->SpinEdit3->SetValue(static_cast<int>(m2.size()));
    window->SpinEdit4->SetValue(static_cast<int>(m2[0].size()));
  }
  for (int r = 0; r < m1.size(); ++r) {
    for (int c = 0; c < m1[r].size(); ++c) window->Pole1->grid().SetCells(c + 1, r + 1, ToCp1250(m1[r][c]));
  }
  for (int r = 0; r < m2.size(); ++r) {
    for (int c = 0; c < m2[r].size(); ++c) window->Pole2->grid().SetCells(c + 1, r + 1, ToCp1250(m2[r][c]));
  }
  const QStringList words{"inverse", "sum",  "difference", "product",
                          "solve",   "rref", "transpose",  "conjugate-transpose"};
  const auto index = static_cast<int>(words.indexOf(operation == "adjugate" ? "inverse" : operation));
  window->ComboBox1->setCurrentIndex(index < 0 ? 1 : index);  // the strip follows any operation
  try {
    window->ComboBox1Change();
  } catch (const FloatError& error) {
    return {{}, QString::fromLatin1(error.what()) + '.'};
  }
  if (operation == "det" || operation == "reciprocal") {
    if (window->Panel5->isHidden()) return {{}, {}};
    QLabel* label = operation == "det" ? window->Determinant1 : window->Determinant11;
    if (label->isHidden()) return {{}, {}};
    return {{{label->text()}}, {}};
  }
  const bool inverseView = index == 0;
  if ((inverseView ? window->PanelInverzna : window->PanelVypocet)->isHidden()) {
    return {{}, window->Panel4->Caption()};
  }
  StringGrid* grid = operation == "adjugate" ? window->Pole3 : operation == "inverse" ? window->Pole4 : window->Pole5;
  Matrix rows = ShownMatrix(grid);
  // Columns named rather than numbered (x₀, v₁) head the printed rows.
  QStringList header;
  for (int c = 1; c < grid->grid().ColCount(); ++c) header << FromCp1250(grid->grid().Cells(c, 0));
  if (!header.isEmpty() && header.front() != QStringLiteral("1")) rows.prepend(header);
  return {rows, {}};
}

}  // namespace

class CalcAgreesWithWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void printsWhatTheWindowShows_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("places");
    QTest::addColumn<Matrix>("m1");
    QTest::addColumn<Matrix>("m2");
    QTest::addColumn<bool>("exact");
    const Matrix none;
    const Matrix complex3{{"1", "2", "i"}, {"-i", "3", "1"}, {"2", "1+i", "1"}};
    QTest::newRow("det 3x3") << "det" << 3 << complex3 << none << false;
    QTest::newRow("det 6x6 at 2 places") << "det" << 2 << DenseMatrix(6, 6, 5) << none << false;
    QTest::newRow("det 1x1 is its value written") << "det" << 2 << Matrix{{"1,23456"}} << none << false;
    QTest::newRow("det too large") << "det" << 3 << Matrix{{"65536", "0"}, {"0", "32768"}} << none << false;
    QTest::newRow("det not square") << "det" << 3 << Matrix{{"1", "2", "3"}, {"4", "5", "6"}} << none << false;
    QTest::newRow("reciprocal") << "reciprocal" << 3 << Matrix{{"2+3i", "0"}, {"0", "1"}} << none << false;
    QTest::newRow("reciprocal of 0") << "reciprocal" << 3 << Matrix{{"1", "2"}, {"2", "4"}} << none << false;
    QTest::newRow("adjugate 3x3") << "adjugate" << 3 << complex3 << none << false;
    QTest::newRow("adjugate 1x1") << "adjugate" << 3 << Matrix{{"5"}} << none << false;
    QTest::newRow("inverse 2x2") << "inverse" << 3 << Matrix{{"1", "2"}, {"3", "4"}} << none << false;
    QTest::newRow("inverse 10x10 at 9 places") << "inverse" << 9 << DenseMatrix(10, 10, 12345) << none << false;
    QTest::newRow("adjugate 10x10 at 9 places") << "adjugate" << 9 << DenseMatrix(10, 10, 12345) << none << false;
    QTest::newRow("inverse 5x5 at 2 places") << "inverse" << 2 << DenseMatrix(5, 5, 99) << none << false;
    QTest::newRow("inverse singular") << "inverse" << 3 << Matrix{{"1", "2"}, {"2", "4"}} << none << false;
    QTest::newRow("inverse not square") << "inverse" << 3 << Matrix{{"1", "2", "3"}} << none << false;
    QTest::newRow("sum 20x10") << "sum" << 4 << DenseMatrix(20, 10, 1) << DenseMatrix(20, 10, 2) << false;
    QTest::newRow("difference") << "difference" << 3 << Matrix{{"1+2i", "3"}} << Matrix{{"1-2i", "0,5"}} << false;
    QTest::newRow("sum sizes differ") << "sum" << 3 << Matrix{{"1", "2"}} << Matrix{{"1"}, {"2"}} << false;
    QTest::newRow("product 20x10 by 10x10")
        << "product" << 9 << DenseMatrix(20, 10, 3) << DenseMatrix(10, 10, 4) << false;
    QTest::newRow("product rounds each term")
        << "product" << 2 << Matrix{{"0,1", "0,1"}} << Matrix{{"0,07"}, {"0,07"}} << false;
    QTest::newRow("product sizes differ") << "product" << 3 << Matrix{{"1", "2"}} << Matrix{{"1", "2"}} << false;
    QTest::newRow("product overflows") << "product" << 3 << Matrix{{"1E200", "0"}} << Matrix{{"1E200"}, {"0"}} << false;
    const Matrix circuit{{"1500+200i", "-1000", "0"}, {"-1000", "2200-300i", "-1200"}, {"0", "-1200", "1800+500i"}};
    QTest::newRow("det exactly") << "det" << 4 << circuit << none << true;
    QTest::newRow("inverse exactly") << "inverse" << 6 << circuit << none << true;
    QTest::newRow("inverse 10x10 exactly") << "inverse" << 9 << DenseMatrix(10, 10, 12345) << none << true;
    QTest::newRow("product exactly") << "product" << 2 << Matrix{{"0,1", "0,1"}} << Matrix{{"0,07"}, {"0,07"}} << true;
    QTest::newRow("solve") << "solve" << 3 << complex3 << DenseMatrix(3, 2, 7) << false;
    QTest::newRow("solve exactly") << "solve" << 5 << DenseMatrix(6, 6, 8) << DenseMatrix(6, 3, 9) << true;
    QTest::newRow("solve singular") << "solve" << 3 << Matrix{{"1", "2"}, {"2", "4"}} << Matrix{{"1"}, {"2"}} << true;
    QTest::newRow("solve 3x4 by hand") << "solve" << 3
                                       << Matrix{{"1", "2", "0", "1+i"}, {"0", "1", "1", "2"}, {"1", "3", "1", "0,5"}}
                                       << Matrix{{"1"}, {"2"}, {"3"}} << false;
    QTest::newRow("solve without a solution")
        << "solve" << 3 << Matrix{{"1", "2"}, {"2", "4"}} << Matrix{{"1"}, {"3"}} << true;
    QTest::newRow("rref 20x10") << "rref" << 3 << DenseMatrix(20, 10, 5) << none << false;
    QTest::newRow("rref exactly") << "rref" << 3 << DenseMatrix(6, 4, 6) << none << true;
    QTest::newRow("transpose 20x10") << "transpose" << 3 << DenseMatrix(20, 10, 7) << none << false;
    QTest::newRow("conjugate transpose") << "conjugate-transpose" << 3 << complex3 << none << true;
    QTest::newRow("solve rows differ") << "solve" << 3 << complex3 << Matrix{{"1"}} << false;
    QTest::newRow("product too large to write")
        << "product" << 3 << Matrix{{"1E20", "0"}} << Matrix{{"1"}, {"0"}} << false;
  }
  void printsWhatTheWindowShows() {
    QFETCH(QString, operation);
    QFETCH(int, places);
    QFETCH(Matrix, m1);
    QFETCH(Matrix, m2);
    QFETCH(bool, exact);
    MatrixFiles files;
    QStringList arguments{operation, "--places", QString::number(places), files.Write("a.tsv", m1)};
    if (exact) arguments << "--exact";
    if (!m2.isEmpty()) arguments << files.Write("b.csv", m2);
    const CalcRun run = RunCalcInProcess(arguments);
    const WindowResult shown = ShownByWindow(operation, places, exact, m1, m2);

    QCOMPARE(run.status, shown.rows.isEmpty() ? 1 : 0);
    QCOMPARE(ParseMatrixText(run.out, MatrixFormat::Tsv).rows, shown.rows);
    if (shown.rows.isEmpty() && !shown.message.isEmpty()) {
      QCOMPARE(run.err, "zorvel-calc: " + shown.message + '\n');
    }
  }
};

ZORVEL_WIDGET_TEST_MAIN(CalcAgreesWithWindowTest)

#include "CalcAgreesWithWindowTest.moc"
