// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "figure/figuremodel.h"
#include "ruler/hittest.h"
#include "ruler/modifierlatch.h"
#include "ruler/positiondialog.h"
#include "render/readingtext.h"
#include "render/ticklayout.h"
#include "render/unitscale.h"
#include "prefs/preferences.h"
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
class QAction;
class QActionGroup;
class QColorDialog;
class QMenu;
class QPainter;
struct RulerPaintCache;
struct RulerShared;
class QUrl;
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

    // Joins the program: takes the preferences and the shared windows, enters the list of rulers,
    // takes the next palette colour and the stay-on-top flags, and rebuilds the menu.
    void attachTo(RulerShared *rulerShared);
    // Opens as the new ruler made for `source`: beside it, and editing the colour that the colour
    // dialog edits there.
    void openBeside(const RulerWindow &source);
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
    RulerShared *shared = nullptr;
    Preferences *preferences = nullptr;
    QColorDialog *colorDialog = nullptr;
    InfoPanel *infoPanel = nullptr;

    // Display options (persisted).
    bool zeroAtLeft = true;
    bool zeroAtBottom = false;
    bool rulerStartsFrom1 = false;
    bool leftTickerVisible = true;
    bool rightTickerVisible = true;
    bool topTickerVisible = true;
    bool bottomTickerVisible = true;
    bool crossHairVisible = false;
    bool borderVisible = true;
    bool showRulerReadings = true;
    bool R_M_MinimalReadings = false;
    bool R_M_Width = false;
    bool R_M_Height = false;
    bool bottmRightLabel = false;
    bool antiAliasing = false;
    bool hoverGuides = false;
    bool stayOnTop = false;
    bool snapToScreen = false;
    bool lockToScreen = false;
    bool flyingFigureVisible = true;
    bool showOnFigureReadings = true;
    bool showMasterPointLines = false;
    bool boldControlPoints = true;
    bool noControlPoints = false;
    bool stretchImage = false;
    bool proportionalImage = true;
    bool transparentImage = false;
    QString imageFile;
    QColor backgroundColor;
    QColor rulerColor{111, 33, 55, 255};
    QColor guidesColor{Qt::red};

    // Other state.
    bool showGuides = true;
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

    // Menus and actions.
    QMenu *contextMenu = nullptr;
    QMenu *viewMenu = nullptr;
    QMenu *unitMenu = nullptr;
    QMenu *startPointMenu = nullptr;
    QMenu *imageMenu = nullptr;
    QMenu *toolsMenu = nullptr;
    QMenu *figureMenu = nullptr;
    QActionGroup *startPointGroup = nullptr;
    QActionGroup *pixelOriginGroup = nullptr;
    QActionGroup *unitGroup = nullptr;
    QActionGroup *figureGroup = nullptr;

    QAction *actNewRuler = nullptr;
    QAction *actCloseRuler = nullptr;
    QAction *actBackgroundColor = nullptr;
    QAction *actRulerColor = nullptr;
    QAction *actGuidesColor = nullptr;
    QAction *actTransparency = nullptr;
    QAction *actStayOnTop = nullptr;
    QAction *actSnapToScreen = nullptr;
    QAction *actLockToScreen = nullptr;
    QAction *actFullScreen = nullptr;

    QAction *actShowFigure = nullptr;
    QAction *actShowRotationCenter = nullptr;
    QAction *actShowControlPoints = nullptr;
    QAction *actBoldControlPoints = nullptr;
    QAction *actShowFigureReadings = nullptr;
    QAction *actShowBorder = nullptr;
    QAction *actShowReadings = nullptr;
    QAction *actMinimalReadings = nullptr;
    QAction *actBottomRightLabels = nullptr;
    QAction *actCentralPoint = nullptr;
    QAction *actShowGuides = nullptr;
    QAction *actHoverGuides = nullptr;
    QAction *actClearGuides = nullptr;
    QAction *actShowInfoPanel = nullptr;
    QAction *actPanelSide = nullptr;
    QAction *actTopTicker = nullptr;
    QAction *actLeftTicker = nullptr;
    QAction *actBottomTicker = nullptr;
    QAction *actRightTicker = nullptr;
    QAction *actShowAllTickers = nullptr;
    QAction *actHideAllTickers = nullptr;
    QAction *actAntiAliasing = nullptr;
    QAction *actMegapixel = nullptr;

    static constexpr int kUnitEntries = 10;
    QAction *actPixels = nullptr;
    std::array<QAction *, kUnitEntries> physicalUnitActions{};
    std::array<QAction *, kUnitEntries> pixelUnitActions{};
    QAction *actEditUnits = nullptr;
    QAction *actEditPBUnits = nullptr;

    QAction *actTopLeft = nullptr;
    QAction *actTopRight = nullptr;
    QAction *actBottomLeft = nullptr;
    QAction *actBottomRight = nullptr;
    QAction *actStartFromZero = nullptr;
    QAction *actStartFromOne = nullptr;

    QAction *actOpenImage = nullptr;
    QAction *actActualSize = nullptr;
    QAction *actStretchImage = nullptr;
    QAction *actProportional = nullptr;
    QAction *actTransparentImage = nullptr;
    QAction *actRulerToImageSize = nullptr;
    QAction *actClearImage = nullptr;

    QAction *actMagnifier = nullptr;
    QAction *actSetPosition = nullptr;

    static constexpr int kShapeCount = 7;
    QAction *actFlyingRuler = nullptr;
    std::array<QAction *, kShapeCount> cornerShapeActions{};
    std::array<QAction *, kShapeCount> centeredShapeActions{};
    std::array<QAction *, kShapeCount> freeShapeActions{};
    std::array<QAction *, kShapeCount> ratioActions{};
    QAction *actSendToCenter = nullptr;
    QAction *actReverseAlt = nullptr;

    QAction *actPreferences = nullptr;
    QAction *actHelp = nullptr;
    QAction *actCheckUpdates = nullptr;
    QAction *actOnlineInfo = nullptr;
    QAction *actRequestFeature = nullptr;
    QAction *actAbout = nullptr;
    QAction *actQuit = nullptr;

