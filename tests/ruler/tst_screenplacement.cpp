#include "screenplacement.h"
#include "testsupport.h"

#include <QTest>

class TestScreenPlacement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void reachableGeometry_data();
    void reachableGeometry();
};

void TestScreenPlacement::reachableGeometry_data()
{
    QTest::addColumn<QRect>("saved");
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("expected");

    const QRect primary(0, 0, 1920, 1080);
    const QRect second(1920, 0, 1280, 1024);
    const QList<QRect> one{primary};
    const QList<QRect> two{primary, second};

    QTest::newRow("inside") << QRect(100, 100, 300, 200) << one << QRect(100, 100, 300, 200);
    QTest::newRow("partly off the left edge stays") << QRect(-250, 40, 300, 200) << one
                                                    << QRect(-250, 40, 300, 200);
    QTest::newRow("one pixel on screen stays") << QRect(1919, 1079, 300, 200) << one
                                               << QRect(1919, 1079, 300, 200);
    QTest::newRow("just beyond the right edge moves") << QRect(1920, 100, 300, 200) << one
                                                      << QRect(0, 0, 300, 200);
    QTest::newRow("on an unplugged second monitor") << QRect(2200, 300, 640, 480) << one
                                                    << QRect(0, 0, 640, 480);
    QTest::newRow("on a second monitor that is there") << QRect(2200, 300, 640, 480) << two
                                                       << QRect(2200, 300, 640, 480);
    QTest::newRow("far above") << QRect(10, -5000, 640, 480) << one << QRect(0, 0, 640, 480);
    QTest::newRow("larger than the screen is reduced") << QRect(5000, 5000, 2500, 900) << one
                                                       << QRect(0, 0, 1920, 900);
    QTest::newRow("primary not at the origin") << QRect(-3000, 0, 100, 100) << QList<QRect>{QRect(-1280, 0, 1280, 1024)}
                                               << QRect(-1280, 0, 100, 100);
}

void TestScreenPlacement::reachableGeometry()
{
    QFETCH(QRect, saved);
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, expected);
    QCOMPARE(ScreenPlacement::reachableGeometry(saved, screens, screens.first()), expected);
}

GRADORA_TEST_GUILESS_MAIN(TestScreenPlacement)
#include "tst_screenplacement.moc"
