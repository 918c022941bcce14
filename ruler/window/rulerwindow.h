// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figuremodel.h"
#include "paint/repaintregions.h"
#include "prefs/preferences.h"
#include "render/readingtext.h"
#include "render/ticklayout.h"
#include "render/unitscale.h"
#include "ruler/commands/rulercommand.h"
#include "ruler/dialogs/positiondialog.h"
#include "ruler/edgefinder/edgefindertool.h"
#include "ruler/input/compositordrag.h"
#include "ruler/input/pointersession.h"
#include "ruler/input/windowdrag.h"
#include "ruler/panel/panelfollower.h"
#include "ruler/placement/screenplacement.h"
#include "ruler/window/colortarget.h"
#include "ruler/window/rulerstate.h"
#include "ruler/window/rulerstore.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class Desktop;
struct ScreenPicture;
class FigureReadings;
struct FigureStyle;
struct FigureUnits;
class QPainter;
class RulerMenu;
struct RulerPaintCache;
struct RulerPaintState;
struct RulerShared;
class QMoveEvent;
class QUrl;
class QWindow;
class InfoPanel;

// The ruler window: a frameless, translucent top-level window with scales on its edges, guides,
// readings and the flying figure. Its implementation is split by topic over several files.
class RulerWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kDefaultWidth = 300;
    static constexpr int kDefaultHeight = 200;
    static constexpr int kNewRulerOffset = 50;
    static constexpr int kSnapDistance = 25;

    explicit RulerWindow(QWidget *parent = nullptr);
    ~RulerWindow() override;

    QSize sizeHint() const override;
    // The body colours that new rulers take in turn.
    static const QList<QColor> &backgroundPalette();

    // Joins the program: takes the preferences and the shared windows, enters the list of rulers,
    // takes the next palette colour and the stay-on-top flags, and rebuilds the menu.
    void attachTo(RulerShared *rulerShared);
    // Opens as the new ruler made for `source`: beside it (or at `wanted`), and editing the colour
    // that the colour dialog edits there.
    void openBeside(const RulerWindow &source, const std::optional<QRect> &wanted = std::nullopt);
    // Restores a ruler of the last session from its group of the settings file (see RulerStore; empty
    // for the first ruler): options, picture, colours, geometry and figure; then shows it.
    void restoreStored(const QString &group);
    // Writes the session, every open ruler with this one (a ruler on its own: this one), then has the
    // program write its keys.
    void saveSettings();
    // Shows the picture in the file as the ruler's background. False where it cannot be read.
    bool loadPicture(const QString &path);
    // The ruler as the settings file keeps it; in full screen, with the geometry it returns to.
    RulerRecord record() const;
    // Where the window stands on the desktop. It has no frame: its geometry is its frame's, known without
    // asking the window system (on X, frameGeometry() asks anew after every move, a round trip).
    QRect outerGeometry() const { return geometry(); }
    // Every geometry the window takes goes through here: the geometry rule keeps the ruler at least
    // the pointer's minimum, no larger than the desktop, and with a piece to grab on some screen.
    void placeWindow(const QRect &wanted);
    void placeWindowAt(const QPoint &topLeft) { placeWindow(QRect(topLeft, size())); }
    // Recomputes the unit scale from the chosen unit and the display's calibration, silently; a unit
    // that cannot give a scale gives way to "Pixels".
    void recomputeScale();
    // Follows where the window now stands: its display and unit scale, the lock to the screen, and
    // the information panel beside it. Run after every move and resize, and after the commands that
    // change any of these.
    void followWindowMove();
    // The same without painting: the window's content does not depend on where it stands.
    void followPlace();
    // Places and shows the panel that was made after this ruler wanted to show it.
    void takeInfoPanel();
    // With "activate on hover" the ruler under the pointer takes the keyboard and the panel; the
    // modifier chord is then read from the keyboard as it is.
    void takeKeyboardOnHover();
    // Opens the shared colour dialog on one of this ruler's colours; what it picks shows at once.
    void editColour(ColorTarget target);

    // What the window shows, for reading.
    const GuideSet &guides() const { return m_pointer.guides(); }
    // The ruler's reading texts as they are painted: those of its state now, whichever window is
    // active (a dialog that moves or sizes the ruler, or a changed calibration, shows at once).
    RulerReadings readings() const;
    // Options, colours, picture, unit and scale, full screen: what the ruler is, apart from its window.
    const RulerState &state() const { return m_state; }

    // Without a compositing manager the window is shaped to what the ruler draws, its ticker bands and
    // the grab reach around its strokes (see RulerShape); with one it is whole. Follows the compositor
    // at once and the ruler's look after each repaint that changed it.
    void updateShape();
    // The region that the shaped window keeps, computed anew from the current state. While the pointer
    // drags the window it leaves out the figure: its turned strokes and texts cut the shape into
    // thousands of rectangles, and the window system works through all of them at every step.
    QRegion shapeRegion() const;
    bool shapedForWindowDrag() const { return m_windowDragShape; }
    // Where the figure's drawing lies now, what a change of the figure alone repaints (see
    // RulerPainter::figureArea).
    QRegion figureArea() const;
    // How many shapes the window has been given so far.
    int shapesApplied() const { return shapeCount; }

    // Hands a pointer drag to the compositor where it places windows itself (QWindow::startSystemMove
    // or startSystemResize); answers whether the compositor took it. The tests replace it.
    using SystemDrag = std::function<bool(QWindow *window, const CompositorDrag::Request &request)>;
    void setSystemDrag(SystemDrag systemDrag) { m_systemDrag = std::move(systemDrag); }
    // How long after its first show a ruler waits for the window system to report where it put it.
    static constexpr int kPlacementReadbackMs = 3000;

    // The picture's file dialog and its failure message; the tests replace them.
    static std::function<QString(QWidget *parent, const QString &caption, const QString &folder)>
        askPictureFile;
    static std::function<void(QWidget *parent, const QString &title, const QString &text)>
        reportPictureFailure;
    // The file dialog that asks where a picture of the region goes (empty: the user cancelled); the
    // tests replace it.
    static std::function<QString(QWidget *parent, const QString &caption, const QString &suggested)>
        askRegionPictureFile;

    // What the window measures and shows, for reading.
    const FigureModel &flyingFigure() const { return figure; }
    // Shows the given figure as it stands (kind, points, turn and place), as if the user had made it.
    void setFlyingFigure(const FigureModel &model);
    // Sets one of the ruler's colours within the limits that keep the ruler visible, and shows it.
    void setColour(ColorTarget target, const QColor &colour);

