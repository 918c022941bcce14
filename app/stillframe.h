// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "app/magnifier.h"
#include "ruler/edgefinder/edgefindertool.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class Desktop;
class StillPictureDesktop;

// The tools that read the screen, on one picture of it: where the desktop cannot be read live, the
// magnifier (with its colour readout) and the edge finder work on a still frame. The frame takes a
// picture of the whole desktop, shows it in a full-screen window of its own, so that the pointer is
// known everywhere over it, and runs the tool on it as the tool runs live: the magnifier's lens (a
// Magnifier reading the picture) beside the pointer, or the edge finder's lines and lengths
// (EdgeFinderTool) at the pointer. A banner says that this is a still frame.
//
// Keys: Space, Return, Enter or F5 take a fresh picture; Esc or the tool's own key leaves; the
// magnifier keeps its zoom (+, -, the wheel), grid (G) and copy (C) keys, the edge finder its wheel
// (tolerance). A left click with the edge finder chooses the box found (boxChosen; with Shift for the
// figure) and leaves.
//
// Where no picture can be had, the frame never shows: it says why through failed() and goes.
class StillFrame : public QWidget
{
    Q_OBJECT
public:
    enum class Tool
    {
        Magnifier,
        EdgeFinder,
    };

    StillFrame(Desktop *desktop, Tool tool, QWidget *parent = nullptr);
    ~StillFrame() override;

    Tool tool() const { return m_tool; }
    // The magnifier's values and lens size to start with; the values as the user left them.
    void setMagnifier(const Magnifier::Values &values, const QSize &lensSize);
    Magnifier::Values magnifierValues() const { return m_lensValues; }
    // The look and units of the ruler that asked for the edge finder.
    void setEdgeFinderPresentation(const EdgeFinderTool::Presentation &presentation);

    // Takes the first picture; shows the frame full screen once it is there.
    void start();
    // Whether a picture is on its way (keys wait meanwhile).
    bool takingPicture() const { return m_taking; }
    // The lens, while the magnifier runs on a picture.
    Magnifier *lens() const { return m_lens; }
    // The box the edge finder found around the pointer, in desktop coordinates; null while none.
    QRect foundBox() const { return m_finder.foundBox(); }

Q_SIGNALS:
    // No picture could be had: the reason, in plain words. The frame closes.
    void failed(const QString &failure);
    // The edge finder's box was clicked (desktop coordinates): fit the ruler or, with `figure`, its figure.
    void boxChosen(const QRect &box, bool figure);
    // The frame closed, for whatever reason.
    void left();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void takePicture();
    void pictureTaken(const ScreenPicture &picture);
    void startTool();
    void stopTool();
    void pointTo(const QPoint &pos);
    bool isToolKey(const QKeyEvent *event) const;
    void forwardToLens(QEvent *event);
    QString bannerText() const;
    QRect bannerRect() const;
    void leave();

    Desktop *m_desktop = nullptr;
    Tool m_tool;
    std::unique_ptr<StillPictureDesktop> m_still;
    bool m_taking = false;
    bool m_leaving = false;
    bool m_forwarding = false;
    QPoint m_pointer; // window coordinates
    Magnifier::Values m_lensValues;
    QSize m_lensSize = Magnifier::kDefaultSize;
    QPointer<Magnifier> m_lens;
    EdgeFinderTool m_finder;
    EdgeFinderTool::Presentation m_presentation;
};
