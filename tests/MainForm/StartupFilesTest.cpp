// What start-up reads that is not a regular file: a FIFO or a device as the
// kept session, or as a file named on the command line, is refused with the
// reason instead of holding the start.

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>

#include "PlatformRecorders.h"
#include "Session.h"
#include "WidgetTestMain.h"
#include "WindowDriver.h"

using namespace zorvel;
using namespace zorvel::test;

class StartupFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void theSessionPathIsWhereQSettingsKeepsIt() { QCOMPARE(UserSessionPath(), UserSessionSettings()->fileName()); }

  void aKeptSessionThatIsAFifoIsNotRead() {
    const QString path = UserSessionPath();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile::remove(path);
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const auto removeFifo = qScopeGuard([&path] { QFile::remove(path); });
    QString refusal;
    const auto settings = StartSessionSettings(refusal);
    QCOMPARE(refusal, QString::fromUtf8(
                          "Zachovaný stav okna sa nedá obnoviť: súbor „%1“ sa nedá prečítať, je to pomenovaná rúra "
                          "(FIFO), nie obyčajný súbor.")
                          .arg(path));
    QVERIFY(settings->allKeys().isEmpty());
  }

  void aFileNamedAtStartThatIsAFifoIsRefused() {
    DialogRecorder dialogs;
    QTemporaryDir dir;
    const QString fifo = dir.filePath("a.tsv");
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QCommandLineParser parser;
    AddStartOptions(parser);
    parser.parse({"zorvel", "--fresh", fifo});
    const auto window = StartMain(parser, QSettings(QString(), QSettings::IniFormat));
    OpenStartFiles(*window, parser);
    QCOMPARE(dialogs.messages,
             QStringList{QString::fromUtf8("Súbor „%1“ sa nedá prečítať: je to pomenovaná rúra (FIFO), nie obyčajný "
                                           "súbor.")
                             .arg(fifo)});
  }
};

ZORVEL_WIDGET_TEST_MAIN(StartupFilesTest)
#include "StartupFilesTest.moc"
