// Matrices in files through the grids' context menus and by dropping a file
// on an input grid: a round trip byte for byte in both forms, what an opened
// file does to the matrix's size, files that cannot be read or written, and
// the items each grid's menu lists.

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

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
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot read)");
}

// Opens `path` into a grid through its menu, the dialog answering with it.
void OpenThroughMenu(StringGrid* grid, DialogRecorder& dialogs, const QString& path) {
  dialogs.fileAnswers = {path};
  ChooseFromMenu(grid, QStringLiteral("Otvoriť maticu"));
}

void SaveThroughMenu(StringGrid* grid, DialogRecorder& dialogs, const QString& path) {
  dialogs.fileAnswers = {path};
  ChooseFromMenu(grid, QStringLiteral("Uložiť"));
}

// Drags the file over a grid and drops it; whether the grid took the drag.
bool Drop(StringGrid* grid, const QString& path) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(path)});
  const QPointF at(10, 10);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(grid->viewport(), &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(grid->viewport(), &drop);
  QApplication::processEvents();  // the grid announces the drop once it is over
  return drop.isAccepted();
}

}  // namespace

class MatrixFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void aComplexMatrixGoesInAndOutByteForByte_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("tab-separated") << "matica.tsv";
    QTest::newRow("semicolons") << "matica.CSV";
  }
  void aComplexMatrixGoesInAndOutByteForByte() {
    QFETCH(QString, name);
    DialogRecorder dialogs;
    QTemporaryDir dir;
    const bool csv = name.endsWith(QStringLiteral("csv"), Qt::CaseInsensitive);
    QByteArray bytes;
    Rows rows;
    for (int r = 1; r <= 20; ++r) {
      QStringList row;
      for (int c = 1; c <= 10; ++c) row << QStringLiteral("%1,%2-%3i").arg(r).arg(c).arg(r * c % 7);
      if (r == 20) row[9] = QStringLiteral("-i;\"0,5\"");  // quoted in a CSV file
      rows << row;
      if (r == 20 && csv) row[9] = QStringLiteral("\"-i;\"\"0,5\"\"\"");
      bytes += row.join(csv ? u';' : u'\t').toUtf8() + '\n';
    }
    WriteBytes(dir.filePath(name), bytes);

    const auto window = OpenWindow();
    StringGrid* pole2 = Pole(*window, "Pole2");
    const int before = window->RecalculationCount();
    OpenThroughMenu(pole2, dialogs, dir.filePath(name));
    QCOMPARE(window->RecalculationCount(), before + 1);
    QCOMPARE(ShownMatrix(pole2), rows);
    QCOMPARE(Spin(*window, "SpinEdit3")->Text(), QStringLiteral("20"));
    QCOMPARE(Spin(*window, "SpinEdit4")->Text(), QStringLiteral("10"));
    QCOMPARE(window->History().Steps().count(), 1);
    QCOMPARE(dialogs.messages, QStringList());

    SaveThroughMenu(pole2, dialogs, dir.filePath("kopia-" + name));
    QCOMPARE(ReadBytes(dir.filePath("kopia-" + name)), bytes);
    QCOMPARE(dialogs.suggestions, QStringList{dir.filePath("matica-2.tsv")});  // in the folder last used
    QCOMPARE(dialogs.messages, QStringList());

    window->History().UndoAction()->trigger();  // the file's matrix goes as it came
    QCOMPARE(ShownMatrix(pole2), Rows(3, QStringList(3, QString())));
  }

  void aResultIsSavedAsShown() {
    DialogRecorder dialogs;
    QTemporaryDir dir;
    const auto window = OpenWindow();
    SetSize(*window, 1, 1, 2);
    SetSize(*window, 2, 1, 2);
    TypeMatrix(Pole(*window, "Pole1"), {{"1,25", "i"}});
    TypeMatrix(Pole(*window, "Pole2"), {{"2", "0,5"}});
    SaveThroughMenu(Pole(*window, "Pole5"), dialogs, dir.filePath("sucet.csv"));
    QCOMPARE(ReadBytes(dir.filePath("sucet.csv")), QByteArray("3,25;0,5+i\n"));
    QCOMPARE(dialogs.fileDialogs.front().section(u'|', 0, 0), QStringLiteral("Uložiť výsledok"));
  }

  void anOpenedFileGivesTheMatrixItsSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Rows>("shown");
    QTest::addColumn<QString>("message");  // "%1": the file
    QTest::newRow("quoted CSV cells, Windows line ends, a final line end")
        << "a.csv" << QByteArray("\"1,5\";\"-i\"\r\n\"2;3\";4\r\n") << Rows{{"1,5", "-i"}, {"2;3", "4"}} << QString();
    QTest::newRow("a short row's missing cells are emptied")
        << "a.tsv" << QByteArray("1\t2\t3\n4\n\n") << Rows{{"1", "2", "3"}, {"4", "", ""}} << QString();
    QTest::newRow("a UTF-8 byte order mark, no final line end")
        << "a.tsv" << QByteArray("\xEF\xBB\xBF" "7") << Rows{{"7"}} << QString();
    QByteArray large;
    for (int r = 0; r < 25; ++r) large += "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\n";
    QTest::newRow("beyond the limits")
        << "a.tsv" << large << Rows(20, QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"})
        << "Matica môže mať najviac 20 riadkov a 10 stĺpcov. Zo súboru „%1“ sa vynechalo riadkov: 5, stĺpcov: 2.";
    QTest::newRow("a cell longer than a cell holds")
        << "a.tsv" << QByteArray(40000, '9') << Rows{{QString(32767, u'9')}}
        << "Niektoré bunky zo súboru „%1“ mali viac ako 32 767 znakov. Ich text bol skrátený.";
  }
  void anOpenedFileGivesTheMatrixItsSize() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(Rows, shown);
    QFETCH(QString, message);
    DialogRecorder dialogs;
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    WriteBytes(path, bytes);
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    TypeMatrix(pole1, {{"9", "9", "9"}, {"9", "9", "9"}, {"9", "9", "9"}});
    OpenThroughMenu(pole1, dialogs, path);
    QCOMPARE(ShownMatrix(pole1), shown);
    QCOMPARE(RowHeaders(pole1).size(), shown.size());
    QCOMPARE(dialogs.messages, message.isEmpty() ? QStringList() : QStringList{message.arg(QDir::toNativeSeparators(path))});
  }

  void aFileThatCannotBeReadChangesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");  // none: no such file
    QTest::addColumn<QString>("reason");
    QTest::newRow("binary") << "a.tsv" << QByteArray("1\t2\0\x01\x02", 5) << "nie je to text (obsahuje nulové bajty)";
    QTest::newRow("not UTF-8") << "a.csv" << QByteArray("1;\xE1\n") << "nie je to text v kódovaní UTF-8";
    QTest::newRow("missing") << "nie-je.tsv" << QByteArray() << "taký súbor neexistuje";
    QTest::newRow("empty") << "a.tsv" << QByteArray("\n") << QString();
  }
  void aFileThatCannotBeReadChangesNothing() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    DialogRecorder dialogs;
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    if (!bytes.isEmpty()) WriteBytes(path, bytes);
    const auto window = OpenWindow();
    StringGrid* pole1 = Pole(*window, "Pole1");
    TypeCell(pole1, 1, 1, "5");
    const Rows before = ShownMatrix(pole1);
    const int recalculations = window->RecalculationCount();
    OpenThroughMenu(pole1, dialogs, path);
    const QString shown = QDir::toNativeSeparators(path);
    QCOMPARE(dialogs.messages, QStringList{reason.isEmpty() ? QStringLiteral("Súbor „%1“ je prázdny, neobsahuje maticu.").arg(shown)
                                                              : QStringLiteral("Súbor „%1“ sa nedá prečítať: %2.").arg(shown, reason)});
    QCOMPARE(ShownMatrix(pole1), before);
    QCOMPARE(window->RecalculationCount(), recalculations);
    QCOMPARE(window->History().Steps().count(), 1);  // the typed cell alone
  }

  void aFileThatCannotBeWrittenIsNamedAndNothingIsLeft_data() {
    QTest::addColumn<QString>("where");  // "%1": the scratch folder
    QTest::addColumn<QString>("reason");
    QTest::newRow("under a regular file") << "%1/subor.tsv/matica.tsv" << "priečinok „%1/subor.tsv“ neexistuje";
    QTest::newRow("a folder") << "%1" << "je to priečinok";
    QTest::newRow("a folder of the kernel's") << "/proc/zorvel-matica.tsv" << QString();
  }
  void aFileThatCannotBeWrittenIsNamedAndNothingIsLeft() {
    QFETCH(QString, where);
    QFETCH(QString, reason);
    DialogRecorder dialogs;
    QTemporaryDir dir;
    WriteBytes(dir.filePath("subor.tsv"), "1\n");
    const QString path = where.arg(dir.path());
    const auto window = OpenWindow();
    SaveThroughMenu(Pole(*window, "Pole1"), dialogs, path);
    QCOMPARE(dialogs.messages.size(), 1);
    const QString prefix = QStringLiteral("Súbor „%1“ sa nedá uložiť: ").arg(QDir::toNativeSeparators(path));
    QVERIFY2(dialogs.messages.front().startsWith(prefix), qPrintable(dialogs.messages.front()));
    if (!reason.isEmpty()) QCOMPARE(dialogs.messages.front(), prefix + reason.arg(dir.path()) + u'.');
    QCOMPARE(ReadBytes(dir.filePath("subor.tsv")), QByteArray("1\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"subor.tsv"});  // no temporary file left
    QVERIFY(!QFile::exists(QStringLiteral("/proc/zorvel-matica.tsv")));
  }

  void aFileDroppedOnAnInputGridOpensThere_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<Rows>("shown");
    QTest::newRow("tsv") << "a.tsv" << true << Rows{{"1", "2"}};
    QTest::newRow("csv in capitals") << "A.CSV" << true << Rows{{"1\t2"}};
    QTest::newRow("another suffix") << "a.txt" << false << Rows(3, QStringList(3, QString()));
  }
  void aFileDroppedOnAnInputGridOpensThere() {
    QFETCH(QString, name);
    QFETCH(bool, taken);
    QFETCH(Rows, shown);
    QTemporaryDir dir;
    WriteBytes(dir.filePath(name), "1\t2\n");
    const auto window = OpenWindow();
    StringGrid* pole2 = Pole(*window, "Pole2");
    QCOMPARE(Drop(pole2, dir.filePath(name)), taken);
    QCOMPARE(ShownMatrix(pole2), shown);
    QVERIFY(!Drop(Pole(*window, "Pole5"), dir.filePath(name)));  // a result grid takes no files
  }

  void eachGridsMenuListsItsItems_data() {
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QStringList>("items");
    const QStringList undo{"Späť\tCtrl+Z (off)", "Znova\tCtrl+Y (off)", ""};
    const QStringList copy{"Kopírovať\tCtrl+C", "Kopírovať s desatinnou bodkou"};
    QTest::newRow("Pole1") << "Pole1"
                           << undo + copy + QStringList{"Vložiť\tCtrl+V", "", "Otvoriť maticu…", "Uložiť maticu…"};
    QTest::newRow("Pole3") << "Pole3" << undo + copy;
    QTest::newRow("Pole5") << "Pole5" << undo + copy + QStringList{"", "Uložiť výsledok…"};
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
