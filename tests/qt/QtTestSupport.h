#pragma once
// Window tests run on the offscreen platform unless told otherwise, and run
// every modal dialog through an answerer instead of waiting for a user.
#include <QApplication>
#include <QtTest>

#define SVPASS_QTEST_MAIN(TestClass)                                    \
  int main(int argc, char** argv) {                                     \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                 \
      qputenv("QT_QPA_PLATFORM", "offscreen");                          \
    QApplication app(argc, argv);                                       \
    TestClass test;                                                     \
    return QTest::qExec(&test, argc, argv);                             \
  }
