// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// Rulers on a desktop that places windows itself, and on a scaled display: which drags go to the
// compositor, how the ruler learns where it was put, what the panel says, and the device-pixel sizes.
#include "ruler/input/compositordrag.h"
#include "ruler/panel/infopanel.h"
#include "rulerfixture.h"

#include <QClipboard>
#include <QLabel>
#include <QMoveEvent>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

using DragMode = PointerRules::DragMode;
using Request = CompositorDrag::Request;
Q_DECLARE_METATYPE(DragMode)
Q_DECLARE_METATYPE(std::optional<Request>)
Q_DECLARE_METATYPE(std::optional<QPoint>)
Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

namespace {
const QRect kWindow(300, 150, 300, 200);
const std::optional<Request> kNone;
const std::optional<Request> kMove = Request{};
// Stands in for the window system putting `window` at `place` and reporting it: the window takes the
// place without seeing a move of its own, then hears of it as from the window system (sendEvent would
// mark the report as the program's own).
class WindowSystemMove : public QObject
{
public:
    static void put(QWidget *window, const QPoint &place)
    {
        WindowSystemMove unseen;
        window->installEventFilter(&unseen);
        const QPoint before = window->pos();
        window->move(place);
        window->removeEventFilter(&unseen);
        QMoveEvent report(place, before);
        QSpontaneKeyEvent::setSpontaneous(&report);
        QCoreApplication::instance()->notify(window, &report);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        return event->type() == QEvent::Move && !event->spontaneous();
    }
};

std::optional<Request> resizeAt(Qt::Edges edges)
{
    return Request{edges};
}
} // namespace

class TestPlacedByDesktop : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void forDrag_data();
    void forDrag();
    void pointerDrags_data();
    void pointerDrags();
    void theFirstShowReadsBackThePlace_data();
    void theFirstShowReadsBackThePlace();
    void doubleClickTogglesFullScreen();
    void placementServicePlacesTheRuler_data();
    void placementServicePlacesTheRuler();
    void placementServicePutsBackARulerPutElsewhere();
    void placementServicePutsThePanelBesideTheRuler();
    void keyMovesSayOnceThatTheyCannot();
    void placeOnlyFromTheDesktop_data();
    void placeOnlyFromTheDesktop();
    void sizesInDevicePixels_data();
    void sizesInDevicePixels();

private:
    RulerWindow *shownRuler(bool withFigure = false);

    RulerFixture m_fixture;
    QList<Request> m_handedOver;
};

void TestPlacedByDesktop::init()
{
    m_fixture.setUp(true);
    m_handedOver.clear();
}

void TestPlacedByDesktop::cleanup()
{
    m_fixture.tearDown();
}

RulerWindow *TestPlacedByDesktop::shownRuler(bool withFigure)
{
    RulerWindow *ruler = m_fixture.shown(kWindow, true);
    setOption(*ruler, RulerOption::ShowFigure, withFigure);
    ruler->placement().setSystemDrag([this](QWindow *, const Request &request) {
        m_handedOver.append(request);
        return true;
    });
    return ruler;
}

void TestPlacedByDesktop::forDrag_data()
{
    QTest::addColumn<DragMode>("mode");
    QTest::addColumn<bool>("onFigure");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("alt");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<std::optional<Request>>("expected");
    QTest::newRow("the body moves") << DragMode::Body << false << false << false << false << kMove;
    QTest::newRow("the figure's body is ours") << DragMode::Body << true << false << false << false << kNone;
    QTest::newRow("Alt moves even over the figure")
        << DragMode::Body << true << false << true << false << kMove;
    QTest::newRow("Shift sizes from the bottom-right")
        << DragMode::Body << false << true << false << false << resizeAt(Qt::RightEdge | Qt::BottomEdge);
    QTest::newRow("a handle is ours") << DragMode::ControlPoint << false << false << false << false << kNone;
    QTest::newRow("left edge") << DragMode::LeftEdge << false << false << false << false
                               << resizeAt(Qt::LeftEdge);
    QTest::newRow("right edge") << DragMode::RightEdge << false << false << false << false
                                << resizeAt(Qt::RightEdge);
    QTest::newRow("top edge") << DragMode::TopEdge << false << false << false << false
                              << resizeAt(Qt::TopEdge);
    QTest::newRow("bottom edge") << DragMode::BottomEdge << false << false << false << false
                                 << resizeAt(Qt::BottomEdge);
    QTest::newRow("top-left corner") << DragMode::TopLeft << false << false << false << false
                                     << resizeAt(Qt::TopEdge | Qt::LeftEdge);
    QTest::newRow("top-right corner")
        << DragMode::TopRight << false << false << false << false << resizeAt(Qt::TopEdge | Qt::RightEdge);
    QTest::newRow("bottom-left corner") << DragMode::BottomLeft << false << false << false << false
                                        << resizeAt(Qt::BottomEdge | Qt::LeftEdge);
    QTest::newRow("bottom-right corner") << DragMode::BottomRight << false << false << false << false
                                         << resizeAt(Qt::BottomEdge | Qt::RightEdge);
    QTest::newRow("nothing moves in full screen")
        << DragMode::Body << false << false << false << true << kNone;
    QTest::newRow("nor resizes") << DragMode::RightEdge << false << false << false << true << kNone;
}