public:
    // Runs a command of the menu or the keys.
    void execute(RulerCommand command);
    // The context menu (built from the command table) and its entries.
    RulerMenu *menu() const { return m_menu; }
    // Fills the context menu's top level for the state of the program; every opening runs it.
    void rebuildMenu();

    // The edge finder's look and units, on the ruler or on a still frame.
    EdgeFinderTool::Presentation edgeFinderPresentation() const;
    // A box the edge finder found (desktop coordinates): the window takes its place and size (not in
    // full screen), or with `figure` the flying figure becomes its rectangle.
    void fitToFoundBox(const QRect &box, bool figure);

Q_SIGNALS:
    // What the program around the rulers answers (RulerHub).
    void newRulerRequested();
    void preferencesRequested(PreferencesPage page);
    void aboutRequested();
    void helpRequested();
    void webPageRequested(const QUrl &page);
    void magnifierRequested();
    // The edge finder was asked for where the screen cannot be read live: it runs on a still frame.
    void stillEdgeFinderRequested();
    void updateCheckRequested();
    void quitRequested();
    // This ruler's keys are written; the program's follow.
    void settingsSaved();
    // The context menu was built anew; the tray offers the latest one.
    void menuRebuilt(QMenu *menu);
    void pressedByPointer();
    // A refusal to show the user.
    void messageRequested(const QString &text);

public Q_SLOTS:
    void currentColorChanged(const QColor &color);
    void currentTransChanged(int alpha);

public:
    // Moves the window as a pointer drag does: flush to a screen edge or another program's window
    // within the snap distance when snapping is on; nothing in full screen.
    void moveSnapped(const QPoint &topLeft);
    // The other windows are read once per drag, at its first snap: a press starts a new drag.
    void forgetSnapTargets() { m_windowDrag.forgetSnapTargets(); }
    // A pointer drag of the window (by its body, or by the panel): a press begins one, each motion
    // moves the window as moveSnapped does but at most once a frame where the desktop moves windows
    // more cheaply than the toolkit, and the release takes the window to the drag's last place.
    void beginWindowDrag();
    void dragSnapped(const QPoint &topLeft);
    void endWindowDrag();

