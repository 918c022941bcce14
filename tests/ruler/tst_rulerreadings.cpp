// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/infopanel.h"
#include "ruler/rulermenu.h"
#include "rulerfixture.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QTest>

// What a ruler reads out about itself and its flying figure, in the panel and on its body.
class TestRulerReadings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void uncalibratedDisplayReadsQuestionMarks();
    void flyingRulerCountsFromTheZeroCorner_data();
    void flyingRulerCountsFromTheZeroCorner();

private:
    RulerFixture m_fixture;
};

void TestRulerReadings::init()
{
    m_fixture.setUp();
}

void TestRulerReadings::cleanup()
{
    m_fixture.tearDown();
}

// Centimetres on a display without a resolution: neither the ruler nor its figure can say how long.
void TestRulerReadings::uncalibratedDisplayReadsQuestionMarks()
{
    TextGrid displays = m_fixture.preferences()->displayCells();
    displays[0][1].clear();
    displays[0][2].clear();
    m_fixture.preferences()->setDisplayCells(displays);
    RulerWindow *ruler = m_fixture.shown(QRect(100, 100, 600, 400), true);
    QTest::mouseClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(560, 45));
    ruler->execute(RulerCommands::cornerShape(4));
    ruler->menu()->action(RulerCommands::physicalUnit(1))->trigger();
    QCOMPARE(ruler->unitScale().unitLabel, QStringLiteral("cm"));
    ruler->repaint();

    QCOMPARE(ruler->readings().widthText, QStringLiteral("\u2190 ? cm \u2192"));
    const InfoPanel *panel = m_fixture.hub->infoPanel();
    QCOMPARE(panel->owner(), ruler);
    QCOMPARE(panel->figureLabel(InfoPanel::FigureWidth)->text(), QStringLiteral("\u21941: ? cm "));
    QCOMPARE(panel->figureLabel(InfoPanel::FigureArea)->text(), QStringLiteral("A: ? cm\u00B2"));
    QCOMPARE(panel->figureLabel(InfoPanel::FigurePerimeter)->text(), QStringLiteral("P: ? cm"));
    QCOMPARE(panel->extraSideLabel()->text(), QStringLiteral("hipo: ? cm "));
}

void TestRulerReadings::flyingRulerCountsFromTheZeroCorner_data()
{
    QTest::addColumn<bool>("zeroAtLeft");
    QTest::addColumn<bool>("zeroAtBottom");
    QTest::newRow("top left") << true << false;
    QTest::newRow("top right") << false << false;
    QTest::newRow("bottom left") << true << true;
    QTest::newRow("bottom right") << false << true;
}

// The flying ruler's short ticks lie every 5 px from the corner that holds the ruler's zero.
void TestRulerReadings::flyingRulerCountsFromTheZeroCorner()
{
    QFETCH(bool, zeroAtLeft);
    QFETCH(bool, zeroAtBottom);
    m_fixture.preferences()->setInfoPanelShown(false);
    RulerWindow *ruler = m_fixture.shown(QRect(100, 100, 800, 600), true);
    ruler->setColour(ColorTarget::Background, Qt::white);
    ruler->setColour(ColorTarget::Ruler, Qt::black);
    ruler->execute(RulerCommand::ShowReadings);
    ruler->execute(RulerCommand::ShowFigureReadings);
    ruler->execute(RulerCommand::ShowControlPoints);
    QVERIFY(!ruler->options().value(RulerOption::ShowReadings) &&
            !ruler->options().value(RulerOption::ShowFigureReadings) &&
            ruler->options().value(RulerOption::HideControlPoints));
    QAction *corner = zeroAtBottom ? (zeroAtLeft ? ruler->menu()->action(RulerCommand::StartBottomLeft)
                                                 : ruler->menu()->action(RulerCommand::StartBottomRight))
                                   : (zeroAtLeft ? ruler->menu()->action(RulerCommand::StartTopLeft)
                                                 : ruler->menu()->action(RulerCommand::StartTopRight));
    corner->trigger();
    ruler->execute(RulerCommand::FlyingRuler);
    FigureModel level = ruler->flyingFigure();
    level.figureAngle = 0;
    level.recompute();
    ruler->setFlyingFigure(level);

    QImage image(ruler->size(), QImage::Format_ARGB32_Premultiplied);
    ruler->render(&image);
    const QPoint origin = ruler->flyingFigure().figureOrigin;
    const int w = ruler->flyingFigure().figureWidthPx;
    const int h = ruler->flyingFigure().figureHeightPx;
    QCOMPARE(QSize(w, h), QSize(499, 149));
    const auto ink = [&](int x, int y) {
        return image.pixelColor(origin + QPoint(x, y)) == QColor(Qt::black);
    };
    // Along the top edge: from the left at 5, 10, ...; from the right at w - 6, w - 11, ...
    const int tickX = zeroAtLeft ? 250 : w - 6 - 245;
    const int otherX = zeroAtLeft ? w - 6 - 245 : 250;
    QVERIFY2(ink(tickX, 3), qPrintable(QStringLiteral("no tick at x = %1").arg(tickX)));
    QVERIFY2(!ink(otherX, 3), qPrintable(QStringLiteral("a tick at x = %1").arg(otherX)));
    // Along the left edge, likewise from the top or the bottom.
    const int tickY = zeroAtBottom ? h - 6 - 70 : 70;
    const int otherY = zeroAtBottom ? 70 : h - 6 - 70;
    QVERIFY2(ink(3, tickY), qPrintable(QStringLiteral("no tick at y = %1").arg(tickY)));
    QVERIFY2(!ink(3, otherY), qPrintable(QStringLiteral("a tick at y = %1").arg(otherY)));
}

GRADORA_TEST_MAIN(TestRulerReadings)
#include "tst_rulerreadings.moc"
