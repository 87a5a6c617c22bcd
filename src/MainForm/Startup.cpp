#include "Startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include <cstdio>

#include "HandlerGuard.h"
#include "Session.h"

namespace zorvel {

namespace {

const QString kFresh = QStringLiteral("fresh");
const QString kLang = QStringLiteral("lang");

}  // namespace

void InitialiseApplication() {
  QCoreApplication::setApplicationName(QStringLiteral("zorvel"));
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
  parser.setApplicationDescription(QCoreApplication::translate("Startup", "Zorvel: kalkulačka pre malé matice komplexných čísel."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(QCommandLineOption(
      kFresh,
      QCoreApplication::translate("Startup", "Začne s prázdnymi maticami 3 × 3 bez naposledy zachovaného stavu okna.")));
  parser.addOption(QCommandLineOption(
      kLang, QCoreApplication::translate("Startup", "Jazyk okna: sk (slovenčina) alebo en (angličtina)."),
      QStringLiteral("sk|en")));
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

std::unique_ptr<TMain> StartMain(const QCommandLineParser& parser, const QSettings& settings) {
  auto main = CreateMain();
  if (!parser.isSet(kFresh)) RunGuarded([&] { RestoreSession(*main, settings); });
  return main;
}

}  // namespace zorvel
