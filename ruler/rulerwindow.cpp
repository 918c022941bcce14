// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// Construction, joining the preferences, persistence, and the life of a ruler window.
#include "ruler/rulerwindow.h"

#include "ruler/compositorwatch.h"
#include "ruler/geometryrule.h"
#include "prefs/programstore.h"
#include "ruler/rulerkeys.h"
#include "ruler/infopanel.h"
#include "ruler/screenplacement.h"
#include "ruler/rulershared.h"
#include "prefs/storevalues.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QImageReader>
#include <QMenu>
#include <QScreen>
#include <QSettings>

using namespace StoreValues;

RulerWindow::RulerWindow(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint)
{
    setWindowTitle(tr("Gradora"));
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_MouseTracking);
    setFocusPolicy(Qt::StrongFocus);

    backgroundPalette = {QColor(255, 255, 255, 128), QColor(240, 247, 244, 128), QColor(255, 246, 237, 128),
                         QColor(255, 235, 255, 128), QColor(255, 255, 235, 128), QColor(235, 235, 255, 128),
                         QColor(235, 235, 235, 128)};
    backgroundColor = backgroundPalette.first();

    createActions();
    createMenus();
    figure.createInitialFigure(size());
    readOptions();

    connect(CompositorWatch::instance(), &CompositorWatch::runningChanged, this, &RulerWindow::updateShape);
}

RulerWindow::~RulerWindow()
{
    if (shared)
        shared->rulers.removeAll(this);
    delete contextMenu;
    delete viewMenu;
    delete unitMenu;
    delete startPointMenu;
    delete imageMenu;
    delete toolsMenu;
    delete figureMenu;
}

QSize RulerWindow::sizeHint() const
{
    return {kDefaultWidth, kDefaultHeight};
}

void RulerWindow::readOptions()
{
    ProgramStore::selectFormat();
    const QSettings store;

    showMasterPointLines = readBool(store, RulerKeys::showMasterPointLines, false);
    actShowRotationCenter->setChecked(showMasterPointLines);

    zeroAtLeft = readBool(store, RulerKeys::zeroAtLeft, true);
    zeroAtBottom = readBool(store, RulerKeys::zeroAtBottom, false);
    QAction *startPoint = zeroAtBottom ? (zeroAtLeft ? actBottomLeft : actBottomRight)
                                       : (zeroAtLeft ? actTopLeft : actTopRight);
    startPoint->setChecked(true);

    crossHairVisible = readBool(store, RulerKeys::crossHairVisible, false);
    actCentralPoint->setChecked(crossHairVisible);
    borderVisible = readBool(store, RulerKeys::borderVisible, true);
    actShowBorder->setChecked(borderVisible);

    R_M_Width = readBool(store, RulerKeys::R_M_Width, false);
    R_M_Height = readBool(store, RulerKeys::R_M_Height, false);
    R_M_MinimalReadings = readBool(store, RulerKeys::R_M_MinimalReadings, false);
    actMinimalReadings->setChecked(R_M_MinimalReadings);

    actReverseAlt->setChecked(readBool(store, RulerKeys::selectInvertedAlt, false));

    // Loaded through the toggle, so that its side effects on the menus apply.
    flyingFigureVisible = !readBool(store, RulerKeys::flyingFigureVisible, true);
    setViewFigureAction();

    bottmRightLabel = readBool(store, RulerKeys::bottmRightLabel, false);
    actBottomRightLabels->setChecked(bottmRightLabel);

    // With the figure hidden the toggle refuses the change, so the readings start off.
    showOnFigureReadings = !readBool(store, RulerKeys::showOnFigureReadings, true);
    setViewFReadingsAction();

    showRulerReadings = readBool(store, RulerKeys::showRulerReadings, true);
    actShowReadings->setChecked(showRulerReadings);
    actMinimalReadings->setEnabled(showRulerReadings);

    hoverGuides = readBool(store, RulerKeys::hoverGuides, false);
    actHoverGuides->setChecked(hoverGuides);

    snapToScreen = readBool(store, RulerKeys::snapToScreen, false);
    actSnapToScreen->setChecked(snapToScreen);
    lockToScreen = readBool(store, RulerKeys::lockToScreen, false);
    actLockToScreen->setChecked(lockToScreen);

    antiAliasing = readBool(store, RulerKeys::antiAliasing, false);
    actAntiAliasing->setCheckable(true);
    actAntiAliasing->setChecked(antiAliasing);
    actMegapixel->setCheckable(true);
    actMegapixel->setChecked(readBool(store, RulerKeys::selectMPix, true));

    leftTickerVisible = readBool(store, RulerKeys::leftTickerVisible, true);
    actLeftTicker->setChecked(leftTickerVisible);
    rightTickerVisible = readBool(store, RulerKeys::rightTickerVisible, true);
    actRightTicker->setChecked(rightTickerVisible);
    topTickerVisible = readBool(store, RulerKeys::topTickerVisible, true);
    actTopTicker->setChecked(topTickerVisible);
    bottomTickerVisible = readBool(store, RulerKeys::bottomTickerVisible, true);
    actBottomTicker->setChecked(bottomTickerVisible);

    rulerStartsFrom1 = readBool(store, RulerKeys::rulerStartsFrom1, false);
    (rulerStartsFrom1 ? actStartFromOne : actStartFromZero)->setChecked(true);

    pointerPressed = readBool(store, RulerKeys::canShowToolbox, pointerPressed);
    toolboxPosition = readInt(store, RulerKeys::toolboxPosition, 2);
    actPanelSide->setEnabled(pointerPressed);
    if (pointerPressed)
        actPanelSide->setText(toolboxPosition == 2 ? tr("Send Panel to Left") : tr("Send Panel to Right"));

    boldControlPoints = !readBool(store, RulerKeys::boldControlPoints, boldControlPoints);
    setViewNAction();

    noControlPoints = readBool(store, RulerKeys::noControlPoints, noControlPoints);
    actShowControlPoints->setChecked(!noControlPoints);
    actBoldControlPoints->setEnabled(!noControlPoints);

    // The window flags follow when the ruler joins the preferences.
    stayOnTop = readBool(store, RulerKeys::stayOnTop, false);
    update();
}

