// The last session back: what a window keeps comes back in a window made
// again; --fresh, missing or unreadable settings start as the program always
// has; a value damaged by hand is left out and the rest comes back.

#include <QCommandLineParser>
#include <QComboBox>
#include <QDir>
#include <QFile>
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

// The window as the program starts it with `arguments` and the settings
// file at `path`.
std::unique_ptr<TMain> Start(const QString& path, const QStringList& arguments = {}) {
  QCommandLineParser parser;
  AddStartOptions(parser);
  if (!parser.parse(QStringList{QStringLiteral("zorvel")} + arguments)) qFatal("%s", qPrintable(parser.errorText()));
  const QSettings settings(path, QSettings::IniFormat);
  auto window = StartMain(parser, settings);
  window->show();
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
  return window;
}

// What start-up shows, for comparing with a window that should show the same.
QStringList Input(const TMain& window) {
  QStringList lines;
  for (const char* name : {"SpinEdit1", "SpinEdit2", "SpinEdit3", "SpinEdit4", "DesM"}) lines << Spin(window, name)->Text();
  lines << Find<QComboBox>(window, "ComboBox1")->currentText() << Label(window, "Label21")->text();
  for (const char* name : {"Pole1", "Pole2", "Pole5"}) {
    for (const QStringList& row : ShownMatrix(Pole(window, name))) lines << row.join(u'|');
  }
  return lines;
}

// A window with something in every part of the session, kept in `path`.
void KeepASession(const QString& path) {
  const auto window = OpenWindow();
  SetSize(*window, 1, 2, 3);
  SetSize(*window, 2, 3, 2);
  Paste(Pole(*window, "Pole1"), 1, 1, "1,5-i\t2\t\n-i\t0\t4,25\n");
  Paste(Pole(*window, "Pole2"), 1, 1, "1\t2\n3\t4\n5\t6+i\n");
  ChooseOperation(*window, 3);
  TypeSpin(Spin(*window, "DesM"), "5");
  Pole(*window, "Pole1")->grid().SetColWidths(2, 77);
  Pole(*window, "Pole5")->grid().SetColWidths(1, 55);
  window->resize(810, 530);
  QSettings settings(path, QSettings::IniFormat);
  KeepSession(*window, settings);
}

}  // namespace

class SessionTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void aKeptSessionComesBackInAWindowMadeAgain() {
    QTemporaryDir dir;
    const QString path = dir.filePath("zorvel.ini");
    KeepASession(path);
    const int startUp = CreateMain()->RecalculationCount();

