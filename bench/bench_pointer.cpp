// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// What the pointer costs on a ruler: 1000 motion events over a default ruler, a window drag of 1000
// steps and a drag of the figure of 1000 steps, each against the same events delivered to a bare widget
// of the same size in the same run.
//
//   cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DGRADORA_BENCH=ON
//   cmake --build build/bench -j2 --target bench_pointer && build/bench/bench/bench_pointer
//
// Every event is followed by a turn of the event loop, as a 1000 Hz mouse gives one, so that whatever
// the event asked to be painted is painted before the next. Besides the CPU time, each benchmark counts
// the pixels painted per 1000 events. The table at the end gives the ruler's CPU time as a multiple of
// the bare widget's.

#include "app/rulerhub.h"
#include "ratioreporter.h"
#include "ruler/window/rulerwindow.h"
#include "testsupport.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

constexpr QSize kRulerSize(640, 480);
constexpr int kEvents = 1000;
// The drag goes this far and back again, so that the window stays on the screen.
constexpr int kDragReach = 50;

// Sums the pixels of every paint a widget receives.
class PaintMeter : public QObject
{
public:
    explicit PaintMeter(QWidget *widget) { widget->installEventFilter(this); }
    qint64 pixels = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            for (const QRect &rect : static_cast<QPaintEvent *>(event)->region())
                pixels += qint64(rect.width()) * rect.height();
        }
        return false;
    }
};

void send(QWidget *widget, QEvent::Type type, QPoint global, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, widget->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
    QCoreApplication::processEvents();
}

// A zigzag over the whole window, as a pointer wandering over it.
QPoint motionPoint(int step)
{
    return QPoint(step * 7 % kRulerSize.width(), step * 13 % kRulerSize.height());
}

// The widget as the user meets it: active, painted, and settled.
void settle(QWidget *widget)
{
    widget->activateWindow();
    widget->raise();
    if (!QTest::qWaitForWindowActive(widget))
        std::fprintf(stderr, "the widget did not become active\n");
    QTest::qWait(50);
}

void motion(benchmark::State &state, QWidget *widget)
{
    settle(widget);
    PaintMeter meter(widget);
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    for (auto _ : state) {
        for (int step = 0; step < kEvents; ++step)
            send(widget, QEvent::MouseMove, origin + motionPoint(step), Qt::NoButton);
    }
    state.counters["painted px/1k"] = double(meter.pixels) / double(state.iterations());
}

// A drag from a point of the body clear of the figure: the window follows the pointer.
void drag(benchmark::State &state, QWidget *widget, QPoint grab)
{
    settle(widget);
    PaintMeter meter(widget);
    qint64 paintedWhileMoving = 0;
    for (auto _ : state) {
        const QPoint pressed = widget->mapToGlobal(grab);
        send(widget, QEvent::MouseMove, pressed, Qt::NoButton);
        send(widget, QEvent::MouseButtonPress, pressed, Qt::LeftButton);
        const qint64 before = meter.pixels;
        for (int step = 1; step <= kEvents; ++step) {
            const int along = step % (2 * kDragReach);
            const int offset = along <= kDragReach ? along : 2 * kDragReach - along;
            send(widget, QEvent::MouseMove, pressed + QPoint(offset, offset / 2), Qt::LeftButton);
        }
        paintedWhileMoving += meter.pixels - before;
        send(widget, QEvent::MouseButtonRelease, widget->mapToGlobal(grab), Qt::NoButton);
    }
    state.counters["painted px/1k"] = double(paintedWhileMoving) / double(state.iterations());
}

// A drag of the figure by its body, to and fro: each step moves the figure and repaints it. Besides the
// pixels painted per 1000 events, it reports the figure's area as the bounding box of its drawing (with
// its scales, readings and handles), to compare one step's paint with.
void figureDrag(benchmark::State &state, RulerWindow *ruler)
{
    settle(ruler);
    const QPolygon corners = ruler->flyingFigure().screenPoints;
    const QPoint grab = (corners.at(0) + corners.at(2)) / 2;
    if (!ruler->flyingFigure().hitTest(grab))
        std::fprintf(stderr, "the figure drag does not start on the figure\n");
    const QRect box = ruler->shaper().figureArea().boundingRect();
    PaintMeter meter(ruler);
    qint64 painted = 0;
    for (auto _ : state) {
        const QPoint pressed = ruler->mapToGlobal(grab);
        send(ruler, QEvent::MouseMove, pressed, Qt::NoButton);
        send(ruler, QEvent::MouseButtonPress, pressed, Qt::LeftButton);
        const qint64 before = meter.pixels;
        for (int step = 1; step <= kEvents; ++step) {
            const int along = step % (2 * kDragReach);
            const int offset = along <= kDragReach ? along : 2 * kDragReach - along;
            send(ruler, QEvent::MouseMove, pressed + QPoint(offset, offset / 2), Qt::LeftButton);
        }
        painted += meter.pixels - before;
        send(ruler, QEvent::MouseButtonRelease, pressed, Qt::NoButton);
    }
    state.counters["painted px/1k"] = double(painted) / double(state.iterations());
    state.counters["figure box px"] = double(box.width()) * box.height();
}

// A point of the body, away from the bands and the figure.
QPoint bodyPointClearOfFigure(const RulerWindow &ruler)
{
    for (int y = kRulerSize.height() * 85 / 100; y > kRulerSize.height() / 4; y -= 10) {
        const QPoint point(kRulerSize.width() * 9 / 10, y);
        if (!ruler.flyingFigure().hitTest(point))
            return point;
    }
    return QPoint(kRulerSize.width() / 2, kRulerSize.height() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Away from the user's own settings, like the tests.
    TestSupport::isolateUserFiles();
    QApplication app(argc, argv);
    TestSupport::setIdentity();

    RulerHub hub;
    RulerWindow &ruler = *hub.createRuler();
    ruler.setGeometry(QRect(QPoint(40, 40), kRulerSize));
    ruler.show();
    ruler.activateWindow();
    QCoreApplication::processEvents();
    if (ruler.state().options().value(RulerOption::ShowCentralPoint)) {
        std::fprintf(stderr, "the default ruler shows its cross-hair\n");
        return 1;
    }

    QWidget bare;
    bare.setMouseTracking(true);
    bare.setGeometry(QRect(QPoint(40, 40), kRulerSize));
    bare.show();
    QCoreApplication::processEvents();

    const QPoint grab = bodyPointClearOfFigure(ruler);
    benchmark::RegisterBenchmark("bare/motion", motion, &bare)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ruler/motion", motion, &ruler)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("bare/drag", drag, &bare, grab)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ruler/drag", drag, &ruler, grab)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("bare/figure drag", drag, &bare, grab)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ruler/figure drag", figureDrag, &ruler)->Unit(benchmark::kMillisecond);

    benchmark::Initialize(&argc, argv);
    // "ruler/<events>" against "bare/<events>".
    RatioReporter reporter("1000 events (CPU time)", [](const std::string &name) {
        if (name.rfind("ruler/", 0) != 0)
            return std::string();
        return "bare/" + name.substr(6);
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
