// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/rulermenu.h"
#include "ruler/panel/infopanel.h"
#include "rulerfixture.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QTest>
#include <QToolTip>

// The information panel beside the ruler that owns it: its texts, its size and its place on the screen.
class TestRulerPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void rulerPartStaysCurrent_data();
    void rulerPartStaysCurrent();
    void figurePartFollowsTheFigure();
    void panelFitsItsContent();
    void panelStaysOnTheScreen_data();
    void panelStaysOnTheScreen();
    void toolTipsShowOnHover();

private:
    // A shown, active ruler that owns the panel.
    RulerWindow *owningRuler(const QRect &geometry);
    void chooseCentimetres(RulerWindow *ruler);
    InfoPanel *panel() const { return m_fixture.hub->infoPanel(); }
    RulerFixture m_fixture;
};

void TestRulerPanel::init()
{
    m_fixture.setUp();
    // 254 pixels per inch on both axes: 100 px to the centimetre.
    TextGrid displays = m_fixture.preferences()->displayCells();
    displays[0][1] = QStringLiteral("254");
    displays[0][2] = QStringLiteral("254");
    m_fixture.preferences()->setDisplayCells(displays);
}

void TestRulerPanel::cleanup()
{
    QToolTip::hideText();
    m_fixture.tearDown();
}

RulerWindow *TestRulerPanel::owningRuler(const QRect &geometry)
{
    RulerWindow *ruler = m_fixture.shown(geometry, true);
    QTest::mouseClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(geometry.width() - 40, 45));
    ruler->repaint();
    return ruler;
}

void TestRulerPanel::chooseCentimetres(RulerWindow *ruler)
{
    ruler->menu()->action(RulerCommands::physicalUnit(1))->trigger();
    QCOMPARE(ruler->state().scale().unitLabel, QStringLiteral("cm"));
}

void TestRulerPanel::rulerPartStaysCurrent_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("text");

    QTest::newRow("as it starts") << "" << int(InfoPanel::Width) << "W: 300 px ";
    QTest::newRow("resized") << "resize" << int(InfoPanel::Height) << "H: 250 px ";
    QTest::newRow("moved") << "move" << int(InfoPanel::Left) << "L: 140";
    QTest::newRow("in centimetres") << "cm" << int(InfoPanel::Width) << "W: 3 cm ";
    QTest::newRow("area in centimetres") << "cm" << int(InfoPanel::Area) << "A: 6 cm\u00B2";
}

// With the figure hidden the panel's ruler part still follows every change of its ruler.
void TestRulerPanel::rulerPartStaysCurrent()
{
    QFETCH(QString, change);
    QFETCH(int, reading);
    QFETCH(QString, text);

    // Hidden before the ruler first describes itself, as at a start with the figure hidden.
    RulerWindow *ruler = m_fixture.shown(QRect(100, 100, 300, 200), true);
    ruler->menu()->action(RulerCommand::ShowFigure)->trigger();
    QVERIFY(!ruler->state().options().value(RulerOption::ShowFigure));
    QTest::mouseClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(260, 45));
    QCOMPARE(panel()->owner(), ruler);
    if (change == QLatin1String("resize"))
        ruler->resize(300, 250);
    else if (change == QLatin1String("move"))
        ruler->move(140, 100);
    else if (change == QLatin1String("cm"))
        chooseCentimetres(ruler);
    ruler->repaint();
    // A move reaches the panel within a frame.
    QTRY_COMPARE(panel()->rulerLabel(InfoPanel::RulerReading(reading))->text(), text);
}

void TestRulerPanel::figurePartFollowsTheFigure()
{
    RulerWindow *ruler = owningRuler(QRect(100, 100, 300, 200));
    QVERIFY(panel()->figureHeader()->isVisibleTo(panel()));
    ruler->menu()->action(RulerCommand::ShowFigure)->trigger();
    ruler->repaint();
    QVERIFY(!panel()->figureHeader()->isVisibleTo(panel()));
    QVERIFY(!panel()->figureLabel(InfoPanel::FigureWidth)->isVisibleTo(panel()));
    ruler->menu()->action(RulerCommand::ShowFigure)->trigger();
    ruler->repaint();
    QVERIFY(panel()->figureHeader()->isVisibleTo(panel()));
    QVERIFY(panel()->figureLabel(InfoPanel::FigureWidth)->text().startsWith(QStringLiteral("\u21941: ")));
}