void TestPlacedByDesktop::forDrag()
{
    QFETCH(DragMode, mode);
    QFETCH(bool, onFigure);
    QFETCH(bool, shift);
    QFETCH(bool, alt);
    QFETCH(bool, fullScreen);
    QTEST(CompositorDrag::forDrag(mode, onFigure, shift, alt, fullScreen), "expected");
}

enum class Gesture
{
    Click,
    Body,
    RightEdge,
    BottomLeftCorner,
    CornerPressedWithoutHover, // the pointer came onto the ruler at its corner and pressed at once
    GuideBand,
    Figure,
};
Q_DECLARE_METATYPE(Gesture)

void TestPlacedByDesktop::pointerDrags_data()
{
    QTest::addColumn<bool>("placesItself");
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<std::optional<Request>>("handedOver");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("own placement: the body drag moves the window")
        << false << Gesture::Body << kNone << kWindow.translated(-40, 30);
    QTest::newRow("own placement: the edge drag resizes it")
        << false << Gesture::RightEdge << kNone << kWindow.adjusted(0, 0, 20, 0);
    QTest::newRow("placed by the desktop: the body drag goes to the compositor")
        << true << Gesture::Body << kMove << kWindow;
    QTest::newRow("placed by the desktop: the edge drag too")
        << true << Gesture::RightEdge << resizeAt(Qt::RightEdge) << kWindow;
    QTest::newRow("placed by the desktop: a corner")
        << true << Gesture::BottomLeftCorner << resizeAt(Qt::BottomEdge | Qt::LeftEdge) << kWindow;
    QTest::newRow("own placement: a corner pressed without a hover resizes there")
        << false << Gesture::CornerPressedWithoutHover << kNone << kWindow.adjusted(0, 0, -30, 20);
    QTest::newRow("placed by the desktop: a corner pressed without a hover")
        << true << Gesture::CornerPressedWithoutHover << resizeAt(Qt::BottomEdge | Qt::RightEdge) << kWindow;
    // The compositor's move ends at the release; what a click does is done at the press.
    QTest::newRow("placed by the desktop: a click hands over at the press and moves nothing")
        << true << Gesture::Click << kMove << kWindow;
    QTest::newRow("placed by the desktop: a guide band drops a guide")
        << true << Gesture::GuideBand << kNone << kWindow;
    QTest::newRow("placed by the desktop: the figure stays ours")
        << true << Gesture::Figure << kNone << kWindow;
}

