// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// Construction, joining the preferences, persistence, and the life of a ruler window.
#include "ruler/rulerwindow.h"

#include "platform/desktop.h"
#include "prefs/programkeys.h"
#include "prefs/programstore.h"
#include "prefs/storevalues.h"
#include "ruler/geometryrule.h"
#include "ruler/infopanel.h"
#include "ruler/rulermenu.h"
#include "ruler/rulershared.h"
#include "ruler/screenplacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QColorDialog>
#include <QImageReader>
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

    backgroundColor = backgroundPalette().first();
    m_panelTextsTimer.setSingleShot(true);
    m_panelTextsTimer.setInterval(kPanelFrameMs);
    connect(&m_panelTextsTimer, &QTimer::timeout, this, &RulerWindow::sendPanelTexts);

    RulerOptionTable::registerKeyOrder();
    m_menu = new RulerMenu(this);
    connect(m_menu, &RulerMenu::triggered, this, &RulerWindow::execute);
    connect(m_menu, &RulerMenu::aboutToShow, this, &RulerWindow::rebuildMenu);
    setPictureEntriesEnabled(false);
    m_menu->setVisible(RulerCommand::ProportionalPicture, false);
    for (RulerCommand start : {RulerCommand::UnitPixels, RulerCommand::FlyingRuler, RulerCommand::ActualSize})
        m_menu->setChecked(start, true);
    figure.createInitialFigure(size());
    readOptions();
}

RulerWindow::~RulerWindow()
{
    if (shared)
        shared->rulers.removeAll(this);
}

const QList<QColor> &RulerWindow::backgroundPalette()
{
    static const QList<QColor> palette{QColor(255, 255, 255, 128), QColor(240, 247, 244, 128),
                                       QColor(255, 246, 237, 128), QColor(255, 235, 255, 128),
                                       QColor(255, 255, 235, 128), QColor(235, 235, 255, 128),
                                       QColor(235, 235, 235, 128)};
    return palette;
}

QSize RulerWindow::sizeHint() const
{
    return {kDefaultWidth, kDefaultHeight};
}

void RulerWindow::readOptions()
{
    ProgramStore::selectFormat();
    const QSettings store;
    m_options.read(store);
    // With the figure hidden the figure readings cannot be changed, and they start the other way
    // round from the stored value: hidden with the figure, by default.
    if (!option(RulerOption::ShowFigure))
        m_options.toggle(RulerOption::ShowFigureReadings);
    showFigureEntries(option(RulerOption::ShowFigure));
    m_menu->setEnabled(RulerCommand::MinimalReadings, option(RulerOption::ShowReadings));

    pointerPressed = readBool(store, ProgramKeys::canShowToolbox, pointerPressed);
    m_panelSide = ScreenPlacement::panelSideFromStored(readInt(store, ProgramKeys::toolboxPosition, 2));
    m_menu->setEnabled(RulerCommand::PanelSide, pointerPressed);
    if (pointerPressed)
        m_menu->setText(RulerCommand::PanelSide, m_panelSide == ScreenPlacement::PanelSide::Right
                                                     ? tr("Send Panel to Left")
                                                     : tr("Send Panel to Right"));
    m_menu->setEnabled(RulerCommand::BoldControlPoints, !option(RulerOption::HideControlPoints));
    syncMenu();
    // The window flags follow when the ruler joins the preferences.
    update();
}

void RulerWindow::attachTo(RulerShared *rulerShared)
{
    shared = rulerShared;
    preferences = shared->preferences;
    shared->rulers.append(this);

    infoPanel = shared->infoPanel;
    if (shared->desktop) {
        connect(shared->desktop, &Desktop::compositingChanged, this, &RulerWindow::updateShape);
        // The panel and Copy Readings add the size in device pixels where the display is scaled.
        connect(shared->desktop, &Desktop::displayScaleChanged, this, qOverload<>(&QWidget::update));
    }
    preferences->setPanelSide(m_panelSide == ScreenPlacement::PanelSide::Left
                                  ? Preferences::PanelSide::Left
                                  : Preferences::PanelSide::Right);

    backgroundColor =
        backgroundPalette().at(preferences->takeNextColorIndex(int(backgroundPalette().size())));
    // A unit edit in the preferences shows at once; a broken unit falls back to pixels.
    auto followTables = [this] {
        recomputeScale();
        rebuildMenu();
        update();
    };
    connect(preferences, &Preferences::unitsChanged, this, followTables);
    connect(preferences, &Preferences::displaysChanged, this, followTables);
    connect(preferences, &Preferences::optionsChanged, this, qOverload<>(&QWidget::update));

    applyColourLimits();

    if (option(RulerOption::StayOnTop))
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                       Qt::WindowStaysOnTopHint);
    rebuildMenu();
}

