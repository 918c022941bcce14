// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/modifierlatch.h"
#include "testsupport.h"

#include <QTest>

using ModifierLatch::Chord;

// The modifier roles taken from each event, with key sequences as the X server and the toolkit
// report them (the modifiers are those the toolkit gives the key event).
class TestModifierLatch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fromHeld_data();
    void fromHeld();
    void keySequences_data();
    void keySequences();
};

Q_DECLARE_METATYPE(Chord)

namespace {
struct KeyEvent
{
    int key;
    bool pressed;
    Qt::KeyboardModifiers reported;
};
} // namespace
Q_DECLARE_METATYPE(QList<KeyEvent>)
using Chords = QList<Chord>;

void TestModifierLatch::fromHeld_data()
{
    QTest::addColumn<int>("held");
    QTest::addColumn<Chord>("chord");
    QTest::newRow("nothing") << 0 << Chord{false, false};
    QTest::newRow("Alt") << int(Qt::AltModifier) << Chord{true, false};
    QTest::newRow("Control counts as Alt") << int(Qt::ControlModifier) << Chord{true, false};
    QTest::newRow("Shift") << int(Qt::ShiftModifier) << Chord{false, true};
    QTest::newRow("Alt and Shift") << int(Qt::AltModifier | Qt::ShiftModifier) << Chord{true, true};
    QTest::newRow("the Super key is not Alt") << int(Qt::MetaModifier) << Chord{false, false};
    QTest::newRow("keypad and Num Lock change nothing") << int(Qt::KeypadModifier) << Chord{false, false};
}

void TestModifierLatch::fromHeld()
{
    QFETCH(int, held);
    QFETCH(Chord, chord);
    QCOMPARE(ModifierLatch::fromHeld(Qt::KeyboardModifiers(held)), chord);
}

void TestModifierLatch::keySequences_data()
{
    QTest::addColumn<QList<KeyEvent>>("events");
    QTest::addColumn<Chords>("chords");
    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers alt = Qt::AltModifier;
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers meta = Qt::MetaModifier;
    const Qt::KeyboardModifiers control = Qt::ControlModifier;
    const Chord nothing{false, false};
    const Chord altOnly{true, false};
    const Chord shiftOnly{false, true};
    const Chord both{true, true};

    QTest::newRow("Alt, Shift, C, then both released") << QList<KeyEvent>{{Qt::Key_Alt, true, alt},
                                                                          {Qt::Key_Shift, true, alt | shift},
                                                                          {Qt::Key_C, true, alt | shift},
                                                                          {Qt::Key_Shift, false, alt},
                                                                          {Qt::Key_Alt, false, none}}
                                                       << Chords{altOnly, both, both, altOnly, nothing};
    // Shift first: X names the Alt key Meta, and its release still reports Alt.
    QTest::newRow("Shift, Alt (Meta), C, Alt released first")
        << QList<KeyEvent>{{Qt::Key_Shift, true, shift},
                           {Qt::Key_Meta, true, shift | meta},
                           {Qt::Key_C, true, alt | shift},
                           {Qt::Key_Meta, false, shift | alt | meta},
                           {Qt::Key_Shift, false, none}}
        << Chords{shiftOnly, both, both, shiftOnly, nothing};
    QTest::newRow("Shift, Alt (Meta), C, Shift released first")
        << QList<KeyEvent>{{Qt::Key_Shift, true, shift},
                           {Qt::Key_Meta, true, shift | meta},
                           {Qt::Key_C, true, alt | shift},
                           {Qt::Key_Shift, false, alt},
                           {Qt::Key_Alt, false, none}}
        << Chords{shiftOnly, both, both, altOnly, nothing};
    QTest::newRow("Control+Right then Right") << QList<KeyEvent>{{Qt::Key_Control, true, control},
                                                                 {Qt::Key_Right, true, control},
                                                                 {Qt::Key_Control, false, none},
                                                                 {Qt::Key_Right, true, none}}
                                              << Chords{altOnly, altOnly, nothing, nothing};
    QTest::newRow("Alt released while Control stays") << QList<KeyEvent>{{Qt::Key_Control, true, control},
                                                                         {Qt::Key_Alt, true, control | alt},
                                                                         {Qt::Key_Alt, false, control}}
                                                      << Chords{altOnly, altOnly, altOnly};
    QTest::newRow("Control released while Alt stays")
        << QList<KeyEvent>{{Qt::Key_Alt, true, alt},
                           {Qt::Key_Control, true, control | alt},
                           {Qt::Key_Control, false, alt}}
        << Chords{altOnly, altOnly, altOnly};
    // The Alt release happened over another window: the next key says what is held.
    QTest::newRow("Alt pressed here, released elsewhere")
        << QList<KeyEvent>{{Qt::Key_Alt, true, alt}, {Qt::Key_Left, true, none}} << Chords{altOnly, nothing};
}

void TestModifierLatch::keySequences()
{
    QFETCH(QList<KeyEvent>, events);
    QFETCH(Chords, chords);
    Chords seen;
    for (const KeyEvent &event : events)
        seen << ModifierLatch::fromKey(event.key, event.pressed, event.reported);
    QCOMPARE(seen.size(), chords.size());
    for (int i = 0; i < seen.size(); ++i) {
        QVERIFY2(seen.at(i) == chords.at(i), qPrintable(QStringLiteral("event %1: alt %2 shift %3")
                                                            .arg(i)
                                                            .arg(seen.at(i).alt)
                                                            .arg(seen.at(i).shift)));
    }
}

GRADORA_TEST_GUILESS_MAIN(TestModifierLatch)
#include "tst_modifierlatch.moc"