void TestPlacedByDesktop::pointerDrags()
{
    QFETCH(bool, placesItself);
    QFETCH(Gesture, gesture);
    QFETCH(std::optional<Request>, handedOver);
    QFETCH(QRect, expected);
    m_fixture.desktop->setHonoursOwnPlacement(!placesItself);
    RulerWindow *ruler = shownRuler(gesture == Gesture::Figure);
    const QPoint figure = ruler->flyingFigure().screenPoints.boundingRect().center();
    const QPolygon before = ruler->flyingFigure().screenPoints;
    switch (gesture) {
    case Gesture::Click:
        QTest::mouseClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
        break;
    case Gesture::CornerPressedWithoutHover: {
        const QPoint corner(ruler->width() - 2, ruler->height() - 2);
        QTest::mouseMove(ruler, QPoint(150, 100));
        QTest::mousePress(ruler, Qt::LeftButton, Qt::NoModifier, corner);
        QTest::mouseMove(ruler, corner + QPoint(-30, 20));
        QTest::mouseRelease(ruler, Qt::LeftButton, Qt::NoModifier, corner + QPoint(-30, 20));
        break;
    }
    case Gesture::GuideBand:
        RulerFixture::drag(ruler, QPoint(150, 20), QPoint(150, 60));
        QCOMPARE(ruler->guides().horizontal(), QList<int>{60});
        break;
    case Gesture::Body:
        RulerFixture::drag(ruler, QPoint(150, 100), QPoint(110, 130));
        break;
    case Gesture::RightEdge:
        RulerFixture::drag(ruler, QPoint(ruler->width() - 2, 100), QPoint(ruler->width() + 18, 100));
        break;
    case Gesture::BottomLeftCorner:
        RulerFixture::drag(ruler, QPoint(1, ruler->height() - 2), QPoint(-20, ruler->height() + 20));
        break;
    case Gesture::Figure:
        RulerFixture::drag(ruler, figure, figure + QPoint(10, 5));
        QCOMPARE(ruler->flyingFigure().screenPoints, before.translated(10, 5));
        break;
    }
    QCOMPARE(m_handedOver.size(), handedOver ? 1 : 0);
    if (handedOver)
        QCOMPARE(m_handedOver.first(), *handedOver);
    QTRY_COMPARE(ruler->geometry(), expected);
}

void TestPlacedByDesktop::theFirstShowReadsBackThePlace_data()
{
    QTest::addColumn<std::optional<QPoint>>("movedItself");
    QTest::addColumn<QPoint>("reported");
    QTest::addColumn<bool>("honoured");
    const std::optional<QPoint> stayed;
    QTest::newRow("put where it asked") << stayed << kWindow.topLeft() << true;
    QTest::newRow("centred by the compositor") << stayed << QPoint(210, 140) << false;
    QTest::newRow("moved itself, reported there")
        << std::optional<QPoint>(QPoint(320, 150)) << QPoint(320, 150) << true;
    QTest::newRow("moved itself, put back")
        << std::optional<QPoint>(QPoint(320, 150)) << kWindow.topLeft() << false;
}

// The window system reports where it put the ruler after its first show; the test stands in for it.
void TestPlacedByDesktop::theFirstShowReadsBackThePlace()
{
    QFETCH(std::optional<QPoint>, movedItself);
    QFETCH(QPoint, reported);
    RulerWindow *ruler = shownRuler();
    if (movedItself)
        ruler->placement().placeAt(*movedItself);
    QSignalSpy changes(m_fixture.desktop.get(), &Desktop::placementHonouredChanged);
    WindowSystemMove::put(ruler, reported);
    QTEST(m_fixture.desktop->honoursOwnPlacement(), "honoured");
    QCOMPARE(changes.size(), m_fixture.desktop->honoursOwnPlacement() ? 0 : 1);

    // Once the user took the ruler, reports (the user moving the window through the window manager)
    // tell nothing more.
    QTest::mouseClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    WindowSystemMove::put(ruler, kWindow.topLeft() + QPoint(300, 0));
    QTEST(m_fixture.desktop->honoursOwnPlacement(), "honoured");
}

// Each press of a double click hands a move to the compositor, which ends it at the release; the
// double click itself is the program's.
void TestPlacedByDesktop::doubleClickTogglesFullScreen()
{
    m_fixture.desktop->setHonoursOwnPlacement(false);
    RulerWindow *ruler = shownRuler();
    QTest::mouseClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    QTest::mouseDClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    QVERIFY(ruler->state().fullScreen());
    QVERIFY(!m_handedOver.isEmpty());
    QVERIFY(std::all_of(m_handedOver.cbegin(), m_handedOver.cend(), [](const Request &r) { return r.isMove(); }));
    QTest::mouseDClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    QVERIFY(!ruler->state().fullScreen());
}

void TestPlacedByDesktop::placementServicePlacesTheRuler_data()
{
    QTest::addColumn<bool>("placesItself");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QList<QRect>>("asked"); // of the placement service
    QTest::addColumn<QRect>("expected");     // the window's geometry as the program sets it
    const Preferences::Steps steps;
    QTest::newRow("own placement: the window moves itself")
        << false << Qt::KeyboardModifiers() << QList<QRect>() << kWindow.translated(steps.moveNormal, 0);
    QTest::newRow("placed by the desktop: an arrow key asks the service")
        << true << Qt::KeyboardModifiers() << QList<QRect>{kWindow.translated(steps.moveNormal, 0)} << kWindow;
    QTest::newRow("placed by the desktop: Alt and an arrow key")
        << true << Qt::KeyboardModifiers(Qt::AltModifier) << QList<QRect>{kWindow.translated(steps.moveMore, 0)}
        << kWindow;
    QTest::newRow("placed by the desktop: Shift and an arrow key resizes")
        << true << Qt::KeyboardModifiers(Qt::ShiftModifier)
        << QList<QRect>{kWindow.adjusted(0, 0, steps.resizeNormal, 0)} << kWindow;
}

