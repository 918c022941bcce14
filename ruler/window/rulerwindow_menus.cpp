// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The commands of the menu and the keys, and the menu that shows them.
#include "ruler/window/rulerwindow.h"

#include "ruler/commands/rulermenu.h"
#include "ruler/panel/infopanel.h"
#include "ruler/window/rulershared.h"

#include <QAction>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

using C = RulerCommand;
using O = RulerOption;

void RulerWindow::syncMenu()
{
    m_menu->showOptions(state().options());
    m_menu->setChecked(RulerCommands::unitCommand(state().unit()), true);
    m_menu->setChecked(C::FullScreen, state().fullScreen());
    m_menu->setChecked(C::EdgeFinder, m_edgeFinder.active());
    const bool left = option(O::ZeroAtLeft);
    m_menu->setChecked(option(O::ZeroAtBottom) ? (left ? C::StartBottomLeft : C::StartBottomRight)
                                               : (left ? C::StartTopLeft : C::StartTopRight),
                       true);
    m_menu->setChecked(option(O::StartFromPixelOne) ? C::StartFromPixelOne : C::StartFromPixelZero, true);
}

void RulerWindow::rebuildMenu()
{
    const bool panelShown = m_preferences && m_preferences->value<bool>(ProgramSetting::ShowInfoPanel);
    m_menu->setEnabled(C::PanelSide, panelShown);
    m_menu->setChecked(C::ShowInfoPanel, panelShown);
    if (m_preferences) {
        QStringList physical;
        QStringList pixelBased;
        for (int row = 0; row < RulerCommands::kUnitRows; ++row) {
            physical.append(m_preferences->unitCells(Preferences::UnitTable::Physical)[row][0]);
            pixelBased.append(m_preferences->unitCells(Preferences::UnitTable::PixelBased)[row][0]);
        }
        m_menu->setUnitNames(physical, pixelBased);
    }
    syncMenu();
    m_menu->rebuild({m_shared && m_shared->rulers.size() >= 2,
                     m_preferences && !m_preferences->value<bool>(ProgramSetting::AutoUpdates)});
    emit menuRebuilt(m_menu->contextMenu());
}

void RulerWindow::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Keyboard) {
        rebuildMenu();
        m_menu->contextMenu()->exec(event->globalPos());
    }
    m_pointer.setContextMenuShown(true);
}

void RulerWindow::focusInEvent(QFocusEvent *)
{
    if (m_shared)
        m_shared->keyboardRuler = this;
    followWindowMove();
    if (!m_menu->contextMenu()->isVisible()) {
        rebuildMenu();
        if (m_preferences && m_preferences->value<bool>(ProgramSetting::ShowInfoPanel) && infoPanel()) {
            infoPanel()->show();
            infoPanel()->raise();
        }
    }
}

// The figure's entries go with it; a hidden figure cannot be dragged.
void RulerWindow::showFigureEntries(bool visible)
{
    m_figure.setVisible(visible);
    for (C entry : {C::ShowRotationCenter, C::ShowControlPoints, C::BoldControlPoints, C::ShowFigureReadings,
                    C::SendFigureToCenter})
        m_menu->setEnabled(entry, visible);
    m_menu->setFigureEntriesEnabled(visible);
    if (!visible) {
        m_pointer.figureHidden();
    }
}

void RulerWindow::setPictureEntriesEnabled(bool enabled)
{
    for (C entry : {C::StretchPicture, C::ProportionalPicture, C::ActualSize, C::ClearPicture,
                    C::RulerToPictureSize, C::TransparentPicture})
        m_menu->setEnabled(entry, enabled);
}

void RulerWindow::execute(RulerCommand command)
{
    if (const RulerCommands::Handler run = RulerCommands::entry(command).handler)
        run(*this, command);
    syncMenu();
}
