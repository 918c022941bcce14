// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QtGui/qwindowdefs.h>

#include <functional>
#include <optional>

class QWindow;

// What kind of desktop session the program runs in, read once at start.
enum class SessionKind {
    X11,      // an X server that can see the whole screen
    XWayland, // the program talks X, but a Wayland compositor owns the screen
    Wayland,  // the program is a native Wayland client
    Other,    // offscreen, or a platform we know nothing of
};

// A top-level window of the desktop with its frame (title bar and borders included), in desktop
// coordinates.
struct DesktopWindow
{
    WId id = 0;
    QRect frame;
};

// A monitor as the window system describes it, with the size in millimetres it reports: 0 × 0 where the
// monitor reports none (a virtual display, a projector, some adapters).
struct MonitorSize
{
    QRect geometry; // in device pixels
    QSize millimetres;
};

// A picture of the desktop, or why there is none.
//
// `image` holds the screen's own (device) pixels; `area` is the rectangle of the desktop it shows, in
// the logical coordinates that windows and the pointer use. Where the compositor scales the output the
// image is larger than the area, and scale() says by how much. A picture that could not be had has a
// null image and a `failure` in plain words for the user: it is never a black image.
struct ScreenPicture
{
    QImage image;
    QRect area;
    QString failure;

    bool isValid() const { return !image.isNull() && !area.isEmpty(); }
    qreal scale() const { return area.width() > 0 ? qreal(image.width()) / area.width() : 1.0; }
};

// Everything the program asks of the desktop, behind one interface. One object per process, made at
// start for the session (see SessionKind) and handed to the parts that need it; tests hand in a fake.
class Desktop : public QObject
{
    Q_OBJECT
public:
    using PictureReady = std::function<void(const ScreenPicture &picture)>;

    using QObject::QObject;

    virtual SessionKind session() const = 0;

    // Whether a compositing manager runs, so translucent windows are really translucent. Without one a
    // ruler shapes its window instead.
    virtual bool isCompositing() const = 0;

    // The shown top-level windows of the desktop, bottom of the stack first. Empty where the window
    // system does not tell.
    virtual QList<DesktopWindow> windows() const = 0;

    // Whether the screen can be read at any moment (the magnifier and the colour readout follow the
    // pointer live). Where it cannot, the tools that read the screen work on a still frame.
    virtual bool readsScreenLive() const = 0;

    // Reads a rectangle of the desktop as it is now, our own windows included (the live magnifier).
    // Where the screen cannot be read live the picture carries the reason.
    virtual ScreenPicture readArea(const QRect &area) const = 0;

    // Takes a picture of the whole desktop with none of the program's own windows in it, and calls
    // `ready` exactly once, now or later, unless `context` is gone by then. On failure the picture
    // carries the reason.
    virtual void takePicture(QObject *context, const PictureReady &ready) = 0;

    // Whether the window system puts a window where the window asks to be. Where it does not (many
    // Wayland compositors), pointer moves and resizes are handed to the compositor. Learnt from the
    // placements the program asks for (notePlacement); until one says otherwise, the session's rule.
    bool honoursOwnPlacement() const { return m_honoursPlacement; }
    // A window asked to stand at `asked` and the window system reports it at `reported`: where that
    // shows the window system placing windows itself, honoursOwnPlacement() turns false for good.
    void notePlacement(const QRect &asked, const QRect &reported);

    // Where the window system places windows itself, some compositors still place a window on request
    // through a service of their own (a control socket). Whether this desktop has one:
    virtual bool hasPlacementService() const { return false; }
    // Asks that service to give the top-level `window` the frame `frame` (desktop coordinates); true
    // when the compositor took the request. The window hears of its new place from the window system.
    virtual bool placeWindow(WId window, const QRect &frame)
    {
        Q_UNUSED(window)
        Q_UNUSED(frame)
        return false;
    }

    // Moves the top-level `window` to `topLeft` with less work for the window system than the
    // toolkit's own move, for the many steps of a pointer drag; false where the desktop has no such
    // way (the window is then moved as usual). The window hears of its new place from the window
    // system, a moment later.
    virtual bool moveWindow(WId window, const QPoint &topLeft)
    {
        Q_UNUSED(window)
        Q_UNUSED(topLeft)
        return false;
    }

    // Has the top-level `window` hear of each motion of the pointer once, where the toolkit would take
    // it a second time from the device that made it, only to drop it there.
    virtual void hearPointerOnce(WId window) { Q_UNUSED(window) }

    // Where the window system places windows itself, has the placement service give `window` the frame
    // `frame`; false where windows place themselves (they are then moved as usual), or where no
    // service took the request.
    bool placeThroughService(WId window, const QRect &frame)
    {
        return !honoursOwnPlacement() && placeWindow(window, frame);
    }

    // Whether the toolkit knows where the program's windows stand (QWidget::geometry()). A native
    // Wayland client is never told: there windowPosition() asks the compositor, and the answer holds
    // until the compositor may have moved the window.
    virtual bool toolkitKnowsPositions() const { return true; }
    // Where the top-left of `window`'s own pixels stands on the desktop, as geometry() has it; nothing
    // where the program cannot learn it.
    virtual std::optional<QPoint> windowPosition(QWindow *window);

    // Whether a window that asks for full screen is given it; where it is not, the window fills its
    // screen by itself.
    virtual bool fillsFullScreen() const { return true; }

    // The monitors with the physical sizes the window system itself reports, where it describes them
    // (the toolkit makes a size up for a monitor that reports none). Empty where it does not.
    virtual QList<MonitorSize> monitorSizes() const { return {}; }

    // How many device pixels the compositor gives one logical pixel, learnt from the last picture of
    // the screen (1 until one says otherwise).
    qreal displayScale() const { return m_displayScale; }
    void noteDisplayScale(qreal scale);

Q_SIGNALS:
    void compositingChanged(bool compositing);
    void placementHonouredChanged(bool honoured);
    void displayScaleChanged(qreal scale);

protected:
    void setHonoursOwnPlacement(bool honoured);

private:
    bool m_honoursPlacement = true;
    qreal m_displayScale = 1.0;
};
