// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/screengrab.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <QtMath>

#include <algorithm>
#include <memory>

namespace ScreenGrab {
namespace {

QString unreadable()
{
    return QCoreApplication::translate("ScreenGrab", "The screen could not be read.");
}

// The program's windows as they stood before stepping aside, and how to bring them back.
class SteppedAside
{
public:
    SteppedAside(bool composited, const CompositorOpacity &compositorOpacity)
        : m_composited(composited), m_compositorOpacity(compositorOpacity)
    {
        m_active = QApplication::activeWindow();
        m_focus = QApplication::focusWidget();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            // Menus close themselves; the tray icon's window is not on the desktop, and hiding it
            // would take the icon away.
            if (!window->isVisible() || window->windowType() == Qt::Popup ||
                window->inherits("QSystemTrayIconSys"))
                continue;
            m_windows.append(stepAside(window));
        }
    }

    // Whether every window that stepped aside is sure to be left out of the compositor's next frame.
    bool goneWithNextFrame() const
    {
        return !m_windows.isEmpty() && std::all_of(m_windows.cbegin(), m_windows.cend(),
                           [](const Window &window) { return window.throughCompositor; });
    }

    void comeBack()
    {
        for (const Window &window : std::as_const(m_windows)) {
            if (!window.widget)
                continue;
            if (window.throughCompositor)
                m_compositorOpacity(window.id, 1.0);
            else if (m_composited)
                window.widget->setWindowOpacity(window.opacity);
            else if (window.widget != m_active)
                window.widget->show();
        }
        if (m_composited || !m_active)
            return;
        m_active->show();
        m_active->raise();
        m_active->activateWindow();
        if (m_focus)
            m_focus->setFocus();
    }

private:
    struct Window
    {
        QPointer<QWidget> widget;
        qreal opacity = 1.0;
        WId id = 0;
        bool throughCompositor = false;
    };

    Window stepAside(QWidget *widget) const
    {
        Window window{widget, widget->windowOpacity(), widget->winId()};
        if (!m_composited)
            widget->hide();
        else if (m_compositorOpacity && m_compositorOpacity(window.id, 0.0))
            window.throughCompositor = true;
        else
            widget->setWindowOpacity(0);
        return window;
    }

    bool m_composited;
    CompositorOpacity m_compositorOpacity;
    QList<Window> m_windows;
    QPointer<QWidget> m_active;
    QPointer<QWidget> m_focus;
};

} // namespace

ScreenPicture area(const QRect &area)
{
    ScreenPicture picture;
    QScreen *screen = QGuiApplication::screenAt(area.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        // With no window named, the offsets are relative to the screen.
        const QRect onScreen = area.translated(-screen->geometry().topLeft());
        picture.image =
            screen->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height()).toImage();
        picture.area = area;
    }
    if (!picture.isValid())
        picture = {QImage(), QRect(), unreadable()};
    return picture;
}

ScreenPicture wholeDesktop()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    ScreenPicture picture;
    if (screens.size() == 1) {
        picture = {screens.first()->grabWindow(0).toImage(), screens.first()->geometry(), QString()};
    } else if (!screens.isEmpty()) {
        QRect desktop;
        for (const QScreen *screen : screens)
            desktop |= screen->geometry();
        QImage image(desktop.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        for (QScreen *screen : screens)
            painter.drawPixmap(screen->geometry().topLeft() - desktop.topLeft(), screen->grabWindow(0));
        painter.end();
        picture = {image, desktop, QString()};
    }
    if (!picture.isValid())
        picture = {QImage(), QRect(), unreadable()};
    return picture;
}

int frameMs()
{
    qreal slowest = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen->refreshRate() > 0 && (slowest == 0 || screen->refreshRate() < slowest))
            slowest = screen->refreshRate();
    }
    return qCeil(1000 / (slowest > 0 ? slowest : 60));
}

void withoutOwnWindows(bool composited, QObject *context, const Taker &take, const Desktop::PictureReady &ready,
                       const CompositorOpacity &compositorOpacity)
{
    auto aside = std::make_shared<SteppedAside>(composited, compositorOpacity);
    QPointer<QObject> guard(context);
    // The windows come back even when `context` goes meanwhile: the picture is taken for the program.
    QObject *program = QCoreApplication::instance();
    QTimer::singleShot(aside->goneWithNextFrame() ? frameMs() : kSettleMs, program, [program, guard, aside, take, ready] {
        take(program, [guard, aside, ready](const ScreenPicture &picture) {
            aside->comeBack();
            if (guard)
                ready(picture);
        });
    });
}

} // namespace ScreenGrab
