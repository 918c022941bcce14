// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The commands of the menu and the keys, and the menu that shows them.
#include "ruler/window/rulerwindow.h"

#include "ruler/commands/rulermenu.h"
#include "ruler/panel/infopanel.h"
#include "ruler/window/rulershared.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

using C = RulerCommand;
using O = RulerOption;

void RulerWindow::execute(RulerCommand command)
{
    if (!runWindowCommand(command) && !runPictureCommand(command) && !runFigureCommand(command) &&
        !runChoiceCommand(command) && !runViewCommand(command))
        runProgramCommand(command);
    syncMenu();
}

void RulerWindow::syncMenu()
{
    m_menu->showOptions(m_options);
    m_menu->setChecked(C::FullScreen, fullScreen);
    m_menu->setChecked(C::EdgeFinder, m_edgeFinder.active());
    const bool left = option(O::ZeroAtLeft);
    m_menu->setChecked(option(O::ZeroAtBottom) ? (left ? C::StartBottomLeft : C::StartBottomRight)
                                               : (left ? C::StartTopLeft : C::StartTopRight),
                       true);
    m_menu->setChecked(option(O::StartFromPixelOne) ? C::StartFromPixelOne : C::StartFromPixelZero, true);
}

bool RulerWindow::runWindowCommand(RulerCommand command)
{
    switch (command) {
    case C::NewRuler:
        newRuler();
        return true;
    case C::CloseRuler:
        closeRuler();
        return true;
    case C::BackgroundColour:
        editBackgroundColour();
        return true;
    case C::RulerColour:
        editRulerColour();
        return true;
    case C::GuidesColour:
        editGuidesColour();
        return true;
    case C::Transparency:
        editTransparency();
        return true;
    case C::PositionAndSize:
        editPositionAndSize();
        return true;
    case C::StayOnTop:
        toggleStayOnTop();
        return true;
    case C::SnapToScreen:
        toggleSnapToScreen();
        return true;
    case C::LockToScreen:
        m_options.toggle(O::LockToScreen);
        followWindowMove();
        return true;
    case C::FullScreen:
        toggleFullScreen();
        return true;
    default:
        break;
    }
    const QPoint direction = RulerCommands::directionOf(command);
    if (direction.isNull() || RulerCommands::inRange(command, C::NudgeFigureUp, 4))
        return false;
    stepWindow(direction);
    return true;
}

bool RulerWindow::runPictureCommand(RulerCommand command)
{
    switch (command) {
    case C::OpenPicture:
        openPicture();
        return true;
    case C::ActualSize:
        showPictureAtActualSize();
        return true;
    case C::StretchPicture:
        stretchPicture();
        return true;
    case C::ProportionalPicture:
        toggleProportionalPicture();
        return true;
    case C::RulerToPictureSize:
        fitRulerToPicture();
        return true;
    case C::ClearPicture:
        clearPicture();
        return true;
    default:
        return false;
    }
}

bool RulerWindow::runFigureCommand(RulerCommand command)
{
    if (command == C::FlyingRuler ||
        RulerCommands::inRange(command, C::CornerShapeFirst, 4 * RulerCommands::kShapes)) {
        chooseFigure(command);
        return true;
    }
    if (const double degrees = RulerCommands::turnOf(command)) {
        turnFigure(degrees);
        return true;
    }
    if (const double factor = RulerCommands::scaleOf(command); factor != 1) {
        scaleFigure(factor);
        return true;
    }
    switch (command) {
    case C::NudgeFigureUp:
    case C::NudgeFigureDown:
    case C::NudgeFigureLeft:
    case C::NudgeFigureRight:
        moveFigureBy(RulerCommands::directionOf(command));
        return true;
    case C::ToggleFigurePlacement:
        toggleFigurePlacement();
        return true;
    case C::RecomputeFigure:
        recomputeFigure();
        return true;
    case C::SendFigureToCentre:
        sendFigureToCentre();
        return true;
    default:
        return false;
    }
}

