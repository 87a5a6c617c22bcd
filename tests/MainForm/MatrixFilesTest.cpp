// Matrices in files through the grids' context menus and by dropping: a
// round trip byte for byte in both forms, what an opened file does to the
// matrix, files that cannot be read or written, and each grid's menu.

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <sys/stat.h>

#include "InputHistory.h"
#include "PlatformRecorders.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

using Rows = QList<QStringList>;

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

// Chooses a file item of a grid's menu, the dialog answering with `path`.
void FromMenu(StringGrid* grid, DialogRecorder& dialogs, const QString& item, const QString& path) {
  dialogs.fileAnswers = {path};
  ChooseFromMenu(grid, item);
}

// Drags a file over a grid and drops it; whether the grid took it.
bool Drop(StringGrid* grid, const QString& path) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(grid->viewport(), &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(grid->viewport(), &drop);
  QApplication::processEvents();  // the grid announces the drop once it is over
  return true;
}

}  // namespace

class MatrixFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void aComplexMatrixGoesInAndOutByteForByte_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("tab-separated") << "m.tsv";
    QTest::newRow("semicolons") << "m.CSV";
  }
  void aComplexMatrixGoesInAndOutByteForByte() {
    QFETCH(QString, name);
    DialogRecorder dialogs;
    QTemporaryDir dir;
    const bool csv = name.endsWith(QStringLiteral("CSV"));
    QByteArray bytes;
    Rows rows;
    for (int r = 1; r <= 20; ++r) {
      QStringList row;
      for (int c = 1; c <= 10; ++c) row << QStringLiteral("%1,%2-%3i").arg(r).arg(c).arg(r * c % 7);
      if (r == 20) row[9] = QStringLiteral("-i;\"0,5\"");
      rows << row;
      if (r == 20 && csv) row[9] = QStringLiteral("\"-i;\"\"0,5\"\"\"");  // quoted, its quotes doubled
      bytes += row.join(csv ? u';' : u'\t').toUtf8() + '\n';
    }
    WriteBytes(dir.filePath(name), bytes);
    const auto window = OpenWindow();
    StringGrid* pole2 = Pole(*window, "Pole2");
    const int before = window->RecalculationCount();
    FromMenu(pole2, dialogs, "Otvoriť maticu…", dir.filePath(name));
    QCOMPARE(window->RecalculationCount(), before + 1);
    QCOMPARE(ShownMatrix(pole2), rows);
    QCOMPARE(Spin(*window, "SpinEdit3")->Text() + Spin(*window, "SpinEdit4")->Text(), QStringLiteral("2010"));
    FromMenu(pole2, dialogs, "Uložiť maticu…", dir.filePath("kópia-" + name));
    QCOMPARE(ReadBytes(dir.filePath("kópia-" + name)), bytes);
    QCOMPARE(dialogs.suggestions, QStringList{dir.filePath("matica-2.tsv")});  // in the folder last used
    QCOMPARE(dialogs.messages, QStringList());
    window->History().UndoAction()->trigger();  // opening was one step
    QCOMPARE(ShownMatrix(pole2), Rows(3, QStringList(3)));
  }

  void anOpenedFileReplacesTheMatrixOrChangesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");  // none: no such file
    QTest::addColumn<Rows>("shown");        // none: the matrix as it was
    QTest::addColumn<QString>("message");   // %1: the file
    const QString unreadable = QStringLiteral("Súbor „%1“ sa nedá prečítať: ");
    QTest::newRow("quoted CSV cells, Windows line ends")
        << "a.csv" << QByteArray("\"1,5\";\"-i\"\r\n\"2;3\";4\r\n") << Rows{{"1,5", "-i"}, {"2;3", "4"}} << QString();
    QTest::newRow("a short row, blank lines after")
        << "a.tsv" << QByteArray("1\t2\t3\n4\n\n") << Rows{{"1", "2", "3"}, {"4", "", ""}} << QString();
    QByteArray large;
    for (int r = 0; r < 25; ++r) large += "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\n";
    QTest::newRow("beyond the limits")
        << "a.tsv" << large << Rows(20, QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"})
        << "Matica môže mať najviac 20 riadkov a 10 stĺpcov. Zo súboru „%1“ sa vynechalo riadkov: 5, stĺpcov: 2.";
    QTest::newRow("binary") << "a.tsv" << QByteArray("1\t2\0\x01", 4) << Rows()
                            << unreadable + "nie je to text (obsahuje nulové bajty).";
    QTest::newRow("missing") << "b.tsv" << QByteArray() << Rows() << unreadable + "taký súbor neexistuje.";
    QTest::newRow("empty") << "a.tsv" << QByteArray("\n") << Rows() << "Súbor „%1“ je prázdny, neobsahuje maticu.";
    QTest::newRow("a fifo, which would hold the window")
        << "fifo.tsv" << QByteArray() << Rows() << unreadable + "je to pomenovaná rúra (FIFO), nie obyčajný súbor.";
    QTest::newRow("too large a number in the header check")
        << "a.tsv" << QByteArray("1e999\t1\n1\t1\n") << Rows{{"1e999", "1"}, {"1", "1"}} << QString();
  }
  void anOpenedFileReplacesTheMatrixOrChangesNothing() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(Rows, shown);
    QFETCH(QString, message);
    DialogRecorder dialogs;
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (!bytes.isEmpty()) WriteBytes(path, bytes);
    if (name.startsWith("fifo")) QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    Paste(pole1, 1, 1, "9\t9\t9\n9\t9\t9\n9\t9\t9\n");
    const int recalculations = window->RecalculationCount();
    FromMenu(pole1, dialogs, "Otvoriť maticu…", path);
    QCOMPARE(ShownMatrix(pole1), shown.isEmpty() ? Rows(3, QStringList(3, "9")) : shown);
    QCOMPARE(RowHeaders(pole1).size(), shown.isEmpty() ? 3 : shown.size());
    QCOMPARE(window->RecalculationCount(), recalculations + (shown.isEmpty() ? 0 : 1));
    QCOMPARE(dialogs.messages,
             message.isEmpty() ? QStringList() : QStringList{message.arg(QDir::toNativeSeparators(path))});
  }

  // The one case no reader can tell apart: a row of texts above numbers.
  void aHeaderLeftOutComesBackWithOneStepBack() {
    DialogRecorder dialogs;
    QTemporaryDir dir;
    const QString path = dir.filePath("a.csv");
    WriteBytes(path, "x;y\n1;2\n");
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    FromMenu(pole1, dialogs, "Otvoriť maticu…", path);
    QCOMPARE(ShownMatrix(pole1), (Rows{{"1", "2"}}));
    QCOMPARE(
        dialogs.messages,
        QStringList{"Prvý riadok súboru vyzerá ako hlavička, vynechal som ho. Krok späť (Ctrl+Z) ho vráti do matice."});
    window->History().Undo();
    QCOMPARE(ShownMatrix(pole1), (Rows{{"x", "y"}, {"1", "2"}}));
    window->History().Undo();
    QCOMPARE(ShownMatrix(pole1), Rows(3, QStringList(3)));
  }

  void aFileThatCannotBeWrittenIsNamedAndNothingIsLeft_data() {
    QTest::addColumn<QString>("where");  // %1: the scratch folder
    QTest::newRow("under a regular file") << "%1/a.tsv/m.tsv";
    QTest::newRow("a folder") << "%1";
    QTest::newRow("a folder of the kernel's") << "/proc/zorvel-m.tsv";
  }
  void aFileThatCannotBeWrittenIsNamedAndNothingIsLeft() {
    QFETCH(QString, where);
    DialogRecorder dialogs;
    QTemporaryDir dir;
    WriteBytes(dir.filePath("a.tsv"), "1\n");
    const QString path = where.arg(dir.path());
    const auto window = OpenWindow();
    FromMenu(Pole(*window, "Pole5"), dialogs, "Uložiť výsledok…", path);
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY(dialogs.messages.front().startsWith(
        QStringLiteral("Súbor „%1“ sa nedá uložiť: ").arg(QDir::toNativeSeparators(path))));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.tsv"});  // no temporary file left
    QCOMPARE(ReadBytes(dir.filePath("a.tsv")), QByteArray("1\n"));
  }

  void aFileDroppedOnAnInputGridOpensThere_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<Rows>("shown");  // none: the drop is refused
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("tsv") << "a.tsv" << Rows{{"1", "2"}} << QStringList();
    QTest::newRow("csv in capitals, separated by tabs")
        << "A.CSV" << Rows{{"1", "2"}} << QStringList{"Bunky v súbore „%1“ sú oddelené tabulátormi."};
    QTest::newRow("text of a numeric tool") << "a.txt" << Rows{{"1", "2"}} << QStringList();
    QTest::newRow("another suffix") << "a.pdf" << Rows() << QStringList();
  }
  void aFileDroppedOnAnInputGridOpensThere() {
    QFETCH(QString, name);
    QFETCH(Rows, shown);
    QFETCH(QStringList, messages);
    DialogRecorder dialogs;
    QTemporaryDir dir;
    WriteBytes(dir.filePath(name), "1\t2\n");
    const auto window = OpenWindow();
    StringGrid* pole2 = Pole(*window, "Pole2");
    QCOMPARE(Drop(pole2, dir.filePath(name)), !shown.isEmpty());
    QCOMPARE(ShownMatrix(pole2), shown.isEmpty() ? Rows(3, QStringList(3)) : shown);
    QCOMPARE(dialogs.messages, messages.replaceInStrings("%1", dir.filePath(name)));
    QVERIFY(!Drop(Pole(*window, "Pole5"), dir.filePath(name)));  // a result takes no files
  }

  void eachGridsMenuListsItsItems_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QStringList>("items");
    const QStringList common{"Späť\tCtrl+Z (off)",    "Znova\tCtrl+Y (off)",           "",
                             "Kopírovať\tCtrl+C",     "Kopírovať s desatinnou bodkou", "Kopírovať ako LaTeX",
                             "Kopírovať ako Markdown"};
    const QString saveCalculation = "Uložiť výpočet…\tCtrl+S";
    const QString fit = QStringLiteral("Prispôsobiť šírku stĺpcov\tCtrl+Shift+W");
    const QString steps = "Ukáž postup\tF3";
    QTest::newRow("Pole1")
        << "Pole1"
        << common + QStringList{"Vložiť\tCtrl+V", "", "Otvoriť maticu…", "Uložiť maticu…", saveCalculation, steps, fit};
    QTest::newRow("Pole3") << "Pole3" << common + QStringList{"", saveCalculation, steps, fit};
    QTest::newRow("Pole4") << "Pole4" << common + QStringList{"", "Uložiť výsledok…", saveCalculation, steps, fit};
  }
  void eachGridsMenuListsItsItems() {
    QFETCH(QString, grid);
    QFETCH(QStringList, items);
    QApplication::clipboard()->setText(QStringLiteral("1"));
    const auto window = OpenWindow();
    StringGrid* pole = Pole(*window, grid.toLatin1().constData());
    pole->setCurrentIndex(pole->model()->index(0, 0));
    QCOMPARE(MenuItems(pole), items);
  }
};

ZORVEL_WIDGET_TEST_MAIN(MatrixFilesTest)
#include "MatrixFilesTest.moc"
