// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "ruler/window/colortarget.h"

#include <QList>
#include <optional>

class Desktop;
class InfoPanel;
class PositionDialog;
class Preferences;
class QColorDialog;
class RulerWindow;
class TransparencyDialog;

// What the rulers of one run share, made and owned by the program and handed to each ruler when it
// attaches: the preferences, the desktop, the windows that serve every ruler, the list of open rulers and the
// colour that the shared colour dialog edits. Program-level requests go the other way, as the ruler's
// signals.
struct RulerShared
{
    Preferences *preferences = nullptr;
    // What the rulers ask of the desktop (compositor, other windows, pictures, placement).
    Desktop *desktop = nullptr;
    // Made once the first ruler's window is out (madeInfoPanel()); null before.
    InfoPanel *infoPanel = nullptr;
    // The ruler that would have shown the panel before it was made: it takes the panel when it comes.
    RulerWindow *panelWaitingRuler = nullptr;
    // Made when a ruler first opens them (see the functions below): a start does without them.
    QColorDialog *colorDialog = nullptr;
    PositionDialog *positionDialog = nullptr;
    TransparencyDialog *transparencyDialog = nullptr;
    // The open rulers, oldest first: a ruler enters when it attaches and leaves when it closes.
    QList<RulerWindow *> rulers;
    // Which colour the colour dialog edits, once a ruler opened it.
    std::optional<ColorTarget> colorTarget;
    // Whether a ruler said that the desktop places windows itself (it is said once a run).
    bool placementNoticeGiven = false;
    // The ruler that took the keyboard last, whom the information panel follows; the session
    // remembers it.
    RulerWindow *keyboardRuler = nullptr;
    // Set once the program has saved the session for its end: windows that close on the way out
    // leave the stored session as it is.
    bool endingRun = false;

    // The panel, made on the first call (its fonts and labels cost a start more than the ruler); the
    // ruler waiting for it places and shows it then. The program deletes it at its end.
    InfoPanel *madeInfoPanel();
    // The shared dialog, made on the first call; the program deletes it at its end.
    PositionDialog *madePositionDialog();
    QColorDialog *madeColorDialog();
    // Whether the colour dialog is open (a dialog never made is not).
    bool colorDialogShown() const;
    TransparencyDialog *madeTransparencyDialog();
};
