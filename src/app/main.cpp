// Zorvel: a calculator for small matrices of complex numbers.
#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#include <cstdio>

#include "Dialogs.h"
#include "ScratchCopies.h"
#include "Session.h"
#include "Startup.h"
#include "StatusLine.h"
#include "TMain.h"

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
  if (const QString refused = zorvel::StartArgumentsRefusal(parser); !refused.isEmpty()) {
    std::fprintf(stderr, "%s\n", qPrintable(refused));
    return 2;
  }
  // The last session comes back here rather than in CreateMain, so that a
  // window made anywhere else starts as the program always has.
  QString sessionRefusal;
  const auto session = zorvel::StartSessionSettings(sessionRefusal);
  const QString sessionPath = zorvel::UserSessionPath();
  // What a run killed while saving left behind, beside the files it knows of.
  zorvel::ClearOldSessionScratch();
  zorvel::ClearScratchBeside(sessionPath);
  for (const QString& file : parser.positionalArguments()) zorvel::ClearScratchBeside(file);
  const QString damaged = zorvel::SetAsideDamagedSession(*session);
  const auto main = zorvel::StartMain(parser, *session);
  main->show();
  if (!sessionRefusal.isEmpty()) zorvel::ShowMessageBox(sessionRefusal);
  if (!damaged.isEmpty()) main->StatusLine1->SetNotice(damaged);
  zorvel::OpenStartFiles(*main, parser);
  const int status = QApplication::exec();
  // Said even though the window is gone: what it showed is not there next time.
  const QString notKept = zorvel::KeepSession(*main, sessionPath);
  if (!notKept.isEmpty()) zorvel::ShowMessageBox(notKept);
  return status;
}
