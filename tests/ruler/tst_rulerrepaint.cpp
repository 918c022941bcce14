// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// A ruler paints only what changed: the pointer moving over it paints nothing unless it changes what the
// ruler shows, and then only the part that changed; a moved window paints nothing at all. What the
// window holds afterwards is what a fresh paint of its state gives.
#include "figure/figurekind.h"
#include "paint/repaintregions.h"
#include "render/menutext.h"
#include "rulerfixture.h"

#include <QLabel>
#include <QWheelEvent>
#include <functional>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScreen>
#include <algorithm>
#include <cstdlib>

namespace {

// Counts the paints a widget receives and where they fall.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;
    QRegion painted;
    void reset()
    {
        paints = 0;
        painted = QRegion();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            painted += static_cast<QPaintEvent *>(event)->region();
        }
        return false;
    }
};

void sendMouseAt(QWidget *widget, QEvent::Type type, QPoint global, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, widget->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void sendMouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    sendMouseAt(widget, type, widget->mapToGlobal(pos), buttons);
}

void moveOver(QWidget *widget, const QList<QPoint> &path, Qt::MouseButtons buttons = Qt::NoButton)
{
    for (const QPoint &pos : path)
        sendMouse(widget, QEvent::MouseMove, pos, buttons);
    QApplication::processEvents();
}

// A zigzag over the whole window, through the ticker bands, guide bands and body.
QList<QPoint> zigzag(QSize size)
{
    QList<QPoint> path;
    for (int step = 0; step < 200; ++step)
        path.append(QPoint(step * 7 % size.width(), step * 13 % size.height()));
    return path;
}

// The premultiplied pixels with their alpha dropped, as the screen gives a window's.
QImage overBlack(const QImage &image)
{
    const QImage premultiplied = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return QImage(premultiplied.constBits(), premultiplied.width(), premultiplied.height(),
                  premultiplied.bytesPerLine(), QImage::Format_RGB32)
        .copy();
}

// The largest difference of a colour channel between two images of one size.
int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *left = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *right = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            largest = std::max({largest, std::abs(qRed(left[x]) - qRed(right[x])),
                                std::abs(qGreen(left[x]) - qGreen(right[x])),
                                std::abs(qBlue(left[x]) - qBlue(right[x]))});
        }
    }
    return largest;
}

// What the window's backing store holds, against a fresh paint of the whole window. Smoothed text and
// lines drawn through a clip may round a channel by one step differently than drawn whole: anything
// left over from before differs by far more.
void compareWithFreshPaint(RulerWindow *ruler)
{
    const QImage held = overBlack(ruler->screen()->grabWindow(ruler->winId()).toImage());
    const QImage fresh = overBlack(ruler->grab().toImage());
    QCOMPARE(held.size(), fresh.size());
    QVERIFY2(largestDifference(held, fresh) <= 1, "the window holds what a fresh paint does not show");
}

} // namespace

class TestRulerRepaint : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { m_fixture.tearDown(); }

    void motionThatChangesNothingPaintsNothing();
    void menuTextPaintsItsOwnRegion();
    void windowDragPaintsNothing();
    void panelFollowsAMoveWithoutAPaint();
    void guideDragPaintsItsBands();
    void guideSpacingsFollowTheDrag();
    void hoverPaintGoesWhenThePointerLeaves_data();
    void hoverPaintGoesWhenThePointerLeaves();
    void figureGesturesPaintWhereTheFigureIs_data();
    void figureGesturesPaintWhereTheFigureIs();

private:
    QRegion dragGuide(const QList<QPoint> &path);
    RulerFixture m_fixture;
    RulerWindow *m_ruler = nullptr;
    static constexpr QSize kSize{400, 300};
};

void TestRulerRepaint::init()
{
    m_fixture.setUp();
    m_ruler = m_fixture.shown(QRect(QPoint(100, 100), kSize), true);
    // Pressed once, the ruler owns the panel.
    sendMouse(m_ruler, QEvent::MouseButtonPress, QPoint(200, 20), Qt::LeftButton);
    sendMouse(m_ruler, QEvent::MouseButtonRelease, QPoint(200, 20), Qt::NoButton);
    QApplication::processEvents();
}

void TestRulerRepaint::motionThatChangesNothingPaintsNothing()
{
    m_ruler->execute(RulerCommand::ShowRotationCenter);
    QApplication::processEvents();
    PaintCounter counter(m_ruler);
    moveOver(m_ruler, zigzag(kSize));
    QCOMPARE(counter.paints, 0);
    compareWithFreshPaint(m_ruler);
}

void TestRulerRepaint::menuTextPaintsItsOwnRegion()
{
    m_fixture.preferences()->setValue(ProgramSetting::ShowTopRightMenu, true);
    QApplication::processEvents();
    PaintCounter counter(m_ruler);
    const QPoint onMenu = MenuText::baseline(kSize.width()) + QPoint(5, -3);
    QVERIFY(MenuText::inZone(onMenu, kSize.width()));
    moveOver(m_ruler, {QPoint(150, 150), onMenu, onMenu + QPoint(1, 0)});
    QCOMPARE(counter.paints, 1);
    QCOMPARE(counter.painted, QRegion(RepaintRegions::menuText(kSize.width())));
    compareWithFreshPaint(m_ruler);

    counter.reset();
    moveOver(m_ruler, {QPoint(150, 150)});
    QCOMPARE(counter.painted, QRegion(RepaintRegions::menuText(kSize.width())));
    compareWithFreshPaint(m_ruler);
}

