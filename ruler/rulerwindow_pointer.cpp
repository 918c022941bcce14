// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The mouse and the wheel: moving and resizing the window, guides, and the figure by its body and handles.
#include "ruler/rulerwindow.h"

#include "ruler/hittest.h"
#include "ruler/pointerrules.h"
#include "ruler/infopanel.h"
#include "ruler/rulershared.h"

#include <QColorDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

using namespace PointerRules;

void RulerWindow::takeChord(const ModifierLatch::Chord &chord)
{
    altState = chord.alt;
    shiftState = chord.shift;
}

HitTest::Scene RulerWindow::hitScene(bool guideLines) const
{
    HitTest::Scene scene;
    scene.size = size();
    scene.controlPoints = figureControlPoints();
    scene.verticalGuides = verticalGuides;
    scene.horizontalGuides = horizontalGuides;
    scene.guideLines = guideLines;
    return scene;
}

// A guide being dragged follows the pointer; true when it did.
bool RulerWindow::followDraggedGuide(const QPoint &pos)
{
    if (!guidesArmed || !showGuides || dragMode != Body)
        return false;
    lastLocalPos = pos;
    if (guideMode == 3 && dragGuideH < horizontalGuides.size()) {
        horizontalGuides[dragGuideH] = pos.y();
        repaint();
        return true;
    }
    if (guideMode == 4 && dragGuideV < verticalGuides.size()) {
        verticalGuides[dragGuideV] = pos.x();
        repaint();
        return true;
    }
    return false;
}

// Chooses what a drag from here will do, and shows it with the cursor.
void RulerWindow::hoverHitTest(const QPoint &pos)
{
    const bool guidesActive = guidesArmed && showGuides;
    HitTest::Scene scene = hitScene(guidesActive);
    scene.guideBands = guidesActive;
    const HitTest::Hit hit = HitTest::at(pos, scene);

    overGuide = hit.target == HitTest::Target::GuideLine;
    dragMode = hit.dragMode;
    dragPointIndex = hit.controlPoint;
    switch (hit.target) {
    case HitTest::Target::GuideLine:
        setCursor(hit.cursor);
        update();
        return;
    case HitTest::Target::GuideBand:
        setCursor(hit.cursor);
        return;
    case HitTest::Target::Body:
        setCursor(shiftState && !altState ? Qt::SizeFDiagCursor : Qt::ArrowCursor);
        break;
    case HitTest::Target::Edge:
    case HitTest::Target::ControlPoint:
        setCursor(hit.cursor);
        break;
    }
    if (!scene.controlPoints.isEmpty())
        pressInsideFigure = figureContains(pos);
}

void RulerWindow::mouseMoveEvent(QMouseEvent *event)
{
    takeChord(ModifierLatch::fromHeld(event->modifiers()));
    const QPoint pos = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();
    const bool leftHeld = event->buttons() & Qt::LeftButton;

    if (event->buttons() == Qt::NoButton) {
        if (followDraggedGuide(pos))
            return;
        hoverHitTest(pos);
    } else if (leftHeld) {
        if (followDraggedGuide(pos))
            return;
        if (altState && dragMode == Body) {
            if (!fullScreen)
                dragWindowTo(global);
            return;
        }
        switch (dragMode) {
        case Body:
            if (shiftState) {
                setCursor(Qt::SizeFDiagCursor);
                shiftResize = true;
                if (const std::optional<QSize> size = shiftDragSize(pressSize, pressGlobal, global))
                    placeWindow(QRect(geometry().topLeft(), *size));
            } else if (pressInsideFigure) {
                // The figure follows the pointer from its previous position; in a frameless window the
                // grab offset is the local press position.
                moveFigureBy(pos - grabOffset);
                grabOffset = pos;
            } else if (!fullScreen) {
                dragWindowTo(global);
            }
            break;
        case ControlPoint:
            dragFigureHandle(dragPointIndex, pos, event->modifiers());
            pressGlobal = global;
            break;
        default:
            if (const std::optional<QRect> frame = edgeDragGeometry(
                    dragMode, QRect(pressGlobal - grabOffset, pressSize), pressGlobal, global, fullScreen))
                placeWindow(*frame);
            break;
        }
    }
    menuButtonHover = preferences && preferences->showTopRightMenu() && inMenuZone(pos, width());
    update();
}

void RulerWindow::dragWindowTo(const QPoint &global)
{
    moveSnapped(global - grabOffset);
}

void RulerWindow::grabGuides(const QPoint &pos)
{
    for (int i = 0; i < horizontalGuides.size(); ++i) {
        if (grabsGuide(horizontalGuides.at(i), pos.y())) {
            guideMode = 3;
            dragGuideH = i;
            setCursor(Qt::ArrowCursor);
            dragMode = Body;
            guidesArmed = true;
        }
    }
    for (int i = 0; i < verticalGuides.size(); ++i) {
        if (grabsGuide(verticalGuides.at(i), pos.x())) {
            guideMode = 4;
            dragGuideV = i;
            setCursor(Qt::ArrowCursor);
            dragMode = Body;
            guidesArmed = true;
        }
    }
}

