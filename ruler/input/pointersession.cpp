// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "ruler/input/pointersession.h"

#include "render/menutext.h"

using PointerRules::DragMode;

PointerSession::PointerSession(std::unique_ptr<Host> host) : m_host(std::move(host)) {}

HitTest::Scene PointerSession::scene(bool guideLines) const
{
    HitTest::Scene scene;
    scene.size = m_host->windowSize();
    scene.controlPoints = m_host->figureControlPoints();
    scene.verticalGuides = m_guides.vertical();
    scene.horizontalGuides = m_guides.horizontal();
    scene.guideLines = guideLines;
    return scene;
}

bool PointerSession::draggingGuide() const
{
    return m_host->guidesShown() && m_dragMode == DragMode::Body && m_guides.drag() != GuideDrag::None;
}

void PointerSession::hover(const QPoint &pos)
{
    const bool guidesActive = m_guides.isArmed() && m_host->guidesShown();
    HitTest::Scene hitScene = scene(guidesActive);
    hitScene.guideBands = guidesActive;
    const HitTest::Hit hit = HitTest::at(pos, hitScene);

    m_guides.hover(pos, hit.target == HitTest::Target::GuideLine);
    m_dragMode = hit.dragMode;
    m_dragPointIndex = hit.controlPoint;
    if (hit.target == HitTest::Target::Body)
        m_host->setPointerShape(m_chord.shift && !m_chord.alt ? Qt::SizeFDiagCursor : Qt::ArrowCursor);
    else
        m_host->setPointerShape(hit.cursor);
}

void PointerSession::motion(const QPoint &pos, const QPoint &global, Qt::MouseButtons buttons,
                            Qt::KeyboardModifiers modifiers)
{
    if (buttons == Qt::NoButton || (buttons & Qt::LeftButton)) {
        // A guide being dragged follows the pointer, and nothing else does.
        if (draggingGuide() && m_guides.follow(pos))
            return;
        if (buttons == Qt::NoButton)
            hover(pos);
        else
            drag(pos, global, modifiers);
    }
    m_menuHovered = m_host->menuButtonShown() && MenuText::inZone(pos, m_host->windowSize().width());
}

// A drag with the left button: the window, its size, the figure or one of its handles.
void PointerSession::drag(const QPoint &pos, const QPoint &global, Qt::KeyboardModifiers modifiers)
{
    if (handOver())
        return;
    const bool fullScreen = m_host->fullScreen();
    if (m_chord.alt && m_dragMode == DragMode::Body) {
        if (!fullScreen)
            m_host->dragWindowTo(global - m_grabOffset);
        return;
    }
    switch (m_dragMode) {
    case DragMode::Body:
        dragBody(pos, global);
        break;
    case DragMode::ControlPoint:
        m_host->dragFigureHandle(m_dragPointIndex, pos, m_grabOffset, modifiers);
        m_pressGlobal = global;
        break;
    default:
        if (const std::optional<QRect> frame =
                PointerRules::edgeDragGeometry(m_dragMode, QRect(m_pressGlobal - m_grabOffset, m_pressSize),
                                               m_pressGlobal, global, fullScreen))
            m_host->resizeByEdge(*frame, m_dragMode);
        break;
    }
}

void PointerSession::dragBody(const QPoint &pos, const QPoint &global)
{
    if (m_chord.shift) {
        m_host->setPointerShape(Qt::SizeFDiagCursor);
        if (const std::optional<QSize> size = PointerRules::shiftDragSize(m_pressSize, m_pressGlobal, global))
            m_host->sizeWindow(QRect(m_host->windowFrame().topLeft(), *size));
    } else if (m_pressInsideFigure) {
        // The figure follows the pointer from its previous position; in a frameless window the grab
        // offset is the local press position.
        m_host->moveFigureBy(pos - m_grabOffset);
        m_grabOffset = pos;
    } else if (!m_host->fullScreen()) {
        m_host->dragWindowTo(global - m_grabOffset);
    }
}

