// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The mouse and the wheel: moving and resizing the window, guides, and the figure by its body and handles.
#include "ruler/window/rulerwindow.h"

#include "paint/repaintregions.h"
#include "render/menutext.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/panel/infopanel.h"
#include "ruler/window/rulershared.h"

#include <QColorDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QWheelEvent>

using PointerRules::DragMode;


// What the pointer session learns about the window and asks of it.
class RulerWindow::PointerHost final : public PointerSession::Host
{
public:
    explicit PointerHost(RulerWindow &window) : m_window(window) {}

    QSize windowSize() const override { return m_window.size(); }
    QRect windowFrame() const override { return m_window.outerGeometry(); }
    bool fullScreen() const override { return m_window.state().fullScreen(); }
    bool guidesShown() const override { return m_window.option(RulerOption::ShowGuides); }
    bool menuButtonShown() const override
    {
        return m_window.m_preferences && m_window.m_preferences->value<bool>(ProgramSetting::ShowTopRightMenu);
    }
    QList<QPoint> figureControlPoints() const override { return m_window.m_figure.controlPoints(); }
    bool figureContains(const QPoint &pos) const override { return m_window.m_figure.contains(pos); }
    Qt::CursorShape pointerShape() const override { return m_window.cursor().shape(); }
    void setPointerShape(Qt::CursorShape shape) override { m_window.setPointerShape(shape); }
    void dragWindowTo(const QPoint &topLeft) override
    {
        m_window.m_shaper.setWindowDrag(true);
        m_window.m_placement.dragTo(topLeft);
    }
    void sizeWindow(const QRect &frame) override { m_window.m_placement.place(frame); }
    void resizeByEdge(const QRect &frame, DragMode edge) override
    {
        m_window.m_placement.place(m_window.m_placement.edgeSnapped(frame, edge));
    }
    void moveFigureBy(const QPoint &delta) override { m_window.m_figure.moveBy(delta); }
    void dragFigureHandle(int index, const QPoint &pos, QPoint &lastPos, Qt::KeyboardModifiers modifiers) override
    {
        m_window.m_figure.dragHandle(index, pos, lastPos, modifiers);
    }
    bool compositorPlacesWindows() const override { return !m_window.m_placement.honoured(); }
    void startSystemDrag(const CompositorDrag::Request &request) override
    {
        m_window.m_placement.handToCompositor(request);
    }

private:
    RulerWindow &m_window;
};

std::unique_ptr<PointerSession::Host> RulerWindow::pointerHost(RulerWindow &window)
{
    return std::make_unique<PointerHost>(window);
}

void RulerWindow::clearRememberedModifiers()
{
    m_pointer.setChord({});
}

bool RulerWindow::altHeld() const
{
    return m_pointer.chord().alt;
}

