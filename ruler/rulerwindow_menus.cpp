// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The actions, the context menu and the slots that toggle display options.
#include "ruler/rulerwindow.h"

#include "ruler/mnemonics.h"
#include "ruler/infopanel.h"
#include "ruler/rulershared.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

namespace {

// The menus only show the shortcuts; the keyboard handler acts on the keys, so no shortcut may take a
// key away from it.
void showShortcut(QAction *action, const QKeySequence &keys)
{
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
}

const char *const kShapeNames[] = {
    QT_TRANSLATE_NOOP("RulerWindow", "Rectangle"),      QT_TRANSLATE_NOOP("RulerWindow", "Square"),
    QT_TRANSLATE_NOOP("RulerWindow", "Rhombus"),        QT_TRANSLATE_NOOP("RulerWindow", "Isosceles Triangle"),
    QT_TRANSLATE_NOOP("RulerWindow", "Right Triangle"), QT_TRANSLATE_NOOP("RulerWindow", "Circle"),
    QT_TRANSLATE_NOOP("RulerWindow", "Ellipse")};

const char *const kRatioNames[] = {QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.33333333:1 -- 4:3"),
                                   QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.77777778:1 -- 16:9"),
                                   QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.66666667:1 -- 5:3"),
                                   QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.5:1 -- 3:2"),
                                   QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.85:1"),
                                   QT_TRANSLATE_NOOP("RulerWindow", "Ratio 2.39:1"),
                                   QT_TRANSLATE_NOOP("RulerWindow", "Ratio 1.61803399:1 -- \"golden\" ratio")};

// The key is called Alt on Linux and Windows; only a Mac has a Cmd key.
QString reverseAltText()
{
#ifdef Q_OS_MACOS
    return RulerWindow::tr("Reverse Alt/Cmd Key Behavior");
#else
    return RulerWindow::tr("Reverse Alt Key Behavior");
#endif
}

} // namespace

