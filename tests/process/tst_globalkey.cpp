// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/x11/x11keygrab.h"
#include "process/processdriver.h"
#include "testsupport.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTest>

// The key chosen in Preferences, on a real X server with real key presses: wherever the focus is,
// it hides every ruler of the running program and shows them again, whatever the lock keys say; a
// key that another client grabbed first is reported, and the other client keeps it.
class TestGlobalKey : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void keyTogglesRulers_data();
    void keyTogglesRulers();
    void takenKeyIsReported();
    void grabInThisProcess();
    void grabFollowsAChangedKeymap();

private:
    static QProcess *startWithKey(ProcessDriver &driver, const QString &key, bool keepErrors = false);
    static void press(const QString &keys)
    {
        ProcessDriver::run(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
    }
};

void TestGlobalKey::initTestCase()
{
    QVERIFY2(!ProcessDriver::executable().isEmpty(), "GRADORA_EXECUTABLE is not set");
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "these tests need an X display");
    QVERIFY2(X11KeyGrab::isAvailable(), "the test itself must run on the X server");
}

QProcess *TestGlobalKey::startWithKey(ProcessDriver &driver, const QString &key, bool keepErrors)
{
    QSettings(driver.settingsFile(), QSettings::IniFormat).setValue(QStringLiteral("globalShortcut"), key);
    ProcessDriver::StartOptions options;
    options.keepErrors = keepErrors;
    return driver.start(options);
}

void TestGlobalKey::keyTogglesRulers_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("lock");
    QTest::newRow("ctrl alt letter") << "Ctrl+Alt+G"
                                     << "ctrl+alt+g"
                                     << "";
    QTest::newRow("shift function key") << "Shift+F9"
                                        << "shift+F9"
                                        << "";
    QTest::newRow("with NumLock on") << "Ctrl+Alt+G"
                                     << "ctrl+alt+g"
                                     << "Num_Lock";
    QTest::newRow("with CapsLock on") << "Ctrl+Shift+Home"
                                      << "ctrl+shift+Home"
                                      << "Caps_Lock";
}

void TestGlobalKey::keyTogglesRulers()
{
    QFETCH(QString, stored);
    QFETCH(QString, pressed);
    QFETCH(QString, lock);
    ProcessDriver driver;
    QProcess *process = startWithKey(driver, stored);
    const QString ruler = ProcessDriver::rulerWindow(process);
    QVERIFY(!ruler.isEmpty());
    // The window manager may still be settling the new window (a short unmap would look like a
    // toggle): the ruler has to be found shown twice in a row first.
    QVERIFY(ProcessDriver::waitFor([&] {
        QTest::qWait(300);
        return ProcessDriver::rulers(process) == QStringList{ruler};
    }));
    if (!lock.isEmpty())
        press(lock);
    // The focus is nowhere near the program: the key comes from the desktop.
    ProcessDriver::run(QStringLiteral("xdotool"),
                       {QStringLiteral("mousemove"), QStringLiteral("1900"), QStringLiteral("1060")});
    press(pressed);
    QVERIFY(ProcessDriver::waitFor([&] { return ProcessDriver::rulers(process).isEmpty(); }, 20000));
    press(pressed);
    QStringList shown;
    QVERIFY2(ProcessDriver::waitFor(
                 [&] {
                     shown = ProcessDriver::rulers(process);
                     return shown == QStringList{ruler};
                 },
                 20000),
             qPrintable(shown.join(' ') + " / " + ruler));
    if (!lock.isEmpty())
        press(lock);
    QVERIFY(ProcessDriver::pressUntilFinished(process, ruler, QStringLiteral("ctrl+q")));
    QCOMPARE(process->exitCode(), 0);
}

