#pragma once

#include "AppInfo.h"
#include "TestEnvironment.h"

#include <QtTest>

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