void RulerWindow::attachTo(RulerShared *rulerShared)
{
    shared = rulerShared;
    preferences = shared->preferences;
    shared->rulers.append(this);

    colorDialog = shared->colorDialog;
    colorDialog->setCurrentColor(backgroundColor);

    infoPanel = shared->infoPanel;
    preferences->setPanelSide(toolboxPosition == 1 ? Preferences::PanelSide::Left : Preferences::PanelSide::Right);

    backgroundColor = backgroundPalette.at(preferences->takeNextColorIndex(int(backgroundPalette.size())));
    // A unit edit in the preferences shows at once; a broken unit falls back to pixels.
    auto followTables = [this] {
        recomputeScale();
        aboutToShow();
        update();
    };
    connect(preferences, &Preferences::unitsChanged, this, followTables);
    connect(preferences, &Preferences::displaysChanged, this, followTables);
    connect(preferences, &Preferences::optionsChanged, this, qOverload<>(&QWidget::update));

    if (stayOnTop) {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                       Qt::WindowStaysOnTopHint);
        actStayOnTop->setChecked(true);
    }
    aboutToShow();
}

void RulerWindow::restoreFirstRuler()
{
    ProgramStore::selectFormat();
    QSettings store;

    stretchImage = readBool(store, RulerKeys::stretchImage, false);
    actStretchImage->setChecked(stretchImage);
    proportionalImage = readBool(store, RulerKeys::proportionalImage, true);
    actProportional->setChecked(proportionalImage);
    transparentImage = readBool(store, RulerKeys::transparentImage, false);
    actTransparentImage->setChecked(transparentImage);

    image = QImage();
    imageFile.clear();
    setPictureEntriesEnabled(false);
    const QString storedPicture = readText(store, RulerKeys::imageFile, kLongestPath);
    if (!storedPicture.isEmpty())
        loadPicture(storedPicture);

    backgroundColor = readColor(store, RulerKeys::background, backgroundColor);
    rulerColor = QColor(111, 33, 55, 255);
    rulerColor = readColor(store, RulerKeys::rulerColor, rulerColor);
    guidesColor = readColor(store, RulerKeys::guidesColor, guidesColor);

    // Unreadable, empty or absurd stored geometry gives the empty-store one; the rule does the rest.
    placeWindow(GeometryRule::restored(store.value(RulerKeys::geometry), GeometryRule::currentScreens()));

    show();
    activateWindow();
    raise();
    setFocus();
}

