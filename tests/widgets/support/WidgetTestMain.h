#pragma once

// main() for a widget test: runs without a display unless told otherwise,
// and a message box that no test expected fails the test instead of waiting
// for a click that never comes.

#include <QApplication>
#include <QtTest>

#include "Dialogs.h"

namespace zorvel::test {

class UnexpectedDialogs : public DialogHook {
 public:
  void Message(const QString& text) override { Fail(QStringLiteral("message box: ") + text); }
  void Error(const QString& text) override { Fail(QStringLiteral("error box: ") + text); }
  QString OpenFileName(const QString& caption, const QString&, const QString&) override {
    Fail(QStringLiteral("file dialog: ") + caption);
    return {};
  }
  QString SaveFileName(const QString& caption, const QString&, const QString&) override {
    Fail(QStringLiteral("file dialog: ") + caption);
    return {};
  }

 private:
  static void Fail(const QString& what) {
    QTest::qFail(qPrintable(QStringLiteral("unexpected ") + what), __FILE__, __LINE__);
  }
};

}  // namespace zorvel::test

#define ZORVEL_WIDGET_TEST_MAIN(TestClass)                      \
  int main(int argc, char** argv) {                             \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {       \
      qputenv("QT_QPA_PLATFORM", "offscreen");                  \
    }                                                           \
    QApplication app(argc, argv);                               \
    QApplication::setApplicationName(QStringLiteral("zorvel")); \
    zorvel::test::UnexpectedDialogs unexpectedDialogs;          \
    zorvel::InstallDialogHook(&unexpectedDialogs);              \
    TestClass test;                                             \
    return QTest::qExec(&test, argc, argv);                     \
  }
