// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/preferences.h"

#include "prefs/appidentity.h"
#include "prefs/programstore.h"
#if GRADORA_UPDATE_CHECK
#include "prefs/updatecheck.h"
#endif

#include <QSettings>

namespace Table = ProgramSettingTable;

namespace {
// Stands for a missing "lastCheck": not a valid date, so the check is due.
const QString kNeverChecked = QStringLiteral("1/1/1");
} // namespace

Preferences::Preferences(const Desktop *desktop, QObject *parent) : QObject(parent), m_desktop(desktop)
{
    ProgramStore::selectFormat();
    m_store = new QSettings(this);
    m_store->setValue(programKey(ProgramSetting::ProgramVersion), AppIdentity::applicationVersion);
    readSettings();
    readUnitTables();
    readDisplayTable();
    // What was read and mended reaches the disk with sync(); the program calls it once its first
    // ruler is up, so that the disk's flushes do not hold up the first window.
}

Preferences::~Preferences() = default;

void Preferences::readSettings()
{
    // A hand-edited value out of its limits is clamped, as the dialog's editors would.
    for (const Table::Entry &row : Table::kTable) {
        if (row.kind != Table::Kind::Owned)
            m_values[std::size_t(row.setting)] = Table::read(*m_store, row.setting);
    }
}

Preferences::Steps Preferences::steps() const
{
    return {value<int>(ProgramSetting::MoveStep), value<int>(ProgramSetting::MoveMoreStep),
            value<int>(ProgramSetting::ResizeStep), value<int>(ProgramSetting::ResizeMoreStep)};
}

void Preferences::change(ProgramSetting setting, const QVariant &value)
{
    const Table::Entry &row = Table::entry(setting);
    QVariant &held = m_values[std::size_t(setting)];
    const QVariant taken = Table::valid(setting, value);
    if ((row.writes & Table::IfDifferent) && taken == held)
        return;
    held = taken;
    if (row.writes & Table::OnEdit) {
        m_store->setValue(programKey(setting), Table::storedForm(setting, held));
        if (row.writes & Table::Synced)
            m_store->sync();
    }
    announce(row.announce);
}

void Preferences::announce(Table::Announce announce)
{
    switch (announce) {
    case Table::Announce::Steps:
        emit stepsChanged();
        break;
    case Table::Announce::Options:
        emit optionsChanged();
        break;
    case Table::Announce::GlobalShortcut:
        emit globalShortcutChanged();
        break;
    case Table::Announce::Nothing:
        break;
    }
}

void Preferences::storeDefaults(const QList<ProgramSetting> &settings)
{
    for (const ProgramSetting setting : settings) {
        const QVariant byDefault = Table::defaultValue(setting);
        if (Table::entry(setting).writes & Table::OnSave)
            m_values[std::size_t(setting)] = byDefault;
        m_store->setValue(programKey(setting), Table::storedForm(setting, byDefault));
    }
    m_store->sync();
    emit optionsChanged();
}

#if GRADORA_UPDATE_CHECK
bool Preferences::updateCheckDue(const QDate &today) const
{
    return UpdateCheck::isDue(m_store->value(programKey(ProgramSetting::LastCheck), kNeverChecked).toDate(),
                              today);
}
#else
bool Preferences::updateCheckDue(const QDate &) const
{
    return false;
}
#endif

void Preferences::markUpdateChecked(const QDate &today)
{
    m_store->setValue(programKey(ProgramSetting::LastCheck), today.toString(Qt::ISODate));
    m_store->sync();
}

int Preferences::takeNextColorIndex(int paletteSize)
{
    const int index = m_nextColorIndex;
    m_nextColorIndex = m_nextColorIndex < paletteSize - 1 ? m_nextColorIndex + 1 : 0;
    return index;
}

void Preferences::save()
{
    for (const Table::Entry &row : Table::kTable) {
        if (row.writes & Table::OnSave)
            m_store->setValue(programKey(row.setting),
                              Table::storedForm(row.setting, m_values[std::size_t(row.setting)]));
    }
    m_store->sync();
}

void Preferences::sync()
{
    m_store->sync();
}
