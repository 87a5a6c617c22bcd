#include "Startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include <algorithm>
#include <cstdio>

#include "HandlerGuard.h"
#include "MatrixFileActions.h"
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
  parser.addPositionalArgument(QStringLiteral("súbor1"),
                               QCoreApplication::translate("Startup", "Súbor s maticou 1 (.tsv alebo .csv)."),
                               QStringLiteral("[súbor1]"));
  parser.addPositionalArgument(QStringLiteral("súbor2"), QCoreApplication::translate("Startup", "Súbor s maticou 2."),
                               QStringLiteral("[súbor2]"));
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
