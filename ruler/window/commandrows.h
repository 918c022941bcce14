// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "ruler/commands/rulercommand.h"
#include "prefs/preferences.h"
#include "ruler/dialogs/positiondialog.h"

#include <vector>

class QImage;
class QRect;
struct ScreenPicture;

// The rows of the command table, written where the window's handlers can be reached (the window
// befriends this class): the menu's commands in commandrows.cpp, the figure's and the key-only ones
// in commandrows_figure.cpp, and the handlers longer than a line in commandhandlers.cpp.
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

    // What the commands do that takes more than a line of their rows (commandhandlers.cpp).
    enum class RegionPictureUse
    {
        Copy,
        Save,
    };
    static void editTransparency(RulerWindow &w);
    static void editPositionAndSize(RulerWindow &w);
    static void followEditedGeometry(RulerWindow &w, PositionDialog::Field field, int value);
    static void showPreferencesOn(RulerWindow &w, PreferencesPage page);
    static void toggleFigure(RulerWindow &w);
    static void toggleControlPoints(RulerWindow &w);
    static void toggleMinimalReadings(RulerWindow &w);
    static void toggleInfoPanel(RulerWindow &w);
    static void sendPanelToOtherSide(RulerWindow &w);
    static void chooseStartCorner(RulerWindow &w, RulerCommand corner);
    static void toggleSnapToScreen(RulerWindow &w);
    static void openPicture(RulerWindow &w);
    static void clearPicture(RulerWindow &w);
    static void stretchPicture(RulerWindow &w);
    static void toggleProportionalPicture(RulerWindow &w);
    static void showPictureAtActualSize(RulerWindow &w);
    static void fitRulerToPicture(RulerWindow &w);
    static void copyReadings(RulerWindow &w);
    static void takeRegionPicture(RulerWindow &w, RegionPictureUse use);
    static void regionPictureTaken(RulerWindow &w, RegionPictureUse use, const QRect &region,
                                   const ScreenPicture &picture);
    static void saveRegionPicture(RulerWindow &w, const QImage &picture);
    static void toggleStayOnTop(RulerWindow &w);
    static void toggleFullScreen(RulerWindow &w);
    static void stepWindow(RulerWindow &w, QPoint direction);
    static void toggleEdgeFinder(RulerWindow &w);
};
