// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "figure/figurekind.h"
#include "ruler/commands/rulermenu.h"
#include "rulerfixture.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using RulerChange = std::function<void(RulerWindow &)>;
Q_DECLARE_METATYPE(RulerChange)
Q_DECLARE_METATYPE(QList<QPoint>)

// A ruler without a compositing manager keeps only what it draws, its ticker bands and the reach
// around its strokes; the body between lets the desktop through.
class TestRulerShape : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void shapeKeepsWhatTheRulerDraws_data();
    void shapeKeepsWhatTheRulerDraws();
    void shapeFollowsEveryChange_data();
    void shapeFollowsEveryChange();
    void pointerMotionAloneMakesNoNewShape();
    void windowDragLeavesTheFigureOutUntilRelease();
    void compositorStartingAndStoppingTogglesTheShape();

private:
    RulerWindow *shownRuler();

    RulerFixture m_fixture;
};

namespace {
constexpr QSize kSize(400, 300);

// A bare ruler: tickers and border, no readings, figure or cross-hair.
void makeBare(RulerWindow &ruler)
{
    setOption(ruler, RulerOption::ShowFigure, false);
    setOption(ruler, RulerOption::ShowReadings, false);
    setOption(ruler, RulerOption::ShowCentralPoint, false);
}

// Shows the ruler and drags a guide out of a band, as the user does.
void addGuide(RulerWindow &ruler, Qt::Orientation orientation, int position)
{
    ruler.show();
    if (!QTest::qWaitForWindowExposed(&ruler))
        qWarning("ruler not exposed");
    RulerFixture::placeGuide(&ruler, orientation, position);
}

// An unrotated 200 × 100 rectangle with its anchor at (100, 100).
void placeRectangle(RulerWindow &ruler)
{
    setOption(ruler, RulerOption::ShowFigure, true);
    FigureModel rectangle;
    rectangle.create(FigureKind::CornerRectangle, kSize);
    rectangle.points = {FigurePoint{0, 0}, FigurePoint{199, 0}, FigurePoint{0, 99}};
    rectangle.origin = QPoint(100, 100);
    rectangle.angle = 0;
    rectangle.recompute();
    ruler.setFlyingFigure(rectangle);
    setOption(ruler, RulerOption::ShowFigureReadings, false);
}

// The preferences of the rulers under test.
Preferences *s_preferences = nullptr;

// A pixel-based unit of 40 px with ten ticks, chosen from the menu.
void useCentimetres(RulerWindow &ruler)
{
    TextGrid pixelUnits = s_preferences->unitCells(Preferences::UnitTable::PixelBased);
    pixelUnits[0] = {QStringLiteral("Centimetres"), QStringLiteral("cm"), QStringLiteral("40"),
                     QStringLiteral("40"),          QStringLiteral("10"), QString()};
    s_preferences->setUnitCells(Preferences::UnitTable::PixelBased, pixelUnits);
    ruler.menu()->action(RulerCommands::pixelUnit(0))->trigger();
}

// Opens a blue picture of the size as the user does, through the file dialog.
void openPicture(RulerWindow &ruler, QSize size)
{
    static QTemporaryDir folder;
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    const QString path =
        folder.filePath(QStringLiteral("picture-%1x%2.png").arg(size.width()).arg(size.height()));
    picture.save(path);
    RulerWindow::askPictureFile = [path](QWidget *, const QString &, const QString &) { return path; };
    ruler.execute(RulerCommand::OpenPicture);
}

// Moves or turns the shown figure.
void changeFigure(RulerWindow &ruler, const std::function<void(FigureModel &)> &change)
{
    FigureModel figure = ruler.flyingFigure();
    change(figure);
    figure.recompute();
    ruler.setFlyingFigure(figure);
}

void sendMouse(QWidget *widget, QEvent::Type type, QPoint global, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, widget->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

QString at(QPoint point)
{
    return QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y());
}
} // namespace

void TestRulerShape::init()
{
    m_fixture.setUp(false);
    s_preferences = m_fixture.preferences();
    m_fixture.desktop->setCompositing(false);
}

void TestRulerShape::cleanup()
{
    m_fixture.tearDown();
}

RulerWindow *TestRulerShape::shownRuler()
{
    RulerWindow *ruler = m_fixture.attached();
    makeBare(*ruler);
    ruler->setGeometry(QRect(QPoint(50, 50), kSize));
    ruler->show();
    if (!QTest::qWaitForWindowExposed(ruler))
        qWarning("ruler not exposed");
    return ruler;
}

