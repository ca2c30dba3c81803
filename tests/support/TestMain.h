// SPDX-License-Identifier: MIT
#pragma once
// The entry point of every test program. Before the application object exists
// it points the user's configuration, data and cache folders at a temporary
// folder, so no test reads or writes the user's own settings or files, and it
// runs headless unless a platform was chosen.

#include "app/MainStartup.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#define QF_TEST_MAIN(TestClass)                                                                                        \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QTemporaryDir qfHome;                                                                                          \
        const QByteArray home = qfHome.path().toUtf8();                                                                \
        qputenv("XDG_CONFIG_HOME", home + "/config");                                                                  \
        qputenv("XDG_DATA_HOME", home + "/data");                                                                      \
        qputenv("XDG_CACHE_HOME", home + "/cache");                                                                    \
        qputenv("XDG_RUNTIME_DIR", home + "/runtime");                                                                 \
        QDir().mkpath(qfHome.path() + "/runtime");                                                                     \
        QFile::setPermissions(qfHome.path() + "/runtime",                                                              \
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);               \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                            \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        PrepareApplication();                                                                                          \
        QApplication app(argc, argv);                                                                                  \
        QApplication::setOrganizationName(QStringLiteral("Quillforge"));                                               \
        QApplication::setApplicationName(QStringLiteral("Quillforge"));                                                \
        TestClass test;                                                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
