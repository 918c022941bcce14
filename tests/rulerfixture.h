// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// The program's hub and the rulers it made, afresh for every test function.

#include "app/rulerhub.h"
#include "prefs/preferences.h"
#include "ruler/rulerwindow.h"
#include "testsupport.h"

#include <QTest>
#include <memory>

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
