// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The geometry rule on its own: sizes, reachable positions and stored values, with hostile numbers.
#include "ruler/placement/geometryrule.h"
#include "testsupport.h"

#include <QSettings>
#include <QTemporaryFile>
#include <limits>

using GeometryRule::Wanted;

Q_DECLARE_METATYPE(Wanted)

namespace {
constexpr qint64 kIntMax = std::numeric_limits<int>::max();
constexpr qint64 kIntMin = std::numeric_limits<int>::min();
const QList<QRect> kOneScreen{QRect(0, 0, 1920, 1080)};
// A second screen to the right, shorter and lower, so that the bounding box has a hole below it.
const QList<QRect> kTwoScreens{QRect(0, 0, 1920, 1080), QRect(1920, 200, 1280, 1024)};

// True when a piece of kGrabbable (or the whole window) lies on one of the screens.
bool reachable(const QRect &window, const QList<QRect> &screens)
{
    const int grabWidth = qMin(GeometryRule::kGrabbable, window.width());
    const int grabHeight = qMin(GeometryRule::kGrabbable, window.height());
    for (const QRect &screen : screens) {
        const QRect common = screen.intersected(window);
        if (common.width() >= grabWidth && common.height() >= grabHeight)
            return true;
    }
    return false;
}
} // namespace

class TestGeometryRule : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fitted_data();
    void fitted();
    void fittedIsStable_data() { fitted_data(); }
    void fittedIsStable();
    void restored_data();
    void restored();
    void magnifierValues();
};

void TestGeometryRule::fitted_data()
{
    QTest::addColumn<Wanted>("wanted");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("inside stays") << Wanted{100, 100, 300, 200} << kOneScreen << QRect(100, 100, 300, 200);
    QTest::newRow("half off the left stays") << Wanted{-150, 10, 300, 200} << kOneScreen
                                             << QRect(-150, 10, 300, 200);
    QTest::newRow("zero width takes the minimum") << Wanted{0, 0, 0, 480} << kOneScreen << QRect(0, 0, 20, 480);
    QTest::newRow("negative size takes the minimum")
        << Wanted{10, 10, -640, -480} << kOneScreen << QRect(10, 10, 20, 20);
    QTest::newRow("one pixel grows to the minimum") << Wanted{0, 0, 1, 1} << kOneScreen << QRect(0, 0, 20, 20);
    QTest::newRow("huge size is cut to the desktop")
        << Wanted{0, 0, 100000, 100000} << kOneScreen << QRect(0, 0, 1920, 1080);
    QTest::newRow("dialog maximum is cut to the desktop")
        << Wanted{0, 0, 9999, 9999} << kTwoScreens << QRect(0, 0, 3200, 1224);
    QTest::newRow("one pixel left on screen comes back to a grabbable piece")
        << Wanted{1919, 1079, 640, 480} << kOneScreen << QRect(1880, 1040, 640, 480);
    QTest::newRow("fully below the screen") << Wanted{100, 1600, 300, 200} << kOneScreen
                                            << QRect(100, 1040, 300, 200);
    QTest::newRow("far up-left") << Wanted{-5000, -5000, 300, 200} << kOneScreen
                                 << QRect(-260, -160, 300, 200);
    QTest::newRow("small window wholly on screen") << Wanted{2000, 500, 20, 20} << kOneScreen
                                                   << QRect(1900, 500, 20, 20);
    QTest::newRow("largest numbers") << Wanted{kIntMax, kIntMax, kIntMax, kIntMax} << kOneScreen
                                     << QRect(1880, 1040, 1920, 1080);
    QTest::newRow("smallest numbers") << Wanted{kIntMin, kIntMin, 10, 10} << kOneScreen << QRect(0, 0, 20, 20);
    QTest::newRow("beyond 32 bits") << Wanted{qint64(1) << 40, -(qint64(1) << 40), 300, 200} << kOneScreen
                                    << QRect(1880, -160, 300, 200);
    QTest::newRow("in the hole below the second screen's top goes to the nearer screen")
        << Wanted{2500, 50, 300, 100} << kTwoScreens << QRect(2500, 140, 300, 100);
    QTest::newRow("on the second screen stays") << Wanted{2000, 300, 300, 200} << kTwoScreens
                                                << QRect(2000, 300, 300, 200);
    QTest::newRow("reaching into the second screen below the first stays")
        << Wanted{1700, 1150, 300, 200} << kTwoScreens << QRect(1700, 1150, 300, 200);
    QTest::newRow("no screen known: the empty-store area")
        << Wanted{5000, 5000, 300, 200} << QList<QRect>() << QRect(600, 440, 300, 200);
}