// Where the desktop places windows itself and the compositor has a placement service, the service
// alone places the ruler (the window system hears nothing that would make the compositor place it
// its own way), and nothing is said in the panel.
void TestPlacedByDesktop::placementServicePlacesTheRuler()
{
    QFETCH(bool, placesItself);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QList<QRect>, asked);
    QList<QRect> placed;
    WId rulerId = 0;
    // The information panel beside the ruler asks for its place too.
    m_fixture.desktop->placeAt = [&](WId window, const QRect &frame) {
        if (window == rulerId)
            placed.append(frame);
        return true;
    };
    m_fixture.desktop->setHonoursOwnPlacement(!placesItself);
    RulerWindow *ruler = shownRuler();
    rulerId = ruler->winId();
    QTest::keyClick(ruler, Qt::Key_Right, modifiers);
    QCOMPARE(placed, asked);
    QTEST(ruler->geometry(), "expected");
    QTest::qWait(50);
    QVERIFY(!m_fixture.hub->infoPanel()->noticeLabel()->isVisibleTo(m_fixture.hub->infoPanel()));
}

// The compositor put a new ruler elsewhere than it asked: the service puts it back, once.
void TestPlacedByDesktop::placementServicePutsBackARulerPutElsewhere()
{
    QList<QRect> placed;
    WId rulerId = 0;
    m_fixture.desktop->placeAt = [&](WId window, const QRect &frame) {
        if (window == rulerId)
            placed.append(frame);
        return true;
    };
    RulerWindow *ruler = shownRuler();
    rulerId = ruler->winId();
    WindowSystemMove::put(ruler, QPoint(210, 140));
    QVERIFY(!m_fixture.desktop->honoursOwnPlacement());
    QCOMPARE(placed, QList<QRect>{kWindow});
    WindowSystemMove::put(ruler, QPoint(250, 160));
    QCOMPARE(placed, QList<QRect>{kWindow});
}

// The compositor put the shown panel elsewhere (over the ruler): the service puts it back beside it.
void TestPlacedByDesktop::placementServicePutsThePanelBesideTheRuler()
{
    m_fixture.desktop->setHonoursOwnPlacement(false);
    RulerWindow *ruler = shownRuler();
    InfoPanel *panel = m_fixture.hub->infoPanel();
    QTRY_VERIFY(panel->isVisible());
    const QRect beside = panel->geometry();
    QVERIFY(!beside.intersects(ruler->geometry()));
    QList<QRect> placed;
    m_fixture.desktop->placeAt = [&](WId window, const QRect &frame) {
        if (window == panel->winId())
            placed.append(frame);
        return true;
    };
    WindowSystemMove::put(panel, ruler->pos());
    QCOMPARE(placed, QList<QRect>{beside});
}

void TestPlacedByDesktop::keyMovesSayOnceThatTheyCannot()
{
    m_fixture.desktop->setHonoursOwnPlacement(false);
    RulerWindow *ruler = shownRuler();
    QLabel *notice = m_fixture.hub->infoPanel()->noticeLabel();
    QTRY_VERIFY(m_fixture.hub->infoPanel()->isVisible());
    QVERIFY(!notice->isVisibleTo(m_fixture.hub->infoPanel()));

    QTest::keyClick(ruler, Qt::Key_Right);
    QTRY_VERIFY(notice->isVisibleTo(m_fixture.hub->infoPanel()));
    QVERIFY(notice->text().contains(QStringLiteral("places windows itself")));
    // The next press on the ruler takes it away; it is not said again.
    QTest::mouseClick(ruler, Qt::LeftButton, Qt::NoModifier, QPoint(150, 100));
    QTRY_VERIFY(!notice->isVisibleTo(m_fixture.hub->infoPanel()));
    QTest::keyClick(ruler, Qt::Key_Right);
    QTest::qWait(50);
    QVERIFY(!notice->isVisibleTo(m_fixture.hub->infoPanel()));
}