void TestGlobalKey::takenKeyIsReported()
{
    // This test holds the key first, as another program would.
    X11KeyGrab other;
    QSignalSpy otherPresses(&other, &GlobalShortcut::activated);
    other.bind(QKeySequence(QStringLiteral("Ctrl+Alt+T")));
    QCOMPARE(other.state(), GlobalShortcut::State::Active);

    ProcessDriver driver;
    QProcess *process = startWithKey(driver, QStringLiteral("Ctrl+Alt+T"), true);
    const QString ruler = ProcessDriver::rulerWindow(process);
    QVERIFY(!ruler.isEmpty());
    QString errors;
    QVERIFY(ProcessDriver::waitFor(
        [&] {
            errors += QString::fromLocal8Bit(process->readAllStandardError());
            return errors.contains(QLatin1String("taken"));
        },
        20000));
    QVERIFY2(errors.contains(QLatin1String("Ctrl+Alt+T")), qPrintable(errors));

    // The key still belongs to the other program, and the rulers stay.
    press(QStringLiteral("ctrl+alt+t"));
    QVERIFY(otherPresses.wait(10000));
    QCOMPARE(ProcessDriver::rulers(process), QStringList{ruler});
    QVERIFY(ProcessDriver::pressUntilFinished(process, ruler, QStringLiteral("ctrl+q")));
}

// The grab itself, heard in this process: presses count once each, a changed key leaves the old one
// free, and a given-back key is heard no more.
void TestGlobalKey::grabInThisProcess()
{
    X11KeyGrab grab;
    QSignalSpy presses(&grab, &GlobalShortcut::activated);
    grab.bind(QKeySequence(QStringLiteral("Ctrl+Alt+J")));
    QCOMPARE(grab.state(), GlobalShortcut::State::Active);
    press(QStringLiteral("ctrl+alt+j"));
    QVERIFY(presses.wait(10000));
    QCOMPARE(presses.count(), 1);

    grab.bind(QKeySequence(QStringLiteral("Ctrl+Alt+K")));
    QCOMPARE(grab.state(), GlobalShortcut::State::Active);
    press(QStringLiteral("ctrl+alt+j"));
    press(QStringLiteral("ctrl+alt+k"));
    QTRY_COMPARE_WITH_TIMEOUT(presses.count(), 2, 10000);
    // Another client can take the key given up.
    X11KeyGrab other;
    other.bind(QKeySequence(QStringLiteral("Ctrl+Alt+J")));
    QCOMPARE(other.state(), GlobalShortcut::State::Active);

    grab.bind(QKeySequence());
    QCOMPARE(grab.state(), GlobalShortcut::State::Off);
    press(QStringLiteral("ctrl+alt+k"));
    QTest::qWait(500);
    QCOMPARE(presses.count(), 2);
}

// The keymap changes (another layout, xmodmap): the key is grabbed where it now lies.
void TestGlobalKey::grabFollowsAChangedKeymap()
{
    const QStringList keymap = ProcessDriver::run(QStringLiteral("xmodmap"), {QStringLiteral("-pke")}).split('\n');
    QString oldKeycode;
    QString freeKeycode;
    for (const QString &line : keymap) {
        const QStringList parts = line.simplified().split(' ');
        if (parts.size() >= 4 && parts.at(3) == QLatin1String("j"))
            oldKeycode = parts.at(1);
        if (parts.size() == 3 && parts.at(1).toInt() > 200 && freeKeycode.isEmpty())
            freeKeycode = parts.at(1);
    }
    QVERIFY2(!oldKeycode.isEmpty() && !freeKeycode.isEmpty(), qPrintable(keymap.join('\n')));
    auto remap = [](const QString &keycode, const QString &keysyms) {
        ProcessDriver::run(QStringLiteral("xmodmap"),
                           {QStringLiteral("-e"), QStringLiteral("keycode %1 = %2").arg(keycode, keysyms)});
    };

    X11KeyGrab grab;
    QSignalSpy presses(&grab, &GlobalShortcut::activated);
    QSignalSpy changes(&grab, &GlobalShortcut::stateChanged);
    grab.bind(QKeySequence(QStringLiteral("Ctrl+Alt+J")));
    remap(oldKeycode, QString());
    remap(freeKeycode, QStringLiteral("j J"));
    // The keymap's change reaches this process as an event: let it arrive and the key be grabbed anew.
    QTest::qWait(500);
    press(QStringLiteral("ctrl+alt+j"));
    const bool heard = presses.wait(10000);
    remap(freeKeycode, QString());
    remap(oldKeycode, QStringLiteral("j J"));
    QVERIFY(heard);
    QCOMPARE(grab.state(), GlobalShortcut::State::Active);
}

GRADORA_TEST_MAIN(TestGlobalKey)
#include "tst_globalkey.moc"
