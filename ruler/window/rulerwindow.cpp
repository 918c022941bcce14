// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The widget: its parts, what they ask of it, and the events it hands them.
#include "ruler/window/rulerwindow.h"

#include "paint/rulerpainter.h"
#include "platform/desktop.h"
#include "render/menutext.h"
#include "ruler/commands/rulermenu.h"
#include "ruler/panel/infopanel.h"
#include "ruler/window/rulershared.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

using PointerRules::DragMode;

namespace {

// The cursor is set only when its shape changes: setting it costs a round trip to the window system.
void showPointerShape(QWidget &window, Qt::CursorShape shape)
{
    if (!window.testAttribute(Qt::WA_SetCursor) || window.cursor().shape() != shape)
        window.setCursor(shape);
}

} // namespace

// What the pointer session learns about the window and asks of it.
class RulerWindow::PointerHost final : public PointerSession::Host
{
public:
    explicit PointerHost(RulerWindow &window) : m_window(window) {}

    QSize windowSize() const override { return m_window.size(); }
    QRect windowFrame() const override { return m_window.geometry(); }
    bool fullScreen() const override { return m_window.state().fullScreen(); }
    bool guidesShown() const override { return m_window.state().option(RulerOption::ShowGuides); }
    bool guideSpacingOffered() const override { return m_window.state().option(RulerOption::HoverGuides); }
    bool menuButtonShown() const override { return m_window.menuTextShown(); }
    QList<QPoint> figureControlPoints() const override { return m_window.m_figure.controlPoints(); }
    bool figureContains(const QPoint &pos) const override { return m_window.m_figure.contains(pos); }
    Qt::CursorShape pointerShape() const override { return m_window.cursor().shape(); }
    void setPointerShape(Qt::CursorShape shape) override { showPointerShape(m_window, shape); }
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

// What the placement asks of the window.
class RulerWindow::PlacedRuler final : public WindowPlacement::Ruler
{
public:
    explicit PlacedRuler(RulerWindow &window) : m_window(window) {}

    Desktop *desktop() const override { return m_window.desktop(); }
    bool fullScreen() const override { return m_window.state().fullScreen(); }
    bool snapsToScreen() const override { return m_window.state().option(RulerOption::SnapToScreen); }
    bool firstPlacementNotice() override
    {
        RulerShared *shared = m_window.m_shared;
        if (!shared || shared->placementNoticeGiven)
            return false;
        shared->placementNoticeGiven = true;
        return true;
    }

private:
    RulerWindow &m_window;
};

// What the flying figure learns about the window and asks of it.
class RulerWindow::FigureRuler final : public FigureControl::Ruler
{
public:
    explicit FigureRuler(RulerWindow &window) : m_window(window) {}

    QSize size() const override { return m_window.size(); }
    bool figureShown() const override { return m_window.state().option(RulerOption::ShowFigure); }
    FigureModifiers modifiers(Qt::KeyboardModifiers held, Qt::MouseButtons buttons) const override
    {
        FigureModifiers result;
        result.shift = held & Qt::ShiftModifier;
        result.control = held & Qt::ControlModifier;
        result.alt = held & Qt::AltModifier;
        result.leftButton = buttons & Qt::LeftButton;
        result.shiftState = m_window.m_pointer.chord().shift || result.shift;
        result.altState = m_window.m_pointer.chord().alt;
        result.reverseAlt = m_window.state().option(RulerOption::ReverseAlt);
        return result;
    }
    FigureModifiers currentModifiers() const override
    {
        return modifiers(QGuiApplication::queryKeyboardModifiers(), QGuiApplication::mouseButtons());
    }
    QRegion drawnArea() const override { return m_window.m_shaper.figureArea(); }
    void repaint(const QRegion &region) override { m_window.update(region); }
    void repaintAll() override { m_window.update(); }
    void markEntry(RulerCommand entry) override { m_window.m_menu->setChecked(entry, true); }
    void placementTurned() override { m_window.m_pointer.figureTurned(); }

private:
    RulerWindow &m_window;
};

// What the panel follower learns about the window and asks of it.
class RulerWindow::PanelRuler final : public PanelFollower::Ruler
{
public:
    explicit PanelRuler(RulerWindow &window) : m_window(window) {}