void RulerWindow::dropNewGuide(const QPoint &pos, Qt::Orientation orientation)
{
    setCursor(Qt::ArrowCursor);
    dragMode = Body;
    guidesArmed = true;
    newGuideCreated = true;
    if (orientation == Qt::Vertical) {
        verticalGuides.append(pos.x());
        guideMode = 4;
        lastLocalPos.setX(pos.x());
        newGuidePos = pos.x();
    } else {
        horizontalGuides.append(pos.y());
        guideMode = 3;
        lastLocalPos.setY(pos.y());
        newGuidePos = pos.y();
    }
    grabGuides(pos);
}

void RulerWindow::openContextMenuAt(const QPoint &global)
{
    aboutToShow();
    contextMenu->exec(global);
}

void RulerWindow::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();

    takeChord(ModifierLatch::fromHeld(event->modifiers()));
    contextMenuShown = false;
    pointerPressed = false;
    if (isActiveWindow() && preferences && preferences->infoPanelShown())
        moveEvent(nullptr);
    pointerPressed = true;
    emit pressedByPointer();

    guidesArmed = false;
    if (event->button() == Qt::RightButton) {
        setCursor(Qt::ArrowCursor);
    } else if (guideMode == 3 || guideMode == 4 || overGuide) {
        grabGuides(pos);
    } else if (event->buttons() != Qt::NoButton) {
        // A press in a ticker band drops a new guide there, unless an edge or a handle is under it.
        const HitTest::Hit hit = HitTest::at(pos, hitScene(false));
        if (hit.target == HitTest::Target::GuideBand)
            dropNewGuide(pos, hit.newGuide);
    }

    if (preferences && preferences->infoPanelShown() && infoPanel)
        infoPanel->raise();
    setFocus();
    activateWindow();
    raise();
    enterEvent(nullptr);
    aboutToShow();

    if (event->button() == Qt::LeftButton) {
        edgeDragActive = dragMode > Body;
        if (dragMode == ControlPoint)
            setCursor(Qt::BlankCursor);
        grabOffset = global - frameGeometry().topLeft();
        pressSize = size();
        pressGlobal = global;
        if (figureContains(pos))
            pressInsideFigure = true;
    } else {
        pressInsideFigure = false;
    }

    if (event->button() == Qt::RightButton)
        openContextMenuAt(global);
    if (menuButtonHover) {
        openContextMenuAt(QPoint(frameGeometry().right() - 107, frameGeometry().top() + 55));
        menuButtonHover = false;
    }

    if (colorDialog && colorDialog->isVisible() && hasFocus() && shared) {
        switch (shared->colorTarget) {
        case 1:
            setBackgroundAction();
            break;
        case 2:
            setRulerAction();
            break;
        case 3:
            setGuidesAction();
            break;
        default:
            break;
        }
    }
    update();
}

void RulerWindow::mouseReleaseEvent(QMouseEvent *)
{
    guidesArmed = true;
    auto dropOutside = [](QList<int> &guides, int index, int length) {
        if (index < guides.size() && !(0 < guides.at(index) && guides.at(index) < length - 1))
            guides.removeAt(index);
    };
    if (guideMode == 3)
        dropOutside(horizontalGuides, dragGuideH, height());
    if (guideMode == 4)
        dropOutside(verticalGuides, dragGuideV, width());

    if (newGuideCreated) {
        // A click on a ticker band without a drag leaves no guide.
        QList<int> &guides = guideMode == 3 ? horizontalGuides : verticalGuides;
        const int index = guideMode == 3 ? dragGuideH : dragGuideV;
        if ((guideMode == 3 || guideMode == 4) && index < guides.size() && guides.at(index) == newGuidePos)
            guides.removeAt(index);
        newGuideCreated = false;
    }
    if (guideMode == 3 || guideMode == 4)
        guideMode = 0;
    shiftResize = false;
    edgeDragActive = false;
    if (dragMode == ControlPoint)
        setCursor(Qt::ArrowCursor);
    update();
}

void RulerWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !contextMenuShown)
        setFullScreen();
    contextMenuShown = false;
}

void RulerWindow::wheelEvent(QWheelEvent *event)
{
    enterEvent(nullptr);
    takeChord(ModifierLatch::fromHeld(event->modifiers()));
    event->accept();
    const int v = wheelSteps.turn(event->angleDelta());
    if (!altState && !shiftState) {
        if (QWidget *grabber = mouseGrabber())
            grabber->releaseMouse();
        return;
    }
    if (v == 0)
        return;

    if (altState && shiftState) {
        rotateFigureBy(v);
        recomputeFigure();
        update();
    } else if (altState) {
        if (!fullScreen)
            placeWindow(QRect(pos(), size() + QSize(v, v)));
    } else if (figureContains(event->position().toPoint())) {
        scaleFigureBy(wheelScaleFactor(v));
    } else if (!fullScreen) {
        placeWindow(grownFrame(geometry(), v));
    }
}

void RulerWindow::enterEvent(QEnterEvent *)
{
    if (preferences && preferences->activateOnHover() && !(colorDialog && colorDialog->isVisible())) {
        if (preferences->infoPanelShown() && infoPanel) {
            infoPanel->activateWindow();
            raise();
            if (pointerPressed)
                infoPanel->owner = this;
        }
        raise();
        activateWindow();
    }
    if (isActiveWindow())
        takeChord(ModifierLatch::fromHeld(QGuiApplication::queryKeyboardModifiers()));
}

void RulerWindow::resizeEvent(QResizeEvent *)
{
    resizing = true;
    moveEvent(nullptr);
    resizing = false;
}

void RulerWindow::setClearGuides()
{
    verticalGuides.clear();
    horizontalGuides.clear();
    update();
}
