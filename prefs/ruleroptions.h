// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QBitArray>
#include <QLatin1StringView>
#include <QStringList>

class QSettings;

// The on/off options of one ruler, declared once in a table: the key each is stored under, its
// default and the text of the menu entry that toggles it. Reading, writing, the order of the keys in
// the settings file and toggling all derive from that table.
//
// Most options are read by every new ruler and written by every save; the picture's options are
// read only with the picture, "Show Figure Readings" is read and never written, and "Show Guides"
// lives only as long as its ruler. A stored value that does not convert gives the default
// (the toolkit's rules: any text but "", "0" and "false" is true).
//
// The ruler's other stored values (picture, geometry, colours) keep their own types; their keys live
// here too, so that the settings file's ruler part is described in one place.
enum class RulerOption
{
    ShowRotationCentre,
    ZeroAtLeft,
    ZeroAtBottom,
    ShowCentralPoint,
    ShowBorder,
    ShowFigure,
    ShowReadings,
    HoverGuides,
    StayOnTop,
    ReverseAlt,
    Megapixels,
    SnapToScreen,
    LockToScreen,
    AntiAliasing,
    ShowLeftTicker,
    ShowRightTicker,
    ShowTopTicker,
    ShowBottomTicker,
    StartFromPixelOne,
    StretchPicture,
    ProportionalPicture,
    TransparentPicture,
    BoldControlPoints,
    HideControlPoints,
    ShowBottomRightLabels,
    ShowWidthNumber,
    ShowHeightNumber,
    MinimalReadings,
    ShowFigureReadings,
    ShowGuides,
};

// The ruler's stored values that are not on/off options.
enum class RulerValue
{
    PictureFile,
    Geometry,
    BackgroundColour,
    RulerColour,
    GuidesColour,
    // The flying figure: its kind's stored name, its model points ("x y x y..."), the window point it
    // is anchored at, its turn in degrees and, while its ratio is locked, the ratio.
    FigureShape,
    FigurePoints,
    FigureOrigin,
    FigureTurn,
    FigureRatio,
};

namespace RulerOptionTable {

enum class Storage
{
    ReadWrite, // read by every new ruler, written by every save
    Picture,   // read with the picture (the first ruler of a run), written by every save
    ReadOnly,  // read by every new ruler, never written
    None,      // not stored at all
};

struct Entry
{
    RulerOption option;
    const char *key; // nullptr where not stored
    bool byDefault;
    const char *menuText; // untranslated, context "RulerWindow"; nullptr where no entry toggles it
    Storage storage;
};

inline constexpr int kCount = int(RulerOption::ShowGuides) + 1;

// The row of an option.
const Entry &entry(RulerOption option);
// Every option, in table order.
const QList<RulerOption> &all();

// The stored key of a value.
QLatin1StringView key(RulerValue value);

// The ruler's keys in the order the settings file lists them.
QStringList storedKeyOrder();

// Hands that order to the settings file, which puts the rulers' keys before the program's.
void registerKeyOrder();

} // namespace RulerOptionTable

class RulerOptions
{
public:
    // Every option at its default.
    RulerOptions();

    bool value(RulerOption option) const { return m_values.testBit(int(option)); }
    void set(RulerOption option, bool on) { m_values.setBit(int(option), on); }
    // Returns the new value.
    bool toggle(RulerOption option);

    // The options that every new ruler reads take the stored value or their default; the others
    // keep theirs.
    void read(const QSettings &store);
    // The same for the picture's options.
    void readPictureOptions(const QSettings &store);
    // Writes the options that are written, each under its key.
    void write(QSettings &store) const;

    friend bool operator==(const RulerOptions &a, const RulerOptions &b) { return a.m_values == b.m_values; }
    friend bool operator!=(const RulerOptions &a, const RulerOptions &b) { return !(a == b); }

private:
    void readWhere(const QSettings &store, bool (*wanted)(RulerOptionTable::Storage));

    QBitArray m_values;
};
