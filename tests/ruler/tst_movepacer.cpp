// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/movepacer.h"
#include "testsupport.h"

#include <QTest>
#include <limits>

// The moves of a pointer drag, paced to the screen's frames: which places go out, and when.
class TestMovePacer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void paces_data();
    void paces();
    void frameForRefreshRate_data();
    void frameForRefreshRate();
    void resetLetsTheNextMoveOut();
};

struct Move
{
    qint64 at = 0;
    QPoint place;
    bool operator==(const Move &other) const { return at == other.at && place == other.place; }
};
using Moves = QList<Move>;
Q_DECLARE_METATYPE(Move)

namespace QTest {
template <> char *toString(const Move &move)
{
    return qstrdup(QByteArray("(" + QByteArray::number(move.at) + " ms: " + QByteArray::number(move.place.x()) +
                              ", " + QByteArray::number(move.place.y()) + ")")
                       .constData());
}
} // namespace QTest

namespace {

// A pointer along x, one pixel a step, at the given times (ms).
Moves pointerAt(const QList<qint64> &times)
{
    Moves offers;
    for (const qint64 at : times)
        offers << Move{at, QPoint(int(at), 7)};
    return offers;
}

QList<qint64> everyMillisecond(qint64 from, qint64 to)
{
    QList<qint64> times;
    for (qint64 at = from; at <= to; ++at)
        times << at;
    return times;
}

// Drives the pacer as the window does: each offer either moves at once or waits, a waiting place
// goes out when the timer that due() set runs out, and the drag's end takes what still waits.
Moves paced(int frameMs, const Moves &offers, qint64 endAt)
{
    MovePacer pacer(frameMs);
    std::optional<qint64> timerAt;
    Moves moves;
    const auto runTimerUntil = [&](qint64 now) {
        if (!timerAt || *timerAt > now)
            return;
        const qint64 at = *std::exchange(timerAt, std::nullopt);
        if (const std::optional<QPoint> place = pacer.takeWaiting(at))
            moves << Move{at, *place};
    };
    for (const Move &offer : offers) {
        runTimerUntil(offer.at);
        if (const std::optional<QPoint> place = pacer.offer(offer.place, offer.at))
            moves << Move{offer.at, *place};
        else if (!timerAt)
            timerAt = offer.at + pacer.due(offer.at);
    }
    runTimerUntil(endAt);
    if (const std::optional<QPoint> place = pacer.takeWaiting(endAt))
        moves << Move{endAt, *place};
    return moves;
}

} // namespace

void TestMovePacer::paces_data()
{
    QTest::addColumn<int>("frameMs");
    QTest::addColumn<Moves>("offers");
    QTest::addColumn<qint64>("endAt");
    QTest::addColumn<Moves>("moves");

    QTest::newRow("a slow pointer moves at every step")
        << 16 << pointerAt({0, 20, 40}) << qint64(50) << Moves{{0, {0, 7}}, {20, {20, 7}}, {40, {40, 7}}};
    QTest::newRow("a 1000 Hz mouse moves once a frame, and to its last place at the end")
        << 16 << pointerAt(everyMillisecond(0, 40)) << qint64(41)
        << Moves{{0, {0, 7}}, {16, {15, 7}}, {32, {31, 7}}, {41, {40, 7}}};
    QTest::newRow("a place that waits goes out when its frame is due")
        << 16 << pointerAt({0, 5}) << qint64(100) << Moves{{0, {0, 7}}, {16, {5, 7}}};
    QTest::newRow("a step right after a paced move waits a whole frame")
        << 16 << pointerAt({0, 5, 17}) << qint64(100) << Moves{{0, {0, 7}}, {16, {5, 7}}, {32, {17, 7}}};
    QTest::newRow("a drag ending within a frame still reaches its last place")
        << 16 << pointerAt({0, 1, 2}) << qint64(3) << Moves{{0, {0, 7}}, {3, {2, 7}}};
    QTest::newRow("a drag ending with nothing waiting moves no more")
        << 16 << pointerAt({0, 20}) << qint64(25) << Moves{{0, {0, 7}}, {20, {20, 7}}};
    QTest::newRow("no frame: every step moves") << 0 << pointerAt({0, 0, 1, 1})
                                                << qint64(2)
                                                << Moves{{0, {0, 7}}, {0, {0, 7}}, {1, {1, 7}}, {1, {1, 7}}};
    QTest::newRow("a clock that went back moves at once")
        << 16 << pointerAt({100, 50}) << qint64(60) << Moves{{100, {100, 7}}, {50, {50, 7}}};
    QTest::newRow("exactly one frame later moves at once")
        << 16 << pointerAt({0, 16, 32}) << qint64(40) << Moves{{0, {0, 7}}, {16, {16, 7}}, {32, {32, 7}}};
}

void TestMovePacer::paces()
{
    QFETCH(int, frameMs);
    QFETCH(Moves, offers);
    QFETCH(qint64, endAt);
    QFETCH(Moves, moves);
    QCOMPARE(paced(frameMs, offers, endAt), moves);
}

void TestMovePacer::frameForRefreshRate_data()
{
    QTest::addColumn<qreal>("hertz");
    QTest::addColumn<int>("frameMs");
    QTest::newRow("60 Hz") << qreal(60) << 16;
    QTest::newRow("59.94 Hz") << qreal(59.94) << 16;
    QTest::newRow("144 Hz") << qreal(144) << 6;
    QTest::newRow("30 Hz") << qreal(30) << 33;
    QTest::newRow("a screen beyond 1000 Hz still waits a millisecond") << qreal(2000) << 1;
    QTest::newRow("unknown (0)") << qreal(0) << MovePacer::kDefaultFrameMs;
    QTest::newRow("below 1 Hz") << qreal(0.5) << MovePacer::kDefaultFrameMs;
    QTest::newRow("negative") << qreal(-60) << MovePacer::kDefaultFrameMs;
    QTest::newRow("not a number") << std::numeric_limits<qreal>::quiet_NaN() << MovePacer::kDefaultFrameMs;
    QTest::newRow("infinite") << std::numeric_limits<qreal>::infinity() << 1;
}

void TestMovePacer::frameForRefreshRate()
{
    QFETCH(qreal, hertz);
    QFETCH(int, frameMs);
    QCOMPARE(MovePacer::frameFor(hertz), frameMs);
}

void TestMovePacer::resetLetsTheNextMoveOut()
{
    MovePacer pacer(16);
    QVERIFY(pacer.offer({1, 1}, 0));
    QVERIFY(!pacer.offer({2, 2}, 1));
    QVERIFY(pacer.hasWaiting());
    QCOMPARE(pacer.due(1), 15);
    pacer.reset();
    QVERIFY(!pacer.hasWaiting());
    QCOMPARE(pacer.offer({3, 3}, 2), std::optional<QPoint>(QPoint(3, 3)));
}

GRADORA_TEST_GUILESS_MAIN(TestMovePacer)
#include "tst_movepacer.moc"
