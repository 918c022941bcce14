// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "paint/repaintregions.h"
#include "testsupport.h"

#include <QTest>

Q_DECLARE_METATYPE(PointerVisuals)

namespace {
const QSize kWindow(640, 480);

PointerVisuals withGuides(QList<int> horizontal, QList<int> vertical)
{
    PointerVisuals visuals;
    visuals.horizontalGuides = horizontal;
    visuals.verticalGuides = vertical;
    return visuals;
}

PointerVisuals withSpacing(QList<int> horizontal, int pointerX)
{
    PointerVisuals visuals = withGuides(horizontal, {});
    visuals.guideSpacing = true;
    visuals.spacingX = pointerX;
    return visuals;
}

PointerVisuals hovered()
{
    PointerVisuals visuals;
    visuals.menuHovered = true;
    return visuals;
}

QRegion region(std::initializer_list<QRect> rects)
{
    QRegion result;
    for (const QRect &rect : rects)
        result += rect;
    return result & QRect(QPoint(), kWindow);
}
} // namespace

class TestRepaintRegions : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void changedParts_data();
    void changedParts();
    void partsHoldTheirDrawing();
};

void TestRepaintRegions::changedParts_data()
{
    QTest::addColumn<PointerVisuals>("before");
    QTest::addColumn<PointerVisuals>("after");
    QTest::addColumn<QRegion>("expected");

    using namespace RepaintRegions;
    const PointerVisuals guides = withGuides({100, 200}, {300});
    QTest::newRow("nothing changed") << guides << guides << QRegion();
    QTest::newRow("no guides, nothing shown") << PointerVisuals() << PointerVisuals() << QRegion();
    QTest::newRow("menu underlined") << PointerVisuals() << hovered() << QRegion(menuText(kWindow.width()));
    QTest::newRow("menu no longer underlined") << hovered() << PointerVisuals() << QRegion(menuText(kWindow.width()));
    QTest::newRow("horizontal guide dragged")
        << guides << withGuides({100, 210}, {300})
        << region({horizontalGuide(200, kWindow), horizontalGuide(210, kWindow)});
    QTest::newRow("vertical guide dragged")
        << guides << withGuides({100, 200}, {305})
        << region({verticalGuide(300, kWindow), verticalGuide(305, kWindow)});
    QTest::newRow("new guide dropped") << guides << withGuides({100, 200, 20}, {300})
                                       << region({horizontalGuide(20, kWindow)});
    QTest::newRow("guide dragged off") << guides << withGuides({200}, {300})
                                       << region({horizontalGuide(100, kWindow)});
    QTest::newRow("guides in another order, same lines")
        << guides << withGuides({200, 100}, {300}) << QRegion();
    QTest::newRow("two guides on one line, one moves")
        << withGuides({100, 100}, {}) << withGuides({100, 101}, {})
        << region({horizontalGuide(100, kWindow), horizontalGuide(101, kWindow)});
    QTest::newRow("spacings appear") << withGuides({100, 200}, {}) << withSpacing({100, 200}, 50)
                                     << region({guideSpacing(50, kWindow)});
    QTest::newRow("spacings follow the pointer")
        << withSpacing({100, 200}, 50) << withSpacing({100, 200}, 60)
        << region({guideSpacing(50, kWindow), guideSpacing(60, kWindow)});
    QTest::newRow("spacings of a dragged guide")
        << withSpacing({100, 200}, 50) << withSpacing({100, 230}, 50)
        << region({guideSpacing(50, kWindow), horizontalGuide(200, kWindow), horizontalGuide(230, kWindow)});
    QTest::newRow("spacings go") << withSpacing({100}, 50) << withGuides({100}, {})
                                 << region({guideSpacing(50, kWindow)});
    PointerVisuals hiddenSpacing = withGuides({100}, {});
    hiddenSpacing.spacingX = 70;
    QTest::newRow("pointer moves, no spacings shown") << withGuides({100}, {}) << hiddenSpacing << QRegion();
}

void TestRepaintRegions::changedParts()
{
    QFETCH(PointerVisuals, before);
    QFETCH(PointerVisuals, after);
    QFETCH(QRegion, expected);

    QCOMPARE(RepaintRegions::changed(before, after, kWindow), expected);
}

// The regions hold what the window draws for each part (see the ruler's paint tests for the pixels).
void TestRepaintRegions::partsHoldTheirDrawing()
{
    using namespace RepaintRegions;
    // A horizontal guide's label stands 5 px above its line with the zero at the top, 15 px below it
    // with the zero at the bottom, both 12 px high.
    const QRect horizontal = horizontalGuide(200, kWindow);
    QVERIFY(horizontal.contains(QRect(0, 200 - 5 - 12, kWindow.width(), 1)));
    QVERIFY(horizontal.contains(QRect(0, 200 + 15 + 3, kWindow.width(), 1)));
    // A vertical guide's label starts up to 56 px before its line, or 9 px after it.
    const QRect vertical = verticalGuide(300, kWindow);
    QVERIFY(vertical.contains(QRect(300 - 56, 0, 56 + 9 + 80, kWindow.height())));
    // The "menu" text and its underline.
    QVERIFY(menuText(kWindow.width()).contains(QRect(kWindow.width() - 108, 55 - 11, 40, 14)));
}

GRADORA_TEST_GUILESS_MAIN(TestRepaintRegions)
#include "tst_repaintregions.moc"
