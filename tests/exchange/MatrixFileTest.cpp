// Matrices in files: both forms round-trip byte for byte, every way of
// writing a line end and a quoted cell reads back, and a file that cannot be
// read or saved says which and why while a failed save leaves nothing.

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include "MatrixFile.h"
#include "ScratchCopies.h"
#include "SettingsFile.h"
#include "TabSeparated.h"

using namespace zorvel;

namespace {

using Matrix = QList<QStringList>;

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}

// A 20 x 10 matrix of complex texts of every written form, with a decimal
// comma, a Slovak letter and, in the last row, cells that CSV must quote.
Matrix LargestComplexMatrix() {
  Matrix rows;
  for (int r = 0; r < 20; ++r) {
    QStringList row;
    for (int c = 0; c < 10; ++c) row << QStringLiteral("%1,%2-%3,25i").arg(r - 10).arg(c + 1).arg(c);
    rows << row;
  }
  rows[0][0] = QStringLiteral("-i");
  rows[0][1] = QString();
  rows[19][7] = QString::fromUtf8("Príliš veľké číslo");
  rows[19][8] = QStringLiteral("1;5");
  rows[19][9] = QStringLiteral("\"2\"");
  return rows;
}

}  // namespace

class MatrixFileTest : public QObject {
  Q_OBJECT

