// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <optional>

// What a second start (or a launcher, over the session bus) asks of the running copy, and how it
// travels: as an action name of the desktop's application interface, or as one line on the local
// socket. No window and no connection in here.
namespace InstanceCommand {

enum class Kind
{
    Raise,        // a plain second start: the rulers come to the front
    NewRuler,     // --new-ruler [WxH+X+Y]
    Toggle,       // --toggle: hide or show every window, as a left click on the tray icon
    CopyReadings, // --copy-readings: the readings of the active ruler on the clipboard
    Quit          // --quit: save everything and end
};

struct Command
{
    Kind kind = Kind::Raise;
    // Where the new ruler goes; empty for beside the last one.
    std::optional<QRect> geometry;

    bool operator==(const Command &other) const { return kind == other.kind && geometry == other.geometry; }
};

// Sides larger than this are refused outright; the ruler's own rule fits anything smaller.
inline constexpr int kLargestSide = 100000;

// "WxH" or "WxH+X+Y" (X and Y may be negative: "+-200+0" or "-200-0" is left of the first screen).
// Nothing for anything else, a side of 0 or a side above kLargestSide.
std::optional<QRect> parseGeometry(const QString &text);
// The text parseGeometry reads back as the same rectangle.
QString geometryText(const QRect &geometry);

// The action names of the application interface ("new-ruler", "toggle", "copy-readings", "quit");
// Raise is the interface's Activate and has none.
QString actionName(Kind kind);
std::optional<Kind> kindOfAction(const QString &name);
// An action with its parameters as it arrives over the bus: "new-ruler" takes at most one, a
// geometry text; the others none. Nothing for an unknown action or unreadable parameters.
std::optional<Command> fromAction(const QString &name, const QStringList &parameters);

// One line on the local socket: the action name (or "raise"), a blank and the geometry where there
// is one, and a line feed.
QByteArray toLine(const Command &command);
// Nothing for a line that no copy of ours sends.
std::optional<Command> fromLine(const QByteArray &line);

// Whether the command means anything when no copy runs: a new ruler, a toggle (which shows) and a
// raise start the program; copying readings and quitting have nothing to act on.
bool startsProgram(Kind kind);

// What is left to do of the command that started the program, once its first ruler is open.
enum class AfterStart
{
    Nothing,         // a raise or a toggle wants the rulers shown, and they are
    PlaceFirstRuler, // the new ruler is the first one: it goes where the command says
    CarryOut         // copying the readings and quitting
};
AfterStart afterStart(const Command &command);

// The way to the running copy: the session bus where one is connected and the copy owns its name
// there, else the local socket.
enum class Route
{
    SessionBus,
    LocalSocket
};
Route routeTo(bool busConnected, bool nameOwned);

} // namespace InstanceCommand
