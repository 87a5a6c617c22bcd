#include "Startup.h"

#include <QApplication>
#include <QScreen>

#include "HandlerGuard.h"

namespace zorvel {

void InitialiseApplication() { QCoreApplication::setApplicationName(QStringLiteral("zorvel")); }

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

}  // namespace zorvel