void RulerWindow::createActions()
{
    // A plain entry, or a checkable one when a start state is given.
    enum class Check
    {
        None,
        Off,
        On
    };
    auto make = [this](const QString &text, const QKeySequence &keys, Check check, auto slot) {
        auto *action = new QAction(text, this);
        if (!keys.isEmpty())
            showShortcut(action, keys);
        if (check != Check::None) {
            action->setCheckable(true);
            action->setChecked(check == Check::On);
        }
        if constexpr (!std::is_same_v<decltype(slot), std::nullptr_t>)
            connect(action, &QAction::triggered, this, slot);
        return action;
    };
    const QKeySequence none;

    actNewRuler = make(tr("New Ruler"), QKeySequence("Alt+N"), Check::None, &RulerWindow::newRuler);
    actCloseRuler = make(tr("Close Ruler"), QKeySequence("Alt+W"), Check::None, &RulerWindow::closeRuler);
    actBackgroundColor =
        make(tr("Background Color"), QKeySequence("Alt+B"), Check::None, &RulerWindow::setBackgroundAction);
    actRulerColor = make(tr("Ruler Color"), QKeySequence("Alt+C"), Check::None, &RulerWindow::setRulerAction);
    actGuidesColor = make(tr("Guides Color"), QKeySequence("Alt+G"), Check::None, &RulerWindow::setGuidesAction);
    actTransparency =
        make(tr("Transparency"), QKeySequence("Alt+Shift+T"), Check::None, &RulerWindow::setTransparency);
    actStayOnTop = make(tr("Stay On Top"), QKeySequence("Alt+S"), Check::Off, &RulerWindow::setStayOnTop);
    actSnapToScreen =
        make(tr("Snap to Screen Edges"), QKeySequence("Alt+P"), Check::Off, &RulerWindow::setSnapToScreen);
    actLockToScreen =
        make(tr("Lock to Screen"), QKeySequence("Alt+L"), Check::Off, &RulerWindow::setLockToScreen);
    actFullScreen = make(tr("Full Screen"), QKeySequence("Alt+F"), Check::Off, &RulerWindow::setFullScreen);

    actShowFigure = make(tr("Show Flying Figure"), QKeySequence(Qt::Key_QuoteLeft), Check::On,
                         &RulerWindow::setViewFigureAction);
    actShowRotationCenter = make(tr("Show Figure Rotation Center"), QKeySequence("R"), Check::Off,
                                 &RulerWindow::setViewRotationCenterAction);
    actShowControlPoints =
        make(tr("Show Control Points"), QKeySequence("M"), Check::On, &RulerWindow::setViewMAction);
    actBoldControlPoints =
        make(tr("Bold Control Points"), QKeySequence("N"), Check::On, &RulerWindow::setViewNAction);
    actShowFigureReadings =
        make(tr("Show Figure Readings"), QKeySequence("T"), Check::On, &RulerWindow::setViewFReadingsAction);
    actShowBorder = make(tr("Show Border"), QKeySequence("B"), Check::On, &RulerWindow::setViewBorderAction);
    actShowReadings =
        make(tr("Show Readings"), QKeySequence("Y"), Check::On, &RulerWindow::setViewReadingsAction);
    actMinimalReadings = make(tr("Minimal Readings"), QKeySequence("Alt+Shift+Y"), Check::Off,
                              &RulerWindow::setViewMinimalReadingsAction);
    actBottomRightLabels = make(tr("Show Bottom-Right Labels"), QKeySequence("Alt+Shift+R"), Check::Off,
                                &RulerWindow::setMinimalistic);
    actCentralPoint =
        make(tr("Show Central Point"), QKeySequence("Alt+Shift+C"), Check::Off, &RulerWindow::setCrossHair);
    actShowGuides = make(tr("Show Guides"), QKeySequence("G"), Check::On, &RulerWindow::setShowGuides);
    actHoverGuides =
        make(tr("Guides Hover Width / Height"), QKeySequence("H"), Check::Off, &RulerWindow::setHoverGuides);
    actClearGuides =
        make(tr("Clear All Guides"), QKeySequence("Alt+Shift+G"), Check::None, &RulerWindow::setClearGuides);
    actShowInfoPanel =
        make(tr("Show Info Panel"), QKeySequence("/"), Check::On, &RulerWindow::setShowHideInfoPane);
    actPanelSide = make(tr("Send Panel to Left"), QKeySequence("."), Check::None, &RulerWindow::setFlipToolbox);
    actTopTicker = make(tr("Top Ticker"), none, Check::On, &RulerWindow::setTickerTop);
    actLeftTicker = make(tr("Left Ticker"), none, Check::On, &RulerWindow::setTickerLeft);
    actBottomTicker = make(tr("Bottom Ticker"), none, Check::On, &RulerWindow::setTickerBottom);
    actRightTicker = make(tr("Right Ticker"), none, Check::On, &RulerWindow::setTickerRight);
    actShowAllTickers = make(tr("Show All Tickers"), none, Check::None, &RulerWindow::setShowAllTickers);
    actHideAllTickers = make(tr("Hide All Tickers"), none, Check::None, &RulerWindow::setHideAllTickers);
    actAntiAliasing =
        make(tr("Anti-aliasing"), QKeySequence("Alt+Shift+A"), Check::None, &RulerWindow::setAntiAliasing);
    actMegapixel = make(tr("Megapixel instead of px"), none, Check::On, &RulerWindow::setMPix);

    unitGroup = new QActionGroup(this);
    void (RulerWindow::*chooseUnit)() = &RulerWindow::setUnit;
    actPixels = make(tr("Pixels"), none, Check::On, chooseUnit);
    unitGroup->addAction(actPixels);
    for (auto *entries : {&physicalUnitActions, &pixelUnitActions}) {
        for (QAction *&entry : *entries) {
            entry = make(QString(), none, Check::Off, chooseUnit);
            entry->setEnabled(false);
            entry->setVisible(false);
            unitGroup->addAction(entry);
        }
    }
    actEditUnits = make(tr("(Edit Units)"), none, Check::None, &RulerWindow::editUnits);
    actEditPBUnits = make(tr("(Edit Pixel-Based Units)"), none, Check::None, &RulerWindow::editPBUnits);

    startPointGroup = new QActionGroup(this);
    actTopLeft = make(tr("Top-Left"), none, Check::On, &RulerWindow::setZeroPoint);
    actTopRight = make(tr("Top-Right"), none, Check::Off, &RulerWindow::setZeroPoint);
    actBottomLeft = make(tr("Bottom-Left"), none, Check::Off, &RulerWindow::setZeroPoint);
    actBottomRight = make(tr("Bottom-Right"), none, Check::Off, &RulerWindow::setZeroPoint);
    for (QAction *action : {actTopLeft, actTopRight, actBottomLeft, actBottomRight})
        startPointGroup->addAction(action);

    pixelOriginGroup = new QActionGroup(this);
    actStartFromZero = make(tr("Rulers Start With Pixel 0"), none, Check::On, &RulerWindow::setStartFromZero);
    actStartFromOne = make(tr("Rulers Start With Pixel 1"), none, Check::Off, &RulerWindow::setStartFromOne);
    pixelOriginGroup->addAction(actStartFromZero);
    pixelOriginGroup->addAction(actStartFromOne);

    actOpenImage = make(tr("Open Image"), none, Check::None, &RulerWindow::setOpenImage);
    actActualSize = make(tr("Actual Size"), none, Check::On, &RulerWindow::setActualSize);
    actStretchImage = make(tr("Stretch Image"), none, Check::Off, &RulerWindow::setStretchImage);
    actProportional = make(tr("Proportional"), none, Check::On, &RulerWindow::setProportional);
    actProportional->setVisible(false);
    actTransparentImage = make(tr("Transparent Image"), none, Check::Off, &RulerWindow::setTransparentImage);
    actRulerToImageSize = make(tr("Ruler to Image Size"), none, Check::None, &RulerWindow::setRulerToImageSize);
    actClearImage = make(tr("Clear Image"), none, Check::None, &RulerWindow::setClearImage);
    setPictureEntriesEnabled(false);

    actMagnifier = make(tr("Magnifier"), QKeySequence("Alt+Shift+M"), Check::None, &RulerWindow::setMagnifier);
    actSetPosition =
        make(tr("Set Position / Size"), QKeySequence("Alt+Shift+P"), Check::None, &RulerWindow::setManualSet);

    figureGroup = new QActionGroup(this);
    actFlyingRuler = make(tr("Ruler"), QKeySequence("0"), Check::On, &RulerWindow::setFlyingRuler);
    figureGroup->addAction(actFlyingRuler);
    using Slot = void (RulerWindow::*)();
    const Slot cornerSlots[] = {&RulerWindow::set_M_Rectangle,     &RulerWindow::set_M_Square,
                                &RulerWindow::set_M_Rhombus,       &RulerWindow::set_M_IsoscelesTriangle,
                                &RulerWindow::set_M_RightTriangle, &RulerWindow::set_M_Circle,
                                &RulerWindow::set_M_Ellipse};
    const Slot centeredSlots[] = {&RulerWindow::set_S_Rectangle,     &RulerWindow::set_S_Square,
                                  &RulerWindow::set_S_Rhombus,       &RulerWindow::set_S_IsoscelesTriangle,
                                  &RulerWindow::set_S_RightTriangle, &RulerWindow::set_S_Circle,
                                  &RulerWindow::set_S_Ellipse};
    const Slot freeSlots[] = {&RulerWindow::set_F_Rectangle,     &RulerWindow::set_F_Square,
                              &RulerWindow::set_F_Rhombus,       &RulerWindow::set_F_IsoscelesTriangle,
                              &RulerWindow::set_F_RightTriangle, &RulerWindow::set_F_Circle,
                              &RulerWindow::set_F_Ellipse};
    const Slot ratioSlots[] = {&RulerWindow::set4to3Ratio,  &RulerWindow::set16to9Ratio, &RulerWindow::set5to3Ratio,
                               &RulerWindow::set3to2ratio,  &RulerWindow::set185ratio,   &RulerWindow::set239ratio,
                               &RulerWindow::setGoldenRatio};
    for (int i = 0; i < kShapeCount; ++i) {
        const QString shape = tr(kShapeNames[i]);
        const QString digit = QString::number(i + 1);
        cornerShapeActions[i] = make(shape, QKeySequence(digit), Check::Off, cornerSlots[i]);
        centeredShapeActions[i] =
            make(tr("Centered %1").arg(shape), QKeySequence("Shift+" + digit), Check::Off, centeredSlots[i]);
        freeShapeActions[i] =
            make(tr("Free %1").arg(shape), QKeySequence("Alt+" + digit), Check::Off, freeSlots[i]);
        ratioActions[i] = make(tr(kRatioNames[i]), QKeySequence("Alt+" + digit), Check::Off, ratioSlots[i]);
    }
    for (const auto *shapes :
         {&cornerShapeActions, &centeredShapeActions, &freeShapeActions, &ratioActions}) {
        for (QAction *action : *shapes)
            figureGroup->addAction(action);
    }
    actSendToCenter =
        make(tr("Send to Center"), QKeySequence(Qt::Key_Backslash), Check::None, &RulerWindow::recenterPolyruler);
    actReverseAlt = make(reverseAltText(), QKeySequence("Alt+Shift+S"), Check::Off, nullptr);

    actPreferences = make(tr("Preferences"), QKeySequence("Alt+,"), Check::None, &RulerWindow::propertiesShow);
    actHelp = make(tr("Gradora Help"), QKeySequence("Alt+/"), Check::None, &RulerWindow::help);
#if GRADORA_UPDATE_CHECK
    actCheckUpdates = make(tr("Check for Updates"), none, Check::None, &RulerWindow::setCheckForUpdates);
#endif
    actOnlineInfo = make(tr("Online Info"), none, Check::None, &RulerWindow::onlineHelpLink);
    actRequestFeature = make(tr("Request Feature"), none, Check::None, &RulerWindow::suggest);
    actAbout = make(tr("About Gradora"), none, Check::None, &RulerWindow::aboutDlg);
    actQuit = make(tr("Quit"), QKeySequence("Alt+Q"), Check::None, nullptr);
    connect(actQuit, &QAction::triggered, qApp, &QApplication::closeAllWindows);
}