void TestRulerShape::shapeKeepsWhatTheRulerDraws_data()
{
    QTest::addColumn<RulerChange>("change");
    QTest::addColumn<QList<QPoint>>("inside");
    QTest::addColumn<QList<QPoint>>("outside");

    QTest::newRow("tickers keep their bands, the body is open")
        << RulerChange([](RulerWindow &) {})
        << QList<QPoint>{{200, 2}, {200, 35}, {200, 265}, {35, 150}, {365, 150}, {5, 5}}
        << QList<QPoint>{{200, 150}, {60, 60}, {340, 240}};
    QTest::newRow("hidden tickers leave the edge ring")
        << RulerChange([](RulerWindow &r) {
               r.execute(RulerCommand::HideAllTickers);
               setOption(r, RulerOption::ShowBorder, false);
           })
        << QList<QPoint>{{200, 0}, {200, 3}, {0, 150}, {399, 150}, {200, 299}}
        << QList<QPoint>{{200, 20}, {20, 150}, {380, 150}, {200, 280}};
    QTest::newRow("a guide is kept within its reach")
        << RulerChange([](RulerWindow &r) { addGuide(r, Qt::Horizontal, 150); })
        << QList<QPoint>{{200, 150}, {200, 147}, {200, 153}} << QList<QPoint>{{200, 156}, {200, 144}};
    QTest::newRow("a guide's label is kept")
        << RulerChange([](RulerWindow &r) { addGuide(r, Qt::Vertical, 200); })
        << QList<QPoint>{{200, 100}, {185, 300 - 62}} << QList<QPoint>{{150, 100}, {250, 100}};
    QTest::newRow("the cross-hair is kept")
        << RulerChange([](RulerWindow &r) { setOption(r, RulerOption::ShowCentralPoint, true); })
        << QList<QPoint>{{200, 150}, {100, 150}, {200, 80}} << QList<QPoint>{{100, 100}, {300, 220}};
    QTest::newRow("the readings keep their boxes") << RulerChange([](RulerWindow &r) {
        // An active window writes its readings.
        setOption(r, RulerOption::ShowReadings, true);
        r.show();
        r.activateWindow();
        if (!QTest::qWaitForWindowActive(&r))
            qWarning("ruler not active");
    }) << QList<QPoint>{{200 - 29 + 5, 45}, {200 - 29 + 5, 300 - 45}, {45, 150}}
                                                   << QList<QPoint>{{200, 150}, {200 - 29 + 5, 100}};
    QTest::newRow("the figure keeps its outline and handles, not its inside")
        << RulerChange([](RulerWindow &r) { placeRectangle(r); })
        << QList<QPoint>{{100, 150}, {200, 100}, {200, 199}, {300, 150}, {307, 108}, {91, 91}}
        << QList<QPoint>{{200, 150}, {150, 130}, {310, 150}};
    QTest::newRow("a figure without handles keeps only its outline") << RulerChange([](RulerWindow &r) {
        placeRectangle(r);
        setOption(r, RulerOption::HideControlPoints, true);
    }) << QList<QPoint>{{100, 150}, {102, 102}} << QList<QPoint>{{91, 91}, {200, 150}};
    QTest::newRow("a hidden figure keeps nothing") << RulerChange([](RulerWindow &r) {
        placeRectangle(r);
        setOption(r, RulerOption::ShowFigure, false);
    }) << QList<QPoint>{} << QList<QPoint>{{100, 150}, {200, 100}, {91, 91}};
    QTest::newRow("a picture covers its place")
        << RulerChange([](RulerWindow &r) { openPicture(r, QSize(200, 150)); })
        << QList<QPoint>{{150, 100}, {199, 149}} << QList<QPoint>{{250, 200}};
}

void TestRulerShape::shapeKeepsWhatTheRulerDraws()
{
    QFETCH(RulerChange, change);
    QFETCH(QList<QPoint>, inside);
    QFETCH(QList<QPoint>, outside);
    RulerWindow *ruler = m_fixture.attached();
    makeBare(*ruler);
    ruler->resize(kSize);
    change(*ruler);
    const QRegion shape = ruler->shaper().region();
    for (const QPoint &point : std::as_const(inside))
        QVERIFY2(shape.contains(point), qPrintable(at(point) + QStringLiteral(" left out")));
    for (const QPoint &point : std::as_const(outside))
        QVERIFY2(!shape.contains(point), qPrintable(at(point) + QStringLiteral(" kept")));
}

void TestRulerShape::shapeFollowsEveryChange_data()
{
    QTest::addColumn<RulerChange>("change");
    QTest::addColumn<bool>("reshapes"); // false: the change leaves the same shape
    QTest::newRow("resize") << RulerChange([](RulerWindow &r) { r.resize(500, 380); }) << true;
    QTest::newRow("unit") << RulerChange([](RulerWindow &r) { useCentimetres(r); }) << true;
    QTest::newRow("figure moves") << RulerChange([](RulerWindow &r) {
        placeRectangle(r);
        changeFigure(r, [](FigureModel &figure) { figure.origin += QPoint(40, 30); });
    }) << true;
    QTest::newRow("figure turns") << RulerChange([](RulerWindow &r) {
        placeRectangle(r);
        changeFigure(r, [](FigureModel &figure) { figure.angle = 30; });
    }) << true;
    QTest::newRow("guide added") << RulerChange([](RulerWindow &r) { addGuide(r, Qt::Vertical, 123); })
                                 << true;
    QTest::newRow("ticker hidden") << RulerChange([](RulerWindow &r) {
        setOption(r, RulerOption::ShowLeftTicker, false);
    }) << true;
    QTest::newRow("start point, the ticks turn within their bands")
        << RulerChange([](RulerWindow &r) { setOption(r, RulerOption::ZeroAtLeft, false); }) << false;
    QTest::newRow("guide colour, the same shape")
        << RulerChange([](RulerWindow &r) { r.setColor(ColorTarget::Guides, Qt::blue); }) << false;
    QTest::newRow("cross-hair") << RulerChange([](RulerWindow &r) {
        setOption(r, RulerOption::ShowCentralPoint, true);
    }) << true;
    QTest::newRow("picture") << RulerChange([](RulerWindow &r) { openPicture(r, QSize(120, 80)); }) << true;
}

