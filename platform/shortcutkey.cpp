// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/shortcutkey.h"

#include <QCoreApplication>
#include <QStringList>

namespace ShortcutKey {

namespace {

struct NamedKey
{
    int key; // Qt::Key
    quint32 keysym;
    const char *name;
};

// Keys that type no character, with their X keysyms and names.
constexpr NamedKey kControlKeys[] = {
    {Qt::Key_Escape, 0xff1b, "Escape"},
    {Qt::Key_Tab, 0xff09, "Tab"},
    {Qt::Key_Backspace, 0xff08, "BackSpace"},
    {Qt::Key_Return, 0xff0d, "Return"},
    {Qt::Key_Enter, 0xff8d, "KP_Enter"},
    {Qt::Key_Insert, 0xff63, "Insert"},
    {Qt::Key_Delete, 0xffff, "Delete"},
    {Qt::Key_Pause, 0xff13, "Pause"},
    {Qt::Key_Print, 0xff61, "Print"},
    {Qt::Key_ScrollLock, 0xff14, "Scroll_Lock"},
    {Qt::Key_Menu, 0xff67, "Menu"},
    {Qt::Key_Home, 0xff50, "Home"},
    {Qt::Key_End, 0xff57, "End"},
    {Qt::Key_Left, 0xff51, "Left"},
    {Qt::Key_Up, 0xff52, "Up"},
    {Qt::Key_Right, 0xff53, "Right"},
    {Qt::Key_Down, 0xff54, "Down"},
    {Qt::Key_PageUp, 0xff55, "Prior"},
    {Qt::Key_PageDown, 0xff56, "Next"},
};

// The signs of the first half of Latin-1, whose keysyms are their character codes (as Qt's keys are).
constexpr NamedKey kSigns[] = {
    {Qt::Key_Space, 0x20, "space"},
    {Qt::Key_Exclam, 0x21, "exclam"},
    {Qt::Key_QuoteDbl, 0x22, "quotedbl"},
    {Qt::Key_NumberSign, 0x23, "numbersign"},
    {Qt::Key_Dollar, 0x24, "dollar"},
    {Qt::Key_Percent, 0x25, "percent"},
    {Qt::Key_Ampersand, 0x26, "ampersand"},
    {Qt::Key_Apostrophe, 0x27, "apostrophe"},
    {Qt::Key_ParenLeft, 0x28, "parenleft"},
    {Qt::Key_ParenRight, 0x29, "parenright"},
    {Qt::Key_Asterisk, 0x2a, "asterisk"},
    {Qt::Key_Plus, 0x2b, "plus"},
    {Qt::Key_Comma, 0x2c, "comma"},
    {Qt::Key_Minus, 0x2d, "minus"},
    {Qt::Key_Period, 0x2e, "period"},
    {Qt::Key_Slash, 0x2f, "slash"},
    {Qt::Key_Colon, 0x3a, "colon"},
    {Qt::Key_Semicolon, 0x3b, "semicolon"},
    {Qt::Key_Less, 0x3c, "less"},
    {Qt::Key_Equal, 0x3d, "equal"},
    {Qt::Key_Greater, 0x3e, "greater"},
    {Qt::Key_Question, 0x3f, "question"},
    {Qt::Key_At, 0x40, "at"},
    {Qt::Key_BracketLeft, 0x5b, "bracketleft"},
    {Qt::Key_Backslash, 0x5c, "backslash"},
    {Qt::Key_BracketRight, 0x5d, "bracketright"},
    {Qt::Key_AsciiCircum, 0x5e, "asciicircum"},
    {Qt::Key_Underscore, 0x5f, "underscore"},
    {Qt::Key_QuoteLeft, 0x60, "grave"},
    {Qt::Key_BraceLeft, 0x7b, "braceleft"},
    {Qt::Key_Bar, 0x7c, "bar"},
    {Qt::Key_BraceRight, 0x7d, "braceright"},
    {Qt::Key_AsciiTilde, 0x7e, "asciitilde"},
};

constexpr quint32 kFirstFunctionKeysym = 0xffbe; // F1
constexpr int kFunctionKeys = 35;

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

bool standsAlone(int key)
{
    return key == Qt::Key_Print || key == Qt::Key_Pause || key == Qt::Key_ScrollLock || key == Qt::Key_Menu;
}

struct KeyName
{
    quint32 keysym = 0;
    QString name;
    // Whether the key may serve without Ctrl, Alt or the logo key: only keys that no program
    // needs for typing or moving about.
    bool standsAlone = false;
};

std::optional<KeyName> nameOf(int key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        // The unshifted letter's keysym: X keeps the capital in the second column of the same key.
        const char letter = char('a' + (key - Qt::Key_A));
        return KeyName{quint32(letter), QString(QLatin1Char(letter)), false};
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return KeyName{quint32(key), QString(QLatin1Char(char(key))), false};
    if (key >= Qt::Key_F1 && key < Qt::Key_F1 + kFunctionKeys) {
        const int number = key - Qt::Key_F1;
        return KeyName{kFirstFunctionKeysym + quint32(number), QStringLiteral("F%1").arg(number + 1), true};
    }
    for (const NamedKey &named : kControlKeys) {
        if (named.key == key)
            return KeyName{named.keysym, QString::fromLatin1(named.name), standsAlone(key)};
    }
    for (const NamedKey &named : kSigns) {
        if (named.key == key)
            return KeyName{named.keysym, QString::fromLatin1(named.name), false};
    }
    return std::nullopt;
}

} // namespace

quint16 Chord::x11Modifiers() const
{
    return (shift ? kShiftMask : 0) | (control ? kControlMask : 0) | (alt ? kAltMask : 0) |
           (logo ? kLogoMask : 0);
}

QString Chord::portalTrigger() const
{
    QStringList parts;
    if (control)
        parts << QStringLiteral("CTRL");
    if (alt)
        parts << QStringLiteral("ALT");
    if (shift)
        parts << QStringLiteral("SHIFT");
    if (logo)
        parts << QStringLiteral("LOGO");
    parts << keyName;
    return parts.join(QLatin1Char('+'));
}

Translation fromKeySequence(const QKeySequence &sequence)
{
    if (sequence.isEmpty())
        return {std::nullopt, Refusal::Empty};
    if (sequence.count() > 1)
        return {std::nullopt, Refusal::SeveralKeys};
    const QKeyCombination combination = sequence[0];
    const int key = combination.key();
    if (isModifierKey(key))
        return {std::nullopt, Refusal::ModifierOnly};
    const std::optional<KeyName> named = nameOf(key);
    if (!named)
        return {std::nullopt, Refusal::UnknownKey};
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    Chord chord;
    chord.keysym = named->keysym;
    chord.keyName = named->name;
    chord.shift = modifiers.testFlag(Qt::ShiftModifier);
    chord.control = modifiers.testFlag(Qt::ControlModifier);
    chord.alt = modifiers.testFlag(Qt::AltModifier);
    chord.logo = modifiers.testFlag(Qt::MetaModifier);
    if (!named->standsAlone && !chord.control && !chord.alt && !chord.logo)
        return {std::nullopt, Refusal::NeedsModifier};
    return {chord, Refusal::None};
}

QString refusalText(Refusal refusal)
{
    switch (refusal) {
    case Refusal::None:
        break;
    case Refusal::Empty:
        return QCoreApplication::translate("ShortcutKey", "No key is chosen.");
    case Refusal::SeveralKeys:
        return QCoreApplication::translate("ShortcutKey",
                                           "Choose one key with its modifiers, not a sequence of keys.");
    case Refusal::ModifierOnly:
        return QCoreApplication::translate("ShortcutKey", "A modifier alone cannot be the key.");
    case Refusal::UnknownKey:
        return QCoreApplication::translate("ShortcutKey",
                                           "This key cannot be used from anywhere: choose another.");
    case Refusal::NeedsModifier:
        return QCoreApplication::translate(
            "ShortcutKey", "This key needs Ctrl, Alt or the logo key, or other programs could "
                           "no longer use it.");
    }
    return QString();
}

} // namespace ShortcutKey
