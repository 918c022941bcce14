// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figuremodel.h"
#include "render/readingtext.h"
#include "render/ticklayout.h"
#include "render/unitscale.h"
#include "ruler/hittest.h"
#include "ruler/modifierlatch.h"
#include "ruler/positiondialog.h"
#include "ruler/rulercommand.h"
#include "ruler/ruleroptions.h"
#include "ruler/wheelsteps.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class FigureReadings;
struct FigureStyle;
struct FigureUnits;
class QColorDialog;
class QPainter;
class RulerMenu;
struct RulerPaintCache;
class Settings;
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

    // Joins the preferences object: takes the shared windows, the next palette colour and the
    // stay-on-top flags, and rebuilds the menu.
    void attachTo(Settings *preferences);
    // Restores picture, colours and geometry of the first ruler of a run, then shows it.
    void restoreFirstRuler();
    // Writes this ruler's keys, then the program-wide keys.
    void saveSettings();
    // Every geometry the window takes goes through here: the geometry rule keeps the ruler at least
    // the pointer's minimum, no larger than the desktop, and with a piece to grab on some screen.
    void placeWindow(const QRect &wanted);
    void placeWindowAt(const QPoint &topLeft) { placeWindow(QRect(topLeft, size())); }
    // Recomputes the unit scale from the checked unit and the display's calibration, silently;
    // a unit that cannot give a scale checks "Pixels".
    void recomputeScale();
    // Draws the background picture where its options place it; a step of the paint pass.
    void drawPicture(QPainter &painter) const;

    // Without a compositing manager the window is shaped to what the ruler draws, its ticker bands and
    // the grab reach around its strokes (see RulerShape); with one it is whole. Follows the compositor
    // at once and the ruler's look after each repaint that changed it.
    void updateShape();
    // The region that the shaped window keeps, computed anew from the current state.
    QRegion shapeRegion() const;
    // How many shapes the window has been given so far.
    int shapesApplied() const { return shapeCount; }

    // The picture's file dialog and its failure message; the tests replace them.
    static std::function<QString(QWidget *parent, const QString &caption, const QString &folder)>
        askPictureFile;
    static std::function<void(QWidget *parent, const QString &title, const QString &text)>
        reportPictureFailure;

    // Links to the shared objects (not owned).
    Settings *settings = nullptr;
    QColorDialog *colorDialog = nullptr;
    InfoPanel *infoPanel = nullptr;

    // Stored values that are not on/off options.
    QString imageFile;
    QColor backgroundColor;
    QColor rulerColor{111, 33, 55, 255};
    QColor guidesColor{Qt::red};

    // Other state.
    bool pointerPressed = true;
    int toolboxPosition = 2;
    bool fullScreen = false;
    QRect normalGeometry{0, 0, 0, 0};
    bool resizing = false;
    int displayIndex = 0;
    int snapDistance = kSnapDistance;
    int colorTarget = 0;
    // The unit the ruler measures in (unitKind, unitLabel, pixels per unit), never persisted.
    UnitScale scale;
    bool centerFigureOnShow = true;
    QList<QColor> backgroundPalette;
    QImage image;
    FigureModel figure;

    // Painting: the background alpha after the colour limits, and the reading texts of the last pass
    // that ran while the window was active.
    float backgroundAlpha = 0;
    RulerReadings readings;
    // The tickers' lines and numbers, kept between passes so that painting allocates nothing new.
    mutable TickMarks tickMarks;
    // Fonts, laid-out numbers and tick rectangles that later passes reuse (made by the first pass).
    mutable std::shared_ptr<RulerPaintCache> paintCache;

    // Pointer state.
    int dragMode = 0;
    int dragPointIndex = 0;
    int guideMode = 0;
    int dragGuideH = 0;
    int dragGuideV = 0;
    bool guidesArmed = true;
    bool overGuide = false;
    bool newGuideCreated = false;
    int newGuidePos = 0;
    bool pressInsideFigure = false;
    QPoint grabOffset;
    QSize pressSize;
    QPoint pressGlobal;
    QPoint lastLocalPos;
    bool altState = false;
    bool shiftState = false;
    bool shiftResize = false;
    bool edgeDragActive = false;
    WheelSteps wheelSteps;
    bool menuButtonHover = false;
    bool contextMenuShown = false;
    QList<int> verticalGuides;
    QList<int> horizontalGuides;

    // Arrow-key steps, copied from the preferences at every key press.
    int move_normal = 1;
    int move_more = 100;
    int resize_normal = 1;
    int resize_more = 10;

