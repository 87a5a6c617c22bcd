// Files made by the programs people already use (a spreadsheet's CSV
// exports, .ods and .xlsx, Octave's and NumPy's numbers; tests/data/real
// and its README say how each was made) open with the intended matrix in the
// window, and zorvel-calc reads them as the window does.

#include <QTemporaryDir>

#include "CalcRunner.h"
#include "MatrixFile.h"
#include "MatrixFileActions.h"
#include "PlatformRecorders.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

using Matrix = QList<QStringList>;

QString RealFile(const QString& name) { return QStringLiteral(ZORVEL_REAL_FILES "/") + name; }

}  // namespace

class RealFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void eachOpensWithTheIntendedMatrix_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<Matrix>("matrix");
    QTest::addColumn<QString>("message");  // of the window's open; %1 the file
    const Matrix stored{{"2,5", "1+2i", "0,333333333333333"}, {"-3", "4", "1234,5"}};
    const Matrix numbers{{"1.00000000e+00", "2.50000000e+00"}, {"-3.00000000e+00", "1.25000000e-01"}};
    const QString header = QString::fromUtf8(
        "Prvý riadok súboru vyzerá ako hlavička, vynechal som ho. Krok späť "
        "(Ctrl+Z) ho vráti do matice.");
    const QString blanks = QString::fromUtf8("Bunky v súbore „%1“ sú oddelené medzerami.");
    QTest::newRow("spreadsheet csv, its default")
        << "libreoffice-default.csv" << stored
        << QString::fromUtf8("Bunky v súbore „%1“ sú oddelené čiarkami.\n") + header;
    QTest::newRow("spreadsheet csv with ;")
        << "libreoffice-semicolon.csv"
        << Matrix{{"2,5", "1+2i", "0,33"}, {"-3", "4", QString::fromUtf8("1\u00A0234,50")}} << header;
    QTest::newRow("spreadsheet ods") << "libreoffice.ods" << stored << header;
    QTest::newRow("spreadsheet xlsx") << "libreoffice.xlsx" << stored << header;
    QTest::newRow("octave save -ascii") << "octave-save-ascii.txt" << numbers << blanks;
    QTest::newRow("octave dlmwrite") << "octave-dlmwrite.txt" << Matrix{{"1", "2.5"}, {"-3", "0.125"}} << blanks;
    QTest::newRow("octave console") << "octave-console.txt" << Matrix{{"1.0000", "2.5000"}, {"-3.0000", "0.1250"}}
                                    << blanks;
    QTest::newRow("numpy savetxt") << "numpy-savetxt.txt"
                                   << Matrix{{"1.000000000000000000e+00", "2.500000000000000000e+00"},
                                             {"-3.000000000000000000e+00", "1.250000000000000000e-01"}}
                                   << blanks;
  }
  void eachOpensWithTheIntendedMatrix() {
    QFETCH(QString, name);
    QFETCH(Matrix, matrix);
    QFETCH(QString, message);
    const QString path = RealFile(name);
    DialogRecorder dialogs;
    dialogs.itemAnswers = {0};  // the first sheet of a workbook
    const auto window = OpenWindow();
    window->Files().OpenFile(window->Pole1, path);
    QCOMPARE(ShownMatrix(window->Pole1), matrix);
    QCOMPARE(dialogs.messages, QStringList{message.arg(path)});

    // zorvel-calc adds an empty matrix of the same size, as the window does
    // with its second matrix emptied, and prints what the window shows.
    const auto rows = static_cast<int>(matrix.size()), cols = static_cast<int>(matrix.front().size());
    SetSize(*window, 2, rows, cols);
    ChooseOperation(*window, 1);
    QTemporaryDir dir;
    QCOMPARE(SaveMatrixFile(dir.filePath("empty.csv"), Matrix(rows, QStringList(cols))), QString());
    const CalcRun run = RunCalcInProcess({"sum", "--sheet", "1", path, dir.filePath("empty.csv")});
    QCOMPARE(run.status, 0);
    QCOMPARE(ParseMatrixText(run.out, MatrixFormat::Tsv).rows, ShownMatrix(window->Pole5));
  }

  void aSheetChosenOpens() {
    DialogRecorder dialogs;
    dialogs.itemAnswers = {1};
    const auto window = OpenWindow();
    window->Files().OpenFile(window->Pole1, RealFile("libreoffice.xlsx"));
    QCOMPARE(dialogs.itemDialogs, QStringList{QString::fromUtf8("Otvoriť maticu|Matica|Druhý")});
    QCOMPARE(ShownMatrix(window->Pole1), Matrix{{"7"}});
    QCOMPARE(RunCalcInProcess({"det", "--sheet", "2", RealFile("libreoffice.ods")}).out, QStringLiteral("7\n"));
  }
};

ZORVEL_WIDGET_TEST_MAIN(RealFilesTest)
#include "RealFilesTest.moc"
