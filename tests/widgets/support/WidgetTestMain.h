#pragma once

// main() for a widget test: runs without a display unless told otherwise.

#include <QApplication>
#include <QtTest>

#define ZORVEL_WIDGET_TEST_MAIN(TestClass)                                          \
  int main(int argc, char** argv) {                                                 \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {                           \
      qputenv("QT_QPA_PLATFORM", "offscreen");                                      \
    }                                                                               \
    QApplication app(argc, argv);                                                   \
    QApplication::setApplicationName(QStringLiteral("zorvel"));                     \
    TestClass test;                                                                 \
    return QTest::qExec(&test, argc, argv);                                         \
  }
