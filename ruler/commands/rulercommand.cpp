// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/commands/rulercommand.h"

#include "figure/figurekind.h"
#include "figure/figuremodel.h"

#include <QCoreApplication>

namespace RulerCommands {
namespace {

using C = RulerCommand;

} // namespace

Entry &Entry::show(const char *menuText, const char *shownShortcut)
{
    text = menuText;
    shortcut = shownShortcut;
    return *this;
}

Entry &Entry::in(Menu place, bool afterSeparator)
{
    menu = place;
    separatorBefore = afterSeparator;
    return *this;
}

Entry &Entry::by(Amount step)
{
    amount = step;
    return *this;
}

Entry &Entry::key(int code, Chord chord)
{
    for (Key &slot : keys) {
        if (!slot.key) {
            slot = {code, chord};
            return *this;
        }
    }
    Q_ASSERT_X(false, "RulerCommands", "too many keys for one command");
    return *this;
}

Entry &Entry::conventionally(ConventionKeys::Command command)
{
    convention = command;
    return *this;
}

Entry &Entry::check(Group choiceGroup)
{
    checkable = true;
    group = choiceGroup;
    return *this;
}

const Entry &entry(RulerCommand command)
{
    return table()[std::size_t(command)];
}

const QList<RulerCommand> &all()
{
    static const QList<RulerCommand> commands = [] {
        QList<RulerCommand> list;
        for (const Entry &row : table())
            list.append(row.command);
        return list;
    }();
    return commands;
}

QString text(RulerCommand command)
{
    const Entry &row = entry(command);
    if (!row.text || !*row.text)
        return {};
    const QString text = QCoreApplication::translate("RulerWindow", row.text);
    if (row.shape < 0)
        return text;
    const char *shapeName = FigureKinds::row(FigureKinds::cornerKind(row.shape)).shapeName;
    return text.arg(QCoreApplication::translate("RulerWindow", shapeName));
}

bool hasMenuEntry(RulerCommand command)
{
    return entry(command).text != nullptr;
}

RulerCommand physicalUnit(int row)
{
    return RulerCommand(int(C::PhysicalUnitFirst) + row);
}

RulerCommand pixelUnit(int row)
{
    return RulerCommand(int(C::PixelUnitFirst) + row);
}

RulerCommand cornerShape(int shape)
{
    return RulerCommand(int(C::CornerShapeFirst) + shape);
}

RulerCommand centeredShape(int shape)
{
    return RulerCommand(int(C::CenteredShapeFirst) + shape);
}

RulerCommand freeShape(int shape)
{
    return RulerCommand(int(C::FreeShapeFirst) + shape);
}

RulerCommand ratio(int index)
{
    return RulerCommand(int(C::RatioFirst) + index);
}

bool inRange(RulerCommand command, RulerCommand first, int count)
{
    return int(command) >= int(first) && int(command) < int(first) + count;
}

std::optional<UnitChoice> unitOf(RulerCommand command)
{
    if (command == C::UnitPixels)
        return UnitChoice();
    if (inRange(command, C::PhysicalUnitFirst, kUnitRows))
        return UnitChoice{UnitChoice::Table::Physical, int(command) - int(C::PhysicalUnitFirst)};
    if (inRange(command, C::PixelUnitFirst, kUnitRows))
        return UnitChoice{UnitChoice::Table::PixelBased, int(command) - int(C::PixelUnitFirst)};
    return std::nullopt;
}

RulerCommand unitCommand(const UnitChoice &unit)
{
    switch (unit.table) {
    case UnitChoice::Table::Physical:
        return physicalUnit(unit.row);
    case UnitChoice::Table::PixelBased:
        return pixelUnit(unit.row);
    case UnitChoice::Table::Pixels:
        break;
    }
    return C::UnitPixels;
}

std::optional<FigureKind> figureKindOf(RulerCommand command)
{
    if (command == C::FlyingRuler)
        return FigureKind::FlyingRuler;
    if (inRange(command, C::CornerShapeFirst, kShapes))
        return FigureKinds::cornerKind(int(command) - int(C::CornerShapeFirst));
    if (inRange(command, C::CenteredShapeFirst, kShapes))
        return FigureKinds::centerKind(int(command) - int(C::CenteredShapeFirst));
    return std::nullopt;
}

double ratioOf(RulerCommand command)
{
    return inRange(command, C::RatioFirst, kRatioRectangleCount)
               ? kRatioRectangles[int(command) - int(C::RatioFirst)].ratio
               : 0;
}

} // namespace RulerCommands