bool RulerWindow::runChoiceCommand(RulerCommand command)
{
    using RulerCommands::Group;
    switch (RulerCommands::entry(command).group) {
    case Group::Unit:
        m_menu->setChecked(command, true);
        setUnit(false);
        return true;
    case Group::StartCorner:
        chooseStartCorner(command);
        return true;
    case Group::PixelOrigin:
        m_options.set(O::StartFromPixelOne, command == C::StartFromPixelOne);
        update();
        return true;
    default:
        break;
    }
    if (command == C::EditUnits || command == C::EditPixelUnits) {
        showPreferencesOn(command == C::EditUnits ? PreferencesPage::Units : PreferencesPage::PixelBasedUnits);
        return true;
    }
    return false;
}

bool RulerWindow::runViewCommand(RulerCommand command)
{
    switch (command) {
    case C::ShowFigure:
        toggleFigure();
        break;
    case C::ShowControlPoints:
        toggleControlPoints();
        break;
    case C::BoldControlPoints:
        if (!option(O::HideControlPoints))
            m_options.toggle(O::BoldControlPoints);
        break;
    case C::ShowFigureReadings:
        if (option(O::ShowFigure))
            m_options.toggle(O::ShowFigureReadings);
        break;
    case C::ShowReadings:
        m_menu->setEnabled(C::MinimalReadings, m_options.toggle(O::ShowReadings));
        break;
    case C::MinimalReadings:
        toggleMinimalReadings();
        break;
    case C::ShowAllTickers:
    case C::HideAllTickers:
        for (O ticker : {O::ShowTopTicker, O::ShowLeftTicker, O::ShowRightTicker, O::ShowBottomTicker})
            m_options.set(ticker, command == C::ShowAllTickers);
        break;
    case C::ClearGuides:
        clearGuides();
        return true;
    case C::ShowInfoPanel:
        toggleInfoPanel();
        return true;
    case C::PanelSide:
        sendPanelToOtherSide();
        return true;
    case C::AntiAliasing:
        m_options.toggle(O::AntiAliasing);
        followWindowMove();
        return true;
    case C::ActivateOnHover:
        if (preferences)
            preferences->setActivateOnHover(!preferences->activateOnHover());
        return true;
    default: {
        // The other entries that toggle an option only repaint.
        const std::optional<RulerOption> toggled = RulerCommands::entry(command).option;
        if (!toggled)
            return false;
        m_options.toggle(*toggled);
    }
    }
    update();
    return true;
}

bool RulerWindow::runProgramCommand(RulerCommand command)
{
    switch (command) {
    case C::Preferences:
        showPreferencesOn(PreferencesPage::Shortcuts);
        return true;
    case C::Help:
        openHelp();
        return true;
#if GRADORA_UPDATE_CHECK
    case C::CheckForUpdates:
        checkForUpdates();
        return true;
#endif
    case C::OnlineInfo:
        openOnlineInfo();
        return true;
    case C::RequestFeature:
        openFeatureRequest();
        return true;
    case C::About:
        showAbout();
        return true;
    case C::Magnifier:
        showMagnifier();
        return true;
    case C::CopyReadings:
        copyReadings();
        return true;
    case C::CopyRegionPicture:
        takeRegionPicture(RegionPictureUse::Copy);
        return true;
    case C::SaveRegionPicture:
        takeRegionPicture(RegionPictureUse::Save);
        return true;
    case C::EdgeFinder:
        toggleEdgeFinder();
        return true;
    case C::Quit:
        // The program saves every ruler first: the windows that close on the way out are not
        // rulers the user closed.
        emit quitRequested();
        QApplication::closeAllWindows();
        return true;
    case C::SaveAndQuit:
        saveAndQuit();
        return true;
    default:
        return false;
    }
}

void RulerWindow::rebuildMenu()
{
    const bool panelShown = preferences && preferences->infoPanelShown();
    m_menu->setEnabled(C::PanelSide, panelShown);
    m_menu->setChecked(C::ShowInfoPanel, panelShown);
    if (preferences) {
        QStringList physical;
        QStringList pixelBased;
        for (int row = 0; row < RulerCommands::kUnitRows; ++row) {
            physical.append(preferences->unitCells(Preferences::UnitTable::Physical)[row][0]);
            pixelBased.append(preferences->unitCells(Preferences::UnitTable::PixelBased)[row][0]);
        }
        m_menu->setUnitNames(physical, pixelBased);
    }
    m_menu->rebuild({shared && shared->rulers.size() >= 2, preferences && !preferences->autoUpdates()});
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
    if (shared)
        shared->keyboardRuler = this;
    followWindowMove();
    if (!m_menu->contextMenu()->isVisible()) {
        rebuildMenu();
        if (preferences && preferences->infoPanelShown() && infoPanel()) {
            infoPanel()->show();
            infoPanel()->raise();
        }
    }
}

