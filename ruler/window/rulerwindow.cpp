// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// Construction, joining the preferences, persistence, and the life of a ruler window.
#include "ruler/window/rulerwindow.h"

#include "platform/desktop.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/panel/infopanel.h"
#include "ruler/placement/geometryrule.h"
#include "ruler/placement/screenplacement.h"
#include "ruler/window/rulershared.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QImageReader>
#include <QScreen>

RulerWindow::RulerWindow(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint)
{
    setWindowTitle(tr("Gradora"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_MouseTracking);
    setFocusPolicy(Qt::StrongFocus);

    RulerOptionTable::registerKeyOrder();
    m_menu = new RulerMenu(this);
    connect(m_menu, &RulerMenu::triggered, this, &RulerWindow::execute);
    connect(m_menu, &RulerMenu::aboutToShow, this, &RulerWindow::rebuildMenu);
    setPictureEntriesEnabled(false);
    m_menu->setVisible(RulerCommand::ProportionalPicture, false);
    for (RulerCommand start : {RulerCommand::UnitPixels, RulerCommand::FlyingRuler, RulerCommand::ActualSize})
        m_menu->setChecked(start, true);

    const RulerStore::Start start = RulerStore::readStart(m_panel.follows());
    RulerSettings settings;
    settings.options = start.options;
    settings.background = backgroundPalette().first();
    m_state.restore(settings);
    m_panel.setFollows(start.panelShown);
    m_panel.setStartSide(start.panelSide);
    m_menu->setEnabled(RulerCommand::PanelSide, m_panel.follows());
    if (m_panel.follows())
        m_menu->setText(RulerCommand::PanelSide, m_panel.startSide() == PanelSide::Right
                                                     ? tr("Send Panel to Left")
                                                     : tr("Send Panel to Right"));
    showReadOptions();
    // The window flags follow when the ruler joins the preferences.
    update();
}

RulerWindow::~RulerWindow()
{
    if (m_shared) {
        m_shared->rulers.removeAll(this);
        if (m_shared->keyboardRuler == this)
            m_shared->keyboardRuler = nullptr;
        if (m_shared->panelWaitingRuler == this)
            m_shared->panelWaitingRuler = nullptr;
    }
}

InfoPanel *RulerWindow::infoPanel() const
{
    return m_shared ? m_shared->infoPanel : nullptr;
}

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

void RulerWindow::showReadOptions()
{
    // With the figure hidden the figure readings cannot be changed, and they start the other way
    // round from the stored value: hidden with the figure, by default.
    if (!option(RulerOption::ShowFigure))
        m_state.toggle(RulerOption::ShowFigureReadings);
    showFigureEntries(option(RulerOption::ShowFigure));
    m_menu->setEnabled(RulerCommand::MinimalReadings, option(RulerOption::ShowReadings));
    m_menu->setEnabled(RulerCommand::BoldControlPoints, !option(RulerOption::HideControlPoints));
    syncMenu();
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

    if (option(RulerOption::StayOnTop))
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                       Qt::WindowStaysOnTopHint);
    rebuildMenu();
}

void RulerWindow::restoreStored(const QString &group)
{
    restore(RulerStore::read(group, record()));
}

void RulerWindow::restore(const RulerRecord &stored)
{
    m_state.restore(stored.settings);
    showReadOptions();
    if (bool(windowFlags() & Qt::WindowStaysOnTopHint) != option(RulerOption::StayOnTop))
        setWindowFlag(Qt::WindowStaysOnTopHint, option(RulerOption::StayOnTop));
    // "Actual Size" keeps its mark until a picture shows which of the two applies.
    m_menu->setChecked(RulerCommand::StretchPicture, option(RulerOption::StretchPicture));

    setPictureEntriesEnabled(false);
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

void RulerWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Every motion of a drag reaches the ruler; once is enough.
    if (desktop())
        desktop()->hearPointerOnce(winId());
    m_placement.askReadback();
    m_figure.showFirstTime();
}

void RulerWindow::openBeside(const RulerWindow &source, const std::optional<QRect> &wanted)
{
    if (m_shared->colorDialogShown() && source.m_colorTarget)
        editColor(*source.m_colorTarget);

    clearRememberedModifiers();
    // Made from a ruler that stays on top, the new ruler stays on top too: a window manager puts every
    // other window beneath that one, and the new ruler opens in front.
    if (source.option(RulerOption::StayOnTop) && !option(RulerOption::StayOnTop)) {
        m_state.setOption(RulerOption::StayOnTop, true);
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

void RulerWindow::closeEvent(QCloseEvent *event)
{
    closeRuler();
    event->accept();
}

Desktop *RulerWindow::desktop() const
{
    return m_shared ? m_shared->desktop : nullptr;
}

bool RulerWindow::compositing() const
{
    return !desktop() || desktop()->isCompositing();
}

qreal RulerWindow::displayScale() const
{
    return desktop() ? desktop()->displayScale() : 1.0;
}