    QWidget *window() const override { return &m_window; }
    QRect frame() const override { return m_window.geometry(); }
    InfoPanel *panel() const override { return m_window.infoPanel(); }
    Preferences *preferences() const override { return m_window.m_preferences; }
    bool staysOnTop() const override { return m_window.state().option(RulerOption::StayOnTop); }
    PanelTexts texts() const override
    {
        return m_window.view().panelTexts(m_window.m_placement.desktopPosition(), m_window.m_placement.notice(),
                                          m_window.displayScale());
    }
    void beginDrag() override { m_window.m_placement.beginDrag(); }
    void dragTo(const QPoint &topLeft) override { m_window.m_placement.dragTo(topLeft); }
    void endDrag() override { m_window.m_placement.endDrag(); }
    // Takes the keyboard, asking the window system only when the window does not have it already.
    void keepKeyboard() override
    {
        if (!m_window.isActiveWindow())
            m_window.activateWindow();
        m_window.setFocus();
    }
    void waitForPanel() override
    {
        if (m_window.m_shared)
            m_window.m_shared->panelWaitingRuler = &m_window;
    }

private:
    RulerWindow &m_window;
};

// The window as its shaper sees it: what it draws, the compositor and its mask.
class RulerWindow::ShapedWindow final : public WindowShaper::Window
{
public:
    explicit ShapedWindow(RulerWindow &window) : m_window(window) {}

    RulerPaintState paintState() const override { return m_window.view().paintState(); }
    int dpi() const override { return m_window.logicalDpiY(); }
    // Taken as so before the ruler attaches.
    bool compositing() const override { return !m_window.desktop() || m_window.desktop()->isCompositing(); }
    bool coveredWhole() const override { return m_window.m_edgeFinder.showsBackdrop(); }
    QRegion mask() const override { return m_window.mask(); }
    void setMask(const QRegion &shape) override { m_window.setMask(shape); }
    void clearMask() override { m_window.clearMask(); }
    void repaintLater() override { QTimer::singleShot(0, &m_window, qOverload<>(&QWidget::update)); }
    void later(std::function<void()> step) override { QTimer::singleShot(0, &m_window, std::move(step)); }

private:
    RulerWindow &m_window;
};

RulerWindow::RulerWindow(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint),
      m_placement(*this, std::make_unique<PlacedRuler>(*this)),
      m_figure(std::make_unique<FigureRuler>(*this)),
      m_panel(std::make_unique<PanelRuler>(*this)),
      m_shaper(std::make_unique<ShapedWindow>(*this)),
      m_pointer(std::make_unique<PointerHost>(*this))
{
    setWindowTitle(tr("Gradora"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_MouseTracking);
    setFocusPolicy(Qt::StrongFocus);

    RulerOptionTable::registerKeyOrder();
    m_menu = new RulerMenu(this);
    connect(m_menu, &RulerMenu::triggered, this, &RulerWindow::execute);
    connect(m_menu, &RulerMenu::aboutToShow, this, &RulerWindow::rebuildMenu);
    m_menu->setPictureEntriesEnabled(false);
    m_menu->setVisible(RulerCommand::ProportionalPicture, false);
    for (RulerCommand start : {RulerCommand::UnitPixels, RulerCommand::FlyingRuler, RulerCommand::ActualSize})
        m_menu->setChecked(start, true);

    connect(&m_edgeFinder, &EdgeFinderTool::repaintNeeded, this, qOverload<const QRegion &>(&QWidget::update));
    // Without a picture there is nothing to find: the finder goes, and says why.
    connect(&m_edgeFinder, &EdgeFinderTool::pictureFailed, this, [this](const QString &failure) {
        if (m_edgeFinder.active())
            execute(RulerCommand::EdgeFinder);
        emit messageRequested(failure);
    });

    const RulerStore::Start start = RulerStore::readStart(m_panel.follows());
    RulerSettings settings;
    settings.options = start.options;
    settings.background = backgroundPalette().first();
    m_state.restore(settings);
    m_panel.setFollows(start.panelShown);
    m_panel.setStartSide(start.panelSide);
    m_menu->setEnabled(RulerCommand::PanelSide, m_panel.follows());
    if (m_panel.follows())
        m_menu->setText(RulerCommand::PanelSide, m_panel.startSide() == PanelSide::Right
                                                     ? tr("Send Panel to Left")
                                                     : tr("Send Panel to Right"));
    showReadOptions();
    // The window flags follow when the ruler joins the preferences.
    update();
}

RulerWindow::~RulerWindow()
{
    if (m_shared) {
        m_shared->rulers.removeAll(this);
        if (m_shared->keyboardRuler == this)
            m_shared->keyboardRuler = nullptr;
        if (m_shared->panelWaitingRuler == this)
            m_shared->panelWaitingRuler = nullptr;
    }
}

RulerView RulerWindow::view() const
{
    return {m_state,
            size(),
            m_figure.model(),
            m_pointer.guides(),
            menuTextShown(),
            m_pointer.menuHovered(),
            m_pointer.guideSpacingShown()};
}

bool RulerWindow::menuTextShown() const
{
    return m_preferences && m_preferences->value<bool>(ProgramSetting::ShowTopRightMenu);
}

// Every change of what the window shows asks for a repaint; the panel hears of it then, before the
// paint, with the texts of the state as it now is.
bool RulerWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::UpdateRequest:
        m_panel.sendTexts();
        break;
    case QEvent::Resize:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::WindowActivate:
    case QEvent::Hide:
        m_placement.learnPosition();
        break;
    case QEvent::Show:
        // Once the compositor has mapped the window.
        QTimer::singleShot(0, this, [this] { m_placement.learnPosition(); });
        break;
    default:
        break;
    }
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Paint)
        m_shaper.notePainted();
    return handled;
}

void RulerWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    RulerPainter::paint(painter, view().paintState(), m_shaper.paintCache());
    m_edgeFinder.paint(painter);
}

void RulerWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Every motion of a drag reaches the ruler; once is enough.
    if (desktop())
        desktop()->hearPointerOnce(winId());
    m_placement.askReadback();
    m_figure.showFirstTime();
}

void RulerWindow::closeEvent(QCloseEvent *event)
{
    closeRuler();
    event->accept();
}

// A moved window shows what it showed: it is painted again only when it came onto a display that
// gives its unit another scale. The panel hears of the new place within a frame.
void RulerWindow::moveEvent(QMoveEvent *event)
{
    m_placement.followMoveReport(event);
    const UnitScale before = state().scale();
    followPlace();
    if (state().scale() != before)
        update();
    m_panel.textsSoon();
}

void RulerWindow::resizeEvent(QResizeEvent *)
{
    followWindowMove();
}

void RulerWindow::focusInEvent(QFocusEvent *)
{
    if (m_shared)
        m_shared->keyboardRuler = this;
    followWindowMove();
    if (!m_menu->contextMenu()->isVisible()) {
        rebuildMenu();
        if (m_preferences && m_preferences->value<bool>(ProgramSetting::ShowInfoPanel) && infoPanel()) {
            infoPanel()->show();
            infoPanel()->raise();
        }
    }
}

void RulerWindow::mouseMoveEvent(QMouseEvent *event)
{
    m_pointer.setChord(ModifierLatch::fromHeld(event->modifiers()));
    const PointerVisuals before = m_pointer.visuals();
    const QPoint pos = event->position().toPoint();
    if (m_edgeFinder.active()) {
        // Keys (a released Shift, say) give the arrow back; the finder keeps its cross.
        showPointerShape(*this, Qt::CrossCursor);
        update(m_edgeFinder.pointTo(pos, view().edgeFinderPresentation()));
    } else {
        m_pointer.motion(pos, event->globalPosition().toPoint(), event->buttons(), event->modifiers());
    }
    // A motion that changed nothing paints nothing.
    update(RepaintRegions::changed(before, m_pointer.visuals(), size()));
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
    // In the edge finder a left press fits the window to the box found, with Shift the figure's
    // rectangle instead; the other buttons do what they always do.
    if (m_edgeFinder.active() && event->button() == Qt::LeftButton) {
        setFocus();
        activateWindow();
        const QRect box = m_edgeFinder.foundBox();
        if (!box.isNull())
            fitToFoundBox(box, event->modifiers() & Qt::ShiftModifier);
        return;
    }

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
        openContextMenuAt(MenuText::popupPoint(geometry()));
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

void RulerWindow::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        openContextMenuAt(event->globalPos());
    m_pointer.setContextMenuShown(true);
}

void RulerWindow::wheelEvent(QWheelEvent *event)
{
    takeKeyboardOnHover();
    m_pointer.setChord(ModifierLatch::fromHeld(event->modifiers()));
    event->accept();
    const int v = m_pointer.wheel().turn(event->angleDelta());
    if (m_edgeFinder.active()) {
        if (v != 0)
            update(m_edgeFinder.changeTolerance(v > 0 ? 1 : -1, view().edgeFinderPresentation()));
        return;
    }
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
    const PointerVisuals before = m_pointer.visuals();
    m_pointer.leave();
    update(RepaintRegions::changed(before, m_pointer.visuals(), size()));
}

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