protected:
    bool event(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    // Tab turns the figure's placement instead of moving the focus.
    bool focusNextPrevChild(bool) override { return false; }
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Links to the shared objects (not owned).
    RulerShared *shared = nullptr;
    // The desktop the rulers share; null before the ruler attaches.
    Desktop *desktop() const;
    // Whether a compositing manager runs (taken as so before the ruler attaches).
    bool compositing() const;
    // Device pixels per logical pixel, as the desktop last learnt it (1 before the ruler attaches).
    qreal displayScale() const;
    Preferences *preferences = nullptr;
    // The shared panel; null before it is made, which is after the first ruler's window is out.
    InfoPanel *infoPanel() const;

    RulerState m_state;
    int snapDistance = kSnapDistance;
    bool centerFigureOnShow = true;
    FigureModel figure;

    bool option(RulerOption which) const { return m_state.option(which); }
    // What follows from the options once they are read: menu marks and enabled entries.
    void showReadOptions();
    void restore(const RulerRecord &stored);
    void restoreFigure(const FigureModel &stored, bool placed);
    // The menu's check marks that follow the options, the unit and the window's state.
    void syncMenu();
    // The command table's rows call the handlers below.
    friend class CommandRows;
    void toggleFigure();
    void showFigureEntries(bool visible);
    void toggleControlPoints();
    void toggleMinimalReadings();
    void toggleInfoPanel();
    void sendPanelToOtherSide();
    void chooseStartCorner(RulerCommand corner);
    void stepWindow(QPoint direction);
    void turnFigure(double degrees);
    void scaleFigure(double factor);
    void showPreferencesOn(PreferencesPage page);
    // Chooses a unit of the menu; one that cannot give a scale gives way to "Pixels", and the user
    // hears why.
    void chooseUnit(const UnitChoice &unit);
    // The window's own background follows the body's colour.
    void showBackground();
    void setPictureEntriesEnabled(bool enabled);
    void showPictureChoice();
    void keepKeyboard();

    // The modifier chord of the last input event, which the pointer session keeps.
    void clearRememberedModifiers();
    bool altHeld() const;
    bool shiftHeld() const;

    // The pointer session asks the window to act through this (rulerwindow_pointer.cpp).
    class PointerHost;
    static std::unique_ptr<PointerSession::Host> pointerHost(RulerWindow &window);
    void setPointerShape(Qt::CursorShape shape);
    PointerVisuals pointerVisuals() const;
    void repaintPointerChanges(const PointerVisuals &before);
    // The frame of an edge or corner drag with its moving sides snapped to other programs' windows.
    QRect edgeSnapped(const QRect &frame, PointerRules::DragMode edge);
    QPoint snappedPlace(const QPoint &topLeft);
    // Moves the window for a drag; answers the frame to pace the drag's next move at.
    int moveForDrag(const QPoint &topLeft);
    WindowDrag m_windowDrag{[this] { return otherWindows(); },
                            [this](const QPoint &topLeft) { return moveForDrag(topLeft); }};
    QList<QRect> otherWindows() const;
    void openContextMenuAt(const QPoint &global);

    // Keys.
    void prepareForKey(const QKeyEvent *event);
    void saveAndQuit();

    // The program's windows and links.
    void showAbout();
    // Puts the ruler's readings, and its shown figure's, on the clipboard as plain text.
    void copyReadings();
    // A picture of the screen beneath the ruler with the ruler's drawing over it, at the screen's own
    // pixels, to the clipboard or to a PNG file (rulerwindow_regionpicture.cpp). Where no picture of the
    // screen can be had, the user is told why and nothing is copied or saved.
    enum class RegionPictureUse
    {
        Copy,
        Save,
    };
    void takeRegionPicture(RegionPictureUse use);
    void regionPictureTaken(RegionPictureUse use, const QRect &region, const ScreenPicture &picture);
    void saveRegionPicture(const QImage &picture);
    bool m_takingRegionPicture = false;
    void openHelp();
    void openFeatureRequest();
    void openOnlineInfo();
#if GRADORA_UPDATE_CHECK
    void checkForUpdates();
#endif
    // Colours and the ruler's own dialogs.
    void editTransparency();
    void editPositionAndSize();
    // Rulers and the window.
    void newRuler();
    void closeRuler();
    void toggleStayOnTop();
    void toggleSnapToScreen();
    void toggleFullScreen();
    void clearGuides();
    // The picture.
    void openPicture();
    void clearPicture();
    void stretchPicture();
    void toggleProportionalPicture();
    void showPictureAtActualSize();
    void fitRulerToPicture();
    // The Position/Size dialog's boxes move and size the window while they are edited.
    void followEditedGeometry(PositionDialog::Field field, int value);

    // Where the compositor places windows itself (rulerwindow_placement.cpp): the first show asks for
    // a place and reads back where the window went; drags go to the compositor; other placements go to
    // its placement service where it has one, and where it has none, keys and the Position/Size
    // dialog say once, in the panel, that they cannot move the ruler.
    bool placementHonoured() const;
    void askPlacementReadback();
    void followPlacementReport(const QMoveEvent *event);
    void endPlacementReadback();
    bool placedByService(const QRect &frame);
    void sayDesktopPlacesWindows();
    static bool startSystemDrag(QWindow *window, const CompositorDrag::Request &request);
    // Where the toolkit is never told where the window stands (a native Wayland client), the desktop
    // is asked whenever the compositor may have placed or moved the ruler.
    std::optional<QPoint> desktopPosition() const;
    void learnPositionFromDesktop();
    // The geometry the settings file and a return from full screen keep: where the position is not
    // known, the place last asked for (the stored one at start), never a made-up one.
    QRect geometryToKeep() const;
    std::optional<QPoint> m_positionFromDesktop;
    QPoint m_askedPosition;
    bool m_placementAsked = false;
    std::optional<QRect> m_askedPlacement;
    QString m_notice;
    SystemDrag m_systemDrag = &RulerWindow::startSystemDrag;

    // The edge finder (rulerwindow_edges.cpp).
    void toggleEdgeFinder();
    void edgeFinderFailed(const QString &failure);
    void edgeFinderMoved(const QPoint &pos);
    void edgeFinderWheel(QWheelEvent *event);
    bool edgeFinderPressed(const QMouseEvent *event);
    void fitFigureTo(const QRect &box);
    void paintEdgeFinder(QPainter &painter) const;

    // The flying figure as the pointer and the keys see it.
    QList<QPoint> figureControlPoints() const;
    bool figureContains(const QPoint &pos) const;
    // Repaints what a change of the figure alone touched: where it was (`before`) and where it is.
    void updateFigureArea(const QRegion &before);
    void moveFigureBy(const QPoint &delta);
    void dragFigureHandle(int index, const QPoint &pos, QPoint &lastPos, Qt::KeyboardModifiers modifiers);
    void rotateFigureBy(double degrees);
    void scaleFigureBy(double factor);
    void toggleFigurePlacement();
    void recomputeFigure();
    FigureModifiers figureModifiers(Qt::KeyboardModifiers held, Qt::MouseButtons buttons) const;
    FigureModifiers currentFigureModifiers() const;
    void chooseFigure(RulerCommand entry);
    void sendFigureToCentre();

    // What painting reads: a snapshot of the state, taken before each pass (see RulerPainter).
    RulerPaintState paintState() const;
    ReadingScale readingScale() const;
    FigureReadings figureReadings() const;
    FigureStyle figureStyle() const;
    FigureUnits figureUnits() const;
    bool guideSpacingShown() const;
    PanelTexts panelTexts() const;
    // The panel follower asks the window through this (rulerwindow_screen.cpp).
    class PanelRuler;
    static std::unique_ptr<PanelFollower::Ruler> panelRuler(RulerWindow &window);
    PanelFollower m_panel{panelRuler(*this)};

    RulerMenu *m_menu = nullptr;

    // Shaping: what the last shape was made from, and whether a new one is on its way.
    QByteArray shapeSignature() const;
    void noteShapeAfterPaint();
    QByteArray appliedShapeSignature;
    bool shapeUpdatePending = false;
    int shapeCount = 0;
    bool m_windowDragShape = false;
    void setWindowDragShape(bool dragging);

    // The colour that the shared colour dialog edits for this ruler, once it was opened here.
    std::optional<ColorTarget> m_colorTarget;

    // Painting: what later passes reuse.
    mutable std::shared_ptr<RulerPaintCache> m_paintCache;
    // The figure's area as last found, and the shape signature of the state it was found for (the
    // signature holds all that the figure's drawing depends on).
    mutable QRegion m_figureArea;
    mutable QByteArray m_figureAreaKey;

    PointerSession m_pointer{pointerHost(*this)};
    EdgeFinderTool m_edgeFinder;
};