void RulerWindow::showPreferencesOn(PreferencesPage page)
{
    clearRememberedModifiers();
    emit preferencesRequested(page);
}

void RulerWindow::showAbout()
{
    emit aboutRequested();
    clearRememberedModifiers();
}

void RulerWindow::showMagnifier()
{
    emit magnifierRequested();
}

void RulerWindow::editBackgroundColour()
{
    editColour(ColorTarget::Background);
}

void RulerWindow::editRulerColour()
{
    editColour(ColorTarget::Ruler);
}

void RulerWindow::editGuidesColour()
{
    editColour(ColorTarget::Guides);
}

void RulerWindow::toggleFigure()
{
    showFigureEntries(m_options.toggle(O::ShowFigure));
}

// The figure's entries go with it; a hidden figure cannot be dragged.
void RulerWindow::showFigureEntries(bool visible)
{
    figure.visible = visible;
    for (C entry : {C::ShowRotationCentre, C::ShowControlPoints, C::BoldControlPoints, C::ShowFigureReadings,
                    C::SendFigureToCentre})
        m_menu->setEnabled(entry, visible);
    m_menu->setFigureEntriesEnabled(visible);
    if (!visible) {
        m_pointer.figureHidden();
    }
}

void RulerWindow::toggleControlPoints()
{
    m_menu->setEnabled(C::BoldControlPoints, !m_options.toggle(O::HideControlPoints));
}

// Turned on, minimal readings turn the readings on too; turned off, they leave them as they are.
void RulerWindow::toggleMinimalReadings()
{
    if (m_options.toggle(O::MinimalReadings)) {
        m_options.set(O::ShowReadings, true);
        m_menu->setEnabled(C::MinimalReadings, true);
    }
}

void RulerWindow::toggleInfoPanel()
{
    preferences->setInfoPanelShown(!preferences->infoPanelShown());
    m_menu->setEnabled(C::PanelSide, preferences->infoPanelShown());
    m_panel.setFollows(true);
    followWindowMove();
}

void RulerWindow::sendPanelToOtherSide()
{
    if (!preferences->infoPanelShown()) {
        m_menu->setEnabled(C::PanelSide, false);
        return;
    }
    m_menu->setEnabled(C::PanelSide, true);
    if (preferences->panelSide() == PanelSide::Right) {
        preferences->setPanelSide(PanelSide::Left);
        m_menu->setText(C::PanelSide, tr("Send Panel to Right"));
    } else {
        preferences->setPanelSide(PanelSide::Right);
        m_menu->setText(C::PanelSide, tr("Send Panel to Left"));
    }
    preferences->setInfoPanelShown(true);
    m_panel.setFollows(true);
    followWindowMove();
}

void RulerWindow::chooseStartCorner(RulerCommand corner)
{
    m_options.set(O::ZeroAtLeft, corner == C::StartTopLeft || corner == C::StartBottomLeft);
    m_options.set(O::ZeroAtBottom, corner == C::StartBottomLeft || corner == C::StartBottomRight);
    update();
}

void RulerWindow::toggleSnapToScreen()
{
    m_options.toggle(O::SnapToScreen);
    // Turned on, it snaps the window where it stands, to the windows as they stand now.
    forgetSnapTargets();
    moveSnapped(pos());
    followWindowMove();
}

void RulerWindow::setPictureEntriesEnabled(bool enabled)
{
    for (C entry : {C::StretchPicture, C::ProportionalPicture, C::ActualSize, C::ClearPicture,
                    C::RulerToPictureSize, C::TransparentPicture})
        m_menu->setEnabled(entry, enabled);
}
