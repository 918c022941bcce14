// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The mouse and the wheel: moving and resizing the window, guides, and the figure by its body and handles.
#include "ruler/window/rulerwindow.h"

#include "paint/repaintregions.h"
#include "render/menutext.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/input/hittest.h"
#include "ruler/input/pointerrules.h"
#include "ruler/panel/infopanel.h"
#include "ruler/window/rulershared.h"

#include <QColorDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

using PointerRules::DragMode;

void RulerWindow::takeChord(const ModifierLatch::Chord &chord)
{
    m_chord = chord;
}

void RulerWindow::clearRememberedModifiers()
{
    m_chord = {};
}

bool RulerWindow::altHeld() const
{
    return m_chord.alt;
}

bool RulerWindow::shiftHeld() const
{
    return m_chord.shift;
}

HitTest::Scene RulerWindow::hitScene(bool guideLines) const
{
    HitTest::Scene scene;
    scene.size = size();
    scene.controlPoints = figureControlPoints();
    scene.verticalGuides = m_guides.vertical();
    scene.horizontalGuides = m_guides.horizontal();
    scene.guideLines = guideLines;
    return scene;
}

bool RulerWindow::draggingGuide() const
{
    return option(RulerOption::ShowGuides) && m_dragMode == DragMode::Body && m_guides.drag() != GuideDrag::None;
}

// A guide being dragged follows the pointer; true when it did.
bool RulerWindow::followDraggedGuide(const QPoint &pos)
{
    return draggingGuide() && m_guides.follow(pos);
}

// Chooses what a drag from here will do, and shows it with the cursor.
void RulerWindow::hoverHitTest(const QPoint &pos)
{
    const bool guidesActive = m_guides.isArmed() && option(RulerOption::ShowGuides);
    HitTest::Scene scene = hitScene(guidesActive);
    scene.guideBands = guidesActive;
    const HitTest::Hit hit = HitTest::at(pos, scene);

    m_guides.hover(pos, hit.target == HitTest::Target::GuideLine);
    m_dragMode = hit.dragMode;
    m_dragPointIndex = hit.controlPoint;
    switch (hit.target) {
    case HitTest::Target::GuideLine:
    case HitTest::Target::GuideBand:
        setPointerShape(hit.cursor);
        return;
    case HitTest::Target::Body:
        setPointerShape(m_chord.shift && !m_chord.alt ? Qt::SizeFDiagCursor : Qt::ArrowCursor);
        break;
    case HitTest::Target::Edge:
    case HitTest::Target::ControlPoint:
        setPointerShape(hit.cursor);
        break;
    }
}

// A drag with the left button: the window, its size, the figure or one of its handles.
void RulerWindow::dragTo(const QPoint &pos, const QPoint &global, Qt::KeyboardModifiers modifiers)
{
    if (handDragToCompositor())
        return;
    if (m_chord.alt && m_dragMode == DragMode::Body) {
        if (!fullScreen)
            dragWindowTo(global);
        return;
    }
    switch (m_dragMode) {
    case DragMode::Body:
        if (m_chord.shift) {
            setPointerShape(Qt::SizeFDiagCursor);
            if (const std::optional<QSize> size =
                    PointerRules::shiftDragSize(m_pressSize, m_pressGlobal, global))
                placeWindow(QRect(geometry().topLeft(), *size));
        } else if (m_pressInsideFigure) {
            // The figure follows the pointer from its previous position; in a frameless window the
            // grab offset is the local press position.
            moveFigureBy(pos - m_grabOffset);
            m_grabOffset = pos;
        } else if (!fullScreen) {
            dragWindowTo(global);
        }
        break;
    case DragMode::ControlPoint:
        dragFigureHandle(m_dragPointIndex, pos, modifiers);
        m_pressGlobal = global;
        break;
    default:
        if (const std::optional<QRect> frame =
                PointerRules::edgeDragGeometry(m_dragMode, QRect(m_pressGlobal - m_grabOffset, m_pressSize),
                                               m_pressGlobal, global, fullScreen))
            placeWindow(edgeSnapped(*frame));
        break;
    }
}