Q_SIGNALS:
    // What the program around the rulers answers (RulerHub).
    void newRulerRequested();
    void preferencesRequested(PreferencesPage page);
    void aboutRequested();
    void helpRequested();
    void webPageRequested(const QUrl &page);
    void magnifierRequested();
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
    void propertiesShow();
    void newRuler();
    void closeRuler();
    void aboutDlg();
    void help();
    void aboutToShow();
    void recenterPolyruler();
    void currentColorChanged(const QColor &color);
    void currentTransChanged(int alpha);
    void setBackgroundAction();
    void setRulerAction();
    void setGuidesAction();
    void setViewBorderAction();
    void setViewFigureAction();
    void setViewRotationCenterAction();
    void setViewMAction();
    void setViewNAction();
    void setViewFReadingsAction();
    void setFlipToolbox();
    void setShowHideInfoPane();
    void setViewReadingsAction();
    void setViewMinimalReadingsAction();
    void setFlyingRuler();
    void set_M_Rectangle();
    void set_M_Square();
    void set_M_Rhombus();
    void set_M_IsoscelesTriangle();
    void set_M_RightTriangle();
    void set_M_Circle();
    void set_M_Ellipse();
    void set_S_Rectangle();
    void set_S_Square();
    void set_S_Rhombus();
    void set_S_IsoscelesTriangle();
    void set_S_RightTriangle();
    void set_S_Circle();
    void set_S_Ellipse();
    void set_F_Rectangle();
    void set_F_Square();
    void set_F_Rhombus();
    void set_F_IsoscelesTriangle();
    void set_F_RightTriangle();
    void set_F_Circle();
    void set_F_Ellipse();
    void setStayOnTop();
    void setSnapToScreen();
    void setLockToScreen();
    void setAntiAliasing();
    void setUnit(bool quiet);
    void setUnit();
    void setZeroPoint();
    void setTickerTop();
    void setTickerLeft();
    void setTickerRight();
    void setTickerBottom();
    void setHideAllTickers();
    void setShowAllTickers();
    void setCrossHair();
    void setStartFromOne();
    void setStartFromZero();
    void setTransparency();
    void setOpenImage();
    void setClearImage();
    void setStretchImage();
    void setProportional();
    void setActualSize();
    void setRulerToImageSize();
    void setTransparentImage();
    void setMagnifier();
    void setManualSet();
    void setFullScreen();
#if GRADORA_UPDATE_CHECK
    void setCheckForUpdates();
#endif
    void setShowGuides();
    void setHoverGuides();
    void setClearGuides();
    void setMinimalistic();
    void suggest();
    void onlineHelpLink();
    void invertAlt();
    void set4to3Ratio();
    void set16to9Ratio();
    void set5to3Ratio();
    void set3to2ratio();
    void set185ratio();
    void set239ratio();
    void setGoldenRatio();
    void setMPix();
    void editUnits();
    void editPBUnits();

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
    void createActions();
    void createMenus();
    void labelEntries();
    void readOptions();
    void showPreferencesOn(PreferencesPage page);
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
    bool handleAltShiftChord(int key);
    bool handleExactlyAlt(const QKeyEvent *event);
    void prepareForKey(const QKeyEvent *event);
    bool handleArrowKey(int key);
    bool handleFigureKey(const QKeyEvent *event);
    bool handleOptionKey(int key);
    void quitSavingThisRuler();
    // The Position/Size dialog's boxes move and size the window while they are edited.
    void followEditedGeometry(PositionDialog::Field field, int value);
    // F1, Ctrl+Q, Ctrl+W and Escape, before the program's own keys.
    bool runConventionKey(const QKeyEvent *event);

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
    void chooseFigure(int kind, QAction *entry);
    void chooseRatio(double ratio, QAction *entry);

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

    // Shaping: what the last shape was made from, and whether a new one is on its way.
    QByteArray shapeSignature() const;
    void noteShapeAfterPaint();
    QByteArray appliedShapeSignature;
    bool shapeUpdatePending = false;
    int shapeCount = 0;
};
