// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// What the window does with the ruler's state: joining the program and leaving it, the session it
// saves and restores, the commands and the keys that run them, the menu's marks, the colours, the
// unit, the picture, and where it stands.
#include "ruler/window/rulerwindow.h"

#include "platform/desktop.h"
#include "prefs/topmessage.h"
#include "render/pictureloader.h"
#include "ruler/commands/conventionkeys.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/panel/infopanel.h"
#include "ruler/placement/geometryrule.h"
#include "ruler/placement/screenplacement.h"
#include "ruler/window/rulerparts.h"
#include "ruler/window/rulershared.h"

#include <QColorDialog>
#include <QKeyEvent>
#include <QMenu>

using C = RulerCommand;
using PointerRules::DragMode;
using O = RulerOption;

namespace {

RulerState::UnitTables unitTables(const Preferences *preferences)
{
    // A ruler that has not joined the preferences knows no units: any unit is refused.
    static const TextGrid kNoUnits;
    if (!preferences)
        return {kNoUnits, kNoUnits, kNoUnits};
    return {preferences->unitCells(Preferences::UnitTable::Physical),
            preferences->unitCells(Preferences::UnitTable::PixelBased), preferences->displayCells()};
}

} // namespace

const QList<QColor> &RulerWindow::backgroundPalette()
{
    static const QList<QColor> palette{QColor(255, 255, 255, 128), QColor(240, 247, 244, 128),
                                       QColor(255, 246, 237, 128), QColor(255, 235, 255, 128),
                                       QColor(255, 255, 235, 128), QColor(235, 235, 255, 128),
                                       QColor(235, 235, 235, 128)};
    return palette;
}

QSize RulerWindow::sizeHint() const
{
    return {kDefaultWidth, kDefaultHeight};
}

Desktop *RulerWindow::desktop() const
{
    return m_shared ? m_shared->desktop : nullptr;
}

InfoPanel *RulerWindow::infoPanel() const
{
    return m_shared ? m_shared->infoPanel : nullptr;
}

qreal RulerWindow::displayScale() const
{
    return desktop() ? desktop()->displayScale() : 1.0;
}

void RulerWindow::attachTo(RulerShared *rulerShared)
{
    m_shared = rulerShared;
    m_preferences = m_shared->preferences;
    m_shared->rulers.append(this);
    if (m_shared->desktop) {
        connect(m_shared->desktop, &Desktop::compositingChanged, this, [this] { m_shaper.update(); });
        // The panel and Copy Readings add the size in device pixels where the display is scaled.
        connect(m_shared->desktop, &Desktop::displayScaleChanged, this, qOverload<>(&QWidget::update));
    }
    m_preferences->setValue(ProgramSetting::PanelSide, m_panel.startSide());

    m_state.setColor(ColorTarget::Background,
                     backgroundPalette().at(m_preferences->takeNextColorIndex(int(backgroundPalette().size()))));
    // A unit edit in the preferences shows at once; a broken unit falls back to pixels.
    auto followTables = [this] {
        recomputeScale();
        rebuildMenu();
        update();
    };
    connect(m_preferences, &Preferences::unitsChanged, this, followTables);
    connect(m_preferences, &Preferences::displaysChanged, this, followTables);
    connect(m_preferences, &Preferences::optionsChanged, this, qOverload<>(&QWidget::update));

    showBackground();

    if (state().option(O::StayOnTop))
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                       Qt::WindowStaysOnTopHint);
    rebuildMenu();
}

void RulerWindow::restoreStored(const QString &group)
{
    const RulerRecord stored = RulerStore::read(group, record());
    m_state.restore(stored.settings);
    showReadOptions();
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) != state().option(O::StayOnTop))
        setWindowFlag(Qt::WindowStaysOnTopHint, state().option(O::StayOnTop));
    // "Actual Size" keeps its mark until a picture shows which of the two applies.
    m_menu->setChecked(C::StretchPicture, state().option(O::StretchPicture));

    m_menu->setPictureEntriesEnabled(false);
    if (!stored.settings.pictureFile.isEmpty())
        loadPicture(stored.settings.pictureFile);
    showBackground();

    // Unreadable, empty or absurd stored geometry gives the empty-store one; the rule does the rest.
    m_placement.place(GeometryRule::restored(stored.geometry, GeometryRule::currentScreens()));
    if (stored.figure)
        m_figure.restore(*stored.figure, stored.figurePlaced);

    show();
    activateWindow();
    raise();
    setFocus();
}

RulerRecord RulerWindow::record() const
{
    // A ruler saved in full screen reopens at its normal size.
    return {state().settings(),
            state().fullScreen() ? state().normalGeometry() : m_placement.geometryToKeep(), m_figure.model()};
}

