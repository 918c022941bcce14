// The mouse and the wheel: moving and resizing the window, guides, and the figure by its body and handles.
#include "gradora.h"

#include "about.h"
#include "pointerrules.h"
#include "rulersettings.h"
#include "settings.h"

#include <QColorDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

using namespace PointerRules;

void Gradora::trackModifiers(Qt::KeyboardModifiers modifiers)
{
    if (!(modifiers & Qt::ShiftModifier))
        shiftState = false;
    if (!(modifiers & Qt::ControlModifier))
        altState = false;
    if (modifiers & Qt::AltModifier)
        altState = true;
}

// Guide hover and guide drag; true when the event is fully handled.
bool Gradora::followGuides(const QPoint &pos, bool buttonHeld)
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
    if (buttonHeld)
        return false;

    overGuide = false;
    for (int guide : std::as_const(verticalGuides)) {
        if (hoversGuide(guide, pos.x())) {
            setCursor(Qt::SplitHCursor);
            overGuide = true;
            update();
            return true;
        }
    }
    for (int guide : std::as_const(horizontalGuides)) {
        if (hoversGuide(guide, pos.y())) {
            setCursor(Qt::SplitVCursor);
            overGuide = true;
            update();
            return true;
        }
    }
    if (inGuideBand(pos.x())) {
        setCursor(Qt::SplitHCursor);
        return true;
    }
    if (inGuideBand(pos.y())) {
        setCursor(Qt::SplitVCursor);
        return true;
    }
    if (!inTopLeftSquare(pos))
        setCursor(Qt::ArrowCursor);
    return false;
}

void Gradora::hoverHitTest(const QPoint &pos)
{
    dragMode = Body;
    dragPointIndex = 0;
    const QList<QPoint> points = figureControlPoints();
    for (int i = 0; i < points.size(); ++i) {
        if (dragMode == Body)
            pressInsideFigure = figureContains(pos);
        if (nearControlPoint(points.at(i), pos)) {
            dragMode = ControlPoint;
            dragPointIndex = i;
            setCursor(Qt::ArrowCursor);
        }
    }
    if (dragMode == Body)
        setCursor(shiftState && !altState ? Qt::SizeFDiagCursor : Qt::ArrowCursor);

    if (const std::optional<EdgeHit> edge = edgeAt(pos, size())) {
        dragMode = edge->mode;
        setCursor(edge->cursor);
    }
}

void Gradora::mouseMoveEvent(QMouseEvent *event)
{
    trackModifiers(event->modifiers());
    const QPoint pos = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();
    const bool leftHeld = event->buttons() & Qt::LeftButton;

    if (event->buttons() == Qt::NoButton) {
        if (followGuides(pos, false))
            return;
        hoverHitTest(pos);
    } else if (leftHeld) {
        if (followGuides(pos, true))
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
    menuButtonHover = settings && settings->showTopRightMenu && inMenuZone(pos, width());
    update();
}

void Gradora::dragWindowTo(const QPoint &global)
{
    placeWindowAt(global - grabOffset);
}

void Gradora::grabGuides(const QPoint &pos)
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

void Gradora::openContextMenuAt(const QPoint &global)
{
    aboutToShow();
    contextMenu->exec(global);
}

void Gradora::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const QPoint global = event->globalPosition().toPoint();

    contextMenuShown = false;
    pointerPressed = false;
    if (isActiveWindow() && settings && settings->infoPaneShown)
        moveEvent(nullptr);
    pointerPressed = true;
    if (settings && settings->aboutBox->isVisible())
        settings->aboutBox->close();

    guidesArmed = false;
    if (event->button() == Qt::RightButton) {
        setCursor(Qt::ArrowCursor);
    } else if (guideMode == 3 || guideMode == 4 || overGuide) {
        grabGuides(pos);
    } else if (event->buttons() != Qt::NoButton) {
        // A press in a ticker band drops a new guide there; in the square where the two bands meet
        // the horizontal one wins.
        int requested = 0;
        if (inGuideBand(pos.x()))
            requested = 2;
        if (inGuideBand(pos.y()))
            requested = 1;
        if (requested != 0) {
            setCursor(Qt::ArrowCursor);
            dragMode = Body;
            guidesArmed = true;
            newGuideCreated = true;
            if (requested == 2) {
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
    }

    if (settings && settings->infoPaneShown && infoPanel)
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

    if (colorDialog && colorDialog->isVisible() && hasFocus() && settings) {
        switch (settings->colorTarget) {
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

void Gradora::mouseReleaseEvent(QMouseEvent *)
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

void Gradora::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !contextMenuShown)
        setFullScreen();
    contextMenuShown = false;
}

void Gradora::wheelEvent(QWheelEvent *event)
{
    enterEvent(nullptr);
    const int steps = wheelSteps(event->angleDelta().y());
    wheelAccumulator = accumulateWheel(wheelAccumulator, steps);
    const int v = wheelAccumulator;

    if (altState && shiftState) {
        rotateFigureBy(v);
        recomputeFigure();
        update();
    } else if (altState) {
        if (!fullScreen)
            placeWindow(QRect(pos(), size() + QSize(v, v)));
    } else if (shiftState) {
        if (figureContains(event->position().toPoint())) {
            scaleFigureBy(wheelScaleFactor(v));
        } else if (!fullScreen) {
            placeWindow(grownFrame(frameGeometry(), v));
        }
    } else if (QWidget *grabber = mouseGrabber()) {
        grabber->releaseMouse();
    }
    event->accept();
}

void Gradora::enterEvent(QEnterEvent *)
{
    if (settings && settings->activateOnHover && !(colorDialog && colorDialog->isVisible())) {
        if (settings->infoPaneShown && infoPanel) {
            infoPanel->activateWindow();
            raise();
            if (pointerPressed)
                infoPanel->owner = this;
        }
        raise();
        activateWindow();
    }
    if (isActiveWindow()) {
        const Qt::KeyboardModifiers held = QGuiApplication::queryKeyboardModifiers();
        if (held & (Qt::ControlModifier | Qt::AltModifier))
            altState = true;
        if (held & Qt::ShiftModifier)
            shiftState = true;
    }
}

void Gradora::resizeEvent(QResizeEvent *)
{
    resizing = true;
    moveEvent(nullptr);
    resizing = false;
}

void Gradora::setClearGuides()
{
    verticalGuides.clear();
    horizontalGuides.clear();
    update();
}
