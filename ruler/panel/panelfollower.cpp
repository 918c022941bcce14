// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/panel/panelfollower.h"

#include "prefs/preferences.h"
#include "ruler/panel/infopanel.h"

#include <QGuiApplication>
#include <QMetaMethod>
#include <QWidget>

PanelFollower::PanelFollower(std::unique_ptr<Ruler> ruler) : m_ruler(std::move(ruler))
{
    m_textsTimer.setSingleShot(true);
    m_textsTimer.setInterval(kTextsFrameMs);
    connect(&m_textsTimer, &QTimer::timeout, this, &PanelFollower::sendTexts);
}

bool PanelFollower::ownsPanel() const
{
    const InfoPanel *panel = m_ruler->panel();
    return panel && panel->follower() == this;
}

void PanelFollower::claim()
{
    if (!m_follows)
        return;
    if (InfoPanel *panel = m_ruler->panel())
        panel->setOwner(this);
    else
        m_ruler->waitForPanel();
}

void PanelFollower::placeBeside(const QRect &window, const QRect &screen)
{
    const Preferences *preferences = m_ruler->preferences();
    m_ruler->panel()->placeBeside(window, screen, preferences->value<PanelSide>(ProgramSetting::PanelSide),
                                  preferences->panelSpacing());
}

void PanelFollower::follow(const QRect &window, const QRect &screen, bool dragged)
{
    InfoPanel *panel = m_ruler->panel();
    const Preferences *preferences = m_ruler->preferences();
    if (!preferences || !panel)
        return;
    if (preferences->value<bool>(ProgramSetting::ShowInfoPanel)) {
        panel->setFollowingDrag(dragged);
        placeBeside(window, screen);
        if (m_follows) {
            panel->show();
            m_ruler->keepKeyboard();
        }
    } else if (m_follows) {
        panel->hide();
        m_ruler->keepKeyboard();
    }
}

// The keyboard stays where it went meanwhile: with this ruler where it has it, else where it is.
void PanelFollower::take(const QRect &window, const QRect &screen)
{
    InfoPanel *panel = m_ruler->panel();
    panel->setOwner(this);
    const Preferences *preferences = m_ruler->preferences();
    if (preferences && preferences->value<bool>(ProgramSetting::ShowInfoPanel)) {
        // Before any window has the keyboard, this ruler, shown last, is to have it.
        const bool hadKeyboard = m_ruler->window()->isActiveWindow() || !QGuiApplication::focusWindow();
        placeBeside(window, screen);
        panel->show();
        if (hadKeyboard)
            m_ruler->keepKeyboard();
    }
}

void PanelFollower::textsSoon()
{
    if (!m_textsTimer.isActive())
        m_textsTimer.start();
}

void PanelFollower::sendTexts()
{
    m_textsTimer.stop();
    // Measuring the figure costs; nobody listens while another ruler owns the panel.
    if (isSignalConnected(QMetaMethod::fromSignal(&PanelFollower::textsChanged)))
        emit textsChanged(m_ruler->texts());
}