// Where the toolkit is never told where the window stands (a native Wayland client, whose toolkit says
// 0, 0), the panel and the settings file take the place the compositor tells, and where nobody tells,
// the panel says so and the settings file keeps the stored place.
void TestPlacedByDesktop::placeOnlyFromTheDesktop_data()
{
    QTest::addColumn<std::optional<QPoint>>("told");
    QTest::addColumn<QStringList>("edges"); // L, T, R, B
    QTest::addColumn<QRect>("kept");
    QTest::newRow("the compositor tells") << std::optional<QPoint>(QPoint(710, 390))
                                          << QStringList{"L: 710", "T: 390", "R: 1210", "B: 690"}
                                          << QRect(710, 390, 500, 300);
    QTest::newRow("nobody tells") << std::optional<QPoint>()
                                  << QStringList{"L: \u2014", "T: \u2014", "R: \u2014", "B: \u2014"}
                                  << QRect(100, 200, 500, 300);
}

void TestPlacedByDesktop::placeOnlyFromTheDesktop()
{
    QFETCH(std::optional<QPoint>, told);
    QFETCH(QStringList, edges);
    QFETCH(QRect, kept);
    m_fixture.desktop->setHonoursOwnPlacement(false);
    m_fixture.desktop->positionOf = [&told](QWindow *) { return told; };
    {
        QSettings store;
        store.setValue(QStringLiteral("geometry"), QRect(100, 200, 500, 300));
    }
    RulerWindow *ruler = m_fixture.attached();
    ruler->restoreStored(QString());
    QVERIFY(QTest::qWaitForWindowExposed(ruler));
    // The toolkit's own word, as a native Wayland client has it.
    ruler->move(0, 0);
    InfoPanel *panel = m_fixture.hub->infoPanel();
    const auto shownEdges = [panel] {
        QStringList texts;
        for (InfoPanel::RulerReading edge : {InfoPanel::Left, InfoPanel::Top, InfoPanel::Right, InfoPanel::Bottom})
            texts.append(panel->rulerLabel(edge)->text());
        return texts;
    };
    QTRY_COMPARE(shownEdges(), edges);
    QCOMPARE(panel->noticeLabel()->isVisibleTo(panel), !told.has_value());
    if (!told)
        QVERIFY(panel->noticeLabel()->text().contains(QStringLiteral("place is not known")));
    QCOMPARE(ruler->record().geometry.toRect(), kept);

    if (!told)
        return;
    // The compositor moved the ruler (a drag handed to it): the pointer meets the ruler again.
    told = QPoint(40, 50);
    QEnterEvent enter(QPointF(10, 10), QPointF(10, 10), QPointF(50, 60));
    QCoreApplication::sendEvent(ruler, &enter);
    QTRY_COMPARE(shownEdges(), QStringList({"L: 40", "T: 50", "R: 540", "B: 350"}));
    QCOMPARE(ruler->record().geometry.toRect(), QRect(40, 50, 500, 300));
}

void TestPlacedByDesktop::sizesInDevicePixels_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QString>("note");
    QTest::newRow("unscaled") << 1.0 << QString();
    QTest::newRow("200 %") << 2.0 << QStringLiteral("(600 × 400 device px at 200 %)");
    QTest::newRow("150 %") << 1.5 << QStringLiteral("(450 × 300 device px at 150 %)");
}

void TestPlacedByDesktop::sizesInDevicePixels()
{
    QFETCH(qreal, scale);
    QFETCH(QString, note);
    RulerWindow *ruler = shownRuler();
    m_fixture.desktop->noteDisplayScale(scale);
    QLabel *label = m_fixture.hub->infoPanel()->deviceSizeLabel();
    QTRY_COMPARE(label->text(), note);
    QCOMPARE(label->isVisibleTo(m_fixture.hub->infoPanel()), !note.isEmpty());
    // The readings stay in logical pixels.
    QTRY_VERIFY(
        m_fixture.hub->infoPanel()->rulerLabel(InfoPanel::Width)->text().contains(QStringLiteral("300")));

    ruler->execute(RulerCommand::CopyReadings);
    const QString firstLine = QGuiApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0);
    QCOMPARE(firstLine,
             note.isEmpty() ? QStringLiteral("300 × 200 px") : QStringLiteral("300 × 200 px ") + note);
}

GRADORA_TEST_MAIN(TestPlacedByDesktop)
#include "tst_placedbydesktop.moc"