void RulerWindow::createMenus()
{
    contextMenu = new QMenu();
    connect(contextMenu, &QMenu::aboutToShow, this, &RulerWindow::aboutToShow);

    viewMenu = new QMenu(tr("View"));
    viewMenu->addActions({actShowFigure, actShowRotationCenter, actShowControlPoints, actBoldControlPoints,
                          actShowFigureReadings});
    viewMenu->addSeparator();
    viewMenu->addActions(
        {actShowBorder, actShowReadings, actMinimalReadings, actBottomRightLabels, actCentralPoint});
    viewMenu->addSeparator();
    viewMenu->addActions({actShowGuides, actHoverGuides, actClearGuides});
    viewMenu->addSeparator();
    viewMenu->addActions({actShowInfoPanel, actPanelSide});
    viewMenu->addSeparator();
    viewMenu->addActions(
        {actTopTicker, actLeftTicker, actBottomTicker, actRightTicker, actShowAllTickers, actHideAllTickers});
    viewMenu->addSeparator();
    viewMenu->addActions({actAntiAliasing, actMegapixel});

    unitMenu = new QMenu(tr("Unit"));
    unitMenu->addAction(actPixels);
    for (QAction *entry : physicalUnitActions)
        unitMenu->addAction(entry);
    unitMenu->addAction(actEditUnits);
    unitMenu->addSeparator();
    for (QAction *entry : pixelUnitActions)
        unitMenu->addAction(entry);
    unitMenu->addAction(actEditPBUnits);

    startPointMenu = new QMenu(tr("Start Point"));
    startPointMenu->addActions({actTopLeft, actTopRight, actBottomLeft, actBottomRight});
    startPointMenu->addSeparator();
    startPointMenu->addActions({actStartFromZero, actStartFromOne});

    imageMenu = new QMenu(tr("Image"));
    imageMenu->addAction(actOpenImage);
    imageMenu->addSeparator();
    imageMenu->addActions(
        {actActualSize, actStretchImage, actProportional, actTransparentImage, actRulerToImageSize});
    imageMenu->addSeparator();
    imageMenu->addAction(actClearImage);

    toolsMenu = new QMenu(tr("Tools"));
    toolsMenu->addActions({actMagnifier, actSetPosition});

    figureMenu = new QMenu(tr("Flying Figure"));
    figureMenu->addAction(actFlyingRuler);
    for (const auto *shapes : {&cornerShapeActions, &centeredShapeActions, &ratioActions}) {
        figureMenu->addSeparator();
        for (QAction *action : *shapes)
            figureMenu->addAction(action);
    }
    figureMenu->addSeparator();
    figureMenu->addActions({actSendToCenter, actReverseAlt});
}

