// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/instancecommand.h"

#include <QRegularExpression>
#include <QStringList>
#include <array>

namespace InstanceCommand {

namespace {

struct ActionRow
{
    Kind kind;
    const char *name;
};

// Raise is Activate on the bus and "raise" on the socket.
constexpr std::array<ActionRow, 4> kActions{{{Kind::NewRuler, "new-ruler"},
                                             {Kind::Toggle, "toggle"},
                                             {Kind::CopyReadings, "copy-readings"},
                                             {Kind::Quit, "quit"}}};
constexpr char kRaiseLine[] = "raise";
// A request is one short line; anything longer is not from a copy of ours.
constexpr int kLongestLine = 64;

// "+12" is 12, "+-12" and "-12" are -12.
int offset(const QString &sign, const QString &digits)
{
    const int value = digits.toInt();
    return sign == QLatin1String("+") ? value : -value;
}

} // namespace

std::optional<QRect> parseGeometry(const QString &text)
{
    // ASCII digits only (\d takes any script's, which toInt() reads as 0), nine at most, so that
    // every number fits an int before it is checked.
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9]{1,9})[xX]([0-9]{1,9})(?:(\\+-?|-)([0-9]{1,9})(\\+-?|-)([0-9]{1,9}))?$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide)
        return std::nullopt;
    if (match.captured(3).isEmpty())
        return QRect(0, 0, width, height);
    return QRect(offset(match.captured(3), match.captured(4)), offset(match.captured(5), match.captured(6)),
                 width, height);
}

QString geometryText(const QRect &geometry)
{
    auto signedOffset = [](int value) {
        return (value < 0 ? QStringLiteral("-") : QStringLiteral("+")) + QString::number(qAbs(qint64(value)));
    };
    return QStringLiteral("%1x%2%3%4")
        .arg(geometry.width())
        .arg(geometry.height())
        .arg(signedOffset(geometry.x()), signedOffset(geometry.y()));
}

QString actionName(Kind kind)
{
    for (const ActionRow &row : kActions) {
        if (row.kind == kind)
            return QString::fromLatin1(row.name);
    }
    return QString();
}

std::optional<Kind> kindOfAction(const QString &name)
{
    for (const ActionRow &row : kActions) {
        if (name == QLatin1String(row.name))
            return row.kind;
    }
    return std::nullopt;
}

std::optional<Command> fromAction(const QString &name, const QStringList &parameters)
{
    const std::optional<Kind> kind = kindOfAction(name);
    if (!kind)
        return std::nullopt;
    if (parameters.isEmpty())
        return Command{*kind, std::nullopt};
    if (*kind != Kind::NewRuler || parameters.size() > 1)
        return std::nullopt;
    const std::optional<QRect> geometry = parseGeometry(parameters.first());
    if (!geometry)
        return std::nullopt;
    return Command{*kind, geometry};
}

QByteArray toLine(const Command &command)
{
    QByteArray line =
        command.kind == Kind::Raise ? QByteArray(kRaiseLine) : actionName(command.kind).toLatin1();
    if (command.geometry)
        line += ' ' + geometryText(*command.geometry).toLatin1();
    return line + '\n';
}

std::optional<Command> fromLine(const QByteArray &line)
{
    if (line.size() > kLongestLine || !line.endsWith('\n'))
        return std::nullopt;
    const QStringList words = QString::fromLatin1(line.chopped(1)).split(QLatin1Char(' '));
    if (words.first() == QLatin1String(kRaiseLine))
        return words.size() == 1 ? std::optional<Command>(Command{}) : std::nullopt;
    return fromAction(words.first(), words.mid(1));
}

bool startsProgram(Kind kind)
{
    return kind != Kind::CopyReadings && kind != Kind::Quit;
}

AfterStart afterStart(const Command &command)
{
    switch (command.kind) {
    case Kind::Raise:
    case Kind::Toggle:
        break;
    case Kind::NewRuler:
        return command.geometry ? AfterStart::PlaceFirstRuler : AfterStart::Nothing;
    case Kind::CopyReadings:
    case Kind::Quit:
        return AfterStart::CarryOut;
    }
    return AfterStart::Nothing;
}

Route routeTo(bool busConnected, bool nameOwned)
{
    return busConnected && nameOwned ? Route::SessionBus : Route::LocalSocket;
}

} // namespace InstanceCommand
