// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "ruler/commands/rulercommand.h"

#include <vector>

// The rows of the command table, written where the window's handlers can be reached (the window
// befriends this class): the menu's commands in rulerwindow_commands.cpp, the figure's and the
// key-only ones in rulerwindow_figurecommands.cpp.
class CommandRows
{
public:
    static std::vector<RulerCommands::Entry> build();

private:
    using Rows = std::vector<RulerCommands::Entry>;

    static RulerCommands::Entry row(RulerCommand command, RulerCommands::Handler handler = nullptr);
    // An entry that toggles an option, named by the option's table; without a handler, the toggle
    // only repaints.
    static RulerCommands::Entry toggle(RulerCommand command, RulerOption option,
                                       const char *shortcut = nullptr,
                                       RulerCommands::Handler handler = nullptr);

    static void addWindowRows(Rows &t);
    static void addViewRows(Rows &t);
    static void addMoreViewRows(Rows &t);
    static void addChoiceRows(Rows &t);
    static void addPictureAndToolRows(Rows &t);
    static void addFigureRows(Rows &t);
    static void addProgramRows(Rows &t);
    static void addKeyRows(Rows &t);
    static void addFigureKeyRows(Rows &t);
};
