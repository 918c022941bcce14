// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"
#include "render/readingtext.h"
#include "ruler/edgefinder/edgefinderoverlay.h"

#include <QObject>
#include <QPointer>
#include <QRegion>
#include <QTimer>

#include <optional>

class QPainter;
class QWidget;

// The edge finder of a ruler window. While it is on, it holds a picture of the desktop without any of
// the program's windows (Desktop::takePicture, when it is turned on; the window's own moves and
// resizes change nothing in it, so it is taken once and the window never steps aside again while the
// user works), finds the box around the pointer in it (EdgeFinder::findBox) and
// lays out what the window draws over itself (EdgeFinderOverlay). The window hands it the pointer,
// the wheel and its paint pass; each call answers the region of the window to repaint, and what
// changes on its own (a picture arriving, the tolerance hint going) is announced by repaintNeeded().
//
// Where no compositing manager lets the desktop show through the window's body, the window is
// shaped to its ticker bands, and the pointer over the body would reach the windows beneath. While
// it runs there, the window keeps its whole rectangle and draws the picture under itself instead
// (showsBackdrop()), which looks the same and keeps the pointer.
class EdgeFinderTool : public QObject
{
    Q_OBJECT
public:
    static constexpr int kDefaultTolerance = 24;
    static constexpr int kToleranceStep = 4;
    static constexpr int kHintMs = 1200;

    // What the window's state gives the overlay: its look and the unit the lengths are written in.
    struct Presentation
    {
        EdgeFinderOverlay::Look look;
        ReadingScale scale;
    };

    explicit EdgeFinderTool(QObject *parent = nullptr);
    ~EdgeFinderTool() override;

    bool active() const { return m_active; }
    int tolerance() const { return m_tolerance; }
    // Turns the finder on over `window` and takes the picture from `desktop`; turning it off forgets
    // the picture. Each answers the region to repaint.
    QRegion start(QWidget *window, Desktop *desktop, const Presentation &presentation);
    QRegion stop();

    // The pointer stands at `pos` (window coordinates).
    QRegion pointTo(const QPoint &pos, const Presentation &presentation);
    // Wheel steps: up widens the tolerance, down narrows it; the hint shows it for kHintMs.
    QRegion changeTolerance(int steps, const Presentation &presentation);

    // The box found around the pointer, in global coordinates; null while there is none.
    QRect foundBox() const { return m_box; }
    // Why the desktop gave no picture, in plain words; empty while there is one or it is on its way.
    QString pictureFailure() const { return m_pictureFailure; }
    // While the window draws the desktop picture under itself (see above).
    bool showsBackdrop() const;
    // The backdrop (where showsBackdrop()) under what the window drew, then the overlay.
    void paint(QPainter &painter) const;

Q_SIGNALS:
    void repaintNeeded(const QRegion &region);
    // The desktop gave no picture (pictureFailure() says why): nothing is found until the next one.
    void pictureFailed(const QString &failure);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void takePicture();
    void takeDelivered(const ScreenPicture &picture);
    void hideHint();
    // Finds the box at the last pointer position and lays out the overlay anew; answers the old and
    // the new overlay's regions.
    QRegion relayout();
    QPoint windowOrigin() const;

    QPointer<QWidget> m_window;
    QPointer<Desktop> m_desktop;
    bool m_active = false;
    bool m_capturing = false;
    int m_tolerance = kDefaultTolerance;
    bool m_hintShown = false;
    // In logical pixels, one per pixel of the desktop's coordinates.
    QImage m_picture;
    QPoint m_pictureOrigin;
    QString m_pictureFailure;
    std::optional<QPoint> m_globalPointer;
    QRect m_box;
    Presentation m_presentation;
    EdgeFinderOverlay m_overlay;
    QTimer m_hintTimer;
};