void RulerWindow::aboutToShow()
{
    actCloseRuler->setEnabled(true);
    contextMenu->clear();

    contextMenu->addAction(actNewRuler);
    const bool severalRulers = shared && shared->rulers.size() >= 2;
    actCloseRuler->setEnabled(severalRulers);
    actCloseRuler->setVisible(severalRulers);
    if (severalRulers)
        contextMenu->addAction(actCloseRuler);

    contextMenu->addSeparator();
    contextMenu->addActions({actBackgroundColor, actRulerColor, actGuidesColor, actTransparency});
    contextMenu->addSeparator();
    contextMenu->addActions({actStayOnTop, actSnapToScreen, actLockToScreen, actFullScreen});

    const bool panelShown = preferences && preferences->infoPanelShown();
    actPanelSide->setEnabled(panelShown);
    actShowInfoPanel->setChecked(panelShown);

    contextMenu->addSeparator();
    if (viewMenu)
        contextMenu->addMenu(viewMenu);

    if (preferences) {
        for (int row = 0; row < kUnitEntries; ++row) {
            const std::pair<QAction *, const TextGrid *> entries[] = {
                {physicalUnitActions[row], &preferences->unitCells(Preferences::UnitTable::Physical)},
                {pixelUnitActions[row], &preferences->unitCells(Preferences::UnitTable::PixelBased)}};
            for (const auto &[entry, grid] : entries) {
                const QString name = (*grid)[row][0];
                entry->setText(name);
                entry->setVisible(!name.isEmpty());
                entry->setEnabled(!name.isEmpty());
            }
        }
    }

    for (QMenu *submenu : {unitMenu, startPointMenu, imageMenu, figureMenu, toolsMenu}) {
        if (submenu)
            contextMenu->addMenu(submenu);
    }

    contextMenu->addSeparator();
    contextMenu->addActions({actPreferences, actHelp});
    if (actCheckUpdates && preferences && !preferences->autoUpdates())
        contextMenu->addAction(actCheckUpdates);
    contextMenu->addActions({actOnlineInfo, actRequestFeature, actAbout});
    contextMenu->addSeparator();
    contextMenu->addAction(actQuit);

    labelEntries();
    emit menuRebuilt(contextMenu);
}

