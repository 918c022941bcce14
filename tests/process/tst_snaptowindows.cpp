// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "processdriver.h"
#include "testsupport.h"

#include <QSettings>
#include <QTest>

// With "Snap to Screen Edges" on, the real ruler dragged by real X input near another program's
// window ends flush beside that window's frame (title bar and borders as the window manager draws
// them), read from the window manager's client list. The ruler's own information panel stands a few
// pixels beside it all along and must not pull it.
class TestSnapToWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dragEndsBesideAnotherWindow();
};

namespace {
const QRect kStart(1000, 200, 640, 480);
constexpr int kLeftOfTheFrame = 12; // where the drag lets go: within the snap distance

void xdotool(const QStringList &arguments)
{
    ProcessDriver::run(QStringLiteral("xdotool"), arguments);
    QTest::qWait(100);
}

// The window's frame: the client's place grown by the frame extents that the window manager set.
QRect frameOf(const QString &window)
{
    const QString extents = ProcessDriver::run(
        QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("_NET_FRAME_EXTENTS")});
    const QStringList sides =
        extents.section(QLatin1Char('='), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (sides.size() != 4)
        return {};
    const QRect client = ProcessDriver::geometryOf(window);
    return client.adjusted(-sides[0].trimmed().toInt(), -sides[2].trimmed().toInt(),
                           sides[1].trimmed().toInt(), sides[3].trimmed().toInt());
}
} // namespace

void TestSnapToWindows::dragEndsBesideAnotherWindow()
{
    ProcessDriver driver;
    {
        QSettings store(driver.settingsFile(), QSettings::IniFormat);
        store.setValue(QStringLiteral("snapToScreen"), true);
        store.setValue(QStringLiteral("flyingFigureVisible"), false);
        store.setValue(QStringLiteral("geometry"), kStart);
    }
    QProcess *gradora = driver.start();
    const QString ruler = ProcessDriver::rulerWindow(gradora);
    QVERIFY(!ruler.isEmpty());
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(ruler) == kStart; }, 10000));

    QProcess other;
    other.start(QStringLiteral("xmessage"), {QStringLiteral("-geometry"), QStringLiteral("200x100+400+350"),
                                             QStringLiteral("Another program")});
    QVERIFY(other.waitForStarted());
    const QString window = ProcessDriver::run(QStringLiteral("xdotool"),
                                              {QStringLiteral("search"), QStringLiteral("--sync"),
                                               QStringLiteral("--onlyvisible"), QStringLiteral("--classname"),
                                               QStringLiteral("xmessage")});
    QVERIFY(!window.isEmpty());
    QRect frame;
    QVERIFY(ProcessDriver::waitFor([&] { return !(frame = frameOf(window)).isEmpty(); }, 10000));
    // The window manager drew a frame, so snapping to the client alone would miss it.
    QVERIFY2(frame != ProcessDriver::geometryOf(window), qPrintable(QDebug::toString(frame)));
    QVERIFY(frame.bottom() < kStart.bottom() && frame.top() > kStart.top());

    // Dragged by its bottom band (its body lets the pointer through) to a little right of the frame.
    const QPoint band(kStart.center().x(), kStart.bottom() - 15);
    const QPoint shift(frame.x() + frame.width() + kLeftOfTheFrame - kStart.x(), 0);
    xdotool({"mousemove", QString::number(band.x()), QString::number(band.y())});
    xdotool({"mousedown", "1"});
    for (int step = 1; step <= 4; ++step) {
        const QPoint to = band + shift * step / 4;
        xdotool({"mousemove", QString::number(to.x()), QString::number(to.y())});
    }
    xdotool({"mouseup", "1"});

    const QRect expected(QPoint(frame.x() + frame.width(), kStart.y()), kStart.size());
    QRect seen;
    QVERIFY2(
        ProcessDriver::waitFor([&] { return (seen = ProcessDriver::geometryOf(ruler)) == expected; }, 10000),
        qPrintable(QDebug::toString(seen) + QDebug::toString(frame)));
    other.kill();
    other.waitForFinished(5000);
}

GRADORA_TEST_MAIN(TestSnapToWindows)
#include "tst_snaptowindows.moc"
