// Zorvel: a calculator for small matrices of complex numbers.
#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#include "Dialogs.h"
#include "Session.h"
#include "Startup.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  zorvel::InitialiseApplication();
  zorvel::UseLanguage(zorvel::StartLanguage(QCoreApplication::arguments()));
  QCommandLineParser parser;
  zorvel::AddStartOptions(parser);
  parser.process(application);
  // The last session comes back here rather than in CreateMain, so that a
  // window made anywhere else starts as the program always has.
  const auto session = zorvel::UserSessionSettings();
  const auto main = zorvel::StartMain(parser, *session);
  main->show();
  zorvel::OpenStartFiles(*main, parser);
  const int status = QApplication::exec();
  // Said even though the window is gone: what it showed is not there next time.
  const QString notKept = zorvel::KeepSession(*main, session->fileName());
  if (!notKept.isEmpty()) zorvel::ShowMessageBox(notKept);
  return status;
}
