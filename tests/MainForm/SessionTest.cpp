// The last session back: what a window keeps comes back in a window made
// again; --fresh and settings that cannot be read start as always; a value
// damaged by hand is left out and the rest comes back.

#include <QCheckBox>
#include <QComboBox>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "InputHistory.h"
#include "PlatformRecorders.h"
#include "Session.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

namespace {

using Rows = QList<QStringList>;

const Rows kMatrix1{{"1,5-i", "2", ""}, {"-i", "0", "4,25"}};
const Rows kMatrix2{{"1", "2"}, {"3", "4"}, {"5", "6+i"}};

// The window as the program starts it with `arguments` and the settings
// file at `path`.
std::unique_ptr<TMain> Start(const QString& path, const QStringList& arguments = {}) {
  QCommandLineParser parser;
  AddStartOptions(parser);
  parser.parse(QStringList{QStringLiteral("zorvel")} + arguments);
  auto window = StartMain(parser, QSettings(path, QSettings::IniFormat));
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
  OpenStartFiles(*window, parser);
  return window;
}

QStringList Input(const TMain& window) {
  QStringList lines;
  for (const char* name : {"SpinEdit1", "SpinEdit2", "SpinEdit3", "SpinEdit4", "DesM"})
    lines << Spin(window, name)->Text();
  lines << Find<QComboBox>(window, "ComboBox1")->currentText() << Label(window, "Label21")->text();
  for (const char* name : {"Pole1", "Pole2", "Pole5"}) {
    for (const QStringList& row : ShownMatrix(Pole(window, name))) lines << row.join(u'|');
  }
  return lines;
}

// Keeps a window with something in every part of the session in `path`.
void KeepASession(const QString& path) {
  const auto window = OpenWindow();
  SetSize(*window, 1, 2, 3);
  SetSize(*window, 2, 3, 2);
  Paste(Pole(*window, "Pole1"), 1, 1, "1,5-i\t2\t\n-i\t0\t4,25\n");
  Paste(Pole(*window, "Pole2"), 1, 1, "1\t2\n3\t4\n5\t6+i\n");
  ChooseOperation(*window, 3);
  TypeSpin(Spin(*window, "DesM"), "5");
  QTest::mouseClick(Find<QCheckBox>(*window, "CheckBoxPresne"), Qt::LeftButton);
  Pole(*window, "Pole1")->grid().SetColWidths(2, 77);
  Pole(*window, "Pole5")->grid().SetColWidths(1, 55);
  window->resize(810, 530);
  QCOMPARE(KeepSession(*window, path), QString());
}

}  // namespace

class SessionTest : public QObject {
  Q_OBJECT

