// The tab-separated text that spreadsheets and editors exchange through the
// clipboard: reading every kind of line end, and writing a single cell alone;
// LaTeX and Markdown for handing results in.

#include <QtTest>

#include "MatrixMarkup.h"
#include "TabSeparated.h"

using namespace zorvel;

class TabSeparatedTest : public QObject {
  Q_OBJECT

 private slots:
  void tabSeparatedText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::newRow("single value") << "2,5" << QList<QStringList>{{"2,5"}};
    QTest::newRow("unix") << "1\t2\n3\t4\n" << QList<QStringList>{{"1", "2"}, {"3", "4"}};
    QTest::newRow("windows") << "1\t2\r\n3\t4\r\n" << QList<QStringList>{{"1", "2"}, {"3", "4"}};
    QTest::newRow("no final line end") << "1\t2\r\n3\t4" << QList<QStringList>{{"1", "2"}, {"3", "4"}};
    QTest::newRow("empty cells kept") << "\t5\n\n" << QList<QStringList>{{"", "5"}, {""}};
    QTest::newRow("ragged") << "1\n2\t3\t4\n" << QList<QStringList>{{"1"}, {"2", "3", "4"}};
    QTest::newRow("empty") << "" << QList<QStringList>{};
  }
  void tabSeparatedText() {
    QFETCH(QString, text);
    QFETCH(QList<QStringList>, rows);
    QCOMPARE(FromTabSeparated(text), rows);
  }

  void copiesAsSpreadsheetsExpect() {
    QCOMPARE(ToTabSeparated({{"1", "2+i"}, {"-i", "0,5"}}), QStringLiteral("1\t2+i\n-i\t0,5\n"));
    QCOMPARE(ToTabSeparated({{"3-2i"}}), QStringLiteral("3-2i"));  // one cell: its text alone
  }

  // The forms people hand in: the decimal comma kept from LaTeX's spacing,
  // texts that are no numbers escaped, Markdown's columns numbered as in the
  // grid the block came from.
  void writesMatricesToHandIn() {
    QCOMPARE(ToLatexMatrix({{"2,5", "-i"}, {"", "1"}}),
             QStringLiteral("\\begin{pmatrix}\n2{,}5 & -i \\\\\n & 1\n\\end{pmatrix}\n"));
    QCOMPARE(ToLatexValue(QStringLiteral("50% & a_1 {x} #~^\\")),
             QStringLiteral("50\\% \\& a\\_1 \\{x\\} \\#\\textasciitilde{}\\textasciicircum{}\\textbackslash{}"));
    QCOMPARE(ToMarkdownTable({{"1", "a|b"}, {"2"}}, 3),
             QStringLiteral("| 3 | 4 |\n| ---: | ---: |\n| 1 | a\\|b |\n| 2 |  |\n"));
  }
};

QTEST_GUILESS_MAIN(TabSeparatedTest)
#include "TabSeparatedTest.moc"
