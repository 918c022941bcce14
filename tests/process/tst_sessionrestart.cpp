// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The real program quit with three rulers and started again: every ruler comes back where it stood,
// with its options and its turned figure, and a second end writes the same session back.
#include "processdriver.h"
#include "prefs/ruleroptions.h"
#include "ruler/window/rulerstore.h"
#include "testsupport.h"

#include <QSettings>
#include <QTest>
#include <csignal>
#include <sys/types.h>

namespace {

// What the file holds of the rulers: every ruler key of the first ruler and of each group.
QMap<QString, QVariant> storedSession(const QString &file)
{
    QSettings store(file, QSettings::IniFormat);
    QMap<QString, QVariant> session;
    QStringList prefixes{QString()};
    for (const QString &group : RulerStore::storedGroups(store))
        prefixes << group + QLatin1Char('/');
    for (const QString &prefix : std::as_const(prefixes)) {
        for (const QString &key : RulerOptionTable::storedKeyOrder()) {
            if (store.contains(prefix + key))
                session.insert(prefix + key, store.value(prefix + key));
        }
    }
    return session;
}

QRect moveTo(const QString &window, QPoint target)
{
    ProcessDriver::run(QStringLiteral("xdotool"),
                       {QStringLiteral("windowmove"), QStringLiteral("--sync"), window,
                        QString::number(target.x()), QString::number(target.y())});
    ProcessDriver::waitFor([&] { return ProcessDriver::geometryOf(window).topLeft() == target; });
    return ProcessDriver::geometryOf(window);
}

// The ruler that is not among `known`, once there is one.
QString newRuler(const QProcess *process, const QStringList &known)
{
    QString found;
    ProcessDriver::waitFor([&] {
        for (const QString &window : ProcessDriver::rulers(process)) {
            if (!known.contains(window))
                found = window;
        }
        return !found.isEmpty();
    });
    return found;
}

QList<QRect> sorted(QList<QRect> rects)
{
    std::sort(rects.begin(), rects.end(), [](const QRect &a, const QRect &b) {
        return std::make_pair(a.top(), a.left()) < std::make_pair(b.top(), b.left());
    });
    return rects;
}

QList<QRect> geometriesOf(const QStringList &windows)
{
    QList<QRect> rects;
    for (const QString &window : windows)
        rects.append(ProcessDriver::geometryOf(window));
    return sorted(rects);
}

} // namespace

class TestSessionRestart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void threeRulersComeBack();
};

void TestSessionRestart::initTestCase()
{
    QVERIFY2(!ProcessDriver::executable().isEmpty(), "GRADORA_EXECUTABLE is not set");
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "these tests need an X display");
}

void TestSessionRestart::threeRulersComeBack()
{
    ProcessDriver driver;
    QProcess *gradora = driver.start();
    const QString first = ProcessDriver::rulerWindow(gradora);
    QVERIFY(!first.isEmpty());
    const QRect firstPlace = moveTo(first, QPoint(60, 40));

    // A second ruler, its figure turned by an eighth and a sixteenth of a half turn.
    ProcessDriver::activateAndPress(first, QStringLiteral("alt+n"));
    const QString second = newRuler(gradora, {first});
    QVERIFY(!second.isEmpty());
    const QRect secondPlace = moveTo(second, QPoint(520, 90));
    ProcessDriver::activateAndPress(second, QStringLiteral("c"));
    ProcessDriver::activateAndPress(second, QStringLiteral("x"));

    // A third, showing the width number (Alt+Shift+W).
    ProcessDriver::activateAndPress(second, QStringLiteral("alt+n"));
    const QString third = newRuler(gradora, {first, second});
    QVERIFY(!third.isEmpty());
    const QRect thirdPlace = moveTo(third, QPoint(180, 430));
    ProcessDriver::activateAndPress(third, QStringLiteral("alt+shift+w"));
    const QList<QRect> places = sorted({firstPlace, secondPlace, thirdPlace});
    QCOMPARE(geometriesOf(ProcessDriver::rulers(gradora)), places);

    // "Quit" from the keys of the second ruler, which has the keyboard then: not the last one made.
    QVERIFY(ProcessDriver::pressUntilFinished(gradora, second, QStringLiteral("ctrl+q")));
    QCOMPARE(gradora->exitCode(), 0);

    {
        QSettings store(driver.settingsFile(), QSettings::IniFormat);
        QCOMPARE(store.status(), QSettings::NoError);
        QCOMPARE(RulerStore::storedGroups(store), (QStringList{"Ruler2", "Ruler3"}));
        QCOMPARE(store.value("geometry").toRect(), firstPlace);
        QCOMPARE(store.value("Ruler2/geometry").toRect(), secondPlace);
        QCOMPARE(store.value("Ruler3/geometry").toRect(), thirdPlace);
        QCOMPARE(store.value("Ruler2/figureKind").toString(), QStringLiteral("flyingRuler"));
        // The flying ruler starts at 323.24 degrees.
        QCOMPARE(store.value("Ruler2/figureAngle").toDouble(), 323.24 + 45 + 11.25 - 360);
        QCOMPARE(store.value("figureAngle").toDouble(), 323.24);
        QCOMPARE(store.value("Ruler3/R_M_Width").toBool(), true);
        QCOMPARE(store.value("R_M_Width").toBool(), false);
        QCOMPARE(store.value(RulerStore::kActiveRulerKey).toInt(), 2);
    }
    const QMap<QString, QVariant> saved = storedSession(driver.settingsFile());

    // Started again: the three rulers stand where they were.
    gradora = driver.start();
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::rulers(gradora).size() == 3; }));
    QVERIFY(ProcessDriver::waitFor([&] { return geometriesOf(ProcessDriver::rulers(gradora)) == places; }));
    // The ruler that had the keyboard has it again.
    QVERIFY(ProcessDriver::waitFor([&] {
        const QString focused =
            ProcessDriver::run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
        return ProcessDriver::geometryOf(focused) == secondPlace;
    }));

    // The end of the session writes back the same session: options, colours, figures and places; the
    // second ruler has the keyboard again.
    ::kill(pid_t(gradora->processId()), SIGTERM);
    QVERIFY(gradora->waitForFinished(30000));
    QCOMPARE(gradora->exitCode(), 0);
    const QMap<QString, QVariant> again = storedSession(driver.settingsFile());
    QCOMPARE(again.keys(), saved.keys());
    for (auto it = saved.cbegin(); it != saved.cend(); ++it)
        QVERIFY2(again.value(it.key()) == it.value(), qPrintable(it.key()));
    QSettings store(driver.settingsFile(), QSettings::IniFormat);
    QCOMPARE(store.value(RulerStore::kActiveRulerKey).toInt(), 2);
}

GRADORA_TEST_MAIN(TestSessionRestart)
#include "tst_sessionrestart.moc"
