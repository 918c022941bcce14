// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "prefs/preferences.h"
#include "ruler/commands/rulercommand.h"
#include "ruler/edgefinder/edgefindertool.h"
#include "ruler/input/pointersession.h"
#include "ruler/panel/panelfollower.h"
#include "ruler/placement/windowplacement.h"
#include "ruler/window/colortarget.h"
#include "ruler/window/figurecontrol.h"
#include "ruler/window/rulerstate.h"
#include "ruler/window/rulerstore.h"
#include "ruler/window/rulerview.h"
#include "ruler/window/windowshaper.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class Desktop;
class RulerMenu;
struct RulerShared;
class QUrl;
class InfoPanel;

// The ruler window: a frameless, translucent top-level window with scales on its edges, guides,
// readings and the flying figure. It is a thin widget over parts it owns, each with its own state:
// the ruler's state, the pointer session, the flying figure, the placement, the panel follower, the
// shaper and the edge finder. It hands them its events and answers their questions through small
// hosts (rulerwindow.cpp); what it does with the ruler's state, and the commands and keys, are in
// rulerwindow_state.cpp.
class RulerWindow : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kDefaultWidth = 300;
    static constexpr int kDefaultHeight = 200;
    static constexpr int kNewRulerOffset = 50;

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
    // Every geometry the window takes goes through its placement.
    WindowPlacement &placement() { return m_placement; }
    // Recomputes the unit scale from the chosen unit and the display's calibration, silently; a unit
    // that cannot give a scale gives way to "Pixels".
    void recomputeScale();
    // Follows where the window now stands: its display and unit scale, the lock to the screen, and
    // the information panel beside it. Run after every move and resize, and after the commands that
    // change any of these.
    void followWindowMove();
    // Places and shows the panel that was made after this ruler wanted to show it.
    void takeInfoPanel();
    // Opens the shared colour dialog on one of this ruler's colours; what it picks shows at once.
    void editColor(ColorTarget target);

    // What the window shows, for reading.
    const GuideSet &guides() const { return m_pointer.guides(); }
    // What the ruler shows as its parts stand now, whichever window is active (a dialog that moves or
    // sizes the ruler, or a changed calibration, shows at once): the paint state, the reading texts, the
    // panel's lines.
    RulerView view() const;
    // Options, colours, picture, unit and scale, full screen: what the ruler is, apart from its window.
    const RulerState &state() const { return m_state; }

    // Without a compositing manager the window is shaped to what the ruler draws, its ticker bands and
    // the grab reach around its strokes (see RulerShape); with one it is whole. The shaper follows the
    // compositor at once and the ruler's look after each repaint that changed it.
    const WindowShaper &shaper() const { return m_shaper; }

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
    const FigureModel &flyingFigure() const { return m_figure.model(); }
    // Shows the given figure as it stands (kind, points, turn and place), as if the user had made it.
    void setFlyingFigure(const FigureModel &model) { m_figure.set(model); }
    // Sets one of the ruler's colours within the limits that keep the ruler visible, and shows it.
    void setColor(ColorTarget target, const QColor &color);

    // Runs a command of the menu or the keys.
    void execute(RulerCommand command);
    // The context menu (built from the command table) and its entries.
    RulerMenu *menu() const { return m_menu; }
    // Fills the context menu's top level for the state of the program; every opening runs it.
    void rebuildMenu();

    // A box the edge finder found (desktop coordinates): the window takes its place and size (not in
    // full screen), or with `figure` the flying figure becomes its rectangle.
    void fitToFoundBox(const QRect &box, bool figure);

    // What the commands ask of the window besides its parts.
    // The desktop the rulers share; null before the ruler attaches.
    Desktop *desktop() const;
    // The shared panel; null before it is made, which is after the first ruler's window is out.
    InfoPanel *infoPanel() const;
    // Device pixels per logical pixel, as the desktop last learnt it (1 before the ruler attaches).
    qreal displayScale() const;
    // The figure's entries go with it; a hidden figure cannot be dragged.
    void showFigureEntries(bool visible);
    // Chooses a unit of the menu; one that cannot give a scale gives way to "Pixels", and the user
    // hears why.
    void chooseUnit(const UnitChoice &unit);
    // Closes this ruler; the last one ends the program.
    void closeRuler();

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
    // What the parts ask of the window (rulerwindow.cpp).
    class PointerHost;
    class PlacedRuler;
    class FigureRuler;
    class PanelRuler;
    class ShapedWindow;

    // Whether the window shows its "menu" text in the top-right corner.
    bool menuTextShown() const;
    // What follows from the options once they are read: menu marks and enabled entries.
    void showReadOptions();
    // The menu's check marks that follow the options, the unit and the window's state.
    void syncMenu();
    void openContextMenuAt(const QPoint &global);
    // The window's own background follows the body's colour.
    void showBackground();
    // followWindowMove() without painting: the window's content does not depend on where it stands.
    void followPlace();
    // With "activate on hover" the ruler under the pointer takes the keyboard and the panel; the
    // modifier chord is then read from the keyboard as it is.
    void takeKeyboardOnHover();

    // Links to the shared objects (not owned); null before the ruler attaches.
    RulerShared *m_shared = nullptr;
    Preferences *m_preferences = nullptr;

    RulerState m_state;
    RulerMenu *m_menu = nullptr;
    // The colour that the shared colour dialog edits for this ruler, once it was opened here.
    std::optional<ColorTarget> m_colorTarget;
    // Whether a picture of the region beneath the ruler is on its way.
    bool m_takingRegionPicture = false;

    WindowPlacement m_placement;
    FigureControl m_figure;
    PanelFollower m_panel;
    WindowShaper m_shaper;
    PointerSession m_pointer;
    EdgeFinderTool m_edgeFinder;
};
