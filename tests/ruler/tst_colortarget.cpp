// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/window/colortarget.h"
#include "testsupport.h"

#include <QTest>

using Target = std::optional<ColorTarget>;
Q_DECLARE_METATYPE(Target)

// Which colour the shared dialog edits, and the limits every ruler colour keeps.
class TestColorTarget : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void limits_data();
    void limits();
    void fromNumber_data();
    void fromNumber();
};

void TestColorTarget::limits_data()
{
    QTest::addColumn<ColorTarget>("target");
    QTest::addColumn<QColor>("chosen");
    QTest::addColumn<QColor>("kept");
    QTest::newRow("ColorTarget::Background, alpha 0 raised to 25")
        << ColorTarget::Background << QColor(10, 200, 30, 0) << QColor(10, 200, 30, 25);
    QTest::newRow("ColorTarget::Background, alpha 24 raised")
        << ColorTarget::Background << QColor(10, 200, 30, 24) << QColor(10, 200, 30, 25);
    QTest::newRow("ColorTarget::Background, alpha 25 kept")
        << ColorTarget::Background << QColor(10, 200, 30, 25) << QColor(10, 200, 30, 25);
    QTest::newRow("ColorTarget::Background, alpha 200 kept")
        << ColorTarget::Background << QColor(10, 200, 30, 200) << QColor(10, 200, 30, 200);
    QTest::newRow("ColorTarget::Ruler, alpha 100 made opaque")
        << ColorTarget::Ruler << QColor(200, 20, 90, 100) << QColor(200, 20, 90, 255);
    QTest::newRow("ColorTarget::Ruler, alpha 0 made opaque")
        << ColorTarget::Ruler << QColor(200, 20, 90, 0) << QColor(200, 20, 90, 255);
    QTest::newRow("ColorTarget::Guides, any alpha kept")
        << ColorTarget::Guides << QColor(0, 0, 255, 10) << QColor(0, 0, 255, 10);
}

void TestColorTarget::limits()
{
    QFETCH(ColorTarget, target);
    QFETCH(QColor, chosen);
    QTEST(limitedColor(target, chosen), "kept");
}

void TestColorTarget::fromNumber_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<Target>("target");
    QTest::newRow("0: none") << 0 << Target();
    QTest::newRow("1: ColorTarget::Background") << 1 << Target(ColorTarget::Background);
    QTest::newRow("2: ColorTarget::Ruler") << 2 << Target(ColorTarget::Ruler);
    QTest::newRow("3: ColorTarget::Guides") << 3 << Target(ColorTarget::Guides);
    QTest::newRow("4: none") << 4 << Target();
    QTest::newRow("-1: none") << -1 << Target();
}

void TestColorTarget::fromNumber()
{
    QFETCH(int, number);
    QFETCH(Target, target);
    QVERIFY(colorTargetFromNumber(number) == target);
}

GRADORA_TEST_GUILESS_MAIN(TestColorTarget)
#include "tst_colortarget.moc"
