// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QtTest>

#include "gui/support/dialog_watch.h"

// Like QTEST_MAIN, but always offscreen unless told otherwise, and with a
// guard that fails the running test on any modal dialog it did not expect,
// instead of letting the dialog wait for a click that never comes.
#define TAVREL_TEST_MAIN(TestObject)                                                                                   \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        QApplication app(argc, argv);                                                                                  \
        tavrel::testing::UnexpectedDialogGuard guard;                                                                  \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
