// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "prefs/programsettings.h"
#include "prefs/ruleroptions.h"

#include <QByteArray>
#include <QStringList>
#include <QUrl>

namespace SettingsFileKeys {

// The keys of a settings file, in the order the file holds them.
inline QStringList keysOf(const QByteArray &ini)
{
    QStringList keys;
    for (const QByteArray &line : ini.split('\n')) {
        const int equals = line.indexOf('=');
        if (equals > 0)
            keys << QUrl::fromPercentEncoding(line.left(equals));
    }
    return keys;
}

// What is wrong with a file that a save wrote, empty when nothing: the keys the program lists must lead
// the file in their declared order, the ruler's first, and every stored option of the ruler and every
// setting written with each save must be there.
inline QString faultOf(const QByteArray &ini)
{
    const QStringList keys = keysOf(ini);
    QStringList expected;
    for (const QString &key : RulerOptionTable::storedKeyOrder() + ProgramSettingTable::storedKeyOrder()) {
        if (keys.contains(key))
            expected << key;
    }
    if (keys.mid(0, expected.size()) != expected)
        return QStringLiteral("the keys lead in the order %1, not %2")
            .arg(keys.mid(0, expected.size()).join(u' '), expected.join(u' '));
    QStringList missing;
    for (const RulerOption option : RulerOptionTable::all()) {
        const RulerOptionTable::Entry &row = RulerOptionTable::entry(option);
        if ((row.storage == RulerOptionTable::Storage::ReadWrite ||
             row.storage == RulerOptionTable::Storage::Picture) &&
            !keys.contains(QLatin1String(row.key)))
            missing << QLatin1String(row.key);
    }
    for (const ProgramSettingTable::Entry &row : ProgramSettingTable::kTable) {
        if ((row.writes & ProgramSettingTable::OnSave) && !keys.contains(QLatin1String(row.key)))
            missing << QLatin1String(row.key);
    }
    return missing.isEmpty() ? QString() : QStringLiteral("missing: %1").arg(missing.join(u' '));
}

} // namespace SettingsFileKeys
