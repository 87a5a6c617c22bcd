// Spreadsheets' own files: what a sheet's XML can hold (repeated rows and
// cells, spaces as text:s, notes, shared and inline strings, stored values)
// read as cells, and a file that is damaged, encrypted or no spreadsheet
// refused with the reason, nothing read.

#include <QBuffer>
#include <QFile>
#include <QtTest>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include "MatrixFile.h"
#include "Workbook.h"

using namespace zorvel;

namespace {

using Matrix = QList<QStringList>;
using Parts = QList<std::pair<QString, QByteArray>>;

QByteArray Zip(const Parts& parts) {
  QBuffer buffer;
  QuaZip zip(&buffer);
  zip.open(QuaZip::mdCreate);
  for (const auto& [name, bytes] : parts) {
    QuaZipFile file(&zip);
    file.open(QIODevice::WriteOnly, QuaZipNewInfo(name));
    file.write(bytes);
    file.close();
  }
  zip.close();
  return buffer.data();
}

QByteArray Ods(const QByteArray& rows) {
  return Zip({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
              {"content.xml",
               "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
               "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
               "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>"
               "<table:table table:name=\"A\">" +
                   rows + "</table:table></office:spreadsheet></office:body></office:document-content>"}});
}

QByteArray Xlsx(const QByteArray& sheetData, const QByteArray& strings) {
  return Zip({{"xl/workbook.xml",
               "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
               "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
               "<sheet name=\"S\" sheetId=\"1\" r:id=\"rId7\"/></sheets></workbook>"},
              {"xl/_rels/workbook.xml.rels",
               "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
               "<Relationship Id=\"rId7\" Target=\"worksheets/s.xml\"/></Relationships>"},
              {"xl/sharedStrings.xml", "<sst>" + strings + "</sst>"},
              {"xl/worksheets/s.xml", "<worksheet><sheetData>" + sheetData + "</sheetData></worksheet>"}});
}

QByteArray RealFile(const char* name) {
  QFile file(QStringLiteral(ZORVEL_REAL_FILES "/") + QLatin1String(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class WorkbookTest : public QObject {
  Q_OBJECT

 private slots:
  void aSheetReadsAsCells_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Matrix>("rows");
    QTest::newRow("ods repeated, spaces, notes, stored values")
        << Ods("<table:table-row table:number-rows-repeated=\"2\">"
               "<table:table-cell office:value-type=\"float\" office:value=\"0.1\"><text:p>0,10</text:p>"
               "</table:table-cell><table:table-cell table:number-columns-repeated=\"2\" office:value-type=\"string\">"
               "<office:annotation><text:p>note</text:p></office:annotation>"
               "<text:p>a<text:s text:c=\"2\"/>b</text:p><text:p>c</text:p></table:table-cell>"
               "<table:table-cell table:number-columns-repeated=\"16000\"/></table:table-row>"
               "<table:table-row table:number-rows-repeated=\"1048000\"><table:table-cell "
               "table:number-columns-repeated=\"1024\"/></table:table-row>")
        << Matrix{{"0,1", "a  b c", "a  b c"}, {"0,1", "a  b c", "a  b c"}};
    QTest::newRow("ods truth values, a gap")
        << Ods("<table:table-row><table:table-cell office:value-type=\"boolean\" office:boolean-value=\"true\"/>"
               "</table:table-row><table:table-row/><table:table-row><table:table-cell/>"
               "<table:table-cell office:value-type=\"percentage\" office:value=\"-1.5E-7\"/></table:table-row>")
        << Matrix{{"1"}, {""}, {"", "-1,5E-7"}};
    QTest::newRow("xlsx shared, rich and inline strings, references")
        << Xlsx(
               "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>1</v></c><c r=\"C1\"><v>1.0000000000000002</v></c></row>"
               "<row r=\"3\"><c r=\"B3\" t=\"inlineStr\"><is><t>2+i</t></is></c><c t=\"b\"><v>0</v></c></row>",
               "<si><t>x</t></si><si><r><t>1+</t></r><r><t>2i</t></r><rPh><t>phonetic</t></rPh></si>")
        << Matrix{{"1+2i", "", "1,0000000000000002"}, {""}, {"", "2+i", "0"}};
    QTest::newRow("a tab or line break in a text is a space")
        << Xlsx("<row><c t=\"s\"><v>0</v></c></row>", "<si><t>a\tb\nc</t></si>") << Matrix{{"a b c"}};
  }
  void aSheetReadsAsCells() {
    QFETCH(QByteArray, bytes);
    QFETCH(Matrix, rows);
    const WorkbookSheet read = ReadWorkbook(bytes, 0);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.rows, rows);
  }

  void aFileThatIsNoSheetSaysWhy_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("sheet");
    QTest::addColumn<QString>("reason");
    const QByteArray xlsx = RealFile("libreoffice.xlsx");
    QTest::newRow("encrypted ods") << RealFile("libreoffice-encrypted.ods") << 0
                                   << QString::fromUtf8("je chránený heslom (zašifrovaný)");
    QTest::newRow("encrypted xlsx, or an old xls")
        << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") + QByteArray(504, '\0') << 0
        << QString::fromUtf8("je chránený heslom (zašifrovaný) alebo je v starom formáte .xls");
    QTest::newRow("cut short") << xlsx.left(xlsx.size() / 2) << 0 << QString::fromUtf8("súbor je poškodený");
    QTest::newRow("damaged xml") << Ods("<table:table-row><table:table-cell>") << 0
                                 << QString::fromUtf8("súbor je poškodený");
    QTest::newRow("another archive") << Zip({{"a.txt", "1"}}) << 0
                                     << QString::fromUtf8("je to archív ZIP, ale nie tabuľka ODS ani XLSX");
    QTest::newRow("no such sheet") << xlsx << 2 << QString::fromUtf8("nemá hárok číslo 3 (má ich 2)");
  }
  void aFileThatIsNoSheetSaysWhy() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, sheet);
    QFETCH(QString, reason);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const MatrixFileContents read = ReadMatrixDevice(buffer, std::nullopt, sheet);
    QCOMPARE(read.error, reason);
    QVERIFY(read.rows.isEmpty());
  }
};

QTEST_GUILESS_MAIN(WorkbookTest)
#include "WorkbookTest.moc"
