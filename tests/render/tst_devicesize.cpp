// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The size in device pixels that the panel and Copy Readings add where the display is scaled.
#include "render/devicesize.h"
#include "testsupport.h"

#include <QTest>

#include <limits>

class TestDeviceSize : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void note_data();
    void note();
};

void TestDeviceSize::note_data()
{
    QTest::addColumn<QSize>("logical");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("expected");
    const QSize size(640, 480);
    QTest::newRow("200 %") << size << 2.0 << QStringLiteral("(1280 × 960 device px at 200 %)");
    QTest::newRow("150 %, odd sides round")
        << QSize(641, 481) << 1.5 << QStringLiteral("(962 × 722 device px at 150 %)");
    QTest::newRow("125 %") << QSize(100, 80) << 1.25 << QStringLiteral("(125 × 100 device px at 125 %)");
    QTest::newRow("a third more") << QSize(300, 300) << 4.0 / 3.0
                                  << QStringLiteral("(400 × 400 device px at 133 %)");
    QTest::newRow("unscaled says nothing") << size << 1.0 << QString();
    QTest::newRow("a hair off 1 says nothing") << size << 1.001 << QString();
    QTest::newRow("below 1") << size << 0.5 << QStringLiteral("(320 × 240 device px at 50 %)");
    QTest::newRow("zero is no scale") << size << 0.0 << QString();
    QTest::newRow("negative is no scale") << size << -2.0 << QString();
    QTest::newRow("not a number is no scale")
        << size << std::numeric_limits<double>::quiet_NaN() << QString();
    QTest::newRow("infinite is no scale") << size << std::numeric_limits<double>::infinity() << QString();
}

void TestDeviceSize::note()
{
    QFETCH(QSize, logical);
    QFETCH(double, scale);
    QTEST(DeviceSize::note(logical, scale), "expected");
}

GRADORA_TEST_GUILESS_MAIN(TestDeviceSize)
#include "tst_devicesize.moc"
