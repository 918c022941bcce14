// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// Where the window stands: its display, snapping and locking, full screen and stay on top.
#include "ruler/rulerwindow.h"

#include "ruler/geometryrule.h"
#include "ruler/infopanel.h"
#include "ruler/screenplacement.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

void RulerWindow::placeWindow(const QRect &wanted)
{
    // Always set, even where unchanged: a window shown without a set geometry is placed by the
    // window manager instead.
    setGeometry(GeometryRule::fitted(wanted, GeometryRule::currentScreens()));
}

void RulerWindow::moveEvent(QMoveEvent *)
{
    if (pointerPressed && infoPanel)
        infoPanel->owner = this;

    const QList<QRect> screens = GeometryRule::currentScreens();
    displayIndex = ScreenPlacement::screenIndexFor(frameGeometry(), screens);
    const QRect screen = screens.value(displayIndex);

    // Snapping belongs to pointer drags (moveSnapped); keys and dialogs place the window exactly.
    QRect window = frameGeometry();
    if (lockToScreen) {
        const QRect inside = ScreenPlacement::locked(window, screen);
        if (!fullScreen) {
            if (inside.size() != window.size())
                resize(inside.size());
            move(inside.topLeft());
        }
        window = inside;
    }

    recomputeScale();

    if (preferences && infoPanel) {
        if (preferences->infoPanelShown()) {
            const auto side = preferences->panelSide() == Preferences::PanelSide::Left
                                  ? ScreenPlacement::PanelSide::Left
                                  : ScreenPlacement::PanelSide::Right;
            infoPanel->placeBeside(window, screen, side, preferences->panelSpacing());
            if (pointerPressed) {
                infoPanel->show();
                activateWindow();
                setFocus();
            }
        } else if (pointerPressed) {
            infoPanel->hide();
            activateWindow();
            setFocus();
        }
    }
    update();
}

void RulerWindow::moveSnapped(const QPoint &topLeft)
{
    if (fullScreen)
        return;
    QRect window = frameGeometry();
    window.moveTopLeft(topLeft);
    if (snapToScreen) {
        const QList<QRect> screens = GeometryRule::currentScreens();
        const QRect screen = screens.value(ScreenPlacement::screenIndexFor(window, screens));
        window.moveTopLeft(ScreenPlacement::snapped(window, screen, snapDistance));
    }
    placeWindowAt(window.topLeft());
}

void RulerWindow::setStayOnTop()
{
    stayOnTop = !stayOnTop;
    setWindowFlags(windowFlags() ^ Qt::WindowStaysOnTopHint);
    actStayOnTop->setChecked(stayOnTop);
    show();
    activateWindow();

    if (infoPanel) {
        Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint;
        if (stayOnTop)
            flags |= Qt::WindowStaysOnTopHint;
        infoPanel->setWindowFlags(flags);
        if (preferences && preferences->infoPanelShown())
            infoPanel->show();
    }
}

void RulerWindow::setFullScreen()
{
    fullScreen = !fullScreen;
    if (fullScreen) {
        actFullScreen->setChecked(true);
        normalGeometry = geometry();
        showFullScreen();
    } else {
        actFullScreen->setChecked(false);
        showNormal();
        placeWindow(normalGeometry);
    }
    update();
}
