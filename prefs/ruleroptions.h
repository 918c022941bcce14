// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QBitArray>
#include <QLatin1StringView>
#include <QStringList>
#include <QtGlobal>
#include <array>

class QSettings;

// The on/off options of one ruler, declared once in a table: the key each is stored under, its
// default, the text of the menu entry that toggles it and whether the ruler draws it. Reading,
// writing, the order of the keys in the settings file, toggling and what the window's shape is keyed
// by all derive from that table; the painter reads the options it draws from the ruler's options.
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
    ShowRotationCenter,
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
    BackgroundColor,
    RulerColor,
    GuidesColor,
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

// Whether what the ruler draws depends on the option. The window's shape and what the painter keeps
// between passes are keyed by the drawn options, so that an option that only changes how the ruler
// behaves costs no new shape.
enum class Drawing
{
    Drawn,
    NotDrawn,
};

struct Entry
{
    RulerOption option;
    const char *key; // nullptr where not stored
    bool byDefault;
    const char *menuText; // untranslated, context "RulerWindow"; nullptr where no entry toggles it
    Storage storage;
    Drawing drawing = Drawing::Drawn;
};

inline constexpr int kCount = int(RulerOption::ShowGuides) + 1;

// One row per option, in the order of the settings file. The keys are those of the files users already
// have.
inline constexpr std::array<Entry, kCount> kTable{{
    {RulerOption::ShowRotationCenter, "showMasterPointLines", false,
     QT_TRANSLATE_NOOP("RulerWindow", "Show Figure Rotation Center"), Storage::ReadWrite},
    {RulerOption::ZeroAtLeft, "zeroAtLeft", true, nullptr, Storage::ReadWrite},
    {RulerOption::ZeroAtBottom, "zeroAtBottom", false, nullptr, Storage::ReadWrite},
    {RulerOption::ShowCentralPoint, "crossHairVisible", false, QT_TRANSLATE_NOOP("RulerWindow", "Show Central Point"),
     Storage::ReadWrite},
    {RulerOption::ShowBorder, "borderVisible", true, QT_TRANSLATE_NOOP("RulerWindow", "Show Border"),
     Storage::ReadWrite},
    {RulerOption::ShowFigure, "flyingFigureVisible", true, QT_TRANSLATE_NOOP("RulerWindow", "Show Flying Figure"),
     Storage::ReadWrite},
    {RulerOption::ShowReadings, "showRulerReadings", true, QT_TRANSLATE_NOOP("RulerWindow", "Show Readings"),
     Storage::ReadWrite},
    // The guide spacings it writes beside the pointer are drawn from the pointer's place.
    {RulerOption::HoverGuides, "hoverGuides", false,
     QT_TRANSLATE_NOOP("RulerWindow", "Guides Hover Width / Height"), Storage::ReadWrite, Drawing::NotDrawn},
    {RulerOption::StayOnTop, "stayOnTop", false, QT_TRANSLATE_NOOP("RulerWindow", "Stay On Top"),
     Storage::ReadWrite, Drawing::NotDrawn},
// The key is called Alt on Linux and Windows; only a Mac has a Cmd key.
#ifdef Q_OS_MACOS
    {RulerOption::ReverseAlt, "selectInvertedAlt", false,
     QT_TRANSLATE_NOOP("RulerWindow", "Reverse Alt/Cmd Key Behavior"), Storage::ReadWrite, Drawing::NotDrawn},
#else
    {RulerOption::ReverseAlt, "selectInvertedAlt", false,
     QT_TRANSLATE_NOOP("RulerWindow", "Reverse Alt Key Behavior"), Storage::ReadWrite, Drawing::NotDrawn},
#endif
    {RulerOption::Megapixels, "selectMPix", true, QT_TRANSLATE_NOOP("RulerWindow", "Megapixel instead of px"),
     Storage::ReadWrite},
    {RulerOption::SnapToScreen, "snapToScreen", false, QT_TRANSLATE_NOOP("RulerWindow", "Snap to Screen Edges"),
     Storage::ReadWrite, Drawing::NotDrawn},
    {RulerOption::LockToScreen, "lockToScreen", false, QT_TRANSLATE_NOOP("RulerWindow", "Lock to Screen"),
     Storage::ReadWrite, Drawing::NotDrawn},
    {RulerOption::AntiAliasing, "antiAliasing", false, QT_TRANSLATE_NOOP("RulerWindow", "Anti-aliasing"),
     Storage::ReadWrite},
    {RulerOption::ShowLeftTicker, "leftTickerVisible", true, QT_TRANSLATE_NOOP("RulerWindow", "Left Ticker"),
     Storage::ReadWrite},
    {RulerOption::ShowRightTicker, "rightTickerVisible", true, QT_TRANSLATE_NOOP("RulerWindow", "Right Ticker"),
     Storage::ReadWrite},
    {RulerOption::ShowTopTicker, "topTickerVisible", true, QT_TRANSLATE_NOOP("RulerWindow", "Top Ticker"),
     Storage::ReadWrite},
    {RulerOption::ShowBottomTicker, "bottomTickerVisible", true, QT_TRANSLATE_NOOP("RulerWindow", "Bottom Ticker"),
     Storage::ReadWrite},
    {RulerOption::StartFromPixelOne, "rulerStartsFrom1", false, nullptr, Storage::ReadWrite},
    {RulerOption::StretchPicture, "stretchImage", false, nullptr, Storage::Picture},
    {RulerOption::ProportionalPicture, "proportionalImage", true, QT_TRANSLATE_NOOP("RulerWindow", "Proportional"),
     Storage::Picture},
    {RulerOption::TransparentPicture, "transparentImage", false,
     QT_TRANSLATE_NOOP("RulerWindow", "Transparent Image"), Storage::Picture},
    {RulerOption::BoldControlPoints, "boldControlPoints", true,
     QT_TRANSLATE_NOOP("RulerWindow", "Bold Control Points"), Storage::ReadWrite},
    // Its entry shows the opposite: checked while the points are shown.
    {RulerOption::HideControlPoints, "noControlPoints", false,
     QT_TRANSLATE_NOOP("RulerWindow", "Show Control Points"), Storage::ReadWrite},
    {RulerOption::ShowBottomRightLabels, "bottmRightLabel", false,
     QT_TRANSLATE_NOOP("RulerWindow", "Show Bottom-Right Labels"), Storage::ReadWrite},
    {RulerOption::ShowWidthNumber, "R_M_Width", false, nullptr, Storage::ReadWrite},
    {RulerOption::ShowHeightNumber, "R_M_Height", false, nullptr, Storage::ReadWrite},
    {RulerOption::MinimalReadings, "R_M_MinimalReadings", false, QT_TRANSLATE_NOOP("RulerWindow", "Minimal Readings"),
     Storage::ReadWrite},
    {RulerOption::ShowFigureReadings, "showOnFigureReadings", true,
     QT_TRANSLATE_NOOP("RulerWindow", "Show Figure Readings"), Storage::ReadOnly},
    {RulerOption::ShowGuides, nullptr, true, QT_TRANSLATE_NOOP("RulerWindow", "Show Guides"), Storage::None},
}};

constexpr bool rowsInEnumOrder()
{
    for (int i = 0; i < kCount; ++i) {
        if (int(kTable[i].option) != i)
            return false;
    }
    return true;
}
static_assert(rowsInEnumOrder(), "one row per option, in the order of the enum");

constexpr const Entry &entry(RulerOption option)
{
    return kTable[std::size_t(option)];
}
// Every option, in table order.
const QList<RulerOption> &all();

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
