// Every matrix Zorvel saves opens again as it was, in every form it writes:
// random matrices of random cell texts (the reading's own characters and a
// few hostile ones), and the largest matrix of the longest cells. The one
// case no reader can tell apart, a first row of texts above a row of
// numbers, comes back as a header left out.

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "MatrixFile.h"
#include "SpreadsheetRows.h"
#include "TabSeparated.h"

using namespace zorvel;

namespace {

using Matrix = QList<QStringList>;

QString RandomCell(QRandomGenerator& random) {
  static const QStringList pieces = {
      "0", "1", "7", "9", ",",     ".",     "+", "-",  "i",    "j", "e",
      "E", "k", " ", " ", "1 234", "1e999", ";", "\"", "\"\"", "x", QString::fromUtf8("č€„")};
  QString cell;
  for (int n = random.bounded(5); n > 0; --n) cell += pieces.at(random.bounded(pieces.size()));
  return cell;
}

Matrix RandomMatrix(QRandomGenerator& random) {
  Matrix rows(1 + random.bounded(20), QStringList(1 + random.bounded(10)));
  for (QStringList& row : rows) {
    for (QString& cell : row) cell = RandomCell(random);
  }
  return rows;
}

// What the open gives back: the matrix, the header case apart; in a TSV,
// where no empty cell can be told from an empty line, a matrix of one
// column without its empty last rows.
Matrix Expected(const Matrix& saved, bool tsvOfOneColumn, bool& header) {
  Matrix rows = saved;
  if (tsvOfOneColumn) {
    while (!rows.isEmpty() && rows.back() == QStringList{QString()}) rows.removeLast();
  }
  header = LeaveOutHeader(rows);
  return rows;
}

}  // namespace

class RoundTripTest : public QObject {
  Q_OBJECT

 private slots:
  void randomMatricesComeBackInEveryForm() {
    QRandomGenerator random(29);
    QTemporaryDir dir;
    for (int run = 0; run < 300; ++run) {
      const Matrix saved = RandomMatrix(random);
      for (const char* name : {"m.tsv", "m.csv", "m.ods"}) {
        const QString path = dir.filePath(name);
        QCOMPARE(SaveMatrixFile(path, saved), QString());
        bool header = false;
        const Matrix expected = Expected(saved, name[2] == 't' && saved.front().size() == 1, header);
        const MatrixFileContents read = ReadMatrixFile(path);
        QCOMPARE(read.error, QString());
        QCOMPARE(read.rows, expected);
        QCOMPARE(read.headerLeftOut, header);
        if (header) QCOMPARE(read.header, saved.front());
      }
      // The clipboard and the kept session carry a matrix as tab-separated
      // text (its size beside it in the session).
      if (saved != Matrix{{QString()}}) QCOMPARE(FromTabSeparated(ToTabSeparated(saved)), saved);
    }
  }

  // 6.5 MB in a file, beyond what the reading took before.
  void theLargestMatrixOfTheLongestCellsComesBack() {
    Matrix saved(20, QStringList(10));
    for (int r = 0; r < 20; ++r) {
      for (int c = 0; c < 10; ++c) saved[r][c] = QString(32766, QChar(u'0' + c)) + QString::fromUtf8("€");
    }
    saved[0][0] = QString(32767, u'"');
    QTemporaryDir dir;
    for (const char* name : {"m.tsv", "m.csv", "m.ods"}) {
      QCOMPARE(SaveMatrixFile(dir.filePath(name), saved), QString());
      const MatrixFileContents read = ReadMatrixFile(dir.filePath(name));
      QCOMPARE(read.error, QString());
      QVERIFY(read.rows == saved);
    }
  }
};

QTEST_GUILESS_MAIN(RoundTripTest)
#include "RoundTripTest.moc"
