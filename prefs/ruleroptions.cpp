// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/ruleroptions.h"

#include "prefs/programstore.h"
#include "prefs/storevalues.h"

#include <QCoreApplication>
#include <QSettings>
#include <array>

namespace RulerOptionTable {
namespace {

using O = RulerOption;
constexpr Storage RW = Storage::ReadWrite;

// In the order of the settings file. The keys are those of the files users already have.
constexpr std::array<Entry, kCount> kTable{{
    {O::ShowRotationCentre, "showMasterPointLines", false,
     QT_TRANSLATE_NOOP("RulerWindow", "Show Figure Rotation Center"), RW},
    {O::ZeroAtLeft, "zeroAtLeft", true, nullptr, RW},
    {O::ZeroAtBottom, "zeroAtBottom", false, nullptr, RW},
    {O::ShowCentralPoint, "crossHairVisible", false, QT_TRANSLATE_NOOP("RulerWindow", "Show Central Point"),
     RW},
    {O::ShowBorder, "borderVisible", true, QT_TRANSLATE_NOOP("RulerWindow", "Show Border"), RW},
    {O::ShowFigure, "flyingFigureVisible", true, QT_TRANSLATE_NOOP("RulerWindow", "Show Flying Figure"), RW},
    {O::ShowReadings, "showRulerReadings", true, QT_TRANSLATE_NOOP("RulerWindow", "Show Readings"), RW},
    {O::HoverGuides, "hoverGuides", false, QT_TRANSLATE_NOOP("RulerWindow", "Guides Hover Width / Height"),
     RW},
    {O::StayOnTop, "stayOnTop", false, QT_TRANSLATE_NOOP("RulerWindow", "Stay On Top"), RW},
// The key is called Alt on Linux and Windows; only a Mac has a Cmd key.
#ifdef Q_OS_MACOS
    {O::ReverseAlt, "selectInvertedAlt", false,
     QT_TRANSLATE_NOOP("RulerWindow", "Reverse Alt/Cmd Key Behavior"), RW},
#else
    {O::ReverseAlt, "selectInvertedAlt", false, QT_TRANSLATE_NOOP("RulerWindow", "Reverse Alt Key Behavior"),
     RW},
#endif
    {O::Megapixels, "selectMPix", true, QT_TRANSLATE_NOOP("RulerWindow", "Megapixel instead of px"), RW},
    {O::SnapToScreen, "snapToScreen", false, QT_TRANSLATE_NOOP("RulerWindow", "Snap to Screen Edges"), RW},
    {O::LockToScreen, "lockToScreen", false, QT_TRANSLATE_NOOP("RulerWindow", "Lock to Screen"), RW},
    {O::AntiAliasing, "antiAliasing", false, QT_TRANSLATE_NOOP("RulerWindow", "Anti-aliasing"), RW},
    {O::ShowLeftTicker, "leftTickerVisible", true, QT_TRANSLATE_NOOP("RulerWindow", "Left Ticker"), RW},
    {O::ShowRightTicker, "rightTickerVisible", true, QT_TRANSLATE_NOOP("RulerWindow", "Right Ticker"), RW},
    {O::ShowTopTicker, "topTickerVisible", true, QT_TRANSLATE_NOOP("RulerWindow", "Top Ticker"), RW},
    {O::ShowBottomTicker, "bottomTickerVisible", true, QT_TRANSLATE_NOOP("RulerWindow", "Bottom Ticker"), RW},
    {O::StartFromPixelOne, "rulerStartsFrom1", false, nullptr, RW},
    {O::StretchPicture, "stretchImage", false, nullptr, Storage::Picture},
    {O::ProportionalPicture, "proportionalImage", true, QT_TRANSLATE_NOOP("RulerWindow", "Proportional"),
     Storage::Picture},
    {O::TransparentPicture, "transparentImage", false, QT_TRANSLATE_NOOP("RulerWindow", "Transparent Image"),
     Storage::Picture},
    {O::BoldControlPoints, "boldControlPoints", true, QT_TRANSLATE_NOOP("RulerWindow", "Bold Control Points"),
     RW},
    // Its entry shows the opposite: checked while the points are shown.
    {O::HideControlPoints, "noControlPoints", false, QT_TRANSLATE_NOOP("RulerWindow", "Show Control Points"),
     RW},
    {O::ShowBottomRightLabels, "bottmRightLabel", false,
     QT_TRANSLATE_NOOP("RulerWindow", "Show Bottom-Right Labels"), RW},
    {O::ShowWidthNumber, "R_M_Width", false, nullptr, RW},
    {O::ShowHeightNumber, "R_M_Height", false, nullptr, RW},
    {O::MinimalReadings, "R_M_MinimalReadings", false, QT_TRANSLATE_NOOP("RulerWindow", "Minimal Readings"),
     RW},
    {O::ShowFigureReadings, "showOnFigureReadings", true,
     QT_TRANSLATE_NOOP("RulerWindow", "Show Figure Readings"), Storage::ReadOnly},
    {O::ShowGuides, nullptr, true, QT_TRANSLATE_NOOP("RulerWindow", "Show Guides"), Storage::None},
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

struct ValueEntry
{
    RulerValue value;
    const char *key;
    // The option whose key the value's key follows in the file; the last option where it follows them all.
    RulerOption after;
};

constexpr std::array<ValueEntry, 10> kValues{{
    {RulerValue::PictureFile, "imageFile", RulerOption::StartFromPixelOne},
    {RulerValue::Geometry, "geometry", RulerOption::ShowGuides},
    {RulerValue::BackgroundColour, "background", RulerOption::ShowGuides},
    {RulerValue::RulerColour, "rulerColor", RulerOption::ShowGuides},
    {RulerValue::GuidesColour, "guidesColor", RulerOption::ShowGuides},
    {RulerValue::FigureShape, "figureKind", RulerOption::ShowGuides},
    {RulerValue::FigurePoints, "figurePoints", RulerOption::ShowGuides},
    {RulerValue::FigureOrigin, "figureOrigin", RulerOption::ShowGuides},
    {RulerValue::FigureTurn, "figureAngle", RulerOption::ShowGuides},
    {RulerValue::FigureRatio, "figureRatio", RulerOption::ShowGuides},
}};

} // namespace

const Entry &entry(RulerOption option)
{
    return kTable[std::size_t(option)];
}

const QList<RulerOption> &all()
{
    static const QList<RulerOption> options = [] {
        QList<RulerOption> list;
        for (const Entry &row : kTable)
            list.append(row.option);
        return list;
    }();
    return options;
}

QLatin1StringView key(RulerValue value)
{
    return QLatin1StringView(kValues[std::size_t(value)].key);
}

QStringList storedKeyOrder()
{
    QStringList keys;
    for (const Entry &row : kTable) {
        if (row.storage == Storage::ReadWrite || row.storage == Storage::Picture)
            keys.append(QLatin1StringView(row.key));
        for (const ValueEntry &value : kValues) {
            if (value.after == row.option)
                keys.append(QLatin1StringView(value.key));
        }
    }
    return keys;
}

void registerKeyOrder()
{
    ProgramStore::setLeadingKeys(storedKeyOrder());
}

} // namespace RulerOptionTable

RulerOptions::RulerOptions() : m_values(RulerOptionTable::kCount)
{
    for (RulerOption option : RulerOptionTable::all())
        set(option, RulerOptionTable::entry(option).byDefault);
}

bool RulerOptions::toggle(RulerOption option)
{
    m_values.toggleBit(int(option));
    return value(option);
}

void RulerOptions::readWhere(const QSettings &store, bool (*wanted)(RulerOptionTable::Storage))
{
    for (RulerOption option : RulerOptionTable::all()) {
        const RulerOptionTable::Entry &row = RulerOptionTable::entry(option);
        if (wanted(row.storage))
            set(option, StoreValues::readBool(store, QLatin1StringView(row.key), row.byDefault));
    }
}

void RulerOptions::read(const QSettings &store)
{
    using RulerOptionTable::Storage;
    readWhere(store,
              [](Storage storage) { return storage == Storage::ReadWrite || storage == Storage::ReadOnly; });
}

void RulerOptions::readPictureOptions(const QSettings &store)
{
    using RulerOptionTable::Storage;
    readWhere(store, [](Storage storage) { return storage == Storage::Picture; });
}

void RulerOptions::write(QSettings &store) const
{
    for (RulerOption option : RulerOptionTable::all()) {
        const RulerOptionTable::Entry &row = RulerOptionTable::entry(option);
        if (row.storage == RulerOptionTable::Storage::ReadWrite ||
            row.storage == RulerOptionTable::Storage::Picture)
            store.setValue(QLatin1StringView(row.key), value(option));
    }
}
