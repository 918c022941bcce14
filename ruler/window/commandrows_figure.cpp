// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The command table's rows for the flying figure and for the commands that have only a key.
#include "ruler/window/commandrows.h"
#include "ruler/window/rulerparts.h"
#include "ruler/window/rulerwindow.h"

using C = RulerCommand;
using O = RulerOption;
using namespace RulerCommands;

void CommandRows::addFigureRows(Rows &t)
{
    static const char *const digits[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    static const char *const shifted[] = {"Shift+1", "Shift+2", "Shift+3", "Shift+4", "Shift+5",
                                          "Shift+6", "Shift+7", "Shift+8", "Shift+9"};
    static const char *const alt[] = {"Alt+1", "Alt+2", "Alt+3", "Alt+4", "Alt+5",
                                      "Alt+6", "Alt+7", "Alt+8", "Alt+9"};
    // The characters on the shifted digits of a US keyboard give the centred kinds directly.
    static const int shiftedCharacters[] = {Qt::Key_Exclam,    Qt::Key_At,       Qt::Key_NumberSign,
                                            Qt::Key_Dollar,    Qt::Key_Percent,  Qt::Key_AsciiCircum,
                                            Qt::Key_Ampersand, Qt::Key_Asterisk, Qt::Key_ParenLeft};
    static_assert(kShapes <= 9 && kRatioRectangleCount <= 9, "a digit key for each shape and ratio");
    const Handler choose = [](RulerParts &r, C c) { r.figure.choose(c); };
    const auto menu = Menu::Figure;
    t.push_back(row(C::FlyingRuler, choose)
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Ruler"), "0")
                    .check(Group::Figure)
                    .key(Qt::Key_0)
                    .in(menu));
    for (int i = 0; i < kShapes; ++i) {
        t.push_back(row(cornerShape(i), choose)
                        .show("%1", digits[i])
                        .check(Group::Figure)
                        .key(Qt::Key_1 + i, Chord::Digit)
                        .in(menu, i == 0));
        t.back().shape = i;
    }
    for (int i = 0; i < kShapes; ++i) {
        t.push_back(row(centeredShape(i), choose)
                        .show(QT_TRANSLATE_NOOP("RulerWindow", "Centered %1"), shifted[i])
                        .check(Group::Figure)
                        .key(Qt::Key_1 + i, Chord::ShiftDigit)
                        .key(shiftedCharacters[i])
                        .in(menu, i == 0));
        t.back().shape = i;
    }
    // Reserved: never shown, no key reaches them.
    for (int i = 0; i < kShapes; ++i) {
        t.push_back(row(freeShape(i), choose)
                        .show(QT_TRANSLATE_NOOP("RulerWindow", "Free %1"), alt[i])
                        .check(Group::Figure));
        t.back().shape = i;
    }
    for (int i = 0; i < kRatioRectangleCount; ++i) {
        t.push_back(row(ratio(i), choose)
                        .show(kRatioRectangles[i].menuText, alt[i])
                        .check(Group::Figure)
                        .key(Qt::Key_1 + i, Chord::AltDigit)
                        .in(menu, i == 0));
    }
    t.push_back(row(C::SendFigureToCenter, [](RulerParts &r, C) { r.figure.sendToCenter(); })
                    .show(QT_TRANSLATE_NOOP("RulerWindow", "Send to Center"), "\\")
                    .key(Qt::Key_Backslash)
                    .in(menu, true));
    t.push_back(toggle(C::ReverseAlt, O::ReverseAlt, "Alt+Shift+S").key(Qt::Key_S, Chord::AltShift).in(menu));
}

void CommandRows::addKeyRows(Rows &t)
{
    t.push_back(toggle(C::ShowWidthNumber, O::ShowWidthNumber).key(Qt::Key_W, Chord::AltShift));
    t.push_back(toggle(C::ShowHeightNumber, O::ShowHeightNumber).key(Qt::Key_H, Chord::AltShift));
    t.push_back(row(C::ActivateOnHover, [](RulerParts &r, C) {
                    if (r.preferences)
                        r.preferences->setValue(
                            ProgramSetting::ActivateOnHover,
                            !r.preferences->value<bool>(ProgramSetting::ActivateOnHover));
                }).key(Qt::Key_P));
    // Alt+Q saves the session from this ruler before the program ends, as the menu's "Quit" does.
    t.push_back(
        row(C::SaveAndQuit,
            [](RulerParts &r, C) {
                r.window.saveSettings();
                emit r.window.quitRequested();
            }).key(Qt::Key_Q, Chord::ExactlyAlt));
    addFigureKeyRows(t);
    const Handler step = [](RulerParts &r, C c) { stepWindow(r, entry(c).amount.direction); };
    t.push_back(row(C::StepLeft, step).by({0, 1, {-1, 0}}).key(Qt::Key_Left));
    t.push_back(row(C::StepRight, step).by({0, 1, {1, 0}}).key(Qt::Key_Right));
    t.push_back(row(C::StepUp, step).by({0, 1, {0, -1}}).key(Qt::Key_Up));
    t.push_back(row(C::StepDown, step).by({0, 1, {0, 1}}).key(Qt::Key_Down));
}

void CommandRows::addFigureKeyRows(Rows &t)
{
    constexpr double kFineTurn = 360.0 / 2048;
    constexpr double kCoarseTurn = 11.25;
    // A key's turn or scale repaints the whole window.
    const Handler turn = [](RulerParts &r, C c) {
        r.figure.turn(entry(c).amount.turn);
        r.window.update();
    };
    t.push_back(row(C::TurnFigureFine, turn).by({kFineTurn, 1, {}}).key(Qt::Key_Z));
    t.push_back(row(C::TurnFigureFineBack, turn).by({-kFineTurn, 1, {}}).key(Qt::Key_A));
    t.push_back(row(C::TurnFigureCoarse, turn).by({kCoarseTurn, 1, {}}).key(Qt::Key_X));
    t.push_back(row(C::TurnFigureCoarseBack, turn).by({-kCoarseTurn, 1, {}}).key(Qt::Key_S));
    t.push_back(row(C::TurnFigureEighth, turn).by({45, 1, {}}).key(Qt::Key_C));
    t.push_back(row(C::TurnFigureEighthBack, turn).by({-45, 1, {}}).key(Qt::Key_D));
    t.push_back(row(C::TurnFigureQuarter, turn).by({90, 1, {}}).key(Qt::Key_V));
    t.push_back(row(C::TurnFigureQuarterBack, turn).by({-90, 1, {}}).key(Qt::Key_F));
    const Handler scale = [](RulerParts &r, C c) {
        r.figure.scale(entry(c).amount.scale);
        r.window.update();
    };
    t.push_back(row(C::GrowFigure, scale).by({0, 1.01, {}}).key(Qt::Key_PageUp));
    t.push_back(row(C::ShrinkFigure, scale).by({0, 0.99, {}}).key(Qt::Key_PageDown));
    const Handler nudge = [](RulerParts &r, C c) { r.figure.moveBy(entry(c).amount.direction); };
    t.push_back(row(C::NudgeFigureUp, nudge).by({0, 1, {0, -1}}).key(Qt::Key_I));
    t.push_back(row(C::NudgeFigureDown, nudge).by({0, 1, {0, 1}}).key(Qt::Key_K));
    t.push_back(row(C::NudgeFigureLeft, nudge).by({0, 1, {-1, 0}}).key(Qt::Key_J));
    t.push_back(row(C::NudgeFigureRight, nudge).by({0, 1, {1, 0}}).key(Qt::Key_L));
    t.push_back(
        row(C::ToggleFigurePlacement, [](RulerParts &r, C) { r.figure.togglePlacement(); }).key(Qt::Key_Tab));
    t.push_back(row(C::RecomputeFigure, [](RulerParts &r, C) { r.figure.recompute(); }).key(Qt::Key_Shift));
}
