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
    {RulerValue::BackgroundColor, "background", RulerOption::ShowGuides},
    {RulerValue::RulerColor, "rulerColor", RulerOption::ShowGuides},
    {RulerValue::GuidesColor, "guidesColor", RulerOption::ShowGuides},
    {RulerValue::FigureShape, "figureKind", RulerOption::ShowGuides},
    {RulerValue::FigurePoints, "figurePoints", RulerOption::ShowGuides},
    {RulerValue::FigureOrigin, "figureOrigin", RulerOption::ShowGuides},
    {RulerValue::FigureTurn, "figureAngle", RulerOption::ShowGuides},
    {RulerValue::FigureRatio, "figureRatio", RulerOption::ShowGuides},
}};

} // namespace

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
