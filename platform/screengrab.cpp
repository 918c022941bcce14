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
#include <utility>

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
        return !m_windows.isEmpty() &&
               std::all_of(m_windows.cbegin(), m_windows.cend(),
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

// One picture's hold on the program's stepped-aside windows. A picture asked for while the windows
// are aside for another shares them: they come back once the last picture is taken (or its taker is
// dropped unanswered), never in between, so that no picture can take them for windows as they were.
class AsideHold
{
public:
    AsideHold(bool composited, const CompositorOpacity &compositorOpacity)
    {
        if (!s_shared)
            s_shared = new Shared{SteppedAside(composited, compositorOpacity), 0};
        m_shared = s_shared;
        ++m_shared->holders;
    }
    ~AsideHold() { release(); }
    AsideHold(const AsideHold &) = delete;
    AsideHold &operator=(const AsideHold &) = delete;

    const SteppedAside &aside() const { return m_shared->aside; }

    void release()
    {
        if (!m_shared)
            return;
        Shared *shared = std::exchange(m_shared, nullptr);
        if (--shared->holders > 0)
            return;
        s_shared = nullptr;
        shared->aside.comeBack();
        delete shared;
    }

private:
    struct Shared
    {
        SteppedAside aside;
        int holders = 0;
    };
    static inline Shared *s_shared = nullptr;
    Shared *m_shared = nullptr;
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

void withoutOwnWindows(bool composited, QObject *context, const Taker &take,
                       const Desktop::PictureReady &ready, const CompositorOpacity &compositorOpacity)
{
    auto hold = std::make_shared<AsideHold>(composited, compositorOpacity);
    QPointer<QObject> guard(context);
    // The windows come back even when `context` goes meanwhile: the picture is taken for the program.
    QObject *program = QCoreApplication::instance();
    const int settleMs = hold->aside().goneWithNextFrame() ? frameMs() : kSettleMs;
    QTimer::singleShot(settleMs, program, [program, guard, hold, take, ready] {
        take(program, [guard, hold, ready](const ScreenPicture &picture) {
            hold->release();
            if (guard)
                ready(picture);
        });
    });
}

} // namespace ScreenGrab