void TestGeometryRule::fitted()
{
    QFETCH(Wanted, wanted);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, expected);
    const QRect result = GeometryRule::fitted(wanted, screens);
    QCOMPARE(result, expected);
    QVERIFY(reachable(result, screens.isEmpty() ? QList<QRect>{QRect(0, 0, 640, 480)} : screens));
    QVERIFY(result.width() >= GeometryRule::kMinimumSide && result.height() >= GeometryRule::kMinimumSide);
}

// What the rule gives, it keeps: fitting a second time changes nothing.
void TestGeometryRule::fittedIsStable()
{
    QFETCH(Wanted, wanted);
    QFETCH(QList<QRect>, screens);
    const QRect once = GeometryRule::fitted(wanted, screens);
    QCOMPARE(GeometryRule::fitted(once, screens), once);
}

void TestGeometryRule::restored_data()
{
    QTest::addColumn<QByteArray>("stored"); // the text after "geometry=" in the file
    QTest::addColumn<QRect>("expected");

    const QRect fallback(0, 0, 640, 480);
    QTest::newRow("a rectangle") << QByteArray("@Rect(10 20 300 200)") << QRect(10, 20, 300, 200);
    QTest::newRow("missing") << QByteArray() << fallback;
    QTest::newRow("empty") << QByteArray("@Rect(0 0 0 0)") << fallback;
    QTest::newRow("zero width") << QByteArray("@Rect(0 0 0 480)") << fallback;
    QTest::newRow("negative") << QByteArray("@Rect(0 0 -640 -480)") << fallback;
    QTest::newRow("two numbers") << QByteArray("@Rect(1 2)") << fallback;
    QTest::newRow("a size") << QByteArray("@Size(640 480)") << fallback;
    QTest::newRow("a point") << QByteArray("@Point(3 4)") << fallback;
    QTest::newRow("bare numbers") << QByteArray("0 0 640 480") << fallback;
    QTest::newRow("not numbers") << QByteArray("@Rect(nan nan nan nan)") << fallback;
    QTest::newRow("garbage") << QByteArray("garbage") << fallback;
    QTest::newRow("damaged variant") << QByteArray("@Variant(\\0\\0\\0\\x13\\0\\0)") << fallback;
    QTest::newRow("a huge number") << (QByteArray("@Rect(0 0 ") + QByteArray(100000, '9') + " 480)") << fallback;
    QTest::newRow("huge") << QByteArray("@Rect(0 0 100000 100000)") << QRect(0, 0, 1920, 1080);
    // The toolkit's own rectangle wraps these around to a negative size.
    QTest::newRow("largest numbers") << QByteArray("@Rect(2147483647 2147483647 2147483647 2147483647)")
                                     << fallback;
    QTest::newRow("smallest numbers") << QByteArray("@Rect(-2147483648 -2147483648 10 10)") << fallback;
    QTest::newRow("smallest place, usable size")
        << QByteArray("@Rect(-2147483648 -2147483648 300 200)") << QRect(-260, -160, 300, 200);
    QTest::newRow("one pixel") << QByteArray("@Rect(0 0 1 1)") << fallback;
    QTest::newRow("the minimum") << QByteArray("@Rect(5 5 20 20)") << QRect(5, 5, 20, 20);
    QTest::newRow("one pixel on screen") << QByteArray("@Rect(1919 1079 640 480)") << QRect(1880, 1040, 640, 480);
}

void TestGeometryRule::restored()
{
    QFETCH(QByteArray, stored);
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/geometry-XXXXXX.ini"));
    QVERIFY(file.open());
    if (!stored.isNull())
        file.write("[General]\ngeometry=" + stored + "\n");
    file.close();
    const QSettings store(file.fileName(), QSettings::IniFormat);
    QTEST(GeometryRule::restored(store.value("geometry"), kOneScreen), "expected");
}

void TestGeometryRule::magnifierValues()
{
    QCOMPARE(GeometryRule::storedSize(QVariant(QSize(300, 100)), QSize(250, 200)), QSize(300, 100));
    QCOMPARE(GeometryRule::storedSize(QVariant(QSize(0, 100)), QSize(250, 200)), QSize(250, 200));
    QCOMPARE(GeometryRule::storedSize(QVariant(QStringLiteral("x")), QSize(250, 200)), QSize(250, 200));
    QCOMPARE(GeometryRule::storedPoint(QVariant(QPoint(kIntMin, kIntMax)), QPoint()), QPoint(kIntMin, kIntMax));
    QCOMPARE(GeometryRule::storedPoint(QVariant(QRect()), QPoint(1, 2)), QPoint(1, 2));
}

GRADORA_TEST_GUILESS_MAIN(TestGeometryRule)
#include "tst_geometryrule.moc"