void TestRulerShape::shapeFollowsEveryChange()
{
    QFETCH(RulerChange, change);
    QFETCH(bool, reshapes);
    RulerWindow *ruler = shownRuler();
    QTRY_VERIFY(ruler->shaper().shapesApplied() > 0);
    QTRY_COMPARE(ruler->mask(), ruler->shaper().region());
    const QRegion before = ruler->mask();

    change(*ruler);
    ruler->update();
    QTRY_COMPARE(ruler->mask(), ruler->shaper().region());
    QCOMPARE(ruler->mask() != before, reshapes);
}

void TestRulerShape::pointerMotionAloneMakesNoNewShape()
{
    RulerWindow *ruler = shownRuler();
    QTRY_VERIFY(ruler->shaper().shapesApplied() > 0);
    QTest::qWait(50);
    const int shapes = ruler->shaper().shapesApplied();
    for (const QPoint point : {QPoint(150, 120), QPoint(200, 150), QPoint(250, 180), QPoint(260, 190)}) {
        QTest::mouseMove(ruler, point);
        ruler->repaint();
    }
    QTest::qWait(50);
    QCOMPARE(ruler->shaper().shapesApplied(), shapes);

    RulerFixture::placeGuide(ruler, Qt::Horizontal, 77);
    QTRY_VERIFY(ruler->shaper().shapesApplied() > shapes);
}

// The figure's turned strokes make a shape of thousands of rectangles, each a cost to the window
// system at every step of a move: while the window is dragged it keeps its bands and readings alone.
void TestRulerShape::windowDragLeavesTheFigureOutUntilRelease()
{
    RulerWindow *ruler = shownRuler();
    placeRectangle(*ruler);
    changeFigure(*ruler, [](FigureModel &figure) { figure.angle = 30; });
    addGuide(*ruler, Qt::Horizontal, 60);
    ruler->update();
    QTRY_COMPARE(ruler->mask(), ruler->shaper().region());
    const QRegion full = ruler->mask();
    const QPoint figurePoint = ruler->flyingFigure().origin;
    QVERIFY(full.contains(figurePoint));

    const QPoint grab = ruler->mapToGlobal(QPoint(kSize.width() / 2, kSize.height() - 15));
    sendMouse(ruler, QEvent::MouseMove, grab, Qt::NoButton);
    sendMouse(ruler, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    const QPoint start = ruler->pos();
    for (int step = 1; step <= 20; ++step)
        sendMouse(ruler, QEvent::MouseMove, grab + QPoint(step, step), Qt::LeftButton);
    QTRY_COMPARE(ruler->pos(), start + QPoint(20, 20));
    QVERIFY(ruler->shaper().shapedForWindowDrag());
    const QRegion dragged = ruler->mask();
    QVERIFY(!dragged.contains(figurePoint));
    QVERIFY(dragged.contains(QPoint(kSize.width() / 2, kSize.height() - 15)));
    QVERIFY2(dragged.contains(QPoint(kSize.width() / 2, 60)), "the guide left out");
    QVERIFY2(dragged.rectCount() * 10 < full.rectCount(),
             qPrintable(QStringLiteral("%1 rectangles while dragging, %2 at rest")
                            .arg(dragged.rectCount())
                            .arg(full.rectCount())));

    sendMouse(ruler, QEvent::MouseButtonRelease, grab + QPoint(20, 20), Qt::NoButton);
    QVERIFY(!ruler->shaper().shapedForWindowDrag());
    QCOMPARE(ruler->mask(), full);
}

void TestRulerShape::compositorStartingAndStoppingTogglesTheShape()
{
    RulerWindow *ruler = shownRuler();
    QTRY_VERIFY(!ruler->mask().isEmpty());
    m_fixture.desktop->setCompositing(true);
    QVERIFY(ruler->mask().isEmpty());
    // With a compositor, changes no longer shape the window.
    setOption(*ruler, RulerOption::ShowCentralPoint, true);
    ruler->repaint();
    QTest::qWait(50);
    QVERIFY(ruler->mask().isEmpty());
    m_fixture.desktop->setCompositing(false);
    QCOMPARE(ruler->mask(), ruler->shaper().region());
}

GRADORA_TEST_MAIN(TestRulerShape)
#include "tst_rulershape.moc"
