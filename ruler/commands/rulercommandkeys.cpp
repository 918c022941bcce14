// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The keys of a ruler: which command a key press asks for.
#include "ruler/commands/conventionkeys.h"
#include "ruler/commands/rulercommand.h"

#include <utility>

namespace RulerCommands {
namespace {

using C = RulerCommand;
using KeyRow = std::pair<int, RulerCommand>;

std::optional<RulerCommand> find(std::initializer_list<KeyRow> rows, int key)
{
    for (const KeyRow &row : rows) {
        if (row.first == key)
            return row.second;
    }
    return std::nullopt;
}

std::optional<RulerCommand> conventionCommand(const KeyPress &press)
{
    switch (ConventionKeys::commandFor(press.key, press.modifiers, press.fullScreen)) {
    case ConventionKeys::Command::Help:
        return C::Help;
    case ConventionKeys::Command::Quit:
        return C::Quit;
    case ConventionKeys::Command::CloseRuler:
        return C::CloseRuler;
    case ConventionKeys::Command::LeaveFullScreen:
        return C::FullScreen;
    case ConventionKeys::Command::CopyReadings:
        return C::CopyReadings;
    case ConventionKeys::Command::None:
        break;
    }
    return std::nullopt;
}

std::optional<RulerCommand> altShiftCommand(int key)
{
    return find({{Qt::Key_A, C::AntiAliasing},
                 {Qt::Key_C, C::ShowCentralPoint},
                 {Qt::Key_G, C::ClearGuides},
                 {Qt::Key_H, C::ShowHeightNumber},
                 {Qt::Key_M, C::Magnifier},
                 {Qt::Key_O, C::CopyRegionPicture},
                 {Qt::Key_P, C::PositionAndSize},
                 {Qt::Key_R, C::ShowBottomRightLabels},
                 {Qt::Key_S, C::ReverseAlt},
                 {Qt::Key_T, C::Transparency},
                 {Qt::Key_W, C::ShowWidthNumber},
                 {Qt::Key_Y, C::MinimalReadings}},
                key);
}

// Alt+Q saves the session from this ruler before the program ends, as the menu's "Quit" does.
std::optional<RulerCommand> exactlyAltCommand(int key)
{
    return find({{Qt::Key_N, C::NewRuler},
                 {Qt::Key_W, C::CloseRuler},
                 {Qt::Key_B, C::BackgroundColour},
                 {Qt::Key_C, C::RulerColour},
                 {Qt::Key_G, C::GuidesColour},
                 {Qt::Key_Q, C::SaveAndQuit},
                 {Qt::Key_S, C::StayOnTop},
                 {Qt::Key_P, C::SnapToScreen},
                 {Qt::Key_L, C::LockToScreen},
                 {Qt::Key_F, C::FullScreen},
                 {Qt::Key_O, C::SaveRegionPicture},
                 {Qt::Key_Comma, C::Preferences},
                 {Qt::Key_Slash, C::Help}},
                key);
}

std::optional<RulerCommand> figureCommand(int key)
{
    return find({{Qt::Key_Left, C::StepLeft},
                 {Qt::Key_Right, C::StepRight},
                 {Qt::Key_Up, C::StepUp},
                 {Qt::Key_Down, C::StepDown},
                 {Qt::Key_Z, C::TurnFigureFine},
                 {Qt::Key_A, C::TurnFigureFineBack},
                 {Qt::Key_X, C::TurnFigureCoarse},
                 {Qt::Key_S, C::TurnFigureCoarseBack},
                 {Qt::Key_C, C::TurnFigureEighth},
                 {Qt::Key_D, C::TurnFigureEighthBack},
                 {Qt::Key_V, C::TurnFigureQuarter},
                 {Qt::Key_F, C::TurnFigureQuarterBack},
                 {Qt::Key_PageUp, C::GrowFigure},
                 {Qt::Key_PageDown, C::ShrinkFigure},
                 {Qt::Key_I, C::NudgeFigureUp},
                 {Qt::Key_K, C::NudgeFigureDown},
                 {Qt::Key_J, C::NudgeFigureLeft},
                 {Qt::Key_L, C::NudgeFigureRight},
                 {Qt::Key_Tab, C::ToggleFigurePlacement},
                 {Qt::Key_Backslash, C::SendFigureToCentre},
                 {Qt::Key_Shift, C::RecomputeFigure},
                 {Qt::Key_0, C::FlyingRuler},
                 // The characters on the shifted digits of a US keyboard give the centred kinds directly.
                 {Qt::Key_Exclam, centeredShape(0)},
                 {Qt::Key_At, centeredShape(1)},
                 {Qt::Key_NumberSign, centeredShape(2)},
                 {Qt::Key_Dollar, centeredShape(3)},
                 {Qt::Key_Percent, centeredShape(4)},
                 {Qt::Key_AsciiCircum, centeredShape(5)},
                 {Qt::Key_Ampersand, centeredShape(6)}},
                key);
}

// Alt picks a ratio, Shift the centred shape; with both, the centred shape, but Alt+Shift+1 keeps the
// ratio (a centred rectangle of that ratio would be the same rectangle).
RulerCommand digitCommand(int index, const ModifierLatch::Chord &chord)
{
    if (chord.alt)
        return chord.shift && index > 0 ? centeredShape(index) : ratio(index);
    return chord.shift ? centeredShape(index) : cornerShape(index);
}

std::optional<RulerCommand> optionCommand(int key)
{
    return find({{Qt::Key_Period, C::PanelSide},
                 {Qt::Key_Greater, C::PanelSide},
                 {Qt::Key_Slash, C::ShowInfoPanel},
                 {Qt::Key_Question, C::ShowInfoPanel},
                 {Qt::Key_B, C::ShowBorder},
                 {Qt::Key_E, C::EdgeFinder},
                 {Qt::Key_G, C::ShowGuides},
                 {Qt::Key_H, C::HoverGuides},
                 {Qt::Key_M, C::ShowControlPoints},
                 {Qt::Key_N, C::BoldControlPoints},
                 {Qt::Key_P, C::ActivateOnHover},
                 {Qt::Key_R, C::ShowRotationCentre},
                 {Qt::Key_T, C::ShowFigureReadings},
                 {Qt::Key_Y, C::ShowReadings},
                 {Qt::Key_QuoteLeft, C::ShowFigure},
                 {Qt::Key_AsciiTilde, C::ShowFigure}},
                key);
}

} // namespace

KeyDecision decideKey(const KeyPress &press)
{
    if (const auto command = conventionCommand(press))
        return {command, KeyStage::Convention};
    if (press.chord.alt && press.chord.shift) {
        if (const auto command = altShiftCommand(press.key))
            return {command, KeyStage::Chord};
    }
    if (press.modifiers == Qt::AltModifier) {
        if (const auto command = exactlyAltCommand(press.key))
            return {command, KeyStage::Chord};
    }
    if (const auto command = figureCommand(press.key))
        return {command, KeyStage::Plain};
    if (press.key >= Qt::Key_1 && press.key <= Qt::Key_7)
        return {digitCommand(press.key - Qt::Key_1, press.chord), KeyStage::Plain};
    const auto command = optionCommand(press.key);
    // "Y" with a modifier role held is taken and does nothing.
    if (command == C::ShowReadings && (press.chord.alt || press.chord.shift))
        return {};
    return {command, KeyStage::Plain};
}

} // namespace RulerCommands
