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

int main(int argc, char* argv[]) {
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
  const auto session = zorvel::UserSessionSettings();
  // What a run killed while saving left behind, beside the files it knows of.
  zorvel::ClearOldSessionScratch();
  zorvel::ClearScratchBeside(session->fileName());
  for (const QString& file : parser.positionalArguments()) zorvel::ClearScratchBeside(file);
  const QString damaged = zorvel::SetAsideDamagedSession(*session);
  const auto main = zorvel::StartMain(parser, *session);
  main->show();
  if (!damaged.isEmpty()) main->StatusLine1->ShowNotice(damaged);
  zorvel::OpenStartFiles(*main, parser);
  const int status = QApplication::exec();
  // Said even though the window is gone: what it showed is not there next time.
  const QString notKept = zorvel::KeepSession(*main, session->fileName());
  if (!notKept.isEmpty()) zorvel::ShowMessageBox(notKept);
  return status;
}
