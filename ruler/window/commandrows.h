// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "ruler/commands/rulercommand.h"
#include "prefs/preferences.h"
#include "ruler/dialogs/positiondialog.h"

#include <vector>

class QImage;
class QRect;
struct RulerParts;
struct ScreenPicture;

// The rows of the command table: the menu's commands in commandrows.cpp, the figure's and the key-only
// ones in commandrows_figure.cpp, and the handlers longer than a line in commandhandlers.cpp. Each
// handler acts on the ruler's parts (RulerParts), which the window hands it as it runs the command.
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
    static void editTransparency(RulerParts &r);
    static void editPositionAndSize(RulerParts &r);
    static void followEditedGeometry(const RulerParts &r, PositionDialog::Field field, int value);
    static void showPreferencesOn(RulerParts &r, PreferencesPage page);
    static void toggleFigure(RulerParts &r);
    static void toggleControlPoints(RulerParts &r);
    static void toggleMinimalReadings(RulerParts &r);
    static void toggleInfoPanel(RulerParts &r);
    static void sendPanelToOtherSide(RulerParts &r);
    static void chooseStartCorner(RulerParts &r, RulerCommand corner);
    static void toggleSnapToScreen(RulerParts &r);
    static void openPicture(RulerParts &r);
    static void clearPicture(RulerParts &r);
    static void stretchPicture(RulerParts &r);
    static void toggleProportionalPicture(RulerParts &r);
    static void showPictureAtActualSize(RulerParts &r);
    static void fitRulerToPicture(RulerParts &r);
    static void copyReadings(RulerParts &r);
    static void takeRegionPicture(RulerParts &r, RegionPictureUse use);
    static void regionPictureTaken(const RulerParts &r, RegionPictureUse use, const QRect &region,
                                   const ScreenPicture &picture);
    static void saveRegionPicture(const RulerParts &r, const QImage &picture);
    static void toggleStayOnTop(RulerParts &r);
    static void toggleFullScreen(RulerParts &r);
    static void stepWindow(RulerParts &r, QPoint direction);
    static void toggleEdgeFinder(RulerParts &r);
};
