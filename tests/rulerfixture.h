// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

// The program's hub and the rulers it made, afresh for every test function; or, for tests of what a
// ruler makes of the program-wide values alone, the preferences and the shared windows without the
// rest of the program (no tray, no network, no dialog of the preferences).

#include "app/rulerhub.h"
#include "fakedesktop.h"
#include "prefs/preferences.h"
#include "ruler/dialogs/positiondialog.h"
#include "ruler/dialogs/transparencydialog.h"
#include "ruler/panel/infopanel.h"
#include "ruler/window/rulershared.h"
#include "ruler/window/rulerwindow.h"
#include "testsupport.h"

#include <QColorDialog>
#include <QTest>
#include <memory>

// Sets an option of a ruler as a user does: through the command that changes it, so that the
// command's rules and the menu's check marks apply.
inline void setOption(RulerWindow &ruler, RulerOption option, bool on)
{
    if (ruler.state().options().value(option) == on)
        return;
    for (RulerCommand command : RulerCommands::all()) {
        if (RulerCommands::entry(command).option == option) {
            ruler.execute(command);
            return;
        }
    }
    const bool left = option == RulerOption::ZeroAtLeft ? on : ruler.state().options().value(RulerOption::ZeroAtLeft);
    const bool bottom =
        option == RulerOption::ZeroAtBottom ? on : ruler.state().options().value(RulerOption::ZeroAtBottom);
    switch (option) {
    case RulerOption::ZeroAtLeft:
    case RulerOption::ZeroAtBottom:
        ruler.execute(bottom ? (left ? RulerCommand::StartBottomLeft : RulerCommand::StartBottomRight)
                             : (left ? RulerCommand::StartTopLeft : RulerCommand::StartTopRight));
        break;
    case RulerOption::StartFromPixelOne:
        ruler.execute(on ? RulerCommand::StartFromPixelOne : RulerCommand::StartFromPixelZero);
        break;
    case RulerOption::StretchPicture:
        ruler.execute(on ? RulerCommand::StretchPicture : RulerCommand::ActualSize);
        break;
    default:
        qFatal("no command sets this option");
    }
}
class RulerParts
{
public:
    // Starts from an empty settings file.
    RulerParts()
    {
        TestSupport::clearStore();
        m_shared.preferences = &m_preferences;
        m_shared.desktop = &m_desktop;
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
    FakeDesktop *desktop() { return &m_desktop; }
    // A ruler attached to the parts, not yet shown; the parts delete it.
    RulerWindow *attached()
    {
        auto *ruler = new RulerWindow(nullptr);
        ruler->attachTo(&m_shared);
        return ruler;
    }

private:
    FakeDesktop m_desktop;
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
    // Starts from an empty settings file, on a desktop that answers as the test sets it.
    void setUp(bool infoPanel = true)
    {
        TestSupport::clearStore();
        desktop = std::make_unique<FakeDesktop>();
        hub = std::make_unique<RulerHub>(desktop.get());
        hub->preferences()->setValue(ProgramSetting::ShowInfoPanel, infoPanel);
    }

    void tearDown()
    {
        qDeleteAll(rulers);
        rulers.clear();
        hub.reset();
        desktop.reset();
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

    // Drags a new guide out of a ticker's band to `position` (y of a horizontal guide, x of a vertical
    // one), as the user does. The ruler must be shown; the band is pressed at 60 px along its ticker.
    static void placeGuide(RulerWindow *ruler, Qt::Orientation orientation, int position)
    {
        const bool horizontal = orientation == Qt::Horizontal;
        const QPoint band = horizontal ? QPoint(kGuideBandAlong, kGuideBandAcross)
                                       : QPoint(kGuideBandAcross, kGuideBandAlong);
        const QPoint to = horizontal ? QPoint(band.x(), position) : QPoint(position, band.y());
        QTest::mouseMove(ruler, band);
        QTest::mousePress(ruler, Qt::LeftButton, Qt::NoModifier, band);
        QTest::mouseMove(ruler, to);
        QTest::mouseRelease(ruler, Qt::LeftButton, Qt::NoModifier, to);
    }

    // Drags with the left button from `from` to `to` (window coordinates), as the user does.
    static void drag(RulerWindow *ruler, const QPoint &from, const QPoint &to)
    {
        // The test's pointer may still stand where the last window left it: hover in from elsewhere.
        QTest::mouseMove(ruler, QPoint(100, 60));
        QTest::mouseMove(ruler, from);
        QTest::mousePress(ruler, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(ruler, to);
        QTest::mouseRelease(ruler, Qt::LeftButton, Qt::NoModifier, to);
    }

    // A ruler that the program made itself (a new ruler) and that the fixture must delete.
    void adopt(RulerWindow *ruler) { rulers.append(ruler); }
    // A ruler that closed and deletes itself.
    void release(RulerWindow *ruler) { rulers.removeOne(ruler); }

    std::unique_ptr<FakeDesktop> desktop;
    std::unique_ptr<RulerHub> hub;
    QList<RulerWindow *> rulers;

private:
    static constexpr int kGuideBandAlong = 60;
    static constexpr int kGuideBandAcross = 20;
};
