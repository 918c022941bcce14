// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The edge finder in a ruler window, over a desktop picture that the test hands in place of the screen.
#include "figure/figurereadings.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/edgefinder/edgefindertool.h"
#include "rulerfixture.h"

#include <QAction>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>

namespace {

const QRect kWindow(100, 100, 400, 300);
// On the desktop: a grey ground and a box 200 × 100, 40 grey levels lighter.
const QColor kDesk(100, 100, 100);
const QColor kBoxColor(140, 140, 140);
const QRect kBox(150, 120, 200, 100);
const QPoint kInBox(150, 80); // in the window; (250, 180) on the desktop
const QRgb kLine = QColor(Qt::red).rgba();

QImage desktop()
{
    QImage image(800, 600, QImage::Format_RGB32);
    image.fill(kDesk);
    QPainter(&image).fillRect(kBox, kBoxColor);
    return image;
}

// Records the regions the window paints.
class PaintWatch : public QObject
{
public:
    QRegion painted;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

QString at(QPoint point)
{
    return QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y());
}

} // namespace

class TestEdgeFinderRuler : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void toggles_data();
    void toggles();
    void motionDrawsTheLines();
    void motionRepaintsTheOverlayOnly();
    void wheelChangesTheTolerance();
    void clickFitsTheWindow();
    void shiftClickFitsTheFigure();
    void theWindowsOwnMovesTakeNoNewPicture();
    void aScaledPictureIsReadInLogicalPixels();
    void withoutCompositorTheWindowKeepsItsBody();

private:
    RulerWindow *shownRuler();
    QAction *entry() const { return m_ruler->menu()->action(RulerCommand::EdgeFinder); }
    bool edgeFinderOn() const { return entry()->isChecked(); }
    QImage paint() const;
    void wheel(int notches);

    RulerFixture m_fixture;
    RulerWindow *m_ruler = nullptr;
};

void TestEdgeFinderRuler::init()
{
    m_fixture.setUp(false);
    m_fixture.desktop->picture = [] {
        return ScreenPicture{desktop(), QRect(QPoint(0, 0), desktop().size()), {}};
    };
    m_ruler = shownRuler();
}

void TestEdgeFinderRuler::cleanup()
{
    m_fixture.tearDown();
}

RulerWindow *TestEdgeFinderRuler::shownRuler()
{
    RulerWindow *ruler = m_fixture.shown(kWindow, true);
    setOption(*ruler, RulerOption::ShowFigure, false);
    setOption(*ruler, RulerOption::ShowReadings, false);
    setOption(*ruler, RulerOption::ShowCentralPoint, false);
    return ruler;
}

