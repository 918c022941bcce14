// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/desktopcapture.h"

#include "ruler/compositorwatch.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace DesktopCapture {
namespace {

DesktopPicture grabScreenOf(const QWidget *window)
{
    QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return {screen->grabWindow(0).toImage(), screen->geometry().topLeft()};
}

} // namespace

void beneath(QWidget *window, const Ready &ready)
{
    const bool composited = CompositorWatch::instance()->isRunning();
    const qreal opacity = window->windowOpacity();
    if (composited)
        window->setWindowOpacity(0);
    else
        window->hide();
    QPointer<QWidget> guard(window);
    QTimer::singleShot(kSettleMs, window, [guard, composited, opacity, ready] {
        if (!guard)
            return;
        const DesktopPicture picture = grabScreenOf(guard);
        if (composited) {
            guard->setWindowOpacity(opacity);
        } else {
            guard->show();
            guard->raise();
            guard->activateWindow();
        }
        ready(picture);
    });
}

} // namespace DesktopCapture
