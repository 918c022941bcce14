// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/platformsetup.h"
#include "testsupport.h"

#include <QTest>

using PlatformSetup::Environment;

class TestPlatformSetup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void platformChoice_data();
    void platformChoice();
    void devicePixelsAlways();
};

void TestPlatformSetup::platformChoice_data()
{
    QTest::addColumn<Environment>("current");
    QTest::addColumn<QByteArray>("platform");

    QTest::newRow("X11 session") << Environment{{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}
                                 << QByteArray();
    QTest::newRow("Wayland display") << Environment{{"WAYLAND_DISPLAY", "wayland-0"}} << QByteArray("xcb");
    QTest::newRow("Wayland session type")
        << Environment{{"XDG_SESSION_TYPE", "wayland"}} << QByteArray("xcb");
    QTest::newRow("user's choice wins")
        << Environment{{"WAYLAND_DISPLAY", "wayland-0"}, {"QT_QPA_PLATFORM", "wayland"}} << QByteArray();
    QTest::newRow("offscreen stays offscreen")
        << Environment{{"WAYLAND_DISPLAY", "wayland-0"}, {"QT_QPA_PLATFORM", "offscreen"}} << QByteArray();
}

void TestPlatformSetup::platformChoice()
{
    QFETCH(Environment, current);
    QFETCH(QByteArray, platform);
    const Environment changes = PlatformSetup::requiredChanges(current);
    QCOMPARE(changes.value("QT_QPA_PLATFORM"), platform);
}

void TestPlatformSetup::devicePixelsAlways()
{
    const Environment changes =
        PlatformSetup::requiredChanges({{"QT_SCALE_FACTOR", "2"}, {"QT_SCREEN_SCALE_FACTORS", "1.5"}});
    QCOMPARE(changes.value("QT_ENABLE_HIGHDPI_SCALING"), QByteArray("0"));
    QVERIFY(changes.contains("QT_SCALE_FACTOR"));
    QVERIFY(changes.value("QT_SCALE_FACTOR").isEmpty());
    QVERIFY(changes.contains("QT_SCREEN_SCALE_FACTORS"));
    QVERIFY(!changes.contains("QT_USE_PHYSICAL_DPI"));
}

GRADORA_TEST_GUILESS_MAIN(TestPlatformSetup)
#include "tst_platformsetup.moc"
