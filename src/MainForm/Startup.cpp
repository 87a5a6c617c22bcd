#include "Startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>

#include "HandlerGuard.h"
#include "MatrixFile.h"
#include "MatrixFileActions.h"
#include "RegularFile.h"
#include "Session.h"

namespace zorvel {

namespace {

const QString kFresh = QStringLiteral("fresh");
const QString kLang = QStringLiteral("lang");

}  // namespace

void InitialiseApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("zorvel"));
  // The name people know it by, on the title of every message box (the
  // window's own title is the same, so nothing is added to it).
  QGuiApplication::setApplicationDisplayName(QStringLiteral("Zorvel"));
  QCoreApplication::setApplicationVersion(QStringLiteral(ZORVEL_VERSION));
}

std::unique_ptr<TMain> CreateMain() {
  auto main = std::make_unique<TMain>();
  RunGuarded([&] { main->FormCreate(); });
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    // About two thirds of the screen, so a first start has room for the
    // numbers, and never less than the window was built with.
    const QSize room = screen->availableGeometry().size() * 2 / 3;
    main->resize(main->size().expandedTo(room));
    QRect frame = main->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    main->move(frame.topLeft());
  }
  return main;
}

void AddStartOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(
      QCoreApplication::translate("Startup", "Zorvel: kalkulačka pre malé matice komplexných čísel."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(QCommandLineOption(
      kFresh, QCoreApplication::translate("Startup",
                                          "Začne s prázdnymi maticami 3 × 3 bez naposledy zachovaného stavu okna.")));
  parser.addOption(QCommandLineOption(
      kLang, QCoreApplication::translate("Startup", "Jazyk okna: sk (slovenčina) alebo en (angličtina)."),
      QStringLiteral("sk|en")));
  // The arguments' names are words of the help's language too.
  const QString file1 = QCoreApplication::translate("Startup", "súbor1");
  const QString file2 = QCoreApplication::translate("Startup", "súbor2");
  parser.addPositionalArgument(
      file1,
      QCoreApplication::translate("Startup", "Súbor s maticou 1 (.tsv, .csv, .ods, .xlsx, čísla oddelené medzerami)."),
      u'[' + file1 + u']');
  parser.addPositionalArgument(file2, QCoreApplication::translate("Startup", "Súbor s maticou 2."),
                               u'[' + file2 + u']');
}

Language StartLanguage(const QStringList& arguments) {
  QCommandLineParser parser;
  AddStartOptions(parser);
  parser.parse(arguments);  // only --lang matters here; process() reports the rest
  if (!parser.isSet(kLang)) return PreferredLanguage();
  if (const std::optional<Language> named = LanguageNamed(parser.value(kLang))) return *named;
  std::fprintf(stderr, "zorvel: --lang takes sk or en, not \"%s\"\n", qPrintable(parser.value(kLang)));
  return PreferredLanguage();
}

QString StartArgumentsRefusal(const QCommandLineParser& parser) {
  const qsizetype files = parser.positionalArguments().size();
  if (files <= 2) return {};
  return QStringLiteral("zorvel: ") +
         QCoreApplication::translate("Startup", "otvoria sa najviac dva súbory, jeden do každej matice; daných je %1")
             .arg(files);
}

QString UserSessionPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/zorvel/zorvel.ini");
}

std::unique_ptr<QSettings> StartSessionSettings(QString& refusal) {
  const QString path = UserSessionPath();
  const QString reason = NotRegularFileReason(path);
  if (reason.isEmpty()) {
    refusal.clear();
    return UserSessionSettings();
  }
  refusal =
      QCoreApplication::translate("Startup", "Zachovaný stav okna sa nedá obnoviť: súbor „%1“ sa nedá prečítať, %2.")
          .arg(ShownPath(path), reason);
  return std::make_unique<QSettings>(QString(), QSettings::IniFormat);  // no file: nothing to read
}

std::unique_ptr<TMain> StartMain(const QCommandLineParser& parser, const QSettings& settings) {
  auto main = CreateMain();
  if (!parser.isSet(kFresh)) RunGuarded([&] { RestoreSession(*main, settings); });
  return main;
}

void OpenStartFiles(TMain& main, const QCommandLineParser& parser) {
  const QStringList files = parser.positionalArguments();
  StringGrid* const poles[] = {main.Pole1, main.Pole2};
  for (qsizetype i = 0; i < std::min<qsizetype>(files.size(), 2); ++i) {
    RunGuarded([&] { main.Files().OpenFile(poles[i], files[i]); });
  }
}

}  // namespace zorvel
