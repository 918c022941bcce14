// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/window/rulerstore.h"

#include "prefs/programsettings.h"
#include "prefs/programstore.h"
#include "prefs/storevalues.h"
#include "ruler/placement/screenplacement.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>

namespace RulerStore {

namespace {

using RulerOptionTable::key;

// Model points and places beyond this are no figure a user made: far beyond any desktop.
constexpr double kLargestCoordinate = 1.0e6;
// Enough digits for a float to read back as the same float.
constexpr int kPointDigits = 9;
constexpr int kFirstGroupNumber = 2;

// The number of a further ruler's group, or 0 for any other group.
int groupNumber(const QString &group)
{
    static const QRegularExpression pattern(QStringLiteral("^Ruler([1-9][0-9]{0,3})$"));
    const QRegularExpressionMatch match = pattern.match(group);
    const int number = match.hasMatch() ? match.captured(1).toInt() : 0;
    return number >= kFirstGroupNumber ? number : 0;
}

bool usableCoordinate(double value)
{
    return std::isfinite(value) && std::abs(value) <= kLargestCoordinate;
}

std::optional<double> storedNumber(const QVariant &stored)
{
    bool ok = false;
    const double value = stored.toString().toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

QString pointsText(const FigureModel &figure)
{
    QStringList numbers;
    for (int i = 0; i < figure.pointCount; ++i) {
        numbers << QString::number(figure.points[i].x, 'g', kPointDigits)
                << QString::number(figure.points[i].y, 'g', kPointDigits);
    }
    return numbers.join(QLatin1Char(' '));
}

// Exactly `count` points of usable coordinates.
bool readPoints(const QString &text, int count, FigureModel &figure)
{
    const QStringList numbers = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (numbers.size() != 2 * count)
        return false;
    for (int i = 0; i < count; ++i) {
        bool okX = false;
        bool okY = false;
        const double x = numbers.at(2 * i).toDouble(&okX);
        const double y = numbers.at(2 * i + 1).toDouble(&okY);
        if (!okX || !okY || !usableCoordinate(x) || !usableCoordinate(y))
            return false;
        figure.points[i] = FigurePoint{float(x), float(y)};
    }
    return true;
}

} // namespace

QString groupOf(int index)
{
    return index <= 0 ? QString() : QStringLiteral("Ruler%1").arg(index + 1);
}

QStringList storedGroups(const QSettings &store)
{
    QStringList groups;
    for (const QString &group : store.childGroups()) {
        if (groupNumber(group) > 0)
            groups.append(group);
    }
    std::sort(groups.begin(), groups.end(),
              [](const QString &a, const QString &b) { return groupNumber(a) < groupNumber(b); });
    // A file with thousands of groups is no session anyone left: it must not open thousands of windows.
    if (groups.size() > kMostFurtherRulers)
        groups.resize(kMostFurtherRulers);
    return groups;
}

RulerRecord read(QSettings &store, const QString &group, const RulerRecord &current)
{
    using namespace StoreValues;
    if (!group.isEmpty())
        store.beginGroup(group);
    RulerRecord record = current;
    RulerSettings &kept = record.settings;
    kept.options.read(store);
    kept.options.readPictureOptions(store);
    kept.pictureFile = readText(store, key(RulerValue::PictureFile), kLongestPath);
    record.geometry = store.value(key(RulerValue::Geometry));
    kept.background = readColor(store, key(RulerValue::BackgroundColor), current.settings.background);
    kept.rulerColor = readColor(store, key(RulerValue::RulerColor), RulerSettings().rulerColor);
    kept.guidesColor = readColor(store, key(RulerValue::GuidesColor), current.settings.guidesColor);
    record.figure = readFigure(store, &record.figurePlaced);
    if (!group.isEmpty())
        store.endGroup();
    return record;
}

void write(QSettings &store, const QString &group, const RulerRecord &record)
{
    if (!group.isEmpty()) {
        store.remove(group);
        store.beginGroup(group);
    }
    const RulerSettings &kept = record.settings;
    kept.options.write(store);
    store.setValue(key(RulerValue::PictureFile), kept.pictureFile);
    store.setValue(key(RulerValue::Geometry), record.geometry);
    store.setValue(key(RulerValue::BackgroundColor), kept.background);
    store.setValue(key(RulerValue::RulerColor), kept.rulerColor);
    store.setValue(key(RulerValue::GuidesColor), kept.guidesColor);
    if (record.figure)
        writeFigure(store, *record.figure);
    if (!group.isEmpty())
        store.endGroup();
}

void writeSession(QSettings &store, const QList<RulerRecord> &rulers, int active)
{
    // Groups of rulers closed since, or left by a longer session, go first.
    const QStringList stored = store.childGroups();
    for (const QString &group : stored) {
        if (groupNumber(group) > int(rulers.size()))
            store.remove(group);
    }
    for (int i = 0; i < int(rulers.size()); ++i)
        write(store, groupOf(i), rulers.at(i));
    if (!rulers.isEmpty())
        store.setValue(kActiveRulerKey, std::clamp(active, 0, int(rulers.size()) - 1) + 1);
}

int storedActive(const QSettings &store, int count)
{
    const int stored = StoreValues::readInt(store, kActiveRulerKey, count);
    return stored >= 1 && stored <= count ? stored - 1 : count - 1;
}

RulerRecord read(const QString &group, const RulerRecord &current)
{
    ProgramStore::selectFormat();
    QSettings store;
    return read(store, group, current);
}

void writeSession(const QList<RulerRecord> &rulers, int active)
{
    ProgramStore::selectFormat();
    QSettings store;
    writeSession(store, rulers, active);
    store.sync();
}

Start readStart(bool panelShown)
{
    using namespace StoreValues;
    ProgramStore::selectFormat();
    const QSettings store;
    Start start;
    start.options.read(store);
    start.panelShown = readBool(store, programKey(ProgramSetting::ShowInfoPanel), panelShown);
    start.panelSide =
        ScreenPlacement::panelSideFromStored(readInt(store, programKey(ProgramSetting::PanelSide), 2));
    return start;
}

QString pictureFolder()
{
    ProgramStore::selectFormat();
    const QSettings store;
    return store.value(programKey(ProgramSetting::PictureFolder), QDir::homePath()).toString();
}

QString regionPictureFolder()
{
    ProgramStore::selectFormat();
    const QSettings store;
    // A folder saved to before and gone since is no place to start from.
    QString folder = store.value(programKey(ProgramSetting::RegionPictureFolder)).toString();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return folder;
}

namespace {

void keepFolder(ProgramSetting setting, const QString &picturePath)
{
    ProgramStore::selectFormat();
    QSettings store;
    store.setValue(programKey(setting), QFileInfo(picturePath).absolutePath());
    store.sync();
}

} // namespace

void keepPictureFolder(const QString &picturePath)
{
    keepFolder(ProgramSetting::PictureFolder, picturePath);
}

void keepRegionPictureFolder(const QString &picturePath)
{
    keepFolder(ProgramSetting::RegionPictureFolder, picturePath);
}

void writeFigure(QSettings &store, const FigureModel &figure)
{
    const FigureKind kind = figure.flyingRuler ? FigureKind::FlyingRuler : figure.kind;
    store.setValue(key(RulerValue::FigureShape), QString::fromLatin1(storedKindName(kind)));
    store.setValue(key(RulerValue::FigurePoints), pointsText(figure));
    store.setValue(key(RulerValue::FigureOrigin), figure.origin);
    store.setValue(key(RulerValue::FigureTurn), QString::number(figure.angle, 'g', 17));
    if (figure.ratioLocked)
        store.setValue(key(RulerValue::FigureRatio), QString::number(figure.ratio, 'g', 17));
    else
        store.remove(key(RulerValue::FigureRatio));
}

std::optional<FigureModel> readFigure(const QSettings &store, bool *placed)
{
    const std::optional<FigureKind> stored =
        kindFromStoredName(store.value(key(RulerValue::FigureShape)).toString().toStdString());
    if (!stored)
        return std::nullopt;
    // A damaged value costs itself only: the kind's own points and turn stand in for it.
    FigureModel figure;
    const std::optional<double> ratio = storedNumber(store.value(key(RulerValue::FigureRatio)));
    if (*stored == FigureKind::CornerSquare && ratio && *ratio > 0)
        figure.createRatioFigure(*ratio, QSize());
    else
        figure.create(*stored, QSize());
    FigureModel withPoints = figure;
    if (readPoints(store.value(key(RulerValue::FigurePoints)).toString(), figure.pointCount,
                   withPoints))
        figure.points = withPoints.points;
    if (const std::optional<double> turn = storedNumber(store.value(key(RulerValue::FigureTurn))))
        figure.angle = *turn;

    const QVariant origin = store.value(key(RulerValue::FigureOrigin));
    const QPoint place = origin.toPoint();
    const bool usablePlace = origin.metaType().id() == QMetaType::QPoint && usableCoordinate(place.x()) &&
                             usableCoordinate(place.y());
    if (usablePlace)
        figure.origin = place;
    if (placed)
        *placed = usablePlace;
    figure.rotationCenter = QPointF(figure.points[0].x, figure.points[0].y);
    figure.recompute();
    return figure;
}

} // namespace RulerStore
