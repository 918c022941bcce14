// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/rulermenu.h"
#include "ruler/panel/infopanel.h"
#include "rulerfixture.h"

#include "prefs/preferencesdialog.h"
#include "ruler/dialogs/positiondialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

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
    void readingsFollowThePositionDialog();
    void readingsFollowACalibrationEdit();

private:
    // The ruler as it paints itself now.
    static QImage painted(RulerWindow *ruler)
    {
        QImage image(ruler->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        ruler->render(&image);
        return image;
    }
    // What the ruler paints while another window is active equals what it paints once it is active
    // itself again.
    static void verifyPaintedAsWhenActive(RulerWindow *ruler, const QImage &inactive)
    {
        ruler->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ruler));
        QVERIFY(painted(ruler) == inactive);
    }

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
    QCOMPARE(ruler->state().scale().unitLabel, QStringLiteral("cm"));
    ruler->repaint();

    QCOMPARE(ruler->view().readings().widthText, QStringLiteral("\u2190 ? cm \u2192"));
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
    m_fixture.preferences()->setValue(ProgramSetting::ShowInfoPanel, false);
    RulerWindow *ruler = m_fixture.shown(QRect(100, 100, 800, 600), true);
    ruler->setColor(ColorTarget::Background, Qt::white);
    ruler->setColor(ColorTarget::Ruler, Qt::black);
    ruler->execute(RulerCommand::ShowReadings);
    ruler->execute(RulerCommand::ShowFigureReadings);
    ruler->execute(RulerCommand::ShowControlPoints);
    QVERIFY(!ruler->state().options().value(RulerOption::ShowReadings) &&
            !ruler->state().options().value(RulerOption::ShowFigureReadings) &&
            ruler->state().options().value(RulerOption::HideControlPoints));
    QAction *corner = zeroAtBottom ? (zeroAtLeft ? ruler->menu()->action(RulerCommand::StartBottomLeft)
                                                 : ruler->menu()->action(RulerCommand::StartBottomRight))
                                   : (zeroAtLeft ? ruler->menu()->action(RulerCommand::StartTopLeft)
                                                 : ruler->menu()->action(RulerCommand::StartTopRight));
    corner->trigger();
    ruler->execute(RulerCommand::FlyingRuler);
    FigureModel level = ruler->flyingFigure();
    level.angle = 0;
    level.recompute();
    ruler->setFlyingFigure(level);

    QImage image(ruler->size(), QImage::Format_ARGB32_Premultiplied);
    ruler->render(&image);
    const QPoint origin = ruler->flyingFigure().origin;
    const int w = ruler->flyingFigure().widthPx;
    const int h = ruler->flyingFigure().heightPx;
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

// Typing a size into the Position/Size dialog sizes the ruler, and its readings say the new size while
// the dialog is still open and active.
void TestRulerReadings::readingsFollowThePositionDialog()
{
    m_fixture.preferences()->setValue(ProgramSetting::ShowInfoPanel, false);
    RulerWindow *ruler = m_fixture.shown(QRect(100, 100, 640, 480), true);
    PositionDialog *dialog = m_fixture.hub->positionDialog();
    RulerReadings whileOpen;
    QImage paintedWhileOpen;
    bool dialogActive = false;
    QTimer::singleShot(0, dialog, [&] {
        dialogActive = QTest::qWaitForWindowActive(dialog);
        dialog->findChild<QSpinBox *>(QStringLiteral("widthBox"))->setValue(500);
        dialog->findChild<QSpinBox *>(QStringLiteral("heightBox"))->setValue(350);
        whileOpen = ruler->view().readings();
        paintedWhileOpen = painted(ruler);
        auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        buttons->button(QDialogButtonBox::Ok)->click();
    });
    ruler->execute(RulerCommand::PositionAndSize);

    QVERIFY(dialogActive);
    QCOMPARE(whileOpen.widthText, QStringLiteral("\u2190 500 px \u2192"));
    QCOMPARE(whileOpen.heightText, QStringLiteral("\u2190 350 px \u2192"));
    QCOMPARE(whileOpen.areaText, QStringLiteral("Area: 0.175 MP "));
    QCOMPARE(whileOpen.perimeterText, QStringLiteral("Perimeter: 1700 px"));
    QCOMPARE(ruler->size(), QSize(500, 350));
    verifyPaintedAsWhenActive(ruler, paintedWhileOpen);
}

// A display's resolution changed in the preferences gives the ruler's own centimetre readings at once,
// as it gives its scales.
void TestRulerReadings::readingsFollowACalibrationEdit()
{
    m_fixture.preferences()->setValue(ProgramSetting::ShowInfoPanel, false);
    RulerWindow *ruler = m_fixture.shown(QRect(100, 100, 640, 480), true);
    ruler->menu()->action(RulerCommands::physicalUnit(1))->trigger();
    QCOMPARE(ruler->state().scale().unitLabel, QStringLiteral("cm"));

    PreferencesDialog *preferences = m_fixture.hub->preferencesDialog();
    m_fixture.hub->showPreferences(PreferencesPage::Displays);
    QVERIFY(QTest::qWaitForWindowActive(preferences));
    QVERIFY(m_fixture.preferences()->editDisplayCell(0, 1, QStringLiteral("96")));
    QVERIFY(m_fixture.preferences()->editDisplayCell(0, 2, QStringLiteral("96")));
    QVERIFY(!ruler->isActiveWindow());
    const QImage inactive = painted(ruler);
    // 640 px and 480 px at 96 pixels per inch.
    QCOMPARE(ruler->view().readings().widthText, QStringLiteral("\u2190 16.93 cm \u2192"));
    QCOMPARE(ruler->view().readings().heightText, QStringLiteral("\u2190 12.7 cm \u2192"));

    preferences->close();
    verifyPaintedAsWhenActive(ruler, inactive);
}

GRADORA_TEST_MAIN(TestRulerReadings)
#include "tst_rulerreadings.moc"
