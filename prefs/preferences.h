// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "prefs/panelside.h"
#include "prefs/textgrid.h"
#include "prefs/unittablerules.h"

#include <QDate>
#include <QKeySequence>
#include <QObject>
#include <QString>
#include <QStringList>

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
// always have: steps and table cells when they are edited, the options when save() is called. The
// rulers hear about changes through the signals; nothing here is a widget.
//
// Table cells are kept in their stored form ("2.54", never "2,54"): the dialog converts what it shows.
class Preferences : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTableRows = 9;
    // Between a ruler and the information panel beside it.
    static constexpr int kPanelSpacing = 5;
    static constexpr int kMinimumStep = 1;
    static constexpr int kMaximumStep = 999;

    enum class Step
    {
        MoveNormal,
        MoveMore,
        ResizeNormal,
        ResizeMore
    };
    struct Steps
    {
        int moveNormal = 1;
        int moveMore = 100;
        int resizeNormal = 1;
        int resizeMore = 10;
        int value(Step step) const;
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

    // Keyboard steps: read clamped to 1-999; an edit is written at once, as text.
    Steps steps() const { return m_steps; }
    void setStep(Step step, int value);
    // "Load Defaults" of the shortcuts: the default steps and no top-right menu go to the file at once;
    // the steps in use stay until the next edit of a step.
    void storeDefaultShortcuts();

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

    // Program options.
    bool activateOnHover() const { return m_activateOnHover; }
    void setActivateOnHover(bool on);
    bool showTopRightMenu() const { return m_showTopRightMenu; }
    void setShowTopRightMenu(bool on);
    bool infoPanelShown() const { return m_infoPanelShown; }
    void setInfoPanelShown(bool shown);
    PanelSide panelSide() const { return m_panelSide; }
    void setPanelSide(PanelSide side);
    bool autoUpdates() const { return m_autoUpdates; }
    void setAutoUpdates(bool on);
    int panelSpacing() const { return kPanelSpacing; }
    // The key that shows or hides the rulers from anywhere; empty for none. Written at once.
    QKeySequence globalShortcut() const { return m_globalShortcut; }
    void setGlobalShortcut(const QKeySequence &key);

    // The update check: the newest version the user was told about (as the server wrote it), and the
    // day of the last automatic check.
    QString lastInformed() const { return m_lastInformed; }
    void setLastInformed(const QString &version);
    // At most once a day: a missing or unreadable day makes it due.
    bool updateCheckDue(const QDate &today) const;
    // Written at once, so that a check that fails still counts for its day.
    void markUpdateChecked(const QDate &today);

    // The background colour index that the next new ruler receives, advancing the rotation.
    int takeNextColorIndex(int paletteSize);

    // Writes the program options and flushes the file.
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
    void readSteps();
    void readUnitTables();
    void readDisplayTable();
    void storeDetectedDisplays();
    void readOptions();
    void storeUnitTable(UnitTable table);
    void storeDisplayTable();
    TextGrid &grid(UnitTable table);

    const Desktop *m_desktop = nullptr;
    QSettings *m_store = nullptr;
    Steps m_steps;
    TextGrid m_unitCells;
    TextGrid m_pixelUnitCells;
    TextGrid m_displayCells;
    bool m_detectedOnStart = false;
    int m_selectedDisplay = 0;
    bool m_activateOnHover = false;
    bool m_showTopRightMenu = false;
    bool m_infoPanelShown = true;
    PanelSide m_panelSide = PanelSide::Right;
    bool m_autoUpdates = true;
    QString m_lastInformed;
    QKeySequence m_globalShortcut;
    int m_nextColorIndex = 0;
};
