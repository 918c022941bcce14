// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The key chosen for showing the rulers from anywhere, as the X server and the desktop portal name
// it, and what the Preferences page says of each outcome.
#include "platform/globalshortcut.h"
#include "platform/shortcutkey.h"
#include "testsupport.h"

#include <QTest>

using ShortcutKey::Refusal;
using State = GlobalShortcut::State;
Q_DECLARE_METATYPE(Refusal)
Q_DECLARE_METATYPE(State)

class TestShortcutKey : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void translation_data();
    void translation();
    void refusal_data();
    void refusal();
    void note_data();
    void note();
};

void TestShortcutKey::translation_data()
{
    QTest::addColumn<QKeySequence>("sequence");
    QTest::addColumn<quint32>("keysym");
    QTest::addColumn<quint16>("x11Modifiers");
    QTest::addColumn<QString>("portalTrigger");
    constexpr quint16 shift = 0x01, control = 0x04, alt = 0x08, logo = 0x40;
    auto row = [](const char *name, QKeyCombination combination, quint32 keysym, quint16 modifiers,
                  const char *trigger) {
        QTest::newRow(name) << QKeySequence(combination) << keysym << modifiers
                            << QString::fromLatin1(trigger);
    };
    row("ctrl alt letter is the small letter", Qt::CTRL | Qt::ALT | Qt::Key_R, 0x72, control | alt,
        "CTRL+ALT+r");
    row("every modifier, in the portal's order", Qt::META | Qt::SHIFT | Qt::ALT | Qt::CTRL | Qt::Key_Z, 0x7a,
        shift | control | alt | logo, "CTRL+ALT+SHIFT+LOGO+z");
    row("digit", Qt::CTRL | Qt::Key_7, 0x37, control, "CTRL+7");
    row("function key alone", QKeyCombination(Qt::Key_F12), 0xffc9, 0, "F12");
    row("first function key", Qt::SHIFT | Qt::Key_F1, 0xffbe, shift, "SHIFT+F1");
    row("last function key", Qt::CTRL | Qt::Key_F35, 0xffe0, control, "CTRL+F35");
    row("space", Qt::META | Qt::Key_Space, 0x20, logo, "LOGO+space");
    row("sign", Qt::CTRL | Qt::ALT | Qt::Key_Slash, 0x2f, control | alt, "CTRL+ALT+slash");
    row("grave", Qt::CTRL | Qt::Key_QuoteLeft, 0x60, control, "CTRL+grave");
    row("shifted sign", Qt::CTRL | Qt::SHIFT | Qt::Key_Exclam, 0x21, control | shift, "CTRL+SHIFT+exclam");
    row("page up is Prior", Qt::ALT | Qt::Key_PageUp, 0xff55, alt, "ALT+Prior");
    row("print alone", QKeyCombination(Qt::Key_Print), 0xff61, 0, "Print");
    row("keypad enter", Qt::CTRL | Qt::Key_Enter, 0xff8d, control, "CTRL+KP_Enter");
    row("escape with ctrl", Qt::CTRL | Qt::Key_Escape, 0xff1b, control, "CTRL+Escape");
    row("pause alone", QKeyCombination(Qt::Key_Pause), 0xff13, 0, "Pause");
}

void TestShortcutKey::translation()
{
    QFETCH(QKeySequence, sequence);
    const ShortcutKey::Translation translation = ShortcutKey::fromKeySequence(sequence);
    QCOMPARE(translation.refusal, Refusal::None);
    QVERIFY(translation.chord);
    QTEST(translation.chord->keysym, "keysym");
    QTEST(translation.chord->x11Modifiers(), "x11Modifiers");
    QTEST(translation.chord->portalTrigger(), "portalTrigger");
    // What the Preferences page stores reads back as the same key.
    QCOMPARE(
        ShortcutKey::fromKeySequence(QKeySequence::fromString(sequence.toString(QKeySequence::PortableText),
                                                              QKeySequence::PortableText))
            .chord->portalTrigger(),
        translation.chord->portalTrigger());
}