// The cursor is set only when its shape changes: setting it costs a round trip to the window system.
void RulerWindow::setPointerShape(Qt::CursorShape shape)
{
    if (!testAttribute(Qt::WA_SetCursor) || cursor().shape() != shape)
        setCursor(shape);
}

PointerVisuals RulerWindow::pointerVisuals() const
{
    PointerVisuals visuals;
    visuals.menuHovered = m_menuButtonHover && preferences && preferences->showTopRightMenu();
    if (option(RulerOption::ShowGuides)) {
        visuals.horizontalGuides = m_guides.horizontal();
        visuals.verticalGuides = m_guides.vertical();
        visuals.guideSpacing = guideSpacingShown();
        visuals.spacingX = m_guides.pointer().x();
    }
    return visuals;
}

// Paints again only what the pointer changed since `before`; a motion that changed nothing paints nothing.
void RulerWindow::repaintPointerChanges(const PointerVisuals &before)
{
    const QRegion changed = RepaintRegions::changed(before, pointerVisuals(), size());
    if (!changed.isEmpty())
        update(changed);
}

void RulerWindow::mouseMoveEvent(QMouseEvent *event)
{
    takeChord(ModifierLatch::fromHeld(event->modifiers()));
    const PointerVisuals before = pointerVisuals();
    followPointer(event);
    repaintPointerChanges(before);
}

void RulerWindow::followPointer(const QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_edgeFinder.active()) {
        edgeFinderMoved(pos);
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        if (followDraggedGuide(pos))
            return;
        hoverHitTest(pos);
    } else if (event->buttons() & Qt::LeftButton) {
        if (followDraggedGuide(pos))
            return;
        dragTo(pos, event->globalPosition().toPoint(), event->modifiers());
    }
    m_menuButtonHover = preferences && preferences->showTopRightMenu() && MenuText::inZone(pos, width());
}

void RulerWindow::dragWindowTo(const QPoint &global)
{
    setWindowDragShape(true);
    dragSnapped(global - m_grabOffset);
}

void RulerWindow::openContextMenuAt(const QPoint &global)
{
    rebuildMenu();
    m_menu->contextMenu()->exec(global);
}

// A press grabs a guide, or drops a new one in a ticker band unless an edge or a handle is under it.
void RulerWindow::pressGuides(const QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        m_guides.disarm();
        setCursor(Qt::ArrowCursor);
        return;
    }
    std::optional<Qt::Orientation> band;
    if (event->buttons() != Qt::NoButton) {
        const HitTest::Hit hit = HitTest::at(pos, hitScene(false));
        if (hit.target == HitTest::Target::GuideBand)
            band = hit.newGuide;
    }
    if (m_guides.press(pos, band)) {
        setCursor(Qt::ArrowCursor);
        m_dragMode = DragMode::Body;
    }
}

// Where a left press starts a drag from.
void RulerWindow::startDrag(const QMouseEvent *event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (event->button() != Qt::LeftButton) {
        m_pressInsideFigure = false;
        return;
    }
    if (m_dragMode == DragMode::ControlPoint)
        setCursor(Qt::BlankCursor);
    m_dragHandedOver = false;
    m_grabOffset = global - outerGeometry().topLeft();
    m_pressSize = size();
    m_pressGlobal = global;
    // A press on the figure's body drags the figure, anywhere else the window.
    m_pressInsideFigure = figureContains(event->position().toPoint());
}

void RulerWindow::mousePressEvent(QMouseEvent *event)
{
    // A release lost to another grab leaves no drag behind.
    endWindowDrag();
    setWindowDragShape(false);
    beginWindowDrag();
    const QPoint global = event->globalPosition().toPoint();
    takeChord(ModifierLatch::fromHeld(event->modifiers()));
    m_contextMenuShown = false;
    pointerPressed = false;
    if (isActiveWindow() && preferences && preferences->infoPanelShown())
        followWindowMove();
    pointerPressed = true;
    emit pressedByPointer();
    endPlacementReadback();
    if (!m_notice.isEmpty()) {
        m_notice.clear();
        update();
    }
    if (m_edgeFinder.active() && edgeFinderPressed(event))
        return;

    // What the press grabs follows from where it is, not from the last hover: a window that came up
    // under the pointer, or that the pointer entered at an edge, may have seen no motion there.
    if (event->button() == Qt::LeftButton)
        hoverHitTest(event->position().toPoint());
    pressGuides(event);
    if (preferences && preferences->infoPanelShown() && infoPanel())
        infoPanel()->raise();
    setFocus();
    activateWindow();
    raise();
    takeKeyboardOnHover();
    rebuildMenu();
    startDrag(event);

    if (event->button() == Qt::RightButton)
        openContextMenuAt(global);
    const bool menuPressed = m_menuButtonHover;
    if (m_menuButtonHover) {
        openContextMenuAt(MenuText::popupPoint(outerGeometry()));
        m_menuButtonHover = false;
    }
    // A press on a ruler while the colour dialog is open edits the same colour of this ruler.
    if (shared && shared->colorDialogShown() && hasFocus()) {
        if (shared->colorTarget)
            editColour(*shared->colorTarget);
    }
    update();
    if (event->button() == Qt::LeftButton && !menuPressed && !draggingGuide())
        handDragToCompositor();
}

