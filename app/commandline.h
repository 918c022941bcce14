// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "app/instancecommand.h"

#include <QString>
#include <QStringList>
#include <optional>

// The program's command line.
//
// --help and --version (and --help-page) answer at once and need no display, so they work on a
// server, in a package build or over ssh. Options of the toolkit itself (-platform, -display, -style,
// -session, …) pass through to the application object. Anything else is refused with a message on
// the error output and a non-zero exit code, before any window exists.
//
// --new-ruler [WxH+X+Y], --toggle, --copy-readings and --quit are commands for the running copy: a
// second start hands its command over and exits. Without a running copy, --new-ruler and --toggle
// start the program (the first ruler takes the given geometry); --copy-readings and --quit have
// nothing to act on and say so, also without a display.
namespace CommandLine {

enum class Action
{
    Run,
    ShowHelp,
    ShowVersion,
    ShowHelpPage,
    SendToRunningCopy, // a command that only a running copy can carry out
    Refuse
};

// Exit code of a refused command line, as for any misuse of a command.
inline constexpr int kUsageError = 2;
// Exit code of --help-page when the help page is not where the program looks for it.
inline constexpr int kHelpPageMissing = 1;
// Exit code of a command for the running copy that no running copy took.
inline constexpr int kNotRunning = 1;

struct Request
{
    Action action = Action::Run;
    QString error; // why the command line was refused, for Action::Refuse
    // For the running copy, with Action::Run (a plain start raises it) and Action::SendToRunningCopy.
    InstanceCommand::Command command;
};

// What the arguments (the program name first) ask for. Needs no application object.
Request parse(const QStringList &arguments);

// The --version answer: "Gradora 6.0".
QString versionText();

// Told on the error output when a command reached no running copy.
QString notRunningText(const QString &programName);
// Told when a copy holds the single-instance lock but took no command.
QString noAnswerText(const QString &programName);

// Answers a request that needs no window: prints its text, returns the exit code. Returns nothing
// when the program should start. Builds a display-less application object only when it answers.
std::optional<int> answerWithoutDisplay(int &argc, char **argv);

} // namespace CommandLine
