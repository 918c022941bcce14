// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

class EdgeFinderTool;
class FigureControl;
class PanelFollower;
class PointerSession;
class Preferences;
class RulerMenu;
class RulerState;
class RulerWindow;
class WindowPlacement;
struct RulerShared;

// What a command acts on: the ruler's window and the parts it owns, handed to the command's handler
// as the window runs it. A handler works through the parts' own functions; the window keeps its fields
// to itself. The references live as long as the window; a handler that answers later (a picture of
// the screen on its way) keeps a copy.
struct RulerParts
{
    RulerWindow &window;
    RulerState &state;
    RulerMenu &menu;
    WindowPlacement &placement;
    FigureControl &figure;
    PanelFollower &panel;
    PointerSession &pointer;
    EdgeFinderTool &edgeFinder;
    // Null before the ruler joins the program.
    RulerShared *shared;
    Preferences *preferences;
    // Whether a picture of the region beneath the ruler is on its way.
    bool &takingRegionPicture;
};