void RulerWindow::mouseReleaseEvent(QMouseEvent *)
{
    endWindowDrag();
    setWindowDragShape(false);
    m_guides.release(size());
    if (m_dragMode == DragMode::ControlPoint)
        setCursor(Qt::ArrowCursor);
    update();
}

void RulerWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !m_contextMenuShown && !m_edgeFinder.active())
        toggleFullScreen();
    m_contextMenuShown = false;
}

void RulerWindow::wheelEvent(QWheelEvent *event)
{
    takeKeyboardOnHover();
    takeChord(ModifierLatch::fromHeld(event->modifiers()));
    if (m_edgeFinder.active()) {
        edgeFinderWheel(event);
        return;
    }
    event->accept();
    const int v = m_wheelSteps.turn(event->angleDelta());
    if (!m_chord.alt && !m_chord.shift) {
        if (QWidget *grabber = mouseGrabber())
            grabber->releaseMouse();
        return;
    }
    if (v == 0)
        return;

    if (m_chord.alt && m_chord.shift) {
        const QRegion before = figureArea();
        rotateFigureBy(v);
        figure.recompute(currentFigureModifiers());
        updateFigureArea(before);
    } else if (m_chord.alt) {
        if (!fullScreen)
            placeWindow(QRect(pos(), size() + QSize(v, v)));
    } else if (figureContains(event->position().toPoint())) {
        scaleFigureBy(PointerRules::wheelScaleFactor(v));
    } else if (!fullScreen) {
        placeWindow(PointerRules::grownFrame(geometry(), v));
    }
}

void RulerWindow::enterEvent(QEnterEvent *)
{
    takeKeyboardOnHover();
}

// What the hovering pointer painted (the guide spacings, the underlined "menu") goes when it leaves,
// whichever way: across an edge, into the body of a shaped window that lets it through, or out from
// under a shape that changed. No motion comes from there to take it away. A drag goes on outside.
void RulerWindow::leaveEvent(QEvent *)
{
    if (QGuiApplication::mouseButtons() != Qt::NoButton)
        return;
    const PointerVisuals before = pointerVisuals();
    m_guides.leave();
    m_menuButtonHover = false;
    // The split cursor of a guide or a guide band is what keeps the spacings shown.
    const Qt::CursorShape shape = cursor().shape();
    if (shape == Qt::SplitVCursor || shape == Qt::SplitHCursor)
        setPointerShape(Qt::ArrowCursor);
    repaintPointerChanges(before);
}

// With "activate on hover" the ruler under the pointer takes the keyboard and the panel; the chord is
// then read from the keyboard as it is.
void RulerWindow::takeKeyboardOnHover()
{
    if (preferences && preferences->activateOnHover() && !(shared && shared->colorDialogShown())) {
        if (preferences->infoPanelShown() && infoPanel()) {
            infoPanel()->activateWindow();
            raise();
            if (pointerPressed)
                infoPanel()->setOwner(this);
        }
        raise();
        activateWindow();
    }
    if (isActiveWindow())
        takeChord(ModifierLatch::fromHeld(QGuiApplication::queryKeyboardModifiers()));
}

void RulerWindow::resizeEvent(QResizeEvent *)
{
    followWindowMove();
}

void RulerWindow::clearGuides()
{
    m_guides.clear();
    update();
}
