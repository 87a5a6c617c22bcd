// How a file's cells are told apart, found from its text: the separator of
// a CSV (quotes respected, decimal commas kept), numbers on blanks as
// numeric tools write them, and the header and trailing-separator rules; a
// cell's text is kept as it stands.

#include <QBuffer>
#include <QtTest>

#include <optional>

#include "MatrixFile.h"

using namespace zorvel;

namespace {

using Matrix = QList<QStringList>;

MatrixFileContents Read(const QByteArray& bytes, std::optional<MatrixFormat> format) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  return ReadMatrixDevice(buffer, format);
}

}  // namespace

Q_DECLARE_METATYPE(std::optional<MatrixFormat>)
Q_DECLARE_METATYPE(Separation)

class FileLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void readsTheLayoutTheTextShows_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<std::optional<MatrixFormat>>("format");  // none: standard input, a ".txt"
    QTest::addColumn<Matrix>("rows");
    QTest::addColumn<Separation>("separation");
    const std::optional<MatrixFormat> csv = MatrixFormat::Csv, tsv = MatrixFormat::Tsv, none;
    QTest::newRow("csv semicolons") << QByteArray("1,5;2\n3;4\n") << csv << Matrix{{"1,5", "2"}, {"3", "4"}}
                                    << Separation::Usual;
    QTest::newRow("csv commas, decimals quoted") << QByteArray("\"2,5\",\"1+2i\"\n3,\"-i\"\n") << csv
                                                 << Matrix{{"2,5", "1+2i"}, {"3", "-i"}} << Separation::Commas;
    QTest::newRow("csv decimal commas alone are one column")
        << QByteArray("1,5\n-0,25+2,5i\n") << csv << Matrix{{"1,5"}, {"-0,25+2,5i"}} << Separation::Usual;
    QTest::newRow("csv commas between integers, three a line")
        << QByteArray("1,2,3\n4,5,6\n") << csv << Matrix{{"1", "2", "3"}, {"4", "5", "6"}} << Separation::Commas;
    QTest::newRow("csv commas beside point decimals")
        << QByteArray("1.5,2\n3,4.25\n") << csv << Matrix{{"1.5", "2"}, {"3", "4.25"}} << Separation::Commas;
    QTest::newRow("csv comma inside quotes is no separator")
        << QByteArray("\"a,b\";1\n") << csv << Matrix{{"a,b", "1"}} << Separation::Usual;
    QTest::newRow("csv tabs") << QByteArray("\"1;5\"\t2\n") << csv << Matrix{{"1;5", "2"}} << Separation::Tabs;
    QTest::newRow("tsv keeps commas and quotes")
        << QByteArray("\"a\",b\t1,5\n") << tsv << Matrix{{"\"a\",b", "1,5"}} << Separation::Usual;
    QTest::newRow("input with tabs") << QByteArray("1\t2\n") << none << Matrix{{"1", "2"}} << Separation::Usual;
    QTest::newRow("input with semicolons")
        << QByteArray("1;\"2\"\n") << none << Matrix{{"1", "2"}} << Separation::Usual;
    QTest::newRow("input with commas") << QByteArray("1+i,2\n") << none << Matrix{{"1+i", "2"}} << Separation::Commas;
    QTest::newRow("octave save -ascii")
        << QByteArray(" 1.00000000e+00 -2.50000000e+00\n 3.00000000e+00 4.00000000e+00\n") << none
        << Matrix{{"1.00000000e+00", "-2.50000000e+00"}, {"3.00000000e+00", "4.00000000e+00"}} << Separation::Blanks;
    QTest::newRow("console output, aligned")
        << QByteArray("   1   -2\n  10    4\n\n") << none << Matrix{{"1", "-2"}, {"10", "4"}} << Separation::Blanks;
    QTest::newRow("digit groups where the counts say so")
        << QByteArray("1 234,5\n2 000\n") << none << Matrix{{"1 234,5"}, {"2 000"}} << Separation::Usual;
    QTest::newRow("a blank before three digits where the counts say otherwise")
        << QByteArray("1 234\n5 6\n") << none << Matrix{{"1", "234"}, {"5", "6"}} << Separation::Blanks;
    QTest::newRow("digit groups in a row of numbers")
        << QByteArray("1 234,5  2\n3  4\n") << none << Matrix{{"1 234,5", "2"}, {"3", "4"}} << Separation::Blanks;
    QTest::newRow("counts that differ are no blank separation")
        << QByteArray("1 2\n3 4 5\n") << none << Matrix{{"1 2"}, {"3 4 5"}} << Separation::Usual;
    QTest::newRow("words are no blank separation")
        << QByteArray("1 a\n3 4\n") << none << Matrix{{"1 a"}, {"3 4"}} << Separation::Usual;
    QTest::newRow("blanks in a tsv are no separation")
        << QByteArray("1 2\n3 4\n") << tsv << Matrix{{"1 2"}, {"3 4"}} << Separation::Usual;
    QTest::newRow("texts as they stand") << QString::fromUtf8("1 234,5\t-2\u00A0000+1\u202F000i\n").toUtf8() << tsv
                                         << Matrix{{"1 234,5", QString::fromUtf8("-2\u00A0000+1\u202F000i")}}
                                         << Separation::Usual;
  }
  void readsTheLayoutTheTextShows() {
    QFETCH(QByteArray, bytes);
    QFETCH(std::optional<MatrixFormat>, format);
    QFETCH(Matrix, rows);
    QFETCH(Separation, separation);
    const MatrixFileContents read = Read(bytes, format);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.rows, rows);
    QCOMPARE(read.separation, separation);
  }

  void headersAndTrailingSeparators_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Matrix>("rows");
    QTest::addColumn<QStringList>("header");  // left out; empty when none
    QTest::newRow("a header") << QByteArray("x;y\n1;2\n") << Matrix{{"1", "2"}} << QStringList{"x", "y"};
    QTest::newRow("a row of empty cells is no header")
        << QByteArray("\"\";\"\"\n1;2\n") << Matrix{{"", ""}, {"1", "2"}} << QStringList{};
    QTest::newRow("too large a number is a number, not a header")
        << QByteArray("1e999;1\n1;1\n") << Matrix{{"1e999", "1"}, {"1", "1"}} << QStringList{};
    QTest::newRow("too large a number under a text row")
        << QByteArray("x;y\n1e999;1\n") << Matrix{{"1e999", "1"}} << QStringList{"x", "y"};
    QTest::newRow("a number of 5000 digits")
        << QByteArray("x\n" + QByteArray(5000, '9') + "\n") << Matrix{{QString(5000, u'9')}} << QStringList{"x"};
    QTest::newRow("digit groups are numbers under a header")
        << QByteArray("x;y\n1 234,5;2\n") << Matrix{{"1 234,5", "2"}} << QStringList{"x", "y"};
    QTest::newRow("separators ending every line")
        << QByteArray("1;2;\n3;4;\n") << Matrix{{"1", "2"}, {"3", "4"}} << QStringList{};
    QTest::newRow("an empty last cell written \"\" is a cell")
        << QByteArray("1;\"\"\n3;\"\"\n") << Matrix{{"1", ""}, {"3", ""}} << QStringList{};
  }
  void headersAndTrailingSeparators() {
    QFETCH(QByteArray, bytes);
    QFETCH(Matrix, rows);
    QFETCH(QStringList, header);
    const MatrixFileContents read = Read(bytes, MatrixFormat::Csv);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.rows, rows);
    QCOMPARE(read.headerLeftOut, !header.isEmpty());
    QCOMPARE(read.header, header);
  }
};

QTEST_GUILESS_MAIN(FileLayoutTest)
#include "FileLayoutTest.moc"