void RulerWindow::labelEntries()
{
    // The entries that only some menus show take part too, so that no other entry's letter moves
    // when they come and go.
    QList<QAction *> topLevel = contextMenu->actions();
    for (QAction *optional : {actCloseRuler, actCheckUpdates}) {
        if (optional && !topLevel.contains(optional))
            topLevel.append(optional);
    }
    Mnemonics::label(topLevel);
    for (QMenu *submenu : {viewMenu, unitMenu, startPointMenu, imageMenu, figureMenu, toolsMenu}) {
        if (submenu)
            Mnemonics::label(submenu->actions());
    }
}

void RulerWindow::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Keyboard) {
        aboutToShow();
        contextMenu->exec(event->globalPos());
    }
    contextMenuShown = true;
}

void RulerWindow::focusInEvent(QFocusEvent *)
{
    moveEvent(nullptr);
    if (!contextMenu->isVisible()) {
        aboutToShow();
        if (preferences && preferences->infoPanelShown()) {
            infoPanel->show();
            infoPanel->raise();
        }
    }
}

void RulerWindow::showPreferencesOn(PreferencesPage page)
{
    clearRememberedModifiers();
    emit preferencesRequested(page);
}

void RulerWindow::propertiesShow()
{
    showPreferencesOn(PreferencesPage::Shortcuts);
}

void RulerWindow::editUnits()
{
    showPreferencesOn(PreferencesPage::Units);
}

void RulerWindow::editPBUnits()
{
    showPreferencesOn(PreferencesPage::PixelBasedUnits);
}

void RulerWindow::aboutDlg()
{
    emit aboutRequested();
    clearRememberedModifiers();
}

void RulerWindow::setMagnifier()
{
    emit magnifierRequested();
}

