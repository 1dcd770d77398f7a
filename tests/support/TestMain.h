#pragma once

#include "AppInfo.h"
#include "TestEnvironment.h"

#include <QtTest>

// CI runs every test program at once on every core, so an awaited event may come long after
// Qt's default 5 s: the waits that name no time of their own get tens of seconds.
constexpr int EventTimeoutMs = 30000;
#undef QTRY_VERIFY
#define QTRY_VERIFY(expr) QTRY_VERIFY_WITH_TIMEOUT(expr, EventTimeoutMs)
#undef QTRY_VERIFY2
#define QTRY_VERIFY2(expr, messageExpression)                                                  \
    QTRY_VERIFY2_WITH_TIMEOUT(expr, messageExpression, EventTimeoutMs)
#undef QTRY_COMPARE
#define QTRY_COMPARE(expr, expected) QTRY_COMPARE_WITH_TIMEOUT(expr, expected, EventTimeoutMs)

// Like QTEST_MAIN, but the test runs in its own HOME, settings store and TMPDIR, and the
// organisation and application names of the real programs address the settings store.
// `Setup` is a callable run after the application object exists (for example to
// initialise the image engine); pass [](char *) {} when nothing is needed.
#define QUENDRASIL_TEST_MAIN_WITH(TestClass, ApplicationClass, Setup)                          \
    int main(int argc, char *argv[])                                                           \
    {                                                                                          \
        TestEnvironment environment;                                                           \
        QCoreApplication::setOrganizationName(QString::fromLatin1(AppInfo::OrganizationName));  \
        QCoreApplication::setApplicationName(QString::fromLatin1(AppInfo::ApplicationName));    \
        ApplicationClass application(argc, argv);                                              \
        Setup(argv[0]);                                                                        \
        TestClass test;                                                                        \
        QTEST_SET_MAIN_SOURCE_PATH                                                             \
        return QTest::qExec(&test, argc, argv);                                                \
    }

#define QUENDRASIL_TEST_MAIN(TestClass, ApplicationClass)                                      \
    QUENDRASIL_TEST_MAIN_WITH(TestClass, ApplicationClass, [](char *) {})
