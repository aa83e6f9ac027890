#pragma once

#include <QObject>

// Test classes of one test binary register themselves, so that several people can add test
// files to a binary without touching a shared main:
//
//   class VereinDialogTest : public QObject { ... };
//   KALVOR_REGISTER_TEST(VereinDialogTest)
//
// runRegisteredTests() runs them all (in the order of their names) with QTest::qExec.
using TestFactory = QObject *(*)();
int registerTest(const char *name, TestFactory factory);
int runRegisteredTests(int argc, char **argv);

#define KALVOR_REGISTER_TEST(Class)                                                                \
    static const int Class##Registration =                                                        \
        registerTest(#Class, []() -> QObject * { return new Class; });