    const auto window = Start(path);
    QCOMPARE(window->RecalculationCount(), startUp + 1);
    QCOMPARE(ShownMatrix(Pole(*window, "Pole1")), Rows({{"1,5-i", "2", ""}, {"-i", "0", "4,25"}}));
    QCOMPARE(ShownMatrix(Pole(*window, "Pole2")), Rows({{"1", "2"}, {"3", "4"}, {"5", "6+i"}}));
    QCOMPARE(RowHeaders(Pole(*window, "Pole2")), QStringList({"1", "2", "3"}));
    QCOMPARE(Find<QComboBox>(*window, "ComboBox1")->currentIndex(), 3);
    QCOMPARE(Spin(*window, "DesM")->Text(), QStringLiteral("5"));
    QCOMPARE(Label(*window, "Label21")->text(), QStringLiteral("Zaokrúhľovať na             desatinných miest"));
    QCOMPARE(ShownMatrix(Pole(*window, "Pole5")), Rows({{"7,5-i", "11-2i"}, {"21,25-i", "25,5+2,25i"}}));
    QCOMPARE(Pole(*window, "Pole1")->grid().ColWidths(2), 77);
    QCOMPARE(Pole(*window, "Pole5")->grid().ColWidths(1), 55);
    QCOMPARE(window->size(), QSize(810, 530));
    QCOMPARE(window->History().Steps().count(), 0);
    // The size handlers work on after the quiet restoring.
    TypeSpin(Spin(*window, "SpinEdit1"), "1");
    QCOMPARE(Pole(*window, "Pole1")->grid().RowCount(), 2);
  }

  void theWindowStartsAsAlways_data() {
    QTest::addColumn<QByteArray>("file");  // "kept": a kept session
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("--fresh") << QByteArray("kept") << QStringList{"--fresh"};
    QTest::newRow("no settings") << QByteArray() << QStringList();
    QTest::newRow("settings that cannot be read") << QByteArray("[matrix1\nrows=2\n") << QStringList();
    QTest::newRow("binary garbage") << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\0[\xff\xfe=", 16) << QStringList();
  }
  void theWindowStartsAsAlways() {
    QFETCH(QByteArray, file);
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    const QString path = dir.filePath("zorvel.ini");
    if (file == "kept") {
      KeepASession(path);
    } else if (!file.isEmpty()) {
      QFile damaged(path);
      QVERIFY(damaged.open(QIODevice::WriteOnly));
      damaged.write(file);
    }
    const QStringList startUp = Input(*CreateMain());
    const auto window = Start(path, arguments);
    QCOMPARE(Input(*window), startUp);
  }

  // The user's own file is where QStandardPaths says, here the scratch
  // folder of test mode; a window made without StartMain never reads it.
  void onlyTheProgramStartReadsTheUsersFile() {
    const auto user = UserSessionSettings();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QCOMPARE(user->fileName(), folder + QStringLiteral("/zorvel/zorvel.ini"));
    KeepASession(user->fileName());
    const QStringList startUp = Input(*OpenWindow());
    QVERIFY(QFile::remove(user->fileName()));
    QDir(folder).rmdir(QStringLiteral("zorvel"));
    QCOMPARE(startUp.mid(0, 5), QStringList({"3", "3", "3", "3", "3"}));
    QCOMPARE(startUp.at(5), QStringLiteral("Súčet matíc"));
  }

  void aValueDamagedByHandIsLeftOut_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");  // as the file holds it
    QTest::addColumn<QString>("spin");
    QTest::addColumn<QString>("shown");  // the spin edit's text
    QTest::addColumn<Rows>("matrix1");
    const Rows kept{{"1,5-i", "2", ""}, {"-i", "0", "4,25"}};
    QTest::newRow("rows 300") << "matrix1/rows" << "300" << "SpinEdit1" << "20" << (kept + Rows(18, QStringList(3)));
    QTest::newRow("rows -4") << "matrix1/rows" << "-4" << "SpinEdit1" << "1" << kept.mid(0, 1);
    QTest::newRow("rows as a word") << "matrix1/rows" << "dva" << "SpinEdit1" << "3" << (kept + Rows{{"", "", ""}});
    QTest::newRow("columns as a list") << "matrix1/columns" << "2, 3" << "SpinEdit2" << "3" << kept;
    QTest::newRow("operation 7") << "calculation/operation" << "7" << "SpinEdit1" << "2" << kept;
    QTest::newRow("places 99") << "calculation/places" << "99" << "DesM" << "9" << kept;
    QTest::newRow("a ragged matrix") << "matrix1/cells" << "1\\t2\\t3\\t4\\n5\\n\\n\\n\\n" << "SpinEdit1" << "2"
                                     << Rows{{"1", "2", "3"}, {"5", "", ""}};
    QTest::newRow("a huge matrix") << "matrix1/cells" << QString(2 * 3 * 32768 + 1, u'7') << "SpinEdit2" << "3"
                                   << Rows(2, QStringList(3));
    QTest::newRow("a huge cell") << "matrix1/cells" << QString(40000, u'x') << "SpinEdit2" << "3"
                                 << Rows{{QString(32767, u'x'), "", ""}, {"", "", ""}};
    QTest::newRow("geometry") << "window/geometry" << "@ByteArray(nonsense)" << "DesM" << "5" << kept;
    QTest::newRow("column widths") << "columnWidths/Pole1" << "a, -5, 99999" << "DesM" << "5" << kept;
  }
  void aValueDamagedByHandIsLeftOut() {
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, spin);
    QFETCH(QString, shown);
    QFETCH(Rows, matrix1);
    DialogRecorder dialogs;
    QTemporaryDir dir;
    const QString path = dir.filePath("zorvel.ini");
    KeepASession(path);
    // Put the damaged line in place of the kept one, as an editor would.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    file.close();
    const QString group = key.section(u'/', 0, 0);
    const QString name = key.section(u'/', 1);
    const qsizetype start = lines.indexOf(u'[' + group + u']');
    QVERIFY(start >= 0);
    for (qsizetype i = start + 1; i < lines.size() && !lines[i].startsWith(u'['); ++i) {
      if (lines[i].startsWith(name + u'=')) lines[i] = name + u'=' + value;
    }
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(lines.join(u'\n').toUtf8());
    file.close();

    const auto window = Start(path);
    QCOMPARE(Spin(*window, spin.toLatin1().constData())->Text(), shown);
    QCOMPARE(ShownMatrix(Pole(*window, "Pole1")), matrix1);
    QCOMPARE(ShownMatrix(Pole(*window, "Pole2")), Rows({{"1", "2"}, {"3", "4"}, {"5", "6+i"}}));  // the rest restores
    QCOMPARE(Pole(*window, "Pole5")->grid().ColWidths(1), 55);
    for (int col = 0; col < Pole(*window, "Pole1")->grid().ColCount(); ++col) {
      const int width = Pole(*window, "Pole1")->grid().ColWidths(col);
      QVERIFY(width >= 4 && width <= 2000);
    }
    QCOMPARE(dialogs.errors, QStringList());
  }
};

ZORVEL_WIDGET_TEST_MAIN(SessionTest)
#include "SessionTest.moc"
