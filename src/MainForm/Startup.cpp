#include "Startup.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include "HandlerGuard.h"
#include "Session.h"

namespace zorvel {

namespace {

const QString kFresh = QStringLiteral("fresh");

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
  parser.setApplicationDescription(QStringLiteral("Zorvel: kalkulačka pre malé matice komplexných čísel."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(QCommandLineOption(
      kFresh, QStringLiteral("Začne s prázdnymi maticami 3 × 3 bez naposledy zachovaného stavu okna.")));
}

std::unique_ptr<TMain> StartMain(const QCommandLineParser& parser, const QSettings& settings) {
  auto main = CreateMain();
  if (!parser.isSet(kFresh)) RunGuarded([&] { RestoreSession(*main, settings); });
  return main;
}

}  // namespace zorvel