 private slots:
  // A kept file cut short, binary or not the program's is moved aside, said
  // once, and what can be read of it still comes back; a sound one stays.
  void aDamagedSessionIsSetAsideAndSaid_data() {
    QTest::addColumn<int>("cut");  // bytes of the kept file left; -1 all of them
    QTest::addColumn<QByteArray>("added");
    QTest::addColumn<bool>("damaged");
    QTest::newRow("sound") << -1 << QByteArray() << false;
    QTest::newRow("cut short") << 60 << QByteArray() << true;
    QTest::newRow("binary") << -1 << QByteArray("\0\x01\xff\xfe", 4) << true;
    QTest::newRow("not its own") << 0 << QByteArray("[other]\nkey=1\n") << true;
  }
  void aDamagedSessionIsSetAsideAndSaid() {
    QFETCH(int, cut);
    QFETCH(QByteArray, added);
    QFETCH(bool, damaged);
    QTemporaryDir dir;
    const QString path = dir.filePath("zorvel.ini");
    KeepASession(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    file.close();
    if (cut >= 0) bytes.truncate(cut);
    bytes += added;
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    QSettings settings(path, QSettings::IniFormat);
    const QString said = SetAsideDamagedSession(settings);
    QCOMPARE(!said.isEmpty(), damaged);
    QCOMPARE(QFileInfo::exists(path + ".damaged"), damaged);
    QCOMPARE(QFileInfo::exists(path), !damaged);
    if (damaged) {
      QVERIFY(said.contains(path + ".damaged"));
      QSettings again(path, QSettings::IniFormat);
      QCOMPARE(SetAsideDamagedSession(again), QString());  // nothing left to set aside
    }
  }

  // Keys the program does not know (a newer version's) survive a closing.
  void keysItDoesNotKnowAreKept() {
    QTemporaryDir dir;
    const QString path = dir.filePath("zorvel.ini");
    KeepASession(path);
    {
      QSettings newer(path, QSettings::IniFormat);
      newer.setValue("calculation/theme", "dark");
      newer.setValue("future/list", QStringList{"a", "b"});
    }
    const auto window = OpenWindow();
    QCOMPARE(KeepSession(*window, path), QString());
    const QSettings kept(path, QSettings::IniFormat);
    QCOMPARE(kept.value("calculation/theme").toString(), QStringLiteral("dark"));
    QCOMPARE(kept.value("future/list").toStringList(), QStringList({"a", "b"}));
    QCOMPARE(kept.value("calculation/places").toInt(), 3);
  }

  // Nothing here may touch the user's own settings, whatever goes wrong.
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void aKeptSessionComesBackInAWindowMadeAgain() {
    QTemporaryDir dir;
    KeepASession(dir.filePath("zorvel.ini"));
    const int startUp = CreateMain()->RecalculationCount();
    const auto window = Start(dir.filePath("zorvel.ini"));
    QCOMPARE(window->RecalculationCount(), startUp + 1);
    QCOMPARE(ShownMatrix(Pole(*window, "Pole1")), kMatrix1);
    QCOMPARE(ShownMatrix(Pole(*window, "Pole2")), kMatrix2);
    QCOMPARE(RowHeaders(Pole(*window, "Pole2")), QStringList({"1", "2", "3"}));
    QCOMPARE(Label(*window, "Label21")->text(), QStringLiteral("Zaokrúhľovať na             desatinných miest"));
    QVERIFY(Find<QCheckBox>(*window, "CheckBoxPresne")->isChecked());
    QCOMPARE(ShownMatrix(Pole(*window, "Pole5")),
             Rows({{"7,5-i", "11-2i"}, {"21,25-i", "25,5+2,25i"}}));  // the product
    QCOMPARE(Pole(*window, "Pole1")->grid().ColWidths(2) + Pole(*window, "Pole5")->grid().ColWidths(1), 77 + 55);
    QCOMPARE(window->size(), QSize(810, 530));
    QCOMPARE(window->History().Steps().count(), 0);
    TypeSpin(Spin(*window, "SpinEdit1"), "1");  // the size handlers work after the quiet restoring
    QCOMPARE(Pole(*window, "Pole1")->grid().RowCount(), 2);
  }

  void theWindowStartsAsAlways_data() {
    QTest::addColumn<QByteArray>("file");  // "kept": a kept session
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("--fresh") << QByteArray("kept") << QStringList{"--fresh"};
    QTest::newRow("no settings") << QByteArray() << QStringList();
    QTest::newRow("settings that cannot be read") << QByteArray("[matrix1\nrows=2\n") << QStringList();
    QTest::newRow("binary garbage") << QByteArray(
                                           "\x7f"
                                           "ELF\x02\0\0[\xff\xfe=",
                                           11)
                                    << QStringList();
  }
  void theWindowStartsAsAlways() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    const QString path = dir.filePath("zorvel.ini");
    QFile damaged(path);
    if (file == "kept") {
      KeepASession(path);
    } else if (!file.isEmpty() && damaged.open(QIODevice::WriteOnly)) {
      damaged.write(file);
      damaged.close();
    }
    const QStringList startUp = Input(*CreateMain());
    QCOMPARE(Input(*Start(path, arguments)), startUp);
  }

