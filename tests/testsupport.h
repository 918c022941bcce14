// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// Shared set-up of the test programs: every test keeps to a temporary home, so the user's own
// configuration is never read or written.

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "prefs/appidentity.h"
#include "prefs/programstore.h"

namespace TestSupport {

// Points HOME and the XDG folders into a temporary folder that lives as long as the process.
inline QString isolateUserFiles()
{
    static QTemporaryDir home(QDir::tempPath() + QStringLiteral("/gradora-test-XXXXXX"));
    const QByteArray path = home.path().toLocal8Bit();
    qputenv("HOME", path);
    qputenv("XDG_CONFIG_HOME", path + "/config");
    qputenv("XDG_DATA_HOME", path + "/data");
    qputenv("XDG_CACHE_HOME", path + "/cache");
    qputenv("XDG_RUNTIME_DIR", path + "/runtime");
    QDir(home.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home.path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QStandardPaths::setTestModeEnabled(true);
    // No test asks the real update server: a closed local port answers at once.
    qputenv("GRADORA_UPDATE_URL", "http://127.0.0.1:9/");
    return home.path();
}

inline void setIdentity()
{
    QCoreApplication::setOrganizationName(AppIdentity::organizationName);
    QCoreApplication::setOrganizationDomain(AppIdentity::organizationDomain);
    QCoreApplication::setApplicationName(AppIdentity::applicationName);
    QCoreApplication::setApplicationVersion(AppIdentity::applicationVersion);
    ProgramStore::selectFormat();
}

// Empties the settings file of the program.
inline void clearStore()
{
    QSettings store;
    store.clear();
    store.sync();
}

} // namespace TestSupport

// Like QTEST_MAIN, with the user's files out of reach and the program's identity set.
#define GRADORA_TEST_MAIN(TestObject)                                                                        \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        TestSupport::isolateUserFiles();                                                                     \
        QApplication app(argc, argv);                                                                        \
        TestSupport::setIdentity();                                                                          \
        QTEST_DISABLE_KEYPAD_NAVIGATION                                                                      \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }

// For tests of plain logic that need no application object with windows.
#define GRADORA_TEST_GUILESS_MAIN(TestObject)                                                                \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        TestSupport::isolateUserFiles();                                                                     \
        QCoreApplication app(argc, argv);                                                                    \
        TestSupport::setIdentity();                                                                          \
        TestObject tc;                                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
