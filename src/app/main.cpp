// Zorvel: a calculator for small matrices of complex numbers.
#include <QApplication>

#include "Startup.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  zorvel::InitialiseApplication();
  const auto main = zorvel::CreateMain();
  main->show();
  return QApplication::exec();
}