public:
    // Runs a command of the menu or the keys.
    void execute(RulerCommand command);
    const RulerOptions &options() const { return m_options; }
    // The context menu (built from the command table) and its entries.
    RulerMenu *menu() const { return m_menu; }
    // Fills the context menu's top level for the state of the program; every opening runs it.
    void rebuildMenu();
    // Chooses the checked unit of the menu: a unit that cannot give a scale checks "Pixels", with a
    // message unless quiet.
    void setUnit(bool quiet);

public Q_SLOTS:
    void currentColorChanged(const QColor &color);
    void currentTransChanged(int alpha);

public:
    // The window's move handling; also run directly, with no event.
    void moveEvent(QMoveEvent *event) override;
    // Moves the window as a pointer drag does: flush to a screen edge within the snap distance when
    // snapping is on; nothing in full screen.
    void moveSnapped(const QPoint &topLeft);

    // Pointer and keys. enterEvent also runs with no event.
    void enterEvent(QEnterEvent *event) override;

protected:
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
    bool option(RulerOption which) const { return m_options.value(which); }
    void readOptions();
    // The menu's check marks that follow the options and the window's state.
    void syncMenu();
    // The steps of execute(), by kind of command; each returns whether it ran the command.
    bool runProgramCommand(RulerCommand command);
    bool runWindowCommand(RulerCommand command);
    bool runViewCommand(RulerCommand command);
    bool runChoiceCommand(RulerCommand command);
    bool runFigureCommand(RulerCommand command);
    bool runPictureCommand(RulerCommand command);
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
    void showPreferencesOn(QWidget *page);
    void startColorEditing(int target, const QColor &current);
    void setAllTickers(bool visible);
    void setPictureEntriesEnabled(bool enabled);
    bool loadPicture(const QString &path);
    void showPictureChoice();
    void clearRememberedModifiers();

    // Pointer helpers.
    void takeChord(const ModifierLatch::Chord &chord);
    HitTest::Scene hitScene(bool guideLines) const;
    bool followDraggedGuide(const QPoint &pos);
    void hoverHitTest(const QPoint &pos);
    void dropNewGuide(const QPoint &pos, Qt::Orientation orientation);
    void grabGuides(const QPoint &pos);
    void dragWindowTo(const QPoint &global);
    void openContextMenuAt(const QPoint &global);

    // Keys.
    void prepareForKey(const QKeyEvent *event);
    void quitSavingThisRuler();

    // The program's windows and links.
    void showPreferences();
    void showAbout();
    void showMagnifier();
    void openHelp();
    void openFeatureRequest();
    void openOnlineInfo();
#if GRADORA_UPDATE_CHECK
    void checkForUpdates();
#endif
    // Colours and the ruler's own dialogs.
    void editBackgroundColour();
    void editRulerColour();
    void editGuidesColour();
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

    // The flying figure as the pointer and the keys see it.
    QList<QPoint> figureControlPoints() const;
    bool figureContains(const QPoint &pos) const;
    void moveFigureBy(const QPoint &delta);
    void dragFigureHandle(int index, const QPoint &pos, Qt::KeyboardModifiers modifiers);
    void rotateFigureBy(double degrees);
    void scaleFigureBy(double factor);
    void toggleFigurePlacement();
    void recomputeFigure();
    FigureModifiers figureModifiers(Qt::KeyboardModifiers held, Qt::MouseButtons buttons) const;
    FigureModifiers currentFigureModifiers() const;
    void chooseFigure(RulerCommand entry);
    void sendFigureToCentre();

    // Steps of the paint pass.
    ReadingScale readingScale() const;
    void applyColourLimits();
    void drawBorder(QPainter &painter) const;
    void drawMenuText(QPainter &painter) const;
    void drawGuides(QPainter &painter) const;
    void drawGuideSpacing(QPainter &painter) const;
    void drawTickers(QPainter &painter) const;
    void writePanelTexts(const FigureReadings &figureReadings);
    // The ruler's "Area | Perimeter" line as drawn, or empty where the window writes none.
    QString rulerAreaLine() const;
    void drawReadings(QPainter &painter, QPoint areaLineBaseline) const;
    void drawCrossHair(QPainter &painter) const;
    FigureStyle figureStyle() const;
    void drawFigure(QPainter &painter, const FigureReadings &figureReadings, const FigureStyle &style) const;
    // The steps after the body's fill; the window's shape runs them too.
    void drawContent(QPainter &painter, const FigureReadings &figureReadings) const;
    FigureUnits figureUnits() const;

    RulerOptions m_options;
    RulerMenu *m_menu = nullptr;

    // Shaping: what the last shape was made from, and whether a new one is on its way.
    QByteArray shapeSignature() const;
    void noteShapeAfterPaint();
    QByteArray appliedShapeSignature;
    bool shapeUpdatePending = false;
    int shapeCount = 0;
};