void RulerWindow::saveSettings()
{
    const QList<RulerWindow *> session = m_shared ? m_shared->rulers : QList<RulerWindow *>{this};
    QList<RulerRecord> records;
    for (const RulerWindow *ruler : session)
        records.append(ruler->record());
    const RulerWindow *active = m_shared && m_shared->keyboardRuler ? m_shared->keyboardRuler : this;
    RulerStore::writeSession(records, int(session.indexOf(active)));

    emit settingsSaved();
}

void RulerWindow::openBeside(const RulerWindow &source, const std::optional<QRect> &wanted)
{
    if (m_shared->colorDialogShown() && source.m_colorTarget)
        editColor(*source.m_colorTarget);

    m_pointer.setChord({});
    // Made from a ruler that stays on top, the new ruler stays on top too: a window manager puts every
    // other window beneath that one, and the new ruler opens in front.
    if (source.state().option(O::StayOnTop) && !state().option(O::StayOnTop)) {
        m_state.setOption(O::StayOnTop, true);
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        syncMenu();
    }
    m_placement.place(wanted.value_or(QRect(source.pos() + QPoint(kNewRulerOffset, kNewRulerOffset), sizeHint())));
    show();
    rebuildMenu();
    activateWindow();
    raise();
    setFocus();
}

void RulerWindow::closeRuler()
{
    // On the way out of the program the session is saved already, with this ruler in it.
    const bool endingRun = m_shared && m_shared->endingRun;
    if (!m_shared || m_shared->rulers.size() < 2) {
        if (!endingRun)
            saveSettings();
        // The last ruler ends the program; it stays in the list until the end.
        emit quitRequested();
        disconnect(this, nullptr, nullptr, nullptr);
        return;
    }
    // A ruler the user closes leaves the session: the others are saved without it.
    m_shared->rulers.removeOne(this);
    if (m_shared->keyboardRuler == this)
        m_shared->keyboardRuler = nullptr;
    if (!endingRun)
        saveSettings();
    disconnect(this, nullptr, nullptr, nullptr);

    RulerWindow *next = m_shared->rulers.last();
    next->activateWindow();
    next->raise();
    next->setFocus();
    next->followWindowMove();
    deleteLater();
}

void RulerWindow::execute(RulerCommand command)
{
    if (const RulerCommands::Handler run = RulerCommands::entry(command).handler) {
        RulerParts parts{
            *this,        m_state,  *m_menu,       m_placement,          m_figure, m_panel, m_pointer,
            m_edgeFinder, m_shared, m_preferences, m_takingRegionPicture};
        run(parts, command);
    }
    syncMenu();
}

// Every feature has its key (see RulerCommands::decideKey).
void RulerWindow::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Escape && m_edgeFinder.active()) {
        execute(RulerCommand::EdgeFinder);
        return;
    }
    // The chord comes from this event alone, so the order in which its keys went down does not count.
    const ModifierLatch::Chord chord = ModifierLatch::fromKey(key, true, event->modifiers());
    const RulerCommands::KeyDecision decision =
        RulerCommands::decideKey({key, event->modifiers(), chord, state().fullScreen()});
    if (decision.stage != RulerCommands::KeyStage::Convention)
        m_pointer.setChord(chord);
    if (decision.stage == RulerCommands::KeyStage::Plain) {
        if (ModifierLatch::isAltKey(key) || key == Qt::Key_Shift)
            m_pointer.wheel().reset();
        if (m_pointer.chord().shift)
            setCursor(m_pointer.dragMode() != DragMode::Body || m_pointer.chord().alt ? Qt::ArrowCursor
                                                                                      : Qt::SizeFDiagCursor);
    }
    if (decision.command)
        execute(*decision.command);
}

void RulerWindow::keyReleaseEvent(QKeyEvent *event)
{
    m_pointer.setChord(ModifierLatch::fromKey(event->key(), false, event->modifiers()));
    if (!m_pointer.chord().shift && m_pointer.dragMode() == DragMode::Body)
        setCursor(Qt::ArrowCursor);
}

void RulerWindow::showReadOptions()
{
    // With the figure hidden the figure readings cannot be changed, and they start the other way
    // round from the stored value: hidden with the figure, by default.
    if (!state().option(O::ShowFigure))
        m_state.toggle(O::ShowFigureReadings);
    showFigureEntries(state().option(O::ShowFigure));
    m_menu->setEnabled(C::MinimalReadings, state().option(O::ShowReadings));
    m_menu->setEnabled(C::BoldControlPoints, !state().option(O::HideControlPoints));
    syncMenu();
}

