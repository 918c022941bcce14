// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/programsettings.h"

#include "prefs/storevalues.h"
#if GRADORA_UPDATE_CHECK
#include "prefs/updatecheck.h"
#endif

#include <QKeySequence>
#include <QSettings>
#include <algorithm>

namespace ProgramSettingTable {

namespace {

QKeySequence validKey(const QKeySequence &key)
{
    // A text that names no key (hand-edited, or from a later version) reads as no key.
    const bool readable = !key.isEmpty() && key[0].key() != Qt::Key_unknown;
    return readable ? key : QKeySequence();
}

QString readVersion(const QVariant &value, const Entry &row)
{
#if GRADORA_UPDATE_CHECK
    return UpdateCheck::storedVersion(value, QString::fromLatin1(row.defaultText));
#else
    return value.isValid() ? value.toString() : QString::fromLatin1(row.defaultText);
#endif
}

} // namespace

QStringList storedKeyOrder()
{
    QStringList keys;
    for (const Entry &row : kTable) {
        if (row.key && row.listed)
            keys.append(QString::fromLatin1(row.key));
    }
    return keys;
}

QVariant defaultValue(ProgramSetting setting)
{
    const Entry &row = entry(setting);
    switch (row.kind) {
    case Kind::Flag:
        return bool(row.byDefault);
    case Kind::Number:
    case Kind::Choice:
        return row.byDefault;
    case Kind::Version:
        return QString::fromLatin1(row.defaultText);
    case Kind::Key:
        return QVariant::fromValue(QKeySequence());
    case Kind::Owned:
        break;
    }
    return QVariant();
}

QVariant valid(ProgramSetting setting, const QVariant &value)
{
    const Entry &row = entry(setting);
    switch (row.kind) {
    case Kind::Flag:
        return value.toBool();
    case Kind::Number:
        return std::clamp(value.toInt(), row.minimum, row.maximum);
    case Kind::Choice: {
        bool ok = false;
        const int number = value.toInt(&ok);
        return ok && number >= row.minimum && number <= row.maximum ? number : row.byDefault;
    }
    case Kind::Version:
        return value.toString();
    case Kind::Key:
        return QVariant::fromValue(value.value<QKeySequence>());
    case Kind::Owned:
        break;
    }
    return value;
}

QVariant read(QSettings &store, ProgramSetting setting)
{
    const Entry &row = entry(setting);
    if (!row.key)
        return defaultValue(setting);
    const QLatin1StringView key = programKey(setting);
    switch (row.kind) {
    case Kind::Flag:
        return StoreValues::readBool(store, key, bool(row.byDefault));
    case Kind::Number:
    case Kind::Choice:
        return valid(setting, StoreValues::readInt(store, key, row.byDefault));
    case Kind::Version:
        return readVersion(store.value(key), row);
    case Kind::Key:
        return QVariant::fromValue(validKey(
            QKeySequence::fromString(StoreValues::readText(store, key), QKeySequence::PortableText)));
    case Kind::Owned:
        break;
    }
    return store.value(key);
}

QVariant storedForm(ProgramSetting setting, const QVariant &value)
{
    switch (entry(setting).kind) {
    case Kind::Number:
        // The dialog shows the number in the user's locale; the file keeps it in one form for all.
        return QString::number(value.toInt());
    case Kind::Key:
        return value.value<QKeySequence>().toString(QKeySequence::PortableText);
    case Kind::Flag:
    case Kind::Choice:
    case Kind::Version:
    case Kind::Owned:
        break;
    }
    return value;
}

} // namespace ProgramSettingTable
