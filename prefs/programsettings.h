// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QLatin1StringView>
#include <QStringList>
#include <QVariant>
#include <array>

class QSettings;

// The program-wide settings, declared once in a table: the key each is stored under, its kind, its
// default and limits, when it is written, which signal announces a change and the dialog's editor.
// Reading, validating, writing, the settings file's key order and the dialog's editors all derive
// from the table. A new setting is a row here and, where the user edits it, a widget of that name in
// the preferences form.
//
// Some keys are read and written by their owners (the magnifier, the colour dialog, the picture
// folders, the update check's day, the display detection); their rows give the key and its place in
// the file only.
enum class ProgramSetting
{
    ProgramVersion,
    MoveStep,
    MoveMoreStep,
    ResizeStep,
    ResizeMoreStep,
    MagnifierAutoUpdate,
    MagnifierGridSize,
    MagnifierGridActive,
    MagnifierZoom,
    MagnifierInitialSize,
    MagnifierPlace,
    ShowTopRightMenu,
    AutoUpdates,
    ShowInfoPanel,
    PanelSide,
    LastInformed,
    ColorDialogPlaceSaved,
    ColorDialogX,
    ColorDialogY,
    LastCheck,
    GlobalShortcut,
    // From here on the keys follow in the toolkit's order, after every listed key.
    DisplaysDetected,
    PictureFolder,
    RegionPictureFolder,
    ActivateOnHover,
};

namespace ProgramSettingTable {

enum class Kind
{
    Flag,    // the toolkit's rules: any text but "", "0" and "false" is true
    Number,  // clamped into its limits, stored as text
    Choice,  // a number within its limits, anything else reads as the default
    Version, // the update server's version text
    Key,     // one key with its modifiers in portable text; unreadable text reads as none
    Owned,   // read and written elsewhere
};

// When the program writes a value.
enum Writes : unsigned
{
    Never = 0,
    OnEdit = 1,      // as soon as it changes
    Synced = 2,      // ... and flushed to the disk at once
    OnSave = 4,      // with every save
    IfDifferent = 8, // an edit that changes nothing is no edit: no write, no signal
};

enum class Announce
{
    Nothing,
    Steps,
    Options,
    GlobalShortcut,
};

struct Entry
{
    ProgramSetting setting;
    const char *key; // nullptr where not stored
    Kind kind;
    int byDefault; // flags, numbers and choices
    int minimum;
    int maximum;
    const char *defaultText; // versions
    unsigned writes;
    Announce announce;
    bool listed;        // in the file's key order; otherwise after the listed keys, in the toolkit's
    const char *editor; // objectName of the widget of the preferences form that edits it
};

constexpr Entry flag(ProgramSetting setting, const char *key, bool byDefault, unsigned writes,
                     Announce announce, const char *editor = nullptr)
{
    return {setting, key, Kind::Flag, byDefault, 0, 1, nullptr, writes, announce, true, editor};
}

constexpr Entry number(ProgramSetting setting, const char *key, int byDefault, int minimum, int maximum,
                       Announce announce, const char *editor)
{
    return {setting, key, Kind::Number, byDefault, minimum, maximum, nullptr, OnEdit, announce, true, editor};
}

constexpr Entry choice(ProgramSetting setting, const char *key, int byDefault, int minimum, int maximum)
{
    return {setting, key,    Kind::Choice,      byDefault, minimum, maximum,
            nullptr, OnSave, Announce::Options, true,      nullptr};
}

constexpr Entry owned(ProgramSetting setting, const char *key, bool listed = true)
{
    return {setting, key, Kind::Owned, 0, 0, 0, nullptr, Never, Announce::Nothing, listed, nullptr};
}

using S = ProgramSetting;

inline constexpr int kCount = int(ProgramSetting::ActivateOnHover) + 1;

// In the order of the settings file. The keys are those of the files users already have.
inline constexpr std::array<Entry, kCount> kTable{{
    owned(S::ProgramVersion, "Program Version"),
    number(S::MoveStep, "move_normal", 1, 1, 999, Announce::Steps, "moveStepBox"),
    number(S::MoveMoreStep, "move_more", 100, 1, 999, Announce::Steps, "moveMoreStepBox"),
    number(S::ResizeStep, "resize_normal", 1, 1, 999, Announce::Steps, "resizeStepBox"),
    number(S::ResizeMoreStep, "resize_more", 10, 1, 999, Announce::Steps, "resizeMoreStepBox"),
    owned(S::MagnifierAutoUpdate, "autoUpdate"),
    owned(S::MagnifierGridSize, "gridSize"),
    owned(S::MagnifierGridActive, "gridActive"),
    owned(S::MagnifierZoom, "zoom"),
    owned(S::MagnifierInitialSize, "initialSize"),
    owned(S::MagnifierPlace, "position"),
    flag(S::ShowTopRightMenu, "showTopRightMenu", false, OnSave, Announce::Options, "topRightMenuBox"),
    flag(S::AutoUpdates, "autoUpdatesEnabled", true, OnSave, Announce::Options, "autoUpdatesBox"),
    flag(S::ShowInfoPanel, "canShowToolbox", true, OnSave, Announce::Options),
    // 1 left, 2 right.
    choice(S::PanelSide, "toolboxPosition", 2, 1, 2),
    // Written at once as well, so that the answer of a check that is cut short still counts.
    {S::LastInformed, "lastInformed", Kind::Version, 0, 0, 0, "6.0", OnEdit | Synced | OnSave,
     Announce::Nothing, true, nullptr},
    owned(S::ColorDialogPlaceSaved, "clrDlgPosSvd"),
    owned(S::ColorDialogX, "clrX"),
    owned(S::ColorDialogY, "clrY"),
    owned(S::LastCheck, "lastCheck"),
    // The dialog's key edit takes the first key only and has a button of its own to clear it.
    {S::GlobalShortcut, "globalShortcut", Kind::Key, 0, 0, 0, nullptr, OnEdit | Synced | IfDifferent,
     Announce::GlobalShortcut, true, nullptr},
    owned(S::DisplaysDetected, "displays_detected", false),
    // The folder the last picture was opened from, and the one the last picture of a ruler's region
    // was saved to.
    owned(S::PictureFolder, "path", false),
    owned(S::RegionPictureFolder, "regionPictureFolder", false),
    // Lives as long as the run.
    flag(S::ActivateOnHover, nullptr, false, Never, Announce::Options),
}};

constexpr bool rowsInEnumOrder()
{
    for (int i = 0; i < kCount; ++i) {
        if (int(kTable[i].setting) != i)
            return false;
    }
    return true;
}
static_assert(rowsInEnumOrder(), "one row per setting, in the order of the enum");

constexpr const Entry &entry(ProgramSetting setting)
{
    return kTable[std::size_t(setting)];
}

// The listed keys, in the order the settings file lists them.
QStringList storedKeyOrder();

QVariant defaultValue(ProgramSetting setting);
// What the program takes of an edit: a number clamped into its limits, a choice outside them as the
// default, the rest converted to the setting's type.
QVariant valid(ProgramSetting setting, const QVariant &value);
// The stored value of a setting as the program takes it, or its default where none is stored or it
// does not convert.
QVariant read(QSettings &store, ProgramSetting setting);
// A valid value in the form the file keeps it.
QVariant storedForm(ProgramSetting setting, const QVariant &value);

} // namespace ProgramSettingTable

constexpr QLatin1StringView programKey(ProgramSetting setting)
{
    return QLatin1StringView(ProgramSettingTable::entry(setting).key);
}