void RulerWindow::startColorEditing(int target, const QColor &current)
{
    colorTarget = target;
    if (shared)
        shared->colorTarget = target;
    colorDialog->disconnect();
    colorDialog->setCurrentColor(current);
    connect(colorDialog, &QColorDialog::colorSelected, this, &RulerWindow::currentColorChanged);
    connect(colorDialog, &QColorDialog::currentColorChanged, this, &RulerWindow::currentColorChanged);
    const QPoint remembered = colorDialog->pos();
    colorDialog->show();
    colorDialog->raise();
    if (remembered.x() >= 1 && remembered.y() >= 1)
        colorDialog->move(remembered);
}

void RulerWindow::setBackgroundAction()
{
    startColorEditing(1, backgroundColor);
}

void RulerWindow::setRulerAction()
{
    startColorEditing(2, rulerColor);
}

void RulerWindow::setGuidesAction()
{
    startColorEditing(3, guidesColor);
}

void RulerWindow::currentColorChanged(const QColor &color)
{
    switch (colorTarget) {
    case 1:
        backgroundColor = color;
        break;
    case 2:
        rulerColor = color;
        break;
    case 3:
        guidesColor = color;
        break;
    default:
        return;
    }
    repaint();
}

void RulerWindow::currentTransChanged(int alpha)
{
    backgroundColor.setAlpha(alpha);
    repaint();
}

void RulerWindow::setViewBorderAction()
{
    borderVisible = !borderVisible;
    actShowBorder->setChecked(borderVisible);
    update();
}

void RulerWindow::setViewFigureAction()
{
    flyingFigureVisible = !flyingFigureVisible;
    figure.visible = flyingFigureVisible;
    actShowFigure->setChecked(flyingFigureVisible);
    for (QAction *action : {actShowRotationCenter, actShowControlPoints, actBoldControlPoints,
                            actShowFigureReadings, actSendToCenter})
        action->setEnabled(flyingFigureVisible);
    figureMenu->setEnabled(flyingFigureVisible);
    figureGroup->setEnabled(flyingFigureVisible);
    if (!flyingFigureVisible) {
        if (dragMode == 10)
            dragMode = 0;
        pressInsideFigure = false;
    }
    update();
}

void RulerWindow::setViewRotationCenterAction()
{
    showMasterPointLines = !showMasterPointLines;
    actShowRotationCenter->setChecked(showMasterPointLines);
    update();
}

void RulerWindow::setViewMAction()
{
    noControlPoints = !noControlPoints;
    actShowControlPoints->setChecked(!noControlPoints);
    actBoldControlPoints->setEnabled(!noControlPoints);
    update();
}

void RulerWindow::setViewNAction()
{
    if (!noControlPoints)
        boldControlPoints = !boldControlPoints;
    actBoldControlPoints->setChecked(boldControlPoints);
    update();
}

void RulerWindow::setViewFReadingsAction()
{
    if (flyingFigureVisible)
        showOnFigureReadings = !showOnFigureReadings;
    actShowFigureReadings->setChecked(showOnFigureReadings);
    update();
}

void RulerWindow::setViewReadingsAction()
{
    showRulerReadings = !showRulerReadings;
    actShowReadings->setChecked(showRulerReadings);
    actMinimalReadings->setEnabled(showRulerReadings);
    update();
}

void RulerWindow::setViewMinimalReadingsAction()
{
    R_M_MinimalReadings = !R_M_MinimalReadings;
    if (!R_M_MinimalReadings) {
        actMinimalReadings->setChecked(false);
    } else {
        actMinimalReadings->setChecked(true);
        actMinimalReadings->setEnabled(true);
        actShowReadings->setChecked(true);
        showRulerReadings = true;
    }
    update();
}

void RulerWindow::setShowHideInfoPane()
{
    preferences->setInfoPanelShown(!preferences->infoPanelShown());
    actPanelSide->setEnabled(preferences->infoPanelShown());
    pointerPressed = true;
    moveEvent(nullptr);
}

void RulerWindow::setFlipToolbox()
{
    if (!preferences->infoPanelShown()) {
        actPanelSide->setEnabled(false);
        return;
    }
    actPanelSide->setEnabled(true);
    if (preferences->panelSide() == Preferences::PanelSide::Right) {
        preferences->setPanelSide(Preferences::PanelSide::Left);
        actPanelSide->setText(tr("Send Panel to Right"));
    } else {
        preferences->setPanelSide(Preferences::PanelSide::Right);
        actPanelSide->setText(tr("Send Panel to Left"));
    }
    preferences->setInfoPanelShown(true);
    pointerPressed = true;
    moveEvent(nullptr);
}