// The labels follow each other without gaps and the panel ends below the last one shown.
void TestRulerPanel::panelFitsItsContent()
{
    RulerWindow *ruler = owningRuler(QRect(100, 100, 300, 200));
    const int withFigure = panel()->height();
    ruler->menu()->action(RulerCommand::ShowFigure)->trigger();
    ruler->repaint();
    QVERIFY(panel()->height() < withFigure);

    panel()->layout()->activate();
    QList<QLabel *> shown;
    for (QLabel *label : panel()->findChildren<QLabel *>()) {
        if (label->isVisibleTo(panel()))
            shown.append(label);
    }
    std::sort(shown.begin(), shown.end(), [](QLabel *a, QLabel *b) { return a->y() < b->y(); });
    QCOMPARE(shown.size(), 1 + InfoPanel::RulerReadingCount);
    const int spacing = panel()->layout()->spacing();
    for (int i = 1; i < shown.size(); ++i)
        QVERIFY2(shown.at(i)->y() - (shown.at(i - 1)->y() + shown.at(i - 1)->height()) <= spacing,
                 qPrintable(shown.at(i)->text()));
    const QMargins margins = panel()->layout()->contentsMargins();
    QCOMPARE(panel()->height(), shown.last()->y() + shown.last()->height() + margins.bottom());
}

void TestRulerPanel::panelStaysOnTheScreen_data()
{
    QTest::addColumn<QRect>("fromBottomRight"); // the ruler, its position measured from the screen's
                                                // bottom-right corner
    QTest::addColumn<bool>("left");
    QTest::newRow("low on the screen") << QRect(-700, -160, 300, 150) << false;
    QTest::newRow("low, panel on the left") << QRect(-500, -160, 300, 150) << true;
    QTest::newRow("as wide as the screen") << QRect(0, -400, 0, 200) << false;
}

void TestRulerPanel::panelStaysOnTheScreen()
{
    QFETCH(QRect, fromBottomRight);
    QFETCH(bool, left);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QPoint corner = screen.bottomRight() + QPoint(1, 1);
    QRect geometry(corner + fromBottomRight.topLeft(), fromBottomRight.size());
    if (geometry.width() == 0)
        geometry = QRect(screen.left(), geometry.top(), screen.width(), geometry.height());

    RulerWindow *ruler = owningRuler(geometry);
    if (left)
        ruler->menu()->action(RulerCommand::PanelSide)->trigger();
    // Shown with and without the figure part: the panel keeps to the screen at either size.
    for (int i = 0; i < 2; ++i) {
        ruler->menu()->action(RulerCommand::ShowFigure)->trigger();
        ruler->repaint();
        ruler->move(ruler->pos());
        QTRY_VERIFY2(screen.contains(panel()->geometry()), qPrintable(QStringLiteral("panel at %1,%2 %3x%4")
                                                                          .arg(panel()->x())
                                                                          .arg(panel()->y())
                                                                          .arg(panel()->width())
                                                                          .arg(panel()->height())));
    }
}

// The panel is never the active window; its labels name their readings on hover all the same.
void TestRulerPanel::toolTipsShowOnHover()
{
    RulerWindow *ruler = owningRuler(QRect(100, 100, 300, 200));
    QVERIFY(QTest::qWaitForWindowExposed(panel()));
    QVERIFY(ruler->isActiveWindow());
    QVERIFY(!panel()->isActiveWindow());
    QLabel *area = panel()->rulerLabel(InfoPanel::Area);
    QTest::mouseMove(area, area->rect().center());
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Area"));
}

GRADORA_TEST_MAIN(TestRulerPanel)
#include "tst_rulerpanel.moc"