void RulerWindow::syncMenu()
{
    m_menu->showOptions(state().options());
    m_menu->setChecked(RulerCommands::unitCommand(state().unit()), true);
    m_menu->setChecked(C::FullScreen, state().fullScreen());
    m_menu->setChecked(C::EdgeFinder, m_edgeFinder.active());
    const bool left = state().option(O::ZeroAtLeft);
    m_menu->setChecked(state().option(O::ZeroAtBottom) ? (left ? C::StartBottomLeft : C::StartBottomRight)
                                                       : (left ? C::StartTopLeft : C::StartTopRight),
                       true);
    m_menu->setChecked(state().option(O::StartFromPixelOne) ? C::StartFromPixelOne : C::StartFromPixelZero, true);
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

void RulerWindow::openContextMenuAt(const QPoint &global)
{
    rebuildMenu();
    m_menu->contextMenu()->exec(global);
}

void RulerWindow::showFigureEntries(bool visible)
{
    m_figure.setVisible(visible);
    m_menu->setFigureEntriesEnabled(visible);
    if (!visible)
        m_pointer.figureHidden();
}

bool RulerWindow::loadPicture(const QString &path)
{
    if (!m_state.setPicture(path, PictureLoader::load(path).image))
        return false;
    m_menu->setPictureEntriesEnabled(true);
    m_menu->showPictureChoice(state().option(O::StretchPicture));
    return true;
}

void RulerWindow::setColor(ColorTarget target, const QColor &color)
{
    m_state.setColor(target, color);
    showBackground();
    update();
}

void RulerWindow::showBackground()
{
    const QColor body = state().color(ColorTarget::Background);
    QPalette colors = palette();
    if (colors.brush(QPalette::Window) != QBrush(body)) {
        colors.setBrush(QPalette::All, QPalette::Window, QBrush(body));
        setPalette(colors);
    }
    setAutoFillBackground(true);
}

void RulerWindow::editColor(ColorTarget target)
{
    m_colorTarget = target;
    if (!m_shared)
        return;
    m_shared->colorTarget = target;
    QColorDialog *colorDialog = m_shared->madeColorDialog();
    colorDialog->disconnect();
    colorDialog->setCurrentColor(state().color(target));
    const auto showEdited = [this](const QColor &color) {
        if (!m_colorTarget)
            return;
        setColor(*m_colorTarget, color);
        repaint();
    };
    connect(colorDialog, &QColorDialog::colorSelected, this, showEdited);
    connect(colorDialog, &QColorDialog::currentColorChanged, this, showEdited);
    const QPoint remembered = colorDialog->pos();
    colorDialog->show();
    colorDialog->raise();
    if (remembered.x() >= 1 && remembered.y() >= 1)
        colorDialog->move(remembered);
}

void RulerWindow::recomputeScale()
{
    m_state.recomputeScale(unitTables(m_preferences));
}

void RulerWindow::chooseUnit(const UnitChoice &unit)
{
    const QString refusal = m_state.chooseUnit(unit, unitTables(m_preferences), false);
    if (!refusal.isEmpty()) {
        if (m_shared)
            emit messageRequested(refusal);
        else
            TopMessage::show(refusal);
    }
    syncMenu();
    followWindowMove();
}

void RulerWindow::followWindowMove()
{
    followPlace();
    update();
}

void RulerWindow::followPlace()
{
    m_panel.claim();

    const QList<QRect> screens = GeometryRule::currentScreens();
    m_state.setDisplay(ScreenPlacement::screenIndexFor(geometry(), screens));
    const QRect screen = screens.value(state().display());

    // Snapping belongs to pointer drags (moveSnapped); keys and dialogs place the window exactly.
    QRect window = geometry();
    if (state().option(O::LockToScreen)) {
        const QRect inside = ScreenPlacement::locked(window, screen);
        if (!state().fullScreen()) {
            if (inside.size() != window.size())
                resize(inside.size());
            move(inside.topLeft());
        }
        window = inside;
    }

    recomputeScale();
    m_panel.follow(window, screen, m_placement.dragMoving());
}

void RulerWindow::takeInfoPanel()
{
    m_panel.take(geometry(), GeometryRule::currentScreens().value(state().display()));
}

void RulerWindow::fitToFoundBox(const QRect &box, bool figure)
{
    if (figure) {
        // Shown, an upright rectangle that reads the box's width and height.
        if (!state().option(O::ShowFigure))
            execute(C::ShowFigure);
        m_figure.fitTo(box.translated(-mapToGlobal(QPoint(0, 0))));
    } else if (!state().fullScreen()) {
        m_placement.place(box);
    }
}