QImage TestEdgeFinderRuler::paint() const
{
    QImage canvas(m_ruler->size(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    m_ruler->render(&canvas);
    return canvas;
}

void TestEdgeFinderRuler::wheel(int notches)
{
    for (int i = 0; i < qAbs(notches); ++i) {
        QWheelEvent event(kInBox, m_ruler->mapToGlobal(kInBox), QPoint(), QPoint(0, notches > 0 ? 120 : -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_ruler, &event);
    }
}

enum class Way
{
    Key,
    MenuEntry,
};
Q_DECLARE_METATYPE(Way)

void TestEdgeFinderRuler::toggles_data()
{
    QTest::addColumn<Way>("on");
    QTest::addColumn<Qt::Key>("off");
    QTest::newRow("E, then E") << Way::Key << Qt::Key_E;
    QTest::newRow("E, then Escape") << Way::Key << Qt::Key_Escape;
    QTest::newRow("the menu entry, then E") << Way::MenuEntry << Qt::Key_E;
}

void TestEdgeFinderRuler::toggles()
{
    QFETCH(Way, on);
    QFETCH(Qt::Key, off);
    QVERIFY(entry()->isCheckable());
    QCOMPARE(entry()->shortcut(), QKeySequence(QStringLiteral("E")));
    QVERIFY(!edgeFinderOn());
    if (on == Way::Key)
        QTest::keyClick(m_ruler, Qt::Key_E);
    else
        entry()->trigger();
    QVERIFY(edgeFinderOn());
    QCOMPARE(m_fixture.desktop->picturesTaken, 1);
    QTest::keyClick(m_ruler, off);
    QVERIFY(!edgeFinderOn());
    // Escape outside the mode leaves the ruler as it is.
    QTest::keyClick(m_ruler, Qt::Key_Escape);
    QVERIFY(!edgeFinderOn());
    QCOMPARE(m_ruler->geometry(), kWindow);
}

// The lines run from edge to edge of the box through the pointer, on exactly its pixels.
void TestEdgeFinderRuler::motionDrawsTheLines()
{
    QTest::keyClick(m_ruler, Qt::Key_E);
    QTest::mouseMove(m_ruler, kInBox);
    const QImage image = paint();
    const QRect box = kBox.translated(-kWindow.topLeft()); // (50, 20) to (249, 119)
    for (int x = box.left(); x <= box.right(); ++x)
        QVERIFY2(image.pixel(x, kInBox.y()) == kLine, qPrintable(at({x, kInBox.y()})));
    for (int y = box.top(); y <= box.bottom(); ++y)
        QVERIFY2(image.pixel(kInBox.x(), y) == kLine, qPrintable(at({kInBox.x(), y})));
    for (const QPoint &past : {QPoint(box.left() - 1, kInBox.y()), QPoint(box.right() + 1, kInBox.y()),
                               QPoint(kInBox.x(), box.top() - 1), QPoint(kInBox.x(), box.bottom() + 1)})
        QVERIFY2(image.pixel(past) != kLine, qPrintable(at(past)));

    // Leaving the window takes the lines away, and so does leaving the mode.
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_ruler, &leave);
    QVERIFY(paint().pixel(box.left(), kInBox.y()) != kLine);
    QTest::mouseMove(m_ruler, kInBox + QPoint(1, 0));
    QCOMPARE(paint().pixel(box.left(), kInBox.y()), kLine);
    QTest::keyClick(m_ruler, Qt::Key_E);
    QVERIFY(paint().pixel(box.left(), kInBox.y()) != kLine);
}

void TestEdgeFinderRuler::motionRepaintsTheOverlayOnly()
{
    QTest::keyClick(m_ruler, Qt::Key_E);
    QTest::mouseMove(m_ruler, kInBox);
    QCoreApplication::processEvents();
    PaintWatch watch;
    m_ruler->installEventFilter(&watch);
    const QPoint next = kInBox + QPoint(20, 10);
    QTest::mouseMove(m_ruler, next);
    QTRY_VERIFY(!watch.painted.isEmpty());
    // The old and the new lines, not the body around them.
    for (const QPoint &point :
         {QPoint(60, kInBox.y()), QPoint(60, next.y()), QPoint(kInBox.x(), 30), QPoint(next.x(), 30)})
        QVERIFY2(watch.painted.contains(point), qPrintable(at(point)));
    for (const QPoint &point : {QPoint(10, 10), QPoint(390, 290), QPoint(60, 60)})
        QVERIFY2(!watch.painted.contains(point), qPrintable(at(point)));
}

// The box is 40 grey levels off the ground: within a tolerance of 40 it is no edge any more.
void TestEdgeFinderRuler::wheelChangesTheTolerance()
{
    QTest::keyClick(m_ruler, Qt::Key_E);
    QTest::mouseMove(m_ruler, kInBox);
    const int toWholeScreen = (40 - EdgeFinderTool::kDefaultTolerance) / EdgeFinderTool::kToleranceStep;
    const QPoint beyondBox(10, kInBox.y());
    QVERIFY(paint().pixel(beyondBox) != kLine);
    wheel(toWholeScreen);
    QCOMPARE(paint().pixel(beyondBox), kLine);
    wheel(-1);
    QVERIFY(paint().pixel(beyondBox) != kLine);
    // Clicking now fits to the box again.
    QTest::mouseClick(m_ruler, Qt::LeftButton, Qt::NoModifier, kInBox);
    QCOMPARE(m_ruler->geometry(), kBox);
}

void TestEdgeFinderRuler::clickFitsTheWindow()
{
    QTest::keyClick(m_ruler, Qt::Key_E);
    QTest::mouseMove(m_ruler, kInBox);
    QTest::mouseClick(m_ruler, Qt::LeftButton, Qt::NoModifier, kInBox);
    QCOMPARE(m_ruler->geometry(), kBox);
    QVERIFY(edgeFinderOn());
    QVERIFY(!m_ruler->state().fullScreen());
}

void TestEdgeFinderRuler::shiftClickFitsTheFigure()
{
    QTest::keyClick(m_ruler, Qt::Key_E);
    QTest::mouseMove(m_ruler, kInBox);
    QTest::mouseClick(m_ruler, Qt::LeftButton, Qt::ShiftModifier, kInBox);
    QCOMPARE(m_ruler->geometry(), kWindow);
    const FigureModel &figure = m_ruler->flyingFigure();
    QVERIFY(m_ruler->state().options().value(RulerOption::ShowFigure));
    QCOMPARE(figure.kind, FigureKind::CornerRectangle);
    QVERIFY(!figure.flyingRuler);
    // The outline runs on the box's outer pixels.
    const QRect box = kBox.translated(-kWindow.topLeft());
    QCOMPARE(figure.screenPoints, QPolygon({box.topLeft(), box.topRight(), box.bottomLeft()}));
    // And it reads what the box measures.
    const FigureReadings readings = FigureReadings::measure(figure, {}, {kWindow.size()});
    QCOMPARE(readings.widthPx, double(kBox.width()));
    QCOMPARE(readings.heightPx, double(kBox.height()));
    QVERIFY(m_ruler->menu()->action(RulerCommands::cornerShape(0))->isChecked());
}

// The picture holds none of the program's windows: where the window goes changes nothing in it, so
// the window never steps aside again while the finder is on (and no key pressed meanwhile is lost).
void TestEdgeFinderRuler::theWindowsOwnMovesTakeNoNewPicture()
{
    QTest::keyClick(m_ruler, Qt::Key_E);
    QTest::mouseMove(m_ruler, kInBox);
    QTest::mouseClick(m_ruler, Qt::LeftButton, Qt::NoModifier, kInBox);
    QCOMPARE(m_ruler->geometry(), kBox);
    QTest::keyClick(m_ruler, Qt::Key_Right);
    QCOMPARE(m_ruler->geometry(), kBox.translated(1, 0));
    QTest::qWait(2 * ScreenGrab::kSettleMs);
    QCOMPARE(m_fixture.desktop->picturesTaken, 1);
    // The box is still found where it stands on the desktop.
    QTest::mouseMove(m_ruler, QPoint(20, 20));
    QTest::mouseClick(m_ruler, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
    QCOMPARE(m_ruler->geometry(), kBox);
}

// Where the compositor scales the output, the picture has more pixels than the desktop has logical
// ones: the box is found and fitted in logical pixels.
void TestEdgeFinderRuler::aScaledPictureIsReadInLogicalPixels()
{
    m_fixture.desktop->picture = [] {
        const QImage image = desktop();
        return ScreenPicture{image.scaled(image.size() * 2), image.rect(), {}};
    };
    QTest::keyClick(m_ruler, Qt::Key_E);
    QTest::mouseMove(m_ruler, kInBox);
    QTest::mouseClick(m_ruler, Qt::LeftButton, Qt::NoModifier, kInBox);
    QCOMPARE(m_ruler->geometry(), kBox);
}

// Shaped to its bands, the window would let the pointer through its body: in the mode it keeps its
// whole rectangle and draws the desktop under itself.
void TestEdgeFinderRuler::withoutCompositorTheWindowKeepsItsBody()
{
    m_fixture.desktop->setCompositing(false);
    const QPoint body(300, 250); // the ground, below the box
    QTRY_VERIFY(m_ruler->shaper().region() != QRegion(m_ruler->rect()));
    QTRY_COMPARE(qAlpha(paint().pixel(body)), 0);
    QTest::keyClick(m_ruler, Qt::Key_E);
    QCOMPARE(m_ruler->shaper().region(), QRegion(m_ruler->rect()));
    // Once the window has taken its new shape, the desktop shows beneath the body.
    QTRY_COMPARE(qAlpha(paint().pixel(body)), 255);
    const QPoint overBox(120, 40);
    QVERIFY(paint().pixel(overBox) != paint().pixel(body));
    QTest::keyClick(m_ruler, Qt::Key_E);
    QVERIFY(m_ruler->shaper().region() != QRegion(m_ruler->rect()));
}

GRADORA_TEST_MAIN(TestEdgeFinderRuler)
#include "tst_edgefinderruler.moc"
