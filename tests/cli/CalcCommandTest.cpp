// zorvel-calc's command line: exit statuses and messages for every way a run
// can fail (and nothing on standard output then), --point, --places, --help
// and --version, and the built program reading a pipe (warning of what the
// reading changed) and writing to a full device.

#include <QProcess>
#include <QtTest>

#include <sys/stat.h>

#include "CalcRunner.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

using Matrix = QList<QStringList>;

const QString kHelpHint = QString::fromUtf8("Viac sa dozviete príkazom „zorvel-calc --help“.\n");

}  // namespace

class CalcCommandTest : public QObject {
  Q_OBJECT

 private slots:
  // Arguments name scratch files: a.tsv holds `a`, b.csv holds `b`.
  void failsWithItsStatusAndMessageOnly_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Matrix>("a");
    QTest::addColumn<Matrix>("b");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const Matrix square{{"1", "2"}, {"3", "4"}}, singular{{"1", "2"}, {"2", "4"}}, row{{"1", "2", "3"}};
    const auto text = [](const char* utf8) { return QString::fromUtf8(utf8); };
    QTest::newRow("det not square")
        << QStringList{"det", "a.tsv"} << row << Matrix{} << 1
        << text(
               "zorvel-calc: Determinant zo zadanej matice nie je možné vypočítať, pretože nejde o štvorcovú "
               "maticu (1 × 3).\n");
    QTest::newRow("reciprocal of 0")
        << QStringList{"reciprocal", "a.tsv"} << singular << Matrix{} << 1
        << text("zorvel-calc: Determinant matice je rovný nule, prevrátená hodnota neexistuje.\n");
    QTest::newRow("inverse not square")
        << QStringList{"inverse", "a.tsv"} << row << Matrix{} << 1
        << text("zorvel-calc: K matici 1 nexistuje inverzná matica, pretože nejde o štvorcovú maticu.\n");
    QTest::newRow("adjugate singular")
        << QStringList{"adjugate", "a.tsv"} << singular << Matrix{} << 1
        << text("zorvel-calc: K matici 1 nexistuje inverzná matica, pretože determinant je rovný nule.\n");
    QTest::newRow("difference sizes differ")
        << QStringList{"difference", "a.tsv", "b.csv"} << square << row << 1
        << text("zorvel-calc: Sčítať a odčítať sa môžu len matice s rovnakým počtom stĺpcov a riadkov.\n");
    QTest::newRow("product sizes differ")
        << QStringList{"product", "a.tsv", "b.csv"} << row << square << 1
        << text("zorvel-calc: Pre násobenie matíc musí mať prvá rovnaký počet stĺpcov ako druhá riadkov.\n");
    QTest::newRow("overflow") << QStringList{"product", "a.tsv", "b.csv"} << Matrix{{"1E200"}} << Matrix{{"1E200"}} << 1
                              << text("zorvel-calc: Floating point overflow.\n");
    QTest::newRow("invalid operation") << QStringList{"det", "a.tsv"} << Matrix{{"1E20", "0"}, {"0", "1"}} << Matrix{}
                                       << 1 << text("zorvel-calc: Invalid floating point operation.\n");
    QTest::newRow("21 rows")
        << QStringList{"det", "a.tsv"} << Matrix(21, {"1"}) << Matrix{} << 1
        << text("zorvel-calc: Matica v súbore „a.tsv“ má 21 × 1 buniek (riadkov × stĺpcov); najviac sa dá 20 × 10.\n");
    QTest::newRow("11 columns")
        << QStringList{"sum", "a.tsv", "b.csv"} << square << Matrix{QStringList(11, "1")} << 1
        << text("zorvel-calc: Matica v súbore „b.csv“ má 1 × 11 buniek (riadkov × stĺpcov); najviac sa dá 20 × 10.\n");
    QTest::newRow("empty file") << QStringList{"det", "a.tsv"} << Matrix{} << Matrix{} << 1
                                << text("zorvel-calc: Matica v súbore „a.tsv“ je prázdna.\n");
    QTest::newRow("missing file") << QStringList{"det", "c.tsv"} << square << Matrix{} << 2
                                  << text("zorvel-calc: Súbor „c.tsv“ sa nedá prečítať: taký súbor neexistuje.\n");
    QTest::newRow("unknown operation") << QStringList{"transposed", "a.tsv"} << square << Matrix{} << 2
                                       << text("zorvel-calc: neznáma operácia „transposed“\n") + kHelpHint;
    QTest::newRow("no operation") << QStringList{} << square << Matrix{} << 2
                                  << text("zorvel-calc: chýba operácia\n") + kHelpHint;
    QTest::newRow("second file missing") << QStringList{"sum", "a.tsv"} << square << Matrix{} << 2
                                         << text("zorvel-calc: operácia sum potrebuje dva súbory s maticami\n") +
                                                kHelpHint;
    QTest::newRow("one file too many") << QStringList{"det", "a.tsv", "b.csv"} << square << square << 2
                                       << text("zorvel-calc: operácia det potrebuje jeden súbor s maticou\n") +
                                              kHelpHint;
    QTest::newRow("places 1") << QStringList{"det", "--places", "1", "a.tsv"} << square << Matrix{} << 2
                              << text("zorvel-calc: počet desatinných miest musí byť od 2 do 9, nie „1“\n") + kHelpHint;
    QTest::newRow("sheet 0") << QStringList{"det", "--sheet", "0", "a.tsv"} << square << Matrix{} << 2
                             << text("zorvel-calc: číslo hárku musí byť celé číslo od 1, nie „0“\n") + kHelpHint;
    QTest::newRow("places 10") << QStringList{"det", "--places=10", "a.tsv"} << square << Matrix{} << 2
                               << text("zorvel-calc: počet desatinných miest musí byť od 2 do 9, nie „10“\n") +
                                      kHelpHint;
    QTest::newRow("places not a number") << QStringList{"det", "--places", "x", "a.tsv"} << square << Matrix{} << 2
                                         << text("zorvel-calc: počet desatinných miest musí byť od 2 do 9, nie „x“\n") +
                                                kHelpHint;
    QTest::newRow("unknown option") << QStringList{"det", "--comma", "a.tsv"} << square << Matrix{} << 2
                                    << text("zorvel-calc: neznáma voľba „--comma“\n") + kHelpHint;
    QTest::newRow("cell without steps") << QStringList{"adjugate", "--cell", "1,1", "a.tsv"} << square << Matrix{} << 2
                                        << text("zorvel-calc: voľby --depth a --cell patria k voľbe --steps\n") +
                                               kHelpHint;
    QTest::newRow("steps without cell") << QStringList{"product", "--steps", "a.tsv", "b.csv"} << square << square << 2
                                        << text(
                                               "zorvel-calc: postup výsledku potrebuje bunku: --cell RIADOK,STĹPEC\n") +
                                               kHelpHint;
    QTest::newRow("steps of no cell") << QStringList{"sum", "--steps", "--cell", "3,1", "a.tsv", "b.csv"} << square
                                      << square << 2 << text("zorvel-calc: bunka 3,1 nie je vo výsledku\n") + kHelpHint;
    QTest::newRow("method unknown") << QStringList{"det", "--steps", "--method", "diagonal", "a.tsv"} << square
                                    << Matrix{} << 2
                                    << text(
                                           "zorvel-calc: postup musí byť first-column, row:N, column:N alebo "
                                           "elimination, nie „diagonal“\n") +
                                           kHelpHint;
    QTest::newRow("method row 0") << QStringList{"det", "--steps", "--method=row:0", "a.tsv"} << square << Matrix{} << 2
                                  << text(
                                         "zorvel-calc: postup musí byť first-column, row:N, column:N alebo "
                                         "elimination, nie „row:0“\n") +
                                         kHelpHint;
    QTest::newRow("method column past the matrix")
        << QStringList{"inverse", "--steps", "--cell", "1,1", "--method", "column:3", "a.tsv"} << square << Matrix{}
        << 2 << text("zorvel-calc: matica 2 × 2 nemá 3. stĺpec\n") + kHelpHint;
    QTest::newRow("method without steps")
        << QStringList{"det", "--method", "elimination", "a.tsv"} << square << Matrix{} << 2
        << text("zorvel-calc: voľba --method patrí k voľbe --steps\n") + kHelpHint;
    QTest::newRow("method of a sum") << QStringList{"sum",      "--steps", "--cell", "1,1",
                                                    "--method", "row:1",   "a.tsv",  "b.csv"}
                                     << square << square << 2
                                     << text(
                                            "zorvel-calc: postup podľa --method sa dá zvoliť len pre det, reciprocal "
                                            "a inverse\n") +
                                            kHelpHint;
    QTest::newRow("steps of a cell past every int")
        << QStringList{"det", "--steps", "--cell", "99999999999,1", "a.tsv"} << square << Matrix{} << 2
        << text("zorvel-calc: bunka 99999999999,1 nie je vo výsledku\n") + kHelpHint;
    QTest::newRow("steps as csv") << QStringList{"det", "--steps", "--csv", "a.tsv"} << square << Matrix{} << 2
                                  << text(
                                         "zorvel-calc: postup výpočtu (--steps) sa vypisuje len ako text, nie s "
                                         "--csv, --latex ani --markdown\n") +
                                         kHelpHint;
    QTest::newRow("standard input twice") << QStringList{"sum", "-", "-"} << square << Matrix{} << 2
                                          << text("zorvel-calc: štandardný vstup sa dá prečítať len raz\n") + kHelpHint;
  }
  void failsWithItsStatusAndMessageOnly() {
    QFETCH(QStringList, arguments);
    QFETCH(Matrix, a);
    QFETCH(Matrix, b);
    QFETCH(int, status);
    QFETCH(QString, message);
    MatrixFiles files;
    files.Write("a.tsv", a);
    files.Write("b.csv", b);
    // Names as typed, relative to the files' folder.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QFileInfo(files.Path("a.tsv")).path());
    const CalcRun run = RunCalcInProcess(arguments);
    QDir::setCurrent(previous);
    QCOMPARE(run.err, message);
    QCOMPARE(run.out, QString());
    QCOMPARE(run.status, status);
  }

  void writesDecimalPointsAndPlacesAsAsked_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("out");
    QTest::newRow("default 3 places") << QStringList{} << "0,385-0,077i\t-0,154+0,231i\n-0,154+0,231i\t0,462-0,692i\n";
    QTest::newRow("point") << QStringList{"--point"} << "0.385-0.077i\t-0.154+0.231i\n-0.154+0.231i\t0.462-0.692i\n";
    QTest::newRow("9 places, point") << QStringList{"--places", "9", "--point"}
                                     << "0.384615385-0.076923077i\t-0.153846154+0.230769231i\n"
                                        "-0.153846154+0.230769231i\t0.461538462-0.692307692i\n";
    QTest::newRow("latex") << QStringList{"--latex"}
                           << "\\begin{pmatrix}\n0{,}385-0{,}077i & -0{,}154+0{,}231i \\\\\n"
                              "-0{,}154+0{,}231i & 0{,}462-0{,}692i\n\\end{pmatrix}\n";
    QTest::newRow("markdown, point") << QStringList{"--markdown", "--point"}
                                     << "| 1 | 2 |\n| ---: | ---: |\n| 0.385-0.077i | -0.154+0.231i |\n"
                                        "| -0.154+0.231i | 0.462-0.692i |\n";
  }
  void writesDecimalPointsAndPlacesAsAsked() {
    QFETCH(QStringList, options);
    QFETCH(QString, out);
    MatrixFiles files;
    const QString a = files.Write("a.csv", {{"3", "1"}, {"1", "1+i"}});  // determinant 2+3i
    const CalcRun run = RunCalcInProcess(QStringList{"inverse"} + options + QStringList{a});
    QCOMPARE(run.out, out);
    QCOMPARE(run.status, 0);
  }

  // An engineer's kilo-ohm circuit and a student's fractions, end to end. The
  // digits were checked once against Python's fractions (exact) and mpmath
  // at 60 digits (polar).
  void readsAndWritesTheFormsEngineersAndStudentsUse_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<Matrix>("a");
    QTest::addColumn<Matrix>("b");
    QTest::addColumn<QString>("out");
    const Matrix circuit{{"1500+200j", "-1000", "0"}, {"-1000", "2200-300j", "-1,2k"}, {"0", "-1,2k", "1800+500j"}};
    const Matrix source{{QString::fromUtf8("230∠30°")}, {"0"}, {"0"}};
    const Matrix student{{"1/2", "1/3", "0"}, {"1/4", "1", "2/3"}, {"0", "1/5", "1"}};
    QTest::newRow("currents, polar") << QStringList{"solve", "--exact", "--places", "4", "--form", "polar"} << circuit
                                     << source
                                     << QString::fromUtf8("0,2766∠19,1808°\n0,1894∠22,8596°\n0,1217∠7,3354°\n");
    QTest::newRow("1/det, significant digits") << QStringList{"reciprocal", "--exact", "--significant", "4"} << circuit
                                               << Matrix{} << "4,068E-10-1,699E-10i\n";
    QTest::newRow("det, j") << QStringList{"det", "--exact", "--significant", "4", "--unit", "j"} << circuit << Matrix{}
                            << "2,093E+9+j874000000\n";
    QTest::newRow("inverse in fractions") << QStringList{"inverse", "--exact", "--form", "fraction"} << student
                                          << Matrix{} << "52/21\t-20/21\t40/63\n-5/7\t10/7\t-20/21\n1/7\t-2/7\t25/21\n";
  }
  void readsAndWritesTheFormsEngineersAndStudentsUse() {
    QFETCH(QStringList, options);
    QFETCH(Matrix, a);
    QFETCH(Matrix, b);
    QFETCH(QString, out);
    MatrixFiles files;
    QStringList arguments = options << files.Write("a.tsv", a);
    if (!b.isEmpty()) arguments << files.Write("b.tsv", b);
    const CalcRun run = RunCalcInProcess(arguments);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.out, out);
    QCOMPARE(run.status, 0);
  }

  void helpAndVersionAsGnuProgramsGiveThem() {
    const CalcRun help = RunCalcInProcess({"--help"});
    QVERIFY(help.out.startsWith(QString::fromUtf8("Použitie: zorvel-calc OPERÁCIA")));
    QCOMPARE(help.status, 0);
    const CalcRun version = RunCalcInProcess({"--version"});
    QCOMPARE(version.out, QStringLiteral("zorvel-calc (Zorvel) 2.1\n"));
    QCOMPARE(version.status, 0);
  }

  // Each term of a 5 x 5 expansion names its element as the file has it and
  // its minor's determinant as det writes it for that minor; the last line
  // is the determinant. Deeper levels are indented; --point and --cell too.
  void stepsShowTheTermsAndMinorsAsDetWritesThem() {
    MatrixFiles files;
    Matrix a = DenseMatrix(5, 5, 19);
    a[1][0] = QStringLiteral("0,1231");  // the element as written, not as rounded
    const CalcRun steps = RunCalcInProcess({"det", "--steps", files.Write("a.tsv", a)});
    QCOMPARE(steps.status, 0);
    const QStringList lines = steps.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6);
    for (int i = 0; i < 5; ++i) {
      Matrix minor = a;
      minor.removeAt(i);
      for (QStringList& row : minor) row.removeFirst();
      const CalcRun det = RunCalcInProcess({"det", files.Write("m.tsv", minor)});
      QVERIFY2(lines[i].contains(QStringLiteral("a(%1, 1) = (%2)").arg(i + 1).arg(a[i][0])) ||
                   lines[i].contains(QStringLiteral("a(%1, 1) = %2;").arg(i + 1).arg(a[i][0])),
               qPrintable(lines[i]));
      QVERIFY2(lines[i].contains(QStringLiteral("M(%1, 1) = ").arg(i + 1) + det.out.trimmed() + u';'),
               qPrintable(lines[i]));
    }
    QCOMPARE(lines.last() + u'\n', RunCalcInProcess({"det", files.Path("a.tsv")}).out);

    const CalcRun deeper = RunCalcInProcess({"det", "--steps", "--depth", "3", "--point", files.Path("a.tsv")});
    QCOMPARE(deeper.out.count(QStringLiteral("\n    + a(")), 4 * 5 * 3);  // Sarrus, three levels down
    QVERIFY(deeper.out.contains(QStringLiteral("a(2, 1) = 0.1231;")));
    const CalcRun cell =
        RunCalcInProcess({"product", "--steps", "--cell", "1,2", files.Path("a.tsv"), files.Path("a.tsv")});
    QCOMPARE(cell.out.split(u'\n', Qt::SkipEmptyParts).last(),
             RunCalcInProcess({"product", files.Path("a.tsv"), files.Path("a.tsv")}).out.split(u'\t').at(1));
  }

  // Every method's steps end in the determinant det prints (here the
  // methods agree to the digit), each begun as its method begins.
  void theMethodChoosesHowTheStepsWorkItOut_data() {
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("first");
    QTest::newRow("first column") << "first-column"
                                  << "a(1, 1) = 2;";
    QTest::newRow("column 1 is the first") << "column:1"
                                           << "a(1, 1) = 2;";
    QTest::newRow("row 3") << "row:3"
                           << "a(3, 1) = 0;";
    QTest::newRow("column 4") << "column:4"
                              << "a(1, 4) = i;";
    QTest::newRow("elimination") << "elimination" << QString::fromUtf8("R₂ := R₂ − 0,5·R₁");
  }
  void theMethodChoosesHowTheStepsWorkItOut() {
    QFETCH(QString, method);
    QFETCH(QString, first);
    MatrixFiles files;
    const QString a =
        files.Write("a.tsv", {{"2", "1", "0", "i"}, {"1", "1", "0", "0"}, {"0", "2", "1", "1"}, {"1", "0", "0", "3"}});
    const CalcRun steps = RunCalcInProcess({"det", "--steps", "--method", method, a});
    QCOMPARE(steps.status, 0);
    const QStringList lines = steps.out.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(lines.first().startsWith(first), qPrintable(lines.first()));
    QCOMPARE(lines.last() + u'\n', RunCalcInProcess({"det", a}).out);
    QVERIFY(!steps.out.contains(QString::fromUtf8("iným postupom")));
  }

  // Without --cell, Cramer's rule shows the determinant once, then each
  // unknown's determinant and quotient, as solve prints the unknown.
  void theWholeSystemShowsTheDeterminantOnce() {
    MatrixFiles files;
    const QString a = files.Write("a.tsv", {{"2", "1"}, {"1", "3"}});
    const QString b = files.Write("b.tsv", {{"1"}, {"2"}});
    const CalcRun steps = RunCalcInProcess({"solve", "--steps", a, b});
    QCOMPARE(steps.status, 0);
    const QStringList lines = steps.out.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 2 * 2);
    QCOMPARE(lines.first(), QStringLiteral("det = 5"));
    const QStringList x = RunCalcInProcess({"solve", a, b}).out.split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(lines[2].startsWith(QStringLiteral("x(1, 1) = ")) && lines[2].endsWith(u' ' + x[0]), qPrintable(lines[2]));
    QVERIFY2(lines[4].startsWith(QStringLiteral("x(2, 1) = ")) && lines[4].endsWith(u' ' + x[1]), qPrintable(lines[4]));
    QCOMPARE(RunCalcInProcess({"solve", "--steps", "--exact", a, b}).status, 2);  // elimination: one cell at a time
  }

  // The built program, with matrices on a pipe: "-" for A or for B.
  void theProgramReadsAPipe_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("out");  // "/dev/full": what it prints goes there
    QTest::addColumn<QByteArray>("err");
    QTest::newRow("inverse, windows line ends") << QStringList{"inverse", "-"} << QByteArray("1\t2\r\n3\t4\r\n") << 0
                                                << QByteArray("-2\t1\n1,5\t-0,5\n") << QByteArray();
    QTest::newRow("blank lines at the end")
        << QStringList{"det", "-"} << QByteArray("1\t2\n3\t4,5\n\n\r\n") << 0 << QByteArray("-1,5\n") << QByteArray();
    QTest::newRow("product by B from the pipe")
        << QStringList{"product", "B.csv", "-"} << QByteArray("2\n0,5i\n") << 0 << QByteArray("3+i\n") << QByteArray();
    QTest::newRow("a short row, warned")
        << QStringList{"det", "-"} << QByteArray("1\t2\n3\n") << 0 << QByteArray("-6\n")
        << QByteArray(
               "zorvel-calc: riadky na štandardnom vstupe kratšie ako najdlhší riadok: 2; chýbajúce bunky "
               "sa čítajú ako 0\n");
    QTest::newRow("a long cell, cut as the window cuts it, warned")
        << QStringList{"det", "-"} << QByteArray(32767, '0') + "5\t0\n0\t1\n"
        << 0 << QByteArray("0\n")
        << QByteArray(
               "zorvel-calc: niektoré bunky na štandardnom vstupe mali viac ako 32 767 znakov; ich text bol "
               "skrátený\n");
    QTest::newRow("a result lost")
        << QStringList{"det", "-"} << QByteArray("4\n") << 2 << QByteArray("/dev/full")
        << QByteArray("zorvel-calc: na štandardný výstup sa nedá zapísať: na disku nie je miesto\n");
    QTest::newRow("a cell not read whole, warned")
        << QStringList{"det", "-"} << QByteArray("4,7kk\n") << 0 << QByteArray("47\n")
        << QByteArray("zorvel-calc: štandardný vstup: riadok 1, stĺpec 1: „4,7kk“ sa číta ako 47\n");
    QTest::newRow("--strict refuses it") << QStringList{"det", "--strict", "-"} << QByteArray("x\n") << 1
                                         << QByteArray()
                                         << QByteArray(
                                                "zorvel-calc: štandardný vstup: riadok 1, stĺpec 1: „x“ sa číta ako "
                                                "0\nzorvel-calc: s voľbou --strict sa "
                                                "bunky, ktoré sa neprečítajú celé, nepočítajú\n");
    QTest::newRow("csv in and out") << QStringList{"inverse", "--csv", "-"} << QByteArray("x;y;\n1;2;\n3;4;\n") << 0
                                    << QByteArray("-2;1\n1,5;-0,5\n")
                                    << QByteArray(
                                           "zorvel-calc: štandardný vstup: prvý riadok vyzerá ako "
                                           "hlavička, vynechal som ho\n");
    QTest::newRow("too large a number where a header is looked for")
        << QStringList{"det", "-"} << QByteArray("1e999\t1\n1\t1\n") << 1 << QByteArray()
        << QByteArray(
               "zorvel-calc: štandardný vstup: riadok 1, stĺpec 1: „1e999“ sa číta ako Floating point overflow\n"
               "zorvel-calc: Floating point overflow.\n");
    QTest::newRow("a spreadsheet's default csv, commas")
        << QStringList{"det", "-"} << QByteArray("\"2,5\",\"1+2i\"\n\"3\",\"4\"\n") << 0 << QByteArray("7-6i\n")
        << QByteArray("zorvel-calc: bunky na štandardnom vstupe sú oddelené čiarkami\n");
    QTest::newRow("numbers on blanks") << QStringList{"det", "-"}
                                       << QByteArray(" 1.0e+00  2.0e+00\n 3.0e+00  4.0e+00\n") << 0
                                       << QByteArray("-2\n")
                                       << QByteArray(
                                              "zorvel-calc: bunky na štandardnom vstupe sú oddelené medzerami\n");
    QTest::newRow("a fifo named as a file")
        << QStringList{"det", "F.tsv"} << QByteArray() << 2 << QByteArray()
        << QByteArray(
               "zorvel-calc: Súbor „F.tsv“ sa nedá prečítať: je to pomenovaná rúra (FIFO), nie obyčajný súbor.\n");
    QTest::newRow("english")
        << QStringList{"det", "--lang", "en", "-"} << QByteArray("50000\t0\n1kk\t50000\n") << 0
        << QByteArray("Number too large\n")
        << QByteArray(
               "zorvel-calc: standard input: row 2, column 1: “1kk” is read as 1\n"
               "zorvel-calc: the result holds a number too large to write: “Number too large”\n"
               "zorvel-calc: numbers above 2147483647 cannot be written when computing by hand; use --exact\n");
    QTest::newRow("english steps options")  // the steps' messages are translated too
        << QStringList{"det", "--lang", "en", "--steps", "--method", "row:3", "-"} << QByteArray("1\t2\n3\t4\n") << 2
        << QByteArray()
        << QString::fromUtf8(
               "zorvel-calc: a 2 × 2 matrix has no row 3\nTry “zorvel-calc --help” for more information.\n")
               .toUtf8();
    QByteArray tenByTen;
    for (int r = 0; r < 10; ++r)
      tenByTen += QByteArray("2\t1\t0\t3\t1\t0\t1\t1\t2\t").replace('0', char('0' + r)) + "1\n";
    QTest::newRow("steps that cannot be written end at once")
        << QStringList{"det", "--steps", "--depth", "99", "-"} << tenByTen << 2 << QByteArray("/dev/full")
        << QString::fromUtf8(
               "zorvel-calc: postup do hĺbky 99 má 5\u00A0213\u00A0001 riadkov\n"
               "zorvel-calc: na štandardný výstup sa nedá zapísať: na disku nie je miesto\n")
               .toUtf8();
    QTest::newRow("not text") << QStringList{"det", "-"}
                              << QByteArray(
                                     "1\0"
                                     "2",
                                     3)
                              << 2 << QByteArray()
                              << QString::fromUtf8(
                                     "zorvel-calc: Štandardný vstup sa nedá prečítať: nie je to text "
                                     "(obsahuje nulové bajty).\n")
                                     .toUtf8();
  }
  void theProgramReadsAPipe() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, err);
    MatrixFiles files;
    files.Write("B.csv", {{"1,5", "2"}});
    QProcess program;
    program.setWorkingDirectory(QFileInfo(files.Path("B.csv")).path());
    if (arguments.contains("F.tsv")) QCOMPARE(mkfifo(QFile::encodeName(files.Path("F.tsv")).constData(), 0600), 0);
    if (out == "/dev/full") program.setStandardOutputFile(QString::fromLatin1(std::exchange(out, {})));
    program.start(QStringLiteral(ZORVEL_CALC_PROGRAM), arguments);
    QVERIFY(program.waitForStarted());
    program.write(input);
    program.closeWriteChannel();
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.readAllStandardError(), err);
    QCOMPARE(program.readAllStandardOutput(), out);
    QCOMPARE(program.exitCode(), status);
  }

  // A reader that stops reading (| head) ends the steps at once, without a
  // word and without a signal.
  void stepsEndWhenTheReaderGoes() {
    MatrixFiles files;
    QList<QStringList> matrix(10, QStringList{"2", "1", "0", "3", "1", "5", "1", "1", "2", "1"});
    for (int r = 0; r < 10; ++r) matrix[r][r] = QString::number(r + 3);
    const QString command =
        QStringLiteral("'%1' det --steps --depth 99 '%2' | head -1 >/dev/null; echo ${PIPESTATUS[0]}")
            .arg(QStringLiteral(ZORVEL_CALC_PROGRAM), files.Write("a.tsv", matrix));
    QProcess shell;
    shell.start(QStringLiteral("bash"), {QStringLiteral("-c"), command});
    QVERIFY(shell.waitForFinished(10000));
    QCOMPARE(shell.readAllStandardOutput(), QByteArray("2\n"));  // 141 had SIGPIPE ended it
    QCOMPARE(shell.readAllStandardError(),
             QString::fromUtf8("zorvel-calc: postup do hĺbky 99 má 5\u00A0213\u00A0001 riadkov\n").toUtf8());
  }
};

QTEST_GUILESS_MAIN(CalcCommandTest)
#include "CalcCommandTest.moc"