 private slots:
  // A save keeps the target's permissions (the scratch copy alone is the
  // user's only), and the next start clears the scratch copies a killed
  // run left beside it, and nothing else.
  void scratchCopiesAreTheUsersAndLitterIsCleared() {
    QTemporaryDir dir;
    const QString target = dir.filePath("m.tsv");
    Write(target, "old\n");
    const QFileDevice::Permissions groupRead = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    const QFileDevice::Permissions notOfThisUser = ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    QVERIFY(QFile::setPermissions(target, groupRead));
    QCOMPARE(SaveMatrixFile(target, {{"1"}}), QString());
    QCOMPARE(QFile::permissions(target) & notOfThisUser, groupRead);

    const QStringList litter{"m.tsv.Ab12cd", "m.tsv.zz99ZZ"};
    const QStringList kept{"m.tsv.bak", "m.tsv.Ab12cde", "n.tsv.Ab12cd", "m.tsv.Fresh1"};
    for (const QString& name : litter + kept) Write(dir.filePath(name), "1\t2\n");
    QVERIFY(QDir(dir.path()).mkdir("m.tsv.Dir123"));  // a session save's scratch folder
    for (const QString& name : litter + kept.mid(0, 3) + QStringList{"m.tsv.Dir123"}) {
      const QByteArray path = QFile::encodeName(dir.filePath(name));
      const timeval old[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
      QCOMPARE(utimes(path.constData(), old), 0);
    }
    ClearScratchBeside(target);
    QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QStringList expected = kept + QStringList{"m.tsv"};
    left.sort();
    expected.sort();
    QCOMPARE(left, expected);
  }

  void largestMatrixRoundTripsByteForByte_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("lastLine");
    QTest::newRow("tsv") << "m.tsv"
                         << QString::fromUtf8(
                                "9,1-0,25i\t9,2-1,25i\t9,3-2,25i\t9,4-3,25i\t9,5-4,25i\t9,6-5,25i\t9,7-6,25i\tPríliš "
                                "veľké číslo\t1;5\t\"2\"\n")
                                .toUtf8();
    QTest::newRow("csv") << "m.CSV"
                         << QString::fromUtf8(
                                "9,1-0,25i;9,2-1,25i;9,3-2,25i;9,4-3,25i;9,5-4,25i;9,6-5,25i;9,7-6,25i;Príliš veľké "
                                "číslo;\"1;5\";\"\"\"2\"\"\"\n")
                                .toUtf8();
  }
  void largestMatrixRoundTripsByteForByte() {
    QFETCH(QString, name);
    QFETCH(QByteArray, lastLine);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    const Matrix rows = LargestComplexMatrix();
    QCOMPARE(SaveMatrixFile(path, rows), QString());
    const QByteArray saved = Bytes(path);
    QCOMPARE(saved.count('\n'), 20);
    QVERIFY(saved.endsWith("\n" + lastLine));
    const MatrixFileContents read = ReadMatrixFile(path);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.rows, rows);
    QCOMPARE(SaveMatrixFile(path, read.rows), QString());  // over the old file
    QCOMPARE(Bytes(path), saved);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{name});
  }

  // Any cell keeps its place in both forms, on the clipboard and in the kept
  // session: a tab or a line end in it is a space once it is read.
  void everyCellKeepsItsPlace() {
    const QString alphabet = QString::fromUtf8("1,5-i;\"\t\n\r čš€");
    QRandomGenerator random(18);
    QTemporaryDir dir;
    for (int run = 0; run < 100; ++run) {
      Matrix rows(1 + random.bounded(4), QStringList(1 + random.bounded(4))), expected;
      for (QStringList& row : rows) {
        for (QString& cell : row) {
          for (int n = random.bounded(6); n > 0; --n) cell += alphabet.at(random.bounded(alphabet.size()));
        }
        // Numbers around each row keep a header or a separator ending every
        // line, which reading leaves out, from ever appearing.
        row = QStringList{"1"} + row + QStringList{"2"};
        expected << QStringList(row).replaceInStrings(QRegularExpression("\r\n|[\t\r\n]"), " ");
      }
      QCOMPARE(SaveMatrixFile(dir.filePath("m.csv"), rows), QString());
      const Matrix opened = ReadMatrixFile(dir.filePath("m.csv")).rows;
      for (const char* name : {"m.csv", "m.tsv"}) {
        QCOMPARE(SaveMatrixFile(dir.filePath(name), opened), QString());
        QCOMPARE(ReadMatrixFile(dir.filePath(name)).rows, expected);
      }
      if (expected != Matrix{{""}}) QCOMPARE(FromTabSeparated(ToTabSeparated(opened)), expected);  // "" is no rows
    }
  }

  void readsWhatEditorsAndSpreadsheetsWrite_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Matrix>("rows");
    QTest::newRow("csv quoted, windows line ends")
        << "a.csv" << QByteArray("\"1;5\";\"say \"\"i\"\"\";-i\r\n\"two\r\nlines\";\"\";3\r\n")
        << Matrix{{"1;5", "say \"i\"", "-i"}, {"two lines", "", "3"}};
    QTest::newRow("csv without a last line end") << "a.csv" << QByteArray("1;2\n3;4") << Matrix{{"1", "2"}, {"3", "4"}};
    QTest::newRow("csv quote inside a cell is text")
        << "a.csv" << QByteArray("2\"5;\"x\"y\n") << Matrix{{"2\"5", "xy"}};
    QTest::newRow("csv one empty line") << "a.csv" << QByteArray("\n") << Matrix{};
    QTest::newRow("csv one empty cell") << "a.csv" << QByteArray("\"\"\n") << Matrix{{""}};
    QTest::newRow("tsv with byte order mark") << "a.tsv"
                                              << QByteArray(
                                                     "\xEF\xBB\xBF"
                                                     "1\t2,5\r\n-i\t\r\n")
                                              << Matrix{{"1", "2,5"}, {"-i", ""}};
    QTest::newRow("tsv quotes are text") << "a.txt" << QByteArray("\"1;5\"\t2\n") << Matrix{{"\"1;5\"", "2"}};
    QTest::newRow("tsv old mac line ends, ragged") << "a.tsv" << QByteArray("1\r2\t3\r") << Matrix{{"1"}, {"2", "3"}};
    QTest::newRow("slovak text") << "a.tsv" << QString::fromUtf8("Príliš veľké číslo\n").toUtf8()
                                 << Matrix{{QString::fromUtf8("Príliš veľké číslo")}};
    QTest::newRow("empty file") << "a.csv" << QByteArray() << Matrix{};
  }
  void readsWhatEditorsAndSpreadsheetsWrite() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(Matrix, rows);
    QTemporaryDir dir;
    Write(dir.filePath(name), bytes);
    const MatrixFileContents read = ReadMatrixFile(dir.filePath(name));
    QCOMPARE(read.error, QString());
    QCOMPARE(read.rows, rows);
  }

  // What spreadsheets export: a header row, a separator ending every line,
  // Windows-1250 or UTF-16.
  void readsWhatSpreadsheetsExport_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Matrix>("rows");
    QTest::addColumn<bool>("header");  // left out
    const auto utf16 = [](const char* bom, const QString& text, QStringConverter::Encoding encoding) {
      return QByteArray(bom) + QStringEncoder(encoding).encode(text);
    };
    QTest::newRow("header") << "a.csv" << QByteArray("x;y\n1;2\n") << Matrix{{"1", "2"}} << true;
    QTest::newRow("numbers as a header are a row")
        << "a.csv" << QByteArray("1;2\n3;i\n") << Matrix{{"1", "2"}, {"3", "i"}} << false;
    QTest::newRow("a header over a misread row is a row")
        << "a.csv" << QByteArray("x;y\n1;4,7kk\n") << Matrix{{"x", "y"}, {"1", "4,7kk"}} << false;
    QTest::newRow("separator ending every line, blank lines")
        << "a.csv" << QByteArray("1;2;\n\n3;4;\n\n") << Matrix{{"1", "2"}, {""}, {"3", "4"}} << false;
    QTest::newRow("separator ending one line is a cell")
        << "a.tsv" << QByteArray("1\t\n3\t4\n") << Matrix{{"1", ""}, {"3", "4"}} << false;
    QTest::newRow("windows-1250") << "a.csv" << QByteArray("\x9Atvorec;\xE8\xEDslo\n1,5;2\n") << Matrix{{"1,5", "2"}}
                                  << true;
    QTest::newRow("windows-1250 kept") << "a.tsv" << QByteArray("1,5\t\xE8\n") << Matrix{{"1,5", "č"}} << false;
    QTest::newRow("utf-16 le") << "a.csv" << utf16("\xFF\xFE", "Re;Im\r\n1;-i\r\n", QStringConverter::Utf16LE)
                               << Matrix{{"1", "-i"}} << true;
    QTest::newRow("utf-16 be") << "a.tsv" << utf16("\xFE\xFF", "č\t2\n", QStringConverter::Utf16BE)
                               << Matrix{{"č", "2"}} << false;
  }
  void readsWhatSpreadsheetsExport() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(Matrix, rows);
    QFETCH(bool, header);
    QTemporaryDir dir;
    Write(dir.filePath(name), bytes);
    const MatrixFileContents read = ReadMatrixFile(dir.filePath(name));
    QCOMPARE(read.error, QString());
    QCOMPARE(read.rows, rows);
    QCOMPARE(read.headerLeftOut, header);
  }

  void aFileThatIsNoMatrixTextSaysWhy_data() {
    QTest::addColumn<QByteArray>("bytes");  // written to the path unless null
    QTest::addColumn<QString>("path");      // relative to the scratch folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("binary") << QByteArray(
                                   "1\t2\n\x7F"
                                   "ELF\0\0",
                                   9)
                            << "m.tsv"
                            << "nie je to text (obsahuje nulové bajty)";
    QTest::newRow("utf-16 holding a null") << QByteArray(
                                                  "\xFF\xFE"
                                                  "1\0\0\0",
                                                  6)
                                           << "m.tsv"
                                           << "nie je to text (obsahuje nulové bajty)";
    QTest::newRow("too large") << QByteArray(32 * 1024 * 1024 + 1, '1') << "m.tsv"
                               << "je väčší ako 32 MiB, na maticu priveľký";
    QTest::newRow("a fifo") << QByteArray() << "fifo.tsv"
                            << "je to pomenovaná rúra (FIFO), nie obyčajný súbor";
    QTest::newRow("a device") << QByteArray() << "/dev/zero"
                              << "je to zariadenie, nie obyčajný súbor";
    QTest::newRow("missing") << QByteArray() << "none.csv"
                             << "taký súbor neexistuje";
    QTest::newRow("a folder") << QByteArray() << "."
                              << "je to priečinok";
    QTest::newRow("a quote left open") << QByteArray("1;2\n\"3;4\n5;6\n") << "m.csv"
                                       << "úvodzovky otvorené na riadku 2 sa nikde nezatvárajú";
    QTest::newRow("in a folder others cannot enter") << QByteArray() << "/root/m.tsv"
                                                     << "chýba oprávnenie na vstup do priečinka „/root“";
    QTest::newRow("a name not in UTF-8") << QByteArray() << QFile::decodeName("\xE8\xEDslo.tsv")
                                         << "jeho názov nie je platný text v kódovaní UTF-8";
  }
  void aFileThatIsNoMatrixTextSaysWhy() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, path);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString file = QDir::cleanPath(QDir(dir.path()).filePath(path));
    if (!bytes.isNull()) Write(file, bytes);
    if (path.startsWith("fifo")) QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    // Root reads as another user too, staying the saved user to come back to.
    const uid_t user = geteuid();
    if (path.startsWith("/root/")) setresuid(65534, 65534, user);
    const MatrixFileContents read = ReadMatrixFile(file);
    setresuid(user, user, user);
    QCOMPARE(read.error, QString::fromUtf8("Súbor „%1“ sa nedá prečítať: %2.").arg(file, reason));
    QVERIFY(read.rows.isEmpty());
  }

  // A save that fails keeps the folder as it was: the old file unchanged and
  // no temporary file left.
  void aFailedSaveLeavesNothingBehind_data() {
    QTest::addColumn<QString>("folder");  // empty: a read-only scratch folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("read-only folder") << QString() << QString::fromUtf8("chýba oprávnenie na zápis do priečinka");
    QTest::newRow("a folder that takes no files") << "/proc" << QString();  // its words depend on the user
    QTest::newRow("a missing folder") << "missing" << QString::fromUtf8("priečinok „%1“ neexistuje");
  }
  void aFailedSaveLeavesNothingBehind() {
    QFETCH(QString, folder);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString target = dir.filePath("m.csv");
    if (folder.isEmpty()) {
      if (geteuid() == 0) QSKIP("folder permissions do not bind root; the /proc row covers it");
      Write(target, "old\n");
      QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    } else {
      target = QDir(dir.path()).absoluteFilePath(folder + "/m.csv");
      if (reason.contains("%1")) reason = reason.arg(QFileInfo(target).path());
    }
    // The target and any temporary file beside it, which takes its name: the
    // rest of a folder like /proc changes by itself as processes come and go.
    const auto entries = [&target] {
      return QDir(QFileInfo(target).path())
          .entryList({QFileInfo(target).fileName() + u'*'}, QDir::AllEntries | QDir::Hidden);
    };
    const QStringList before = entries();
    const QString error = SaveMatrixFile(target, {{"1", "2"}});
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(error.startsWith(QString::fromUtf8("Súbor „%1“ sa nedá uložiť: ").arg(target)), qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QCOMPARE(entries(), before);
    if (folder.isEmpty()) QCOMPARE(Bytes(target), QByteArray("old\n"));
  }

  // A save that cannot begin names the cause: the file, or the disk.
  void aReadOnlyFileOrDiskIsNamed() {
    QTemporaryDir dir;
    const QString target = dir.filePath("m.tsv");
    Write(target, "old\n");
    if (geteuid() != 0) {
      QVERIFY(QFile::setPermissions(target, QFile::ReadOwner));
      QCOMPARE(SaveMatrixFile(target, {{"1"}}),
               QString::fromUtf8("Súbor „%1“ sa nedá uložiť: súbor je len na čítanie.").arg(target));
      QSKIP("mounting a read-only file system takes root");
    }
    QCOMPARE(mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", MS_RDONLY, "size=64k"), 0);
    const auto unmount = qScopeGuard([&dir] { umount(QFile::encodeName(dir.path()).constData()); });
    QCOMPARE(
        SaveMatrixFile(dir.filePath("n.tsv"), {{"1"}}),
        QString::fromUtf8("Súbor „%1“ sa nedá uložiť: disk je pripojený len na čítanie.").arg(dir.filePath("n.tsv")));
  }

  // On a full disk of its own, however the writes fail.
  void aSaveOntoAFullDiskKeepsTheOldFile_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("free");  // bytes left on the disk; a large matrix when some
    QTest::newRow("small, held back by Qt") << "m.tsv" << 0;
    QTest::newRow("large, written in part") << "m.csv" << 8192;
    QTest::newRow("settings") << "s.ini" << 0;
  }
  void aSaveOntoAFullDiskKeepsTheOldFile() {
    QFETCH(QString, name);
    QFETCH(int, free);
    if (geteuid() != 0) QSKIP("mounting a small file system takes root");
    QTemporaryDir dir;
    QCOMPARE(mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, "size=64k"), 0);
    const auto unmount = qScopeGuard([&dir] { umount(QFile::encodeName(dir.path()).constData()); });
    const QString path = dir.filePath(name);
    Write(path, "old\n");
    QFile fill(dir.filePath("fill"));
    QVERIFY(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (fill.write(QByteArray(4096, 'x')) > 0) {
    }
    QVERIFY(fill.resize(fill.size() - free));
    const QString error = name.endsWith(".ini")
                              ? SaveSettingsFile(path, [](QSettings& settings) { settings.setValue("a", 1); })
                              : SaveMatrixFile(path, {QStringList(free > 0 ? 2000 : 1, "1234567890")});
    QCOMPARE(error, QString::fromUtf8("Súbor „%1“ sa nedá uložiť: na disku nie je miesto.").arg(path));
    QCOMPARE(Bytes(path), QByteArray("old\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"fill", name}));
  }
};

QTEST_GUILESS_MAIN(MatrixFileTest)
#include "MatrixFileTest.moc"