void RulerWindow::saveSettings()
{
    ProgramStore::selectFormat();
    QSettings store;
    store.setValue(RulerKeys::showMasterPointLines, showMasterPointLines);
    store.setValue(RulerKeys::zeroAtLeft, zeroAtLeft);
    store.setValue(RulerKeys::zeroAtBottom, zeroAtBottom);
    store.setValue(RulerKeys::crossHairVisible, crossHairVisible);
    store.setValue(RulerKeys::borderVisible, borderVisible);
    store.setValue(RulerKeys::flyingFigureVisible, flyingFigureVisible);
    store.setValue(RulerKeys::showRulerReadings, showRulerReadings);
    store.setValue(RulerKeys::hoverGuides, hoverGuides);
    store.setValue(RulerKeys::stayOnTop, stayOnTop);
    store.setValue(RulerKeys::selectInvertedAlt, actReverseAlt->isChecked());
    store.setValue(RulerKeys::selectMPix, actMegapixel->isChecked());
    store.setValue(RulerKeys::snapToScreen, snapToScreen);
    store.setValue(RulerKeys::lockToScreen, lockToScreen);
    store.setValue(RulerKeys::antiAliasing, antiAliasing);
    store.setValue(RulerKeys::leftTickerVisible, leftTickerVisible);
    store.setValue(RulerKeys::rightTickerVisible, rightTickerVisible);
    store.setValue(RulerKeys::topTickerVisible, topTickerVisible);
    store.setValue(RulerKeys::bottomTickerVisible, bottomTickerVisible);
    store.setValue(RulerKeys::rulerStartsFrom1, rulerStartsFrom1);
    store.setValue(RulerKeys::imageFile, imageFile);
    store.setValue(RulerKeys::stretchImage, stretchImage);
    store.setValue(RulerKeys::proportionalImage, proportionalImage);
    store.setValue(RulerKeys::transparentImage, transparentImage);
    store.setValue(RulerKeys::boldControlPoints, boldControlPoints);
    store.setValue(RulerKeys::noControlPoints, noControlPoints);
    store.setValue(RulerKeys::bottmRightLabel, bottmRightLabel);
    store.setValue(RulerKeys::R_M_Width, R_M_Width);
    store.setValue(RulerKeys::R_M_Height, R_M_Height);
    store.setValue(RulerKeys::R_M_MinimalReadings, R_M_MinimalReadings);

    // A ruler saved in full screen reopens at its normal size.
    if (fullScreen)
        placeWindow(normalGeometry);
    store.setValue(RulerKeys::geometry, geometry());
    store.setValue(RulerKeys::background, backgroundColor);
    store.setValue(RulerKeys::rulerColor, rulerColor);
    store.setValue(RulerKeys::guidesColor, guidesColor);
    store.sync();

    emit settingsSaved();
}

void RulerWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (centerFigureOnShow) {
        recenterPolyruler();
        centerFigureOnShow = false;
    }
}

void RulerWindow::clearRememberedModifiers()
{
    altState = false;
    shiftState = false;
}

void RulerWindow::newRuler()
{
    clearRememberedModifiers();
    emit newRulerRequested();
}

void RulerWindow::openBeside(const RulerWindow &source)
{
    if (colorDialog->isVisible()) {
        switch (source.colorTarget) {
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

    clearRememberedModifiers();
    placeWindow(QRect(source.pos() + QPoint(kNewRulerOffset, kNewRulerOffset), sizeHint()));
    show();
    aboutToShow();
    activateWindow();
    raise();
    setFocus();
}

void RulerWindow::closeRuler()
{
    saveSettings();
    if (!shared || shared->rulers.size() < 2) {
        // The last ruler ends the program; it stays in the list until the end.
        emit quitRequested();
        disconnect(this, nullptr, nullptr, nullptr);
        return;
    }
    disconnect(this, nullptr, nullptr, nullptr);

    delete viewMenu;
    delete unitMenu;
    delete startPointMenu;
    delete imageMenu;
    delete toolsMenu;
    delete figureMenu;
    viewMenu = unitMenu = startPointMenu = imageMenu = toolsMenu = figureMenu = nullptr;

    shared->rulers.removeOne(this);
    RulerWindow *next = shared->rulers.last();
    next->activateWindow();
    next->raise();
    next->setFocus();
    next->moveEvent(nullptr);
    deleteLater();
}

void RulerWindow::closeEvent(QCloseEvent *event)
{
    closeRuler();
    event->accept();
}
