// zorvel-calc: Zorvel's calculations on the command line.
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <csignal>
#include <cstdio>

#include "CalcCommand.h"
#include "CalcTexts.h"

int main(int argc, char* argv[]) {
  // A reader that closes the output early (| head) makes writing fail, which
  // ends the run with its listed code, instead of killing it with SIGPIPE.
  std::signal(SIGPIPE, SIG_IGN);
  QCoreApplication application(argc, argv);
  zorvel::UseCalcLanguage(QCoreApplication::arguments().mid(1));
  QFile standardInput;
  if (!standardInput.open(stdin, QIODevice::ReadOnly)) return zorvel::kCalcTrouble;
  QTextStream out(stdout);
  QTextStream err(stderr);
  return zorvel::RunCalc(QCoreApplication::arguments().mid(1), standardInput, out, err);
}
