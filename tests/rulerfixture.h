// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// The program's hub and the rulers it made, afresh for every test function; or, for tests of what a
// ruler makes of the program-wide values alone, the preferences and the shared windows without the
// rest of the program (no tray, no network, no dialog of the preferences).

#include "app/rulerhub.h"
#include "prefs/preferences.h"
#include "ruler/infopanel.h"
#include "ruler/positiondialog.h"
#include "ruler/rulershared.h"
#include "ruler/rulerwindow.h"
#include "ruler/transparencydialog.h"
#include "testsupport.h"

#include <QColorDialog>
#include <QTest>
#include <memory>

class RulerParts
{
public:
    // Starts from an empty settings file.
    RulerParts()
    {
        TestSupport::clearStore();
        m_shared.preferences = &m_preferences;
        m_shared.colorDialog = &m_colorDialog;
        m_shared.infoPanel = &m_infoPanel;
        m_shared.positionDialog = &m_positionDialog;
        m_shared.transparencyDialog = &m_transparencyDialog;
    }
    ~RulerParts()
    {
        // Each ruler leaves the list as it goes.
        const QList<RulerWindow *> rulers = m_shared.rulers;
        qDeleteAll(rulers);
    }

    Preferences *preferences() { return &m_preferences; }
    // A ruler attached to the parts, not yet shown; the parts delete it.
    RulerWindow *attached()
    {
        auto *ruler = new RulerWindow(nullptr);
        ruler->attachTo(&m_shared);
        return ruler;
    }

private:
    Preferences m_preferences;
    QColorDialog m_colorDialog;
    InfoPanel m_infoPanel;
    PositionDialog m_positionDialog;
    TransparencyDialog m_transparencyDialog;
    RulerShared m_shared;
};

class RulerFixture
{
public:
    // Starts from an empty settings file.
    void setUp(bool infoPanel = true)
    {
        TestSupport::clearStore();
        hub = std::make_unique<RulerHub>();
        hub->preferences()->setInfoPanelShown(infoPanel);
    }

    void tearDown()
    {
        qDeleteAll(rulers);
        rulers.clear();
        hub.reset();
    }

    Preferences *preferences() const { return hub->preferences(); }

    // A ruler attached to the hub, not yet shown.
    RulerWindow *attached()
    {
        RulerWindow *ruler = hub->createRuler();
        rulers.append(ruler);
        return ruler;
    }

    // A ruler shown at the geometry and, when asked, made the active window.
    RulerWindow *shown(const QRect &geometry, bool active = false)
    {
        RulerWindow *ruler = attached();
        ruler->setGeometry(geometry);
        ruler->show();
        if (active) {
            ruler->activateWindow();
            if (!QTest::qWaitForWindowActive(ruler))
                qWarning("ruler not active");
        } else if (!QTest::qWaitForWindowExposed(ruler)) {
            qWarning("ruler not exposed");
        }
        return ruler;
    }

    // A ruler that the program made itself (a new ruler) and that the fixture must delete.
    void adopt(RulerWindow *ruler) { rulers.append(ruler); }
    // A ruler that closed and deletes itself.
    void release(RulerWindow *ruler) { rulers.removeOne(ruler); }

    std::unique_ptr<RulerHub> hub;
    QList<RulerWindow *> rulers;
};
