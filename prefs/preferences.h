// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "prefs/panelside.h"
#include "prefs/programsettings.h"
#include "prefs/textgrid.h"
#include "prefs/unittablerules.h"

#include <QDate>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QStringList>
#include <type_traits>

class Desktop;
class QSettings;

// The pages of the preferences dialog, which a ruler's menu can open directly.
enum class PreferencesPage
{
    Shortcuts,
    Units,
    Displays,
    PixelBasedUnits,
    Program
};

// The program-wide values that every ruler reads: the keyboard steps, the unit tables, the display
// calibration and the program options. Made once per run, it reads its keys of the settings file at
// once (detecting the displays on the first start) and writes each change the way the preferences
// always have: table cells when they are edited, each program-wide setting when its row of
// ProgramSettingTable says. The rulers hear about changes through the signals; nothing here is a widget.
//
// Table cells are kept in their stored form ("2.54", never "2,54"): the dialog converts what it shows.
class Preferences : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTableRows = 9;
    // Between a ruler and the information panel beside it.
    static constexpr int kPanelSpacing = 5;

    // The keyboard steps in use, as the rulers read them.
    struct Steps
    {
        int moveNormal = ProgramSettingTable::entry(ProgramSetting::MoveStep).byDefault;
        int moveMore = ProgramSettingTable::entry(ProgramSetting::MoveMoreStep).byDefault;
        int resizeNormal = ProgramSettingTable::entry(ProgramSetting::ResizeStep).byDefault;
        int resizeMore = ProgramSettingTable::entry(ProgramSetting::ResizeMoreStep).byDefault;
        friend bool operator==(const Steps &a, const Steps &b)
        {
            return a.moveNormal == b.moveNormal && a.moveMore == b.moveMore &&
                   a.resizeNormal == b.resizeNormal && a.resizeMore == b.resizeMore;
        }
    };
    enum class UnitTable
    {
        Physical,
        PixelBased
    };

    // `desktop` describes the monitors to the display detection; without one the toolkit's word stands.
    explicit Preferences(const Desktop *desktop = nullptr, QObject *parent = nullptr);
    ~Preferences() override;

    // A program-wide setting in use (ProgramSettingTable). An edit is made valid (clamped into its
    // limits), written when its row says and announced by its row's signal.
    template <typename T> T value(ProgramSetting setting) const
    {
        const QVariant &held = m_values[std::size_t(setting)];
        if constexpr (std::is_enum_v<T>)
            return T(held.toInt());
        else
            return held.value<T>();
    }
    template <typename T> void setValue(ProgramSetting setting, const T &value)
    {
        if constexpr (std::is_enum_v<T>)
            change(setting, QVariant(int(value)));
        else
            change(setting, QVariant::fromValue(value));
    }

    Steps steps() const;
    // "Load Defaults": the settings' defaults go to the file at once. A setting written with each save
    // takes its default in use as well; a keyboard step in use stays until its next edit.
    void storeDefaults(const QList<ProgramSetting> &settings);

    // The unit tables (the menus read their names from column 0) and the display calibration.
    const TextGrid &unitCells(UnitTable table) const;
    const TextGrid &displayCells() const { return m_displayCells; }
    // The desktop whose monitors the detection reads (may be none).
    const Desktop *desktop() const { return m_desktop; }
    static int columnCount(UnitTable table);
    // Judges the edit of one cell, whose row now reads `rowCells`; an accepted edit is taken and the
    // whole table written. Refused, the cell keeps its last valid text (unitCells()).
    UnitTableRules::CellVerdict editUnitCell(UnitTable table, int row, int column,
                                             const QStringList &rowCells);
    // Empties the table, writes `rows` into its top and stores every cell.
    void resetUnitTable(UnitTable table, const QList<UnitTableRules::FactoryRow> &rows);
    // Takes a pixels-per-inch cell when it holds a usable value; the resolution is the desktop's.
    bool editDisplayCell(int row, int column, const QString &text);
    // Replace a whole table as it is, unjudged, and store it (an import, or a test's fixed values).
    void setUnitCells(UnitTable table, const TextGrid &cells);
    void setDisplayCells(const TextGrid &cells);
    // Reads the desktop's screens into the display table, keeping what the user set for each.
    void detectDisplays();
    // Whether this run found no detection in the file and made the first one.
    bool detectedOnStart() const { return m_detectedOnStart; }
    int selectedDisplay() const { return m_selectedDisplay; }
    void setSelectedDisplay(int row) { m_selectedDisplay = row; }

    // The gap between a ruler and its information panel.
    int panelSpacing() const { return kPanelSpacing; }

    // The day of the last automatic update check: at most one a day, a missing or unreadable day makes
    // it due.
    bool updateCheckDue(const QDate &today) const;
    // Written at once, so that a check that fails still counts for its day.
    void markUpdateChecked(const QDate &today);

    // The background colour index that the next new ruler receives, advancing the rotation.
    int takeNextColorIndex(int paletteSize);

    // Writes the settings that are written with each save and flushes the file.
    void save();
    // Flushes the file.
    void sync();

Q_SIGNALS:
    void stepsChanged();
    void unitsChanged();
    void displaysChanged();
    void optionsChanged();
    void globalShortcutChanged();

private:
    void change(ProgramSetting setting, const QVariant &value);
    void announce(ProgramSettingTable::Announce announce);
    void readUnitTables();
    void readDisplayTable();
    void storeDetectedDisplays();
    void readSettings();
    void storeUnitTable(UnitTable table);
    void storeDisplayTable();
    TextGrid &grid(UnitTable table);

    const Desktop *m_desktop = nullptr;
    QSettings *m_store = nullptr;
    std::array<QVariant, ProgramSettingTable::kCount> m_values;
    TextGrid m_unitCells;
    TextGrid m_pixelUnitCells;
    TextGrid m_displayCells;
    bool m_detectedOnStart = false;
    int m_selectedDisplay = 0;
    int m_nextColorIndex = 0;
};
