// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "process/processdriver.h"
#include "testsupport.h"

#include <QSettings>
#include <QTest>

// The real program under real X input: the wheel with Alt held, modifier chords pressed in either
// order, and modifiers that must not stick. Only the X server shows what these events look like (a
// vertical wheel turned with Alt arrives as a horizontal one; Alt pressed after Shift arrives as Meta).
class TestRealInput : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void wheelChordsAndKeys();

private:
    static void xdotool(const QStringList &arguments)
    {
        ProcessDriver::run(QStringLiteral("xdotool"), arguments);
        QTest::qWait(150);
    }
    static bool geometryBecomes(const QString &window, const QRect &expected, QRect *seen)
    {
        return ProcessDriver::waitFor([&] { return (*seen = ProcessDriver::geometryOf(window)) == expected; },
                                      10000);
    }
};

void TestRealInput::wheelChordsAndKeys()
{
    ProcessDriver driver;
    QProcess *gradora = driver.start();
    const QString ruler = ProcessDriver::rulerWindow(gradora);
    QVERIFY(!ruler.isEmpty());
    QRect seen;
    QVERIFY2(geometryBecomes(ruler, QRect(0, 0, 640, 480), &seen), qPrintable(QDebug::toString(seen)));
    xdotool({"windowactivate", "--sync", ruler});
    // On the top ticker: without a compositor the body lets the pointer through to the desktop.
    xdotool({"mousemove", "--window", ruler, "600", "12"});

    // Alt+wheel: two notches up grow the window by 1, then 2 (Alt pressed starts the count afresh).
    xdotool({"keydown", "alt"});
    xdotool({"click", "4"});
    xdotool({"click", "4"});
    xdotool({"keyup", "alt"});
    QVERIFY2(geometryBecomes(ruler, QRect(0, 0, 643, 483), &seen), qPrintable(QDebug::toString(seen)));
    // A plain notch does nothing.
    xdotool({"click", "5"});

    // Control+Right moves by the larger step; the plain Right after it by one pixel.
    xdotool({"key", "ctrl+Right"});
    QVERIFY2(geometryBecomes(ruler, QRect(100, 0, 643, 483), &seen), qPrintable(QDebug::toString(seen)));
    xdotool({"key", "Right"});
    QVERIFY2(geometryBecomes(ruler, QRect(101, 0, 643, 483), &seen), qPrintable(QDebug::toString(seen)));

    // The cross-hair chord in both orders: Shift first (Alt arrives as Meta), Alt first, Shift first.
    const QStringList shiftFirst{"keydown", "shift", "keydown", "alt",   "key",
                                 "c",       "keyup", "alt",     "keyup", "shift"};
    const QStringList altFirst{"keydown", "alt",   "keydown", "shift", "key",
                               "c",       "keyup", "shift",   "keyup", "alt"};
    xdotool(shiftFirst);
    xdotool(altFirst);
    xdotool(shiftFirst);

    // Saved on the quit key: the cross-hair toggled three times is on.
    QVERIFY(ProcessDriver::pressUntilFinished(gradora, ruler, QStringLiteral("alt+q")));
    QCOMPARE(gradora->exitCode(), 0);
    const QSettings saved(driver.settingsFile(), QSettings::IniFormat);
    QCOMPARE(saved.value("crossHairVisible").toString(), QStringLiteral("true"));
    QCOMPARE(saved.value("geometry").toRect(), QRect(101, 0, 643, 483));
}

GRADORA_TEST_GUILESS_MAIN(TestRealInput)
#include "tst_realinput.moc"