  // As the desktop hands files over: zorvel FILE1 FILE2.
  void filesOnTheCommandLineOpenIntoTheMatrices() {
    QTemporaryDir dir;
    KeepASession(dir.filePath("zorvel.ini"));
    QFile a(dir.filePath("a.csv")), b(dir.filePath("b.tsv"));
    QVERIFY(a.open(QIODevice::WriteOnly) && b.open(QIODevice::WriteOnly));
    a.write("1;2\n3;4\n");
    b.write("5\n");
    a.close();
    b.close();
    const auto window = Start(dir.filePath("zorvel.ini"), {a.fileName(), b.fileName()});
    QCOMPARE(ShownMatrix(Pole(*window, "Pole1")), Rows({{"1", "2"}, {"3", "4"}}));
    QCOMPARE(ShownMatrix(Pole(*window, "Pole2")), Rows({{"5"}}));
  }

  void aValueDamagedByHandIsLeftOut_data() {
    QTest::addColumn<QString>("line");  // [group] key=value, in place of the kept one
    QTest::addColumn<QString>("spin");
    QTest::addColumn<QString>("shown");  // the spin edit's text
    QTest::addColumn<Rows>("matrix1");
    QTest::newRow("rows 300") << "[matrix1] rows=300"
                              << "SpinEdit1"
                              << "20" << kMatrix1 + Rows(18, QStringList(3));
    QTest::newRow("rows as a word") << "[matrix1] rows=dva"
                                    << "SpinEdit1"
                                    << "3" << kMatrix1 + Rows(1, QStringList(3));
    QTest::newRow("operation 7") << "[calculation] operation=7"
                                 << "SpinEdit1"
                                 << "2" << kMatrix1;
    QTest::newRow("a ragged matrix") << "[matrix1] cells=1\\t2\\t3\\t4\\n5\\n\\n\\n"
                                     << "SpinEdit1"
                                     << "2" << Rows{{"1", "2", "3"}, {"5", "", ""}};
    QTest::newRow("a huge matrix") << "[matrix1] cells=" + QString(6 * 32768 + 1, u'x') << "SpinEdit2"
                                   << "3" << Rows(2, QStringList(3));
    QTest::newRow("geometry") << "[window] geometry=@ByteArray(nonsense)"
                              << "DesM"
                              << "5" << kMatrix1;
    QTest::newRow("column widths") << "[columnWidths] Pole1=a, -5, 99999"
                                   << "DesM"
                                   << "5" << kMatrix1;
  }
  void aValueDamagedByHandIsLeftOut() {
    QFETCH(QString, line);
    QFETCH(QString, spin);
    QFETCH(QString, shown);
    QFETCH(Rows, matrix1);
    DialogRecorder dialogs;
    QTemporaryDir dir;
    const QString path = dir.filePath("zorvel.ini");
    KeepASession(path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    file.close();
    const QString key = line.section(u' ', 1).section(u'=', 0, 0);
    for (qsizetype i = lines.indexOf(line.section(u' ', 0, 0)) + 1; i < lines.size() && !lines[i].startsWith(u'[');
         ++i) {
      if (lines[i].startsWith(key + u'=')) lines[i] = line.section(u' ', 1);
    }
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(lines.join(u'\n').toUtf8());
    file.close();

    const auto window = Start(path);
    QCOMPARE(Spin(*window, spin.toLatin1().constData())->Text(), shown);
    QCOMPARE(ShownMatrix(Pole(*window, "Pole1")), matrix1);
    QCOMPARE(ShownMatrix(Pole(*window, "Pole2")), kMatrix2);  // the rest comes back
    for (int col = 0; col < 4; ++col) {
      const int width = Pole(*window, "Pole1")->grid().ColWidths(col);
      QVERIFY(width >= 4 && width <= 2000);  // a width out of reason is brought back into it
    }
    QCOMPARE(dialogs.errors, QStringList());
  }
};

ZORVEL_WIDGET_TEST_MAIN(SessionTest)
#include "SessionTest.moc"