void RulerWindow::restoreFirstRuler()
{
    ProgramStore::selectFormat();
    QSettings store;

    m_options.readPictureOptions(store);
    syncMenu();
    // "Actual Size" keeps its mark until a picture shows which of the two applies.
    m_menu->setChecked(RulerCommand::StretchPicture, option(RulerOption::StretchPicture));

    image = QImage();
    imageFile.clear();
    setPictureEntriesEnabled(false);
    const QString storedPicture =
        readText(store, RulerOptionTable::key(RulerValue::PictureFile), kLongestPath);
    if (!storedPicture.isEmpty())
        loadPicture(storedPicture);

    backgroundColor = readColor(store, RulerOptionTable::key(RulerValue::BackgroundColour), backgroundColor);
    rulerColor = QColor(111, 33, 55, 255);
    rulerColor = readColor(store, RulerOptionTable::key(RulerValue::RulerColour), rulerColor);
    guidesColor = readColor(store, RulerOptionTable::key(RulerValue::GuidesColour), guidesColor);
    applyColourLimits();

    // Unreadable, empty or absurd stored geometry gives the empty-store one; the rule does the rest.
    placeWindow(GeometryRule::restored(store.value(RulerOptionTable::key(RulerValue::Geometry)),
                                       GeometryRule::currentScreens()));

    show();
    activateWindow();
    raise();
    setFocus();
}

void RulerWindow::saveSettings()
{
    ProgramStore::selectFormat();
    QSettings store;
    m_options.write(store);
    store.setValue(RulerOptionTable::key(RulerValue::PictureFile), imageFile);

    // A ruler saved in full screen reopens at its normal size.
    if (fullScreen)
        placeWindow(normalGeometry);
    store.setValue(RulerOptionTable::key(RulerValue::Geometry), geometry());
    store.setValue(RulerOptionTable::key(RulerValue::BackgroundColour), backgroundColor);
    store.setValue(RulerOptionTable::key(RulerValue::RulerColour), rulerColor);
    store.setValue(RulerOptionTable::key(RulerValue::GuidesColour), guidesColor);
    store.sync();

    emit settingsSaved();
}

void RulerWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    askPlacementReadback();
    if (centerFigureOnShow) {
        sendFigureToCentre();
        centerFigureOnShow = false;
    }
}

void RulerWindow::newRuler()
{
    clearRememberedModifiers();
    emit newRulerRequested();
}

void RulerWindow::openBeside(const RulerWindow &source)
{
    if (shared->colorDialogShown() && source.m_colorTarget)
        editColour(*source.m_colorTarget);

    clearRememberedModifiers();
    // Made from a ruler that stays on top, the new ruler stays on top too: a window manager puts every
    // other window beneath that one, and the new ruler opens in front.
    if (source.option(RulerOption::StayOnTop) && !option(RulerOption::StayOnTop)) {
        m_options.set(RulerOption::StayOnTop, true);
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        syncMenu();
    }
    placeWindow(QRect(source.pos() + QPoint(kNewRulerOffset, kNewRulerOffset), sizeHint()));
    show();
    rebuildMenu();
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

    shared->rulers.removeOne(this);
    RulerWindow *next = shared->rulers.last();
    next->activateWindow();
    next->raise();
    next->setFocus();
    next->followWindowMove();
    deleteLater();
}

void RulerWindow::closeEvent(QCloseEvent *event)
{
    closeRuler();
    event->accept();
}

Desktop *RulerWindow::desktop() const
{
    return shared ? shared->desktop : nullptr;
}

bool RulerWindow::compositing() const
{
    return !desktop() || desktop()->isCompositing();
}

qreal RulerWindow::displayScale() const
{
    return desktop() ? desktop()->displayScale() : 1.0;
}
