// Zorvel: a calculator for small matrices of complex numbers.
#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#include "Dialogs.h"
#include "Session.h"
#include "Startup.h"

namespace {

// Whether the arguments ask only for the help or the version, which need no
// display: they are answered without one.
bool AsksForTextOnly(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const QLatin1StringView argument(argv[i]);
    if (argument == "-h" || argument == "--help" || argument == "--help-all" || argument == "-v" ||
        argument == "--version")
      return true;
  }
  return false;
}

int AnswerInText(int argc, char* argv[]) {
  const QCoreApplication application(argc, argv);
  zorvel::InitialiseApplication();
  zorvel::UseLanguage(zorvel::StartLanguage(QCoreApplication::arguments()));
  QCommandLineParser parser;
  zorvel::AddStartOptions(parser);
  parser.process(application);  // prints and ends the program
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (AsksForTextOnly(argc, argv)) return AnswerInText(argc, argv);
  QApplication application(argc, argv);
  zorvel::InitialiseApplication();
  zorvel::UseLanguage(zorvel::StartLanguage(QCoreApplication::arguments()));
  QCommandLineParser parser;
  zorvel::AddStartOptions(parser);
  parser.process(application);
  // The last session comes back here rather than in CreateMain, so that a
  // window made anywhere else starts as the program always has.
  QString sessionRefusal;
  const auto session = zorvel::StartSessionSettings(sessionRefusal);
  const QString sessionPath = zorvel::UserSessionPath();
  const auto main = zorvel::StartMain(parser, *session);
  main->show();
  if (!sessionRefusal.isEmpty()) zorvel::ShowMessageBox(sessionRefusal);
  zorvel::OpenStartFiles(*main, parser);
  const int status = QApplication::exec();
  // Said even though the window is gone: what it showed is not there next time.
  const QString notKept = zorvel::KeepSession(*main, sessionPath);
  if (!notKept.isEmpty()) zorvel::ShowMessageBox(notKept);
  return status;
}
