// Results taken away: a grid copied as LaTeX and as Markdown, and the whole
// calculation saved as HTML and as PDF, read back as a reader would see it.

#include <QClipboard>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>

#include "CalculationExport.h"
#include "MatrixMarkup.h"
#include "PlatformRecorders.h"
#include "TabSeparated.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

QString HtmlText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QTextDocument document;
  document.setHtml(QString::fromUtf8(file.readAll()));
  return document.toPlainText();
}

QString PdfText(const QString& path) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
  pdftotext.waitForFinished();
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

}  // namespace

class CalculationExportTest : public QObject {
  Q_OBJECT

 private slots:
  void resultsLeaveAsLatexMarkdownHtmlAndPdf() {
    QVERIFY2(!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(), "pdftotext (poppler-utils)");
    DialogRecorder dialogs;
    QTemporaryDir dir;
    const auto window = OpenWindow();
    SetSize(*window, 1, 3, 3);
    TypeMatrix(Pole(*window, "Pole1"), {{"2", "1-i", "0,5"}, {"i", "3", "-1"}, {"1", "0", "4+2i"}});
    ChooseOperation(*window, 0);
    StringGrid* pole4 = Pole(*window, "Pole4");
    dialogs.fileAnswers = {dir.filePath("v.pdf")};
    QTest::keyClick(pole4, Qt::Key_S, Qt::ControlModifier);

    ChooseFromMenu(pole4, QStringLiteral("Kopírovať ako LaTeX"));
    QCOMPARE(QApplication::clipboard()->text(), ToLatexMatrix(ShownMatrix(pole4)));
    ChooseFromMenu(pole4, QStringLiteral("Kopírovať ako Markdown"));
    QCOMPARE(QApplication::clipboard()->text(), ToMarkdownTable(ShownMatrix(pole4)));

    dialogs.fileAnswers = {dir.filePath("v.html")};
    ChooseFromMenu(pole4, QStringLiteral("Uložiť výpočet…"));
    QCOMPARE(dialogs.messages, QStringList());
    for (const QString& text : {HtmlText(dir.filePath("v.html")), PdfText(dir.filePath("v.pdf"))}) {
      QVERIFY2(text.contains(Value(*window, "Determinant1")), qPrintable(text));
      // A hand-in: every matrix named, a compound denominator in parentheses.
      for (const QString& piece : {QStringLiteral("A ="), QStringLiteral("adj A ="), QStringLiteral("A⁻¹ ="),
                                   QStringLiteral("1 / (") + Value(*window, "Determinant3") + ") · adj A = A⁻¹"}) {
        QVERIFY2(text.contains(piece), qPrintable(piece));
      }
      for (const char* pole : {"Pole3", "Pole4"}) {
        for (const QStringList& row : ShownMatrix(Pole(*window, pole))) {
          for (const QString& cell : row) QVERIFY2(text.contains(cell), qPrintable(cell));
        }
      }
    }
  }

  // A saved calculation is what the window shows: after a refusal or an
  // error the reason, never the result an earlier input left in the grids.
  void aRefusalOrAnErrorIsSavedInPlaceOfTheOldResult_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<QList<QStringList>>("failing");  // matrix 1 after a sound 2 x 2
    QTest::addColumn<int>("rows2");                   // rows of matrix 2 then
    QTest::addColumn<QString>("reason");
    const QList<QStringList> sound = {{"1", "2"}, {"3", "4"}};
    QTest::newRow("sum, sizes stop matching") << 1 << sound << 3 << "Sčítať a odčítať sa môžu len matice";
    QTest::newRow("inverse, determinant zero")
        << 0 << QList<QStringList>{{"1", "2"}, {"2", "4"}} << 2 << "determinant je rovný nule";
    QTest::newRow("overflow") << 3 << QList<QStringList>{{"1", "1E200"}, {"1E200", "1"}} << 2
                              << "Floating point overflow.";
  }
  void aRefusalOrAnErrorIsSavedInPlaceOfTheOldResult() {
    QFETCH(int, operation);
    QFETCH(QList<QStringList>, failing);
    QFETCH(int, rows2);
    QFETCH(QString, reason);
    DialogRecorder dialogs;
    QTemporaryDir dir;
    const auto window = OpenWindow();
    SetSize(*window, 1, 2, 2);
    SetSize(*window, 2, 2, 2);
    ChooseOperation(*window, operation);
    Paste(Pole(*window, "Pole1"), 1, 1, QStringLiteral("7,25\t2\n3\t4\n"));
    Paste(Pole(*window, "Pole2"), 1, 1, QStringLiteral("1\t0\n0\t1\n"));
    const QString old = Shown(Pole(*window, operation == 0 ? "Pole4" : "Pole5"), 1, 1);
    Paste(Pole(*window, "Pole1"), 1, 1, ToTabSeparated(failing));
    SetSize(*window, 2, rows2, 2);
    window->Export().SaveFile(dir.filePath("v.html"));
    const QString text = HtmlText(dir.filePath("v.html"));
    QVERIFY2(text.contains(reason), qPrintable(text));
    QVERIFY2(!text.contains(old), qPrintable(old));
  }
};

ZORVEL_WIDGET_TEST_MAIN(CalculationExportTest)
#include "CalculationExportTest.moc"