void RulerWindow::setSnapToScreen()
{
    snapToScreen = !snapToScreen;
    actSnapToScreen->setChecked(snapToScreen);
    // Turned on, it snaps the window where it stands.
    moveSnapped(pos());
    moveEvent(nullptr);
}

void RulerWindow::setLockToScreen()
{
    lockToScreen = !lockToScreen;
    actLockToScreen->setChecked(lockToScreen);
    moveEvent(nullptr);
}

void RulerWindow::setAntiAliasing()
{
    antiAliasing = !antiAliasing;
    actAntiAliasing->setChecked(antiAliasing);
    moveEvent(nullptr);
}

void RulerWindow::setZeroPoint()
{
    const std::pair<QAction *, std::pair<bool, bool>> corners[] = {{actTopLeft, {true, false}},
                                                                   {actTopRight, {false, false}},
                                                                   {actBottomLeft, {true, true}},
                                                                   {actBottomRight, {false, true}}};
    for (const auto &[entry, zero] : corners) {
        if (entry->isChecked()) {
            zeroAtLeft = zero.first;
            zeroAtBottom = zero.second;
            break;
        }
    }
    update();
}

void RulerWindow::setTickerTop()
{
    topTickerVisible = !topTickerVisible;
    actTopTicker->setChecked(topTickerVisible);
    update();
}

void RulerWindow::setTickerLeft()
{
    leftTickerVisible = !leftTickerVisible;
    actLeftTicker->setChecked(leftTickerVisible);
    update();
}

void RulerWindow::setTickerRight()
{
    rightTickerVisible = !rightTickerVisible;
    actRightTicker->setChecked(rightTickerVisible);
    update();
}

void RulerWindow::setTickerBottom()
{
    bottomTickerVisible = !bottomTickerVisible;
    actBottomTicker->setChecked(bottomTickerVisible);
    update();
}

void RulerWindow::setAllTickers(bool visible)
{
    topTickerVisible = leftTickerVisible = rightTickerVisible = bottomTickerVisible = visible;
    for (QAction *action : {actTopTicker, actLeftTicker, actRightTicker, actBottomTicker})
        action->setChecked(visible);
    update();
}

void RulerWindow::setHideAllTickers()
{
    setAllTickers(false);
}

void RulerWindow::setShowAllTickers()
{
    setAllTickers(true);
}

void RulerWindow::setCrossHair()
{
    crossHairVisible = !crossHairVisible;
    actCentralPoint->setChecked(crossHairVisible);
    update();
}

void RulerWindow::setStartFromOne()
{
    rulerStartsFrom1 = true;
    actStartFromOne->setChecked(true);
    actStartFromZero->setChecked(false);
    update();
}

void RulerWindow::setStartFromZero()
{
    rulerStartsFrom1 = false;
    actStartFromZero->setChecked(true);
    actStartFromOne->setChecked(false);
    update();
}

void RulerWindow::setTransparentImage()
{
    transparentImage = !transparentImage;
    actTransparentImage->setChecked(transparentImage);
    update();
}

void RulerWindow::setShowGuides()
{
    showGuides = !showGuides;
    actShowGuides->setChecked(showGuides);
    update();
}

void RulerWindow::setHoverGuides()
{
    hoverGuides = !hoverGuides;
    actHoverGuides->setChecked(hoverGuides);
    update();
}

void RulerWindow::setMinimalistic()
{
    bottmRightLabel = !bottmRightLabel;
    actBottomRightLabels->setChecked(bottmRightLabel);
    update();
}

void RulerWindow::invertAlt()
{
    actReverseAlt->setChecked(!actReverseAlt->isChecked());
}

void RulerWindow::setMPix()
{
    update();
}

void RulerWindow::setPictureEntriesEnabled(bool enabled)
{
    for (QAction *action : {actStretchImage, actProportional, actActualSize, actClearImage,
                            actRulerToImageSize, actTransparentImage})
        action->setEnabled(enabled);
}