bool RulerWindow::shiftHeld() const
{
    return m_pointer.chord().shift;
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
    visuals.menuHovered = m_pointer.menuHovered() && m_preferences &&
                          m_preferences->value<bool>(ProgramSetting::ShowTopRightMenu);
    if (option(RulerOption::ShowGuides)) {
        visuals.horizontalGuides = m_pointer.guides().horizontal();
        visuals.verticalGuides = m_pointer.guides().vertical();
        visuals.guideSpacing = guideSpacingShown();
        visuals.spacingX = m_pointer.guides().pointer().x();
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
    m_pointer.setChord(ModifierLatch::fromHeld(event->modifiers()));
    const PointerVisuals before = pointerVisuals();
    const QPoint pos = event->position().toPoint();
    if (m_edgeFinder.active())
        edgeFinderMoved(pos);
    else
        m_pointer.motion(pos, event->globalPosition().toPoint(), event->buttons(), event->modifiers());
    repaintPointerChanges(before);
}

void RulerWindow::openContextMenuAt(const QPoint &global)
{
    rebuildMenu();
    m_menu->contextMenu()->exec(global);
}

void RulerWindow::mousePressEvent(QMouseEvent *event)
{
    // A release lost to another grab leaves no drag behind.
    m_placement.endDrag();
    m_shaper.setWindowDrag(false);
    m_placement.beginDrag();
    const QPoint global = event->globalPosition().toPoint();
    m_pointer.setChord(ModifierLatch::fromHeld(event->modifiers()));
    m_pointer.setContextMenuShown(false);
    m_panel.setFollows(false);
    if (isActiveWindow() && m_preferences && m_preferences->value<bool>(ProgramSetting::ShowInfoPanel))
        followWindowMove();
    m_panel.setFollows(true);
    emit pressedByPointer();
    m_placement.endReadback();
    m_placement.clearNotice();
    if (m_edgeFinder.active() && edgeFinderPressed(event))
        return;

    m_pointer.press(event->position().toPoint(), global, event->button(), event->buttons());
    if (m_preferences && m_preferences->value<bool>(ProgramSetting::ShowInfoPanel) && infoPanel())
        infoPanel()->raise();
    setFocus();
    activateWindow();
    raise();
    takeKeyboardOnHover();
    rebuildMenu();

    if (event->button() == Qt::RightButton)
        openContextMenuAt(global);
    const bool menuPressed = m_pointer.takeMenuPress();
    if (menuPressed)
        openContextMenuAt(MenuText::popupPoint(outerGeometry()));
    // A press on a ruler while the colour dialog is open edits the same colour of this ruler.
    if (m_shared && m_shared->colorDialogShown() && hasFocus()) {
        if (m_shared->colorTarget)
            editColor(*m_shared->colorTarget);
    }
    update();
    if (event->button() == Qt::LeftButton && !menuPressed && !m_pointer.draggingGuide())
        m_pointer.handOver();
}

void RulerWindow::mouseReleaseEvent(QMouseEvent *)
{
    m_placement.endDrag();
    m_shaper.setWindowDrag(false);
    m_pointer.release();
    update();
}

void RulerWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && !m_pointer.contextMenuShown() && !m_edgeFinder.active())
        execute(RulerCommand::FullScreen);
    m_pointer.setContextMenuShown(false);
}

void RulerWindow::wheelEvent(QWheelEvent *event)
{
    takeKeyboardOnHover();
    m_pointer.setChord(ModifierLatch::fromHeld(event->modifiers()));
    if (m_edgeFinder.active()) {
        edgeFinderWheel(event);
        return;
    }
    event->accept();
    const int v = m_pointer.wheel().turn(event->angleDelta());
    const ModifierLatch::Chord chord = m_pointer.chord();
    if (!chord.alt && !chord.shift) {
        if (QWidget *grabber = mouseGrabber())
            grabber->releaseMouse();
        return;
    }
    if (v == 0)
        return;

    if (chord.alt && chord.shift) {
        m_figure.turn(v);
    } else if (chord.alt) {
        if (!state().fullScreen())
            m_placement.place(QRect(pos(), size() + QSize(v, v)));
    } else if (m_figure.contains(event->position().toPoint())) {
        m_figure.scale(PointerRules::wheelScaleFactor(v));
    } else if (!state().fullScreen()) {
        m_placement.place(PointerRules::grownFrame(geometry(), v));
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
    m_pointer.leave();
    repaintPointerChanges(before);
}

// With "activate on hover" the ruler under the pointer takes the keyboard and the panel; the chord is
// then read from the keyboard as it is.
void RulerWindow::takeKeyboardOnHover()
{
    if (m_preferences && m_preferences->value<bool>(ProgramSetting::ActivateOnHover) &&
        !(m_shared && m_shared->colorDialogShown())) {
        if (m_preferences->value<bool>(ProgramSetting::ShowInfoPanel) && infoPanel()) {
            infoPanel()->activateWindow();
            raise();
            if (m_panel.follows())
                infoPanel()->setOwner(&m_panel);
        }
        raise();
        activateWindow();
    }
    if (isActiveWindow())
        m_pointer.setChord(ModifierLatch::fromHeld(QGuiApplication::queryKeyboardModifiers()));
}

void RulerWindow::resizeEvent(QResizeEvent *)
{
    followWindowMove();
}