void TestShortcutKey::refusal_data()
{
    QTest::addColumn<QKeySequence>("sequence");
    QTest::addColumn<Refusal>("expected");
    QTest::newRow("nothing") << QKeySequence() << Refusal::Empty;
    QTest::newRow("two keys") << QKeySequence(Qt::CTRL | Qt::Key_K, Qt::CTRL | Qt::Key_S)
                              << Refusal::SeveralKeys;
    QTest::newRow("control alone") << QKeySequence(Qt::CTRL | Qt::Key_Control) << Refusal::ModifierOnly;
    QTest::newRow("caps lock") << QKeySequence(Qt::Key_CapsLock) << Refusal::ModifierOnly;
    QTest::newRow("plain letter") << QKeySequence(Qt::Key_A) << Refusal::NeedsModifier;
    QTest::newRow("shift only types the capital")
        << QKeySequence(Qt::SHIFT | Qt::Key_A) << Refusal::NeedsModifier;
    QTest::newRow("plain space") << QKeySequence(Qt::Key_Space) << Refusal::NeedsModifier;
    QTest::newRow("plain digit") << QKeySequence(Qt::Key_5) << Refusal::NeedsModifier;
    QTest::newRow("plain escape") << QKeySequence(Qt::Key_Escape) << Refusal::NeedsModifier;
    QTest::newRow("shift tab") << QKeySequence(Qt::SHIFT | Qt::Key_Tab) << Refusal::NeedsModifier;
    QTest::newRow("plain arrow") << QKeySequence(Qt::Key_Left) << Refusal::NeedsModifier;
    QTest::newRow("letter outside Latin-1") << QKeySequence(Qt::CTRL | Qt::Key_Eacute) << Refusal::UnknownKey;
    QTest::newRow("media key") << QKeySequence(Qt::CTRL | Qt::Key_VolumeUp) << Refusal::UnknownKey;
}

void TestShortcutKey::refusal()
{
    QFETCH(QKeySequence, sequence);
    QFETCH(Refusal, expected);
    const ShortcutKey::Translation translation = ShortcutKey::fromKeySequence(sequence);
    QCOMPARE(translation.refusal, expected);
    QVERIFY(!translation.chord);
    QVERIFY(!ShortcutKey::refusalText(expected).isEmpty());
}

void TestShortcutKey::note_data()
{
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<bool>("advisesToggle");
    QTest::newRow("off") << State::Off << "" << QStringList{"No key"} << false;
    QTest::newRow("waiting") << State::Waiting << "" << QStringList{"Ctrl+Alt+R"} << false;
    QTest::newRow("active") << State::Active << "" << QStringList{"Ctrl+Alt+R", "from anywhere"} << false;
    QTest::newRow("desktop chose another key")
        << State::Active << "Super+M" << QStringList{"Super+M"} << false;
    QTest::newRow("taken") << State::Taken << "" << QStringList{"Ctrl+Alt+R", "taken"} << false;
    QTest::newRow("refused with reason")
        << State::Refused << "The desktop refused the key." << QStringList{"refused"} << false;
    QTest::newRow("no way") << State::Unavailable << "" << QStringList{"offers"} << true;
    QTest::newRow("no portal") << State::Unavailable << "The desktop portal offers no global shortcuts."
                               << QStringList{"portal"} << true;
}

void TestShortcutKey::note()
{
    QFETCH(State, state);
    QFETCH(QString, detail);
    QFETCH(QStringList, words);
    QFETCH(bool, advisesToggle);
    const QString note = GlobalShortcut::noteFor(state, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_R), detail);
    for (const QString &word : std::as_const(words))
        QVERIFY2(note.contains(word), qPrintable(note));
    QCOMPARE(note.contains(QLatin1String("gradora --toggle")), advisesToggle);
}

GRADORA_TEST_MAIN(TestShortcutKey)
#include "tst_shortcutkey.moc"