void PointerSession::press(const QPoint &pos, const QPoint &global, Qt::MouseButton button,
                           Qt::MouseButtons buttons)
{
    if (button == Qt::LeftButton)
        hover(pos);
    pressGuides(pos, button, buttons);
    startDrag(pos, global, button);
}

// A press grabs a guide, or drops a new one in a ticker band unless an edge or a handle is under it.
void PointerSession::pressGuides(const QPoint &pos, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    if (button == Qt::RightButton) {
        m_guides.disarm();
        m_host->setPointerShape(Qt::ArrowCursor);
        return;
    }
    std::optional<Qt::Orientation> band;
    if (buttons != Qt::NoButton) {
        const HitTest::Hit hit = HitTest::at(pos, scene(false));
        if (hit.target == HitTest::Target::GuideBand)
            band = hit.newGuide;
    }
    if (m_guides.press(pos, band)) {
        m_host->setPointerShape(Qt::ArrowCursor);
        m_dragMode = DragMode::Body;
    }
}

void PointerSession::startDrag(const QPoint &pos, const QPoint &global, Qt::MouseButton button)
{
    if (button != Qt::LeftButton) {
        m_pressInsideFigure = false;
        return;
    }
    if (m_dragMode == DragMode::ControlPoint)
        m_host->setPointerShape(Qt::BlankCursor);
    m_handedOver = false;
    m_grabOffset = global - m_host->windowFrame().topLeft();
    m_pressSize = m_host->windowSize();
    m_pressGlobal = global;
    // A press on the figure's body drags the figure, anywhere else the window.
    m_pressInsideFigure = m_host->figureContains(pos);
}

// At the press: the compositor then follows the pointer from where the press was, and a drag handed
// over at its first motion would lose that motion. A click stays a click (the compositor's drag ends
// at the release without a motion), and so does a double click, whose second press is handed over
// before the program sees the double click.
bool PointerSession::handOver()
{
    if (m_handedOver)
        return true;
    if (!m_host->compositorPlacesWindows())
        return false;
    const std::optional<CompositorDrag::Request> request =
        CompositorDrag::forDrag(m_dragMode, m_pressInsideFigure, m_chord.shift, m_chord.alt, m_host->fullScreen());
    if (!request)
        return false;
    m_handedOver = true;
    m_host->startSystemDrag(*request);
    return true;
}

void PointerSession::release()
{
    m_guides.release(m_host->windowSize());
    if (m_dragMode == DragMode::ControlPoint)
        m_host->setPointerShape(Qt::ArrowCursor);
}

void PointerSession::leave()
{
    m_guides.leave();
    m_menuHovered = false;
    // The split cursor of a guide or a guide band is what keeps the spacings shown.
    const Qt::CursorShape shape = m_host->pointerShape();
    if (shape == Qt::SplitVCursor || shape == Qt::SplitHCursor)
        m_host->setPointerShape(Qt::ArrowCursor);
}

bool PointerSession::guideSpacingShown() const
{
    return m_host->guideSpacingOffered() &&
           (m_guides.drag() == GuideDrag::Horizontal || m_host->pointerShape() == Qt::SplitVCursor);
}

PointerVisuals PointerSession::visuals() const
{
    PointerVisuals visuals;
    visuals.menuHovered = m_menuHovered && m_host->menuButtonShown();
    if (m_host->guidesShown()) {
        visuals.horizontalGuides = m_guides.horizontal();
        visuals.verticalGuides = m_guides.vertical();
        visuals.guideSpacing = guideSpacingShown();
        visuals.spacingX = m_guides.pointer().x();
    }
    return visuals;
}

void PointerSession::figureTurned()
{
    m_dragMode = DragMode::Body;
}

void PointerSession::figureHidden()
{
    if (m_dragMode == DragMode::ControlPoint)
        m_dragMode = DragMode::Body;
    m_pressInsideFigure = false;
}

bool PointerSession::takeMenuPress()
{
    const bool pressed = m_menuHovered;
    m_menuHovered = false;
    return pressed;
}