void TestRulerRepaint::windowDragPaintsNothing()
{
    // A point of the body clear of the figure.
    const QPoint grab(360, 255);
    QVERIFY(!m_ruler->flyingFigure().hitTest(grab));
    moveOver(m_ruler, {grab});
    sendMouse(m_ruler, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    QApplication::processEvents();
    PaintCounter counter(m_ruler);
    const QPoint start = m_ruler->pos();
    const QPoint pressed = m_ruler->mapToGlobal(grab);
    for (int step = 1; step <= 100; ++step)
        sendMouseAt(m_ruler, QEvent::MouseMove, pressed + QPoint(step, step / 2), Qt::LeftButton);
    QApplication::processEvents();
    QCOMPARE(m_ruler->pos(), start + QPoint(100, 50));
    QCOMPARE(counter.paints, 0);
    sendMouse(m_ruler, QEvent::MouseButtonRelease, grab, Qt::NoButton);
    QApplication::processEvents();
    compareWithFreshPaint(m_ruler);
}

void TestRulerRepaint::panelFollowsAMoveWithoutAPaint()
{
    InfoPanel *panel = m_fixture.hub->infoPanel();
    QCOMPARE(panel->owner(), m_ruler);
    PaintCounter counter(m_ruler);
    m_ruler->move(140, 120);
    QTRY_COMPARE(panel->rulerLabel(InfoPanel::Left)->text(), QStringLiteral("L: 140"));
    QCOMPARE(panel->rulerLabel(InfoPanel::Top)->text(), QStringLiteral("T: 120"));
    QCOMPARE(counter.paints, 0);
}

// Drags a guide along `path` with the left button, from its first point; returns what was painted.
QRegion TestRulerRepaint::dragGuide(const QList<QPoint> &path)
{
    moveOver(m_ruler, {path.first()});
    sendMouse(m_ruler, QEvent::MouseButtonPress, path.first(), Qt::LeftButton);
    QApplication::processEvents();
    PaintCounter counter(m_ruler);
    moveOver(m_ruler, path.mid(1), Qt::LeftButton);
    const QRegion painted = counter.painted;
    compareWithFreshPaint(m_ruler);
    sendMouse(m_ruler, QEvent::MouseButtonRelease, path.last(), Qt::NoButton);
    QApplication::processEvents();
    compareWithFreshPaint(m_ruler);
    return painted;
}

// A dragged guide paints its old and new bands (line and label), nothing else.
void TestRulerRepaint::guideDragPaintsItsBands()
{
    RulerFixture::placeGuide(m_ruler, Qt::Vertical, 150);
    QApplication::processEvents();
    QList<QPoint> path;
    for (int x = 150; x <= 210; ++x)
        path.append(QPoint(x, 200));
    const QRegion painted = dragGuide(path);
    QCOMPARE(m_ruler->guides().vertical(), QList<int>{210});
    QRegion allowed;
    for (int x = 150; x <= 210; ++x)
        allowed += RepaintRegions::verticalGuide(x, kSize);
    QVERIFY(!painted.isEmpty());
    QCOMPARE(painted - allowed, QRegion());
}

// With "hover guides" the spacings beside the pointer follow a dragged horizontal guide.
void TestRulerRepaint::guideSpacingsFollowTheDrag()
{
    RulerFixture::placeGuide(m_ruler, Qt::Horizontal, 100);
    setOption(*m_ruler, RulerOption::HoverGuides, true);
    QApplication::processEvents();
    QList<QPoint> path;
    for (int y = 100; y <= 160; ++y)
        path.append(QPoint(300, y));
    const QRegion painted = dragGuide(path);
    QCOMPARE(m_ruler->guides().horizontal(), QList<int>{160});
    QRegion allowed = RepaintRegions::guideSpacing(300, kSize);
    for (int y = 100; y <= 160; ++y)
        allowed += RepaintRegions::horizontalGuide(y, kSize);
    QVERIFY(!painted.isEmpty());
    QCOMPARE(painted - allowed, QRegion());
}

enum class Hovered
{
    GuideSpacings,
    MenuText
};
Q_DECLARE_METATYPE(Hovered)

void TestRulerRepaint::hoverPaintGoesWhenThePointerLeaves_data()
{
    QTest::addColumn<Hovered>("hovered");
    QTest::newRow("guide spacings") << Hovered::GuideSpacings;
    QTest::newRow("underlined menu text") << Hovered::MenuText;
}

// The pointer leaves straight from what it hovers (a shaped window's body lets it through, so no
// motion over the body comes first): what the hover painted goes with it.
void TestRulerRepaint::hoverPaintGoesWhenThePointerLeaves()
{
    QFETCH(Hovered, hovered);
    QPoint hover;
    if (hovered == Hovered::GuideSpacings) {
        RulerFixture::placeGuide(m_ruler, Qt::Horizontal, 100);
        RulerFixture::placeGuide(m_ruler, Qt::Horizontal, 180);
        setOption(*m_ruler, RulerOption::HoverGuides, true);
        hover = QPoint(300, 180);
    } else {
        m_fixture.preferences()->setValue(ProgramSetting::ShowTopRightMenu, true);
        hover = MenuText::baseline(kSize.width()) + QPoint(5, -3);
    }
    moveOver(m_ruler, {QPoint(150, 150)});
    const QImage before = m_ruler->grab().toImage();
    moveOver(m_ruler, {hover});
    QVERIFY2(m_ruler->grab().toImage() != before, "the hover painted nothing");

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(m_ruler, &leave);
    QApplication::processEvents();
    QVERIFY2(m_ruler->grab().toImage() == before, "what the hover painted stayed");
    compareWithFreshPaint(m_ruler);
}

namespace {
// A gesture on the figure; it resets the counter where its moves begin (after a press, which paints
// the window whole as any press does).
using FigureGesture = std::function<void(RulerWindow *ruler, QPoint inside, PaintCounter &counter)>;

void sendWheel(RulerWindow *ruler, QPoint pos, Qt::KeyboardModifiers modifiers)
{
    QWheelEvent event(pos, ruler->mapToGlobal(pos), QPoint(), QPoint(0, 120), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(ruler, &event);
}

// Presses at `from` and drags 10 steps down and to the right, each longer than the figure's margins.
void dragFrom(RulerWindow *ruler, QPoint from, PaintCounter &counter)
{
    moveOver(ruler, {from});
    sendMouse(ruler, QEvent::MouseButtonPress, from, Qt::LeftButton);
    QApplication::processEvents();
    counter.reset();
    for (int step = 1; step <= 10; ++step) {
        sendMouse(ruler, QEvent::MouseMove, from + QPoint(8 * step, 4 * step), Qt::LeftButton);
        QApplication::processEvents();
    }
}
} // namespace
Q_DECLARE_METATYPE(FigureGesture)

void TestRulerRepaint::figureGesturesPaintWhereTheFigureIs_data()
{
    QTest::addColumn<FigureGesture>("gesture");
    QTest::newRow("figure dragged by its body")
        << FigureGesture([](RulerWindow *ruler, QPoint inside, PaintCounter &counter) {
               dragFrom(ruler, inside, counter);
           });
    QTest::newRow("handle dragged") << FigureGesture([](RulerWindow *ruler, QPoint, PaintCounter &counter) {
        dragFrom(ruler, ruler->flyingFigure().screenPoints.at(1), counter);
    });
    QTest::newRow("wheel turns the figure") << FigureGesture([](RulerWindow *ruler, QPoint inside, PaintCounter &) {
        for (int notch = 0; notch < 5; ++notch) {
            sendWheel(ruler, inside, Qt::AltModifier | Qt::ShiftModifier);
            QApplication::processEvents();
        }
    });
    QTest::newRow("wheel scales the figure") << FigureGesture([](RulerWindow *ruler, QPoint inside, PaintCounter &) {
        for (int notch = 0; notch < 5; ++notch) {
            sendWheel(ruler, inside, Qt::ShiftModifier);
            QApplication::processEvents();
        }
    });
}

// Moving, reshaping, turning or scaling the figure paints where it was and where it is, not the window.
void TestRulerRepaint::figureGesturesPaintWhereTheFigureIs()
{
    QFETCH(FigureGesture, gesture);
    FigureModel small;
    small.create(FigureKind::CornerRectangle, kSize);
    small.points = {FigurePoint{0, 0}, FigurePoint{79, 0}, FigurePoint{0, 49}};
    small.origin = QPoint(150, 120);
    small.angle = 30;
    small.recompute();
    m_ruler->setFlyingFigure(small);
    QApplication::processEvents();
    const FigureModel before = m_ruler->flyingFigure();
    const QPolygon corners = before.screenPoints;
    const QPoint inside = (corners.at(0) + corners.at(1) + corners.at(2)) / 3;
    QVERIFY(before.hitTest(inside));

    PaintCounter counter(m_ruler);
    gesture(m_ruler, inside, counter);
    QVERIFY2(m_ruler->flyingFigure().screenPoints != corners, "the figure did not change");
    QVERIFY(!counter.painted.isEmpty());
    const QRect window = m_ruler->rect();
    const QRect painted = counter.painted.boundingRect();
    QVERIFY2(painted.width() * painted.height() < window.width() * window.height() / 2,
             qPrintable(QStringLiteral("painted %1 × %2").arg(painted.width()).arg(painted.height())));
    compareWithFreshPaint(m_ruler);
    sendMouse(m_ruler, QEvent::MouseButtonRelease, inside, Qt::NoButton);
    QApplication::processEvents();
    compareWithFreshPaint(m_ruler);
}

GRADORA_TEST_MAIN(TestRulerRepaint)
#include "tst_rulerrepaint.moc"
