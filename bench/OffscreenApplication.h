#pragma once

// The application the window benchmarks run in: offscreen, and with no modal
// box that could stop a benchmark (messages and error reports are dropped).
#include <QApplication>

#include "Dialogs.h"

namespace zorvel::bench {

inline QApplication& OffscreenApplication() {
  class SilentDialogs : public DialogHook {
   public:
    void Message(const QString& /*text*/) override {}
    void Error(const QString& /*text*/) override {}
  };
  static int argc = 1;
  static char name[] = "zorvel_bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(argc, argv);
  static SilentDialogs silent;
  InstallDialogHook(&silent);
  return application;
}

}  // namespace zorvel::bench
