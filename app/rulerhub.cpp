// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/rulerhub.h"

#include "app/aboutdialog.h"
#include "app/helplinks.h"
#include "app/magnifier.h"
#include "app/programpicture.h"
#include "platform/desktopfactory.h"
#include "platform/globalshortcut.h"
#include "prefs/preferencesdialog.h"
#include "prefs/programsettings.h"
#include "prefs/programstore.h"
#include "prefs/storevalues.h"
#include "prefs/topmessage.h"
#include "render/pictureloader.h"
#include "ruler/dialogs/positiondialog.h"
#include "ruler/dialogs/transparencydialog.h"
#include "ruler/panel/infopanel.h"
#include "ruler/placement/geometryrule.h"
#include "ruler/window/rulerstore.h"
#include "ruler/window/rulerwindow.h"

#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QMenu>
#include <QSettings>
#include <QTimer>

RulerHub::RulerHub(Desktop *desktop, QObject *parent)
    : QObject(parent), m_ownDesktop(desktop ? nullptr : DesktopFactory::create()),
      m_preferences(desktop ? desktop : m_ownDesktop.get()), m_showMessage(&TopMessage::show)
{
    m_shared.desktop = desktop ? desktop : m_ownDesktop.get();
    // The hub stands for the program: hidden rulers and a closed dialog never end it; only Quit, the
    // last ruler's close and the end of the session do.
    QApplication::setQuitOnLastWindowClosed(false);
    // The program's pictures are compiled into the static core library, whose linker keeps them only
    // when something names them. Every run makes the hub first, so it names them here.
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(gradora_generated);

    m_shared.preferences = &m_preferences;
#if GRADORA_UPDATE_CHECK
    // Once the first ruler is up: the network stack costs the start more than the whole ruler.
    QTimer::singleShot(kStartUpdateCheckDelayMs, this,
                       [this] { checkForUpdatesWhenDue(QDate::currentDate()); });
#endif
    // Asking the desktop for its tray takes round trips that the first ruler's paint does not need:
    // the icon comes once the event loop runs, after the ruler's window has gone out.
    QTimer::singleShot(0, this, &RulerHub::trayIcon);
    // So does the information panel, which then shows beside the ruler that wanted it.
    QTimer::singleShot(0, this, &RulerHub::infoPanel);
    m_ownGlobalShortcut = DesktopFactory::createGlobalShortcut(m_shared.desktop->session());
    setGlobalShortcut(m_ownGlobalShortcut.get());
    connect(&m_preferences, &Preferences::globalShortcutChanged, this,
            [this] { m_globalShortcut->bind(m_preferences.value<QKeySequence>(ProgramSetting::GlobalShortcut)); });
}

RulerHub::~RulerHub()
{
    // The last ruler stays open until the program ends; it goes before the windows it points to.
    const QList<RulerWindow *> openRulers = m_shared.rulers;
    qDeleteAll(openRulers);
    if (m_trayIcon)
        m_trayIcon->hide();
    delete m_shared.positionDialog;
    delete m_shared.transparencyDialog;
    delete m_shared.colorDialog;
    delete m_shared.infoPanel;
    delete m_aboutDialog;
    delete m_stillFrame;
    delete m_magnifier;
    delete m_preferencesDialog;
}

PreferencesDialog *RulerHub::preferencesDialog()
{
    if (!m_preferencesDialog) {
        m_preferencesDialog = new PreferencesDialog(&m_preferences);
        m_preferencesDialog->setMessageHandler(m_showMessage);
        connect(m_preferencesDialog, &PreferencesDialog::closing, this, &RulerHub::preferencesClosed);
        m_preferencesDialog->followGlobalShortcut(m_globalShortcut);
        connect(m_preferencesDialog, &PreferencesDialog::globalShortcutChosen, this,
                &RulerHub::retryGlobalShortcut);
        connect(m_preferencesDialog, &PreferencesDialog::changedWhileShown, this,
                &RulerHub::hideInfoPanelBehindPreferences);
    }
    return m_preferencesDialog;
}

AboutDialog *RulerHub::aboutDialog()
{
    if (!m_aboutDialog)
        m_aboutDialog = new AboutDialog(nullptr);
    return m_aboutDialog;
}

Magnifier *RulerHub::magnifier()
{
    if (!m_magnifier) {
        m_magnifier = new Magnifier(m_shared.desktop, nullptr, Qt::WindowStaysOnTopHint);
        readMagnifier();
    }
    return m_magnifier;
}

QSystemTrayIcon *RulerHub::trayIcon()
{
    if (!m_trayIcon)
        createTrayIcon();
    return m_trayIcon;
}

void RulerHub::createTrayIcon()
{
    m_trayIcon = new QSystemTrayIcon(QIcon(ProgramPicture::ofSize(64)), this);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &RulerHub::trayClick);
    if (m_trayMenu)
        m_trayIcon->setContextMenu(m_trayMenu);
    // Without a tray on the desktop the program simply has no icon there.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        m_trayIcon->show();
}

RulerWindow *RulerHub::createRuler()
{
    auto *ruler = new RulerWindow(nullptr);
    connectRuler(ruler);
    ruler->attachTo(&m_shared);
    return ruler;
}

void RulerHub::connectRuler(RulerWindow *ruler)
{
    connect(ruler, &RulerWindow::newRulerRequested, this, [this, ruler] { openRulerFrom(ruler); });
    connect(ruler, &RulerWindow::preferencesRequested, this, &RulerHub::showPreferences);
    connect(ruler, &RulerWindow::aboutRequested, this, &RulerHub::showAbout);
    connect(ruler, &RulerWindow::helpRequested, this, &RulerHub::showHelp);
    connect(ruler, &RulerWindow::webPageRequested, this, &RulerHub::openPage);
    connect(ruler, &RulerWindow::magnifierRequested, this, &RulerHub::showMagnifier);
    connect(ruler, &RulerWindow::stillEdgeFinderRequested, this,
            [this, ruler] { openStillFrame(StillFrame::Tool::EdgeFinder, ruler); });
#if GRADORA_UPDATE_CHECK
    connect(ruler, &RulerWindow::updateCheckRequested, this, [this] { sendVersionRequest(true); });
#endif
    connect(ruler, &RulerWindow::quitRequested, this, &RulerHub::quit);
    connect(ruler, &RulerWindow::settingsSaved, this, &RulerHub::saveProgramSettings);
    connect(ruler, &RulerWindow::menuRebuilt, this,
            [this](QMenu *menu) {
                m_trayMenu = menu;
                if (m_trayIcon)
                    m_trayIcon->setContextMenu(menu);
            });
    connect(ruler, &RulerWindow::pressedByPointer, this, [this] {
        if (m_aboutDialog && m_aboutDialog->isVisible())
            m_aboutDialog->close();
    });
    connect(ruler, &RulerWindow::messageRequested, this,
            [this](const QString &text) { m_showMessage(text); });
}

RulerWindow *RulerHub::openFirstRuler()
{
    QStringList groups{QString()};
    int active = 0;
    {
        ProgramStore::selectFormat();
        const QSettings store;
        groups += RulerStore::storedGroups(store);
        active = RulerStore::storedActive(store, int(groups.size()));
    }
    // Every ruler joins in the stored order (which also hands out the palette colours in turn)...
    QList<RulerWindow *> restored;
    for (qsizetype i = 0; i < groups.size(); ++i)
        restored.append(createRuler());
    // ...and the one that had the keyboard shows last: the window system gives the keyboard to the
    // window that asked for it last, and a window manager to the window mapped last.
    QList<qsizetype> showOrder;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        if (i != active)
            showOrder.append(i);
    }
    showOrder.append(active);
    for (qsizetype i : std::as_const(showOrder)) {
        restored[i]->rebuildMenu();
        restored[i]->restoreStored(groups[i]);
    }
    // What the start read and mended goes to disk once the event loop has sent the windows out.
    QTimer::singleShot(0, &m_preferences, &Preferences::sync);
    return restored.first();
}

void RulerHub::openRulerFrom(RulerWindow *source, const std::optional<QRect> &geometry)
{
    // The ruler that asked stops following the colour dialog before the new one takes it.
    if (m_shared.colorDialog)
        m_shared.colorDialog->disconnect();
    createRuler()->openBeside(*source, geometry);
}

RulerWindow *RulerHub::openRuler(const std::optional<QRect> &geometry)
{
    if (m_shared.rulers.isEmpty())
        return nullptr; // only before the first ruler, which the start opens
    openRulerFrom(m_shared.rulers.last(), geometry);
    return m_shared.rulers.last();
}

void RulerHub::copyReadings()
{
    if (m_shared.rulers.isEmpty())
        return;
    auto *active = qobject_cast<RulerWindow *>(QApplication::activeWindow());
    (m_shared.rulers.contains(active) ? active : m_shared.rulers.last())->execute(RulerCommand::CopyReadings);
}

void RulerHub::quitSavingEverything()
{
    // Asked for from outside, maybe by a script: no one need be there to answer a message.
    endSession();
}

void RulerHub::carryOut(const InstanceCommand::Command &command)
{
    switch (command.kind) {
    case InstanceCommand::Kind::Raise:
        bringRulersToFront();
        break;
    case InstanceCommand::Kind::NewRuler:
        openRuler(command.geometry);
        break;
    case InstanceCommand::Kind::Toggle:
        toggleWindows();
        break;
    case InstanceCommand::Kind::CopyReadings:
        copyReadings();
        break;
    case InstanceCommand::Kind::Quit:
        quitSavingEverything();
        break;
    }
}

void RulerHub::finishStart(const InstanceCommand::Command &starter)
{
    switch (InstanceCommand::afterStart(starter)) {
    case InstanceCommand::AfterStart::Nothing:
        break;
    case InstanceCommand::AfterStart::PlaceFirstRuler:
        if (!m_shared.rulers.isEmpty())
            m_shared.rulers.first()->placement().place(*starter.geometry);
        break;
    case InstanceCommand::AfterStart::CarryOut:
        carryOut(starter);
        break;
    }
}

void RulerHub::openPictures(const QStringList &paths)
{
    for (const QString &path : paths) {
        // Checked first, so that a file that is no picture leaves no empty ruler behind.
        if (PictureLoader::load(path).image.isNull()) {
            m_showMessage(QCoreApplication::translate("RulerWindow", "Cannot load %1.")
                              .arg(QDir::toNativeSeparators(path)));
            continue;
        }
        if (RulerWindow *ruler = openRuler())
            ruler->loadPicture(path);
    }
}

void RulerHub::saveProgramSettings()
{
    writeWindowKeys();
    m_preferences.save();
    // Standard error always hears of a failed save; the user, where they are there to read it, once
    // until a save succeeds again (closing three rulers is one failure to them, not three).
    const QString reason = ProgramStore::flush();
    if (reason.isEmpty()) {
        m_toldOfFailedSave = false;
    } else if (!m_savingUnattended && !m_toldOfFailedSave) {
        m_toldOfFailedSave = true;
        m_showMessage(failedSaveText(ProgramStore::filePath(), reason));
    }
}

QString RulerHub::failedSaveText(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("QObject", "Gradora could not save its settings to %1: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

void RulerHub::saveEverything()
{
    // No one may be there to answer a message: the session is ending, or the display has gone.
    const bool wasUnattended = std::exchange(m_savingUnattended, true);
    // Any ruler writes the whole session, the rulers that the tray has hidden among them.
    if (!m_shared.rulers.isEmpty())
        m_shared.rulers.first()->saveSettings();
    m_savingUnattended = wasUnattended;
}

void RulerHub::endSession()
{
    // What the window system has told already counts in the save: a ruler moved a moment before the
    // signal is stored where it now stands.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_savingUnattended = true;
    quit();
}

void RulerHub::quit()
{
    // The session is saved once, whole, before the windows close on the way out; no one is left to
    // answer a message.
    m_savingUnattended = true;
    if (!m_shared.endingRun) {
        saveEverything();
        m_shared.endingRun = true;
    }
    if (m_trayIcon)
        m_trayIcon->hide();
    QCoreApplication::quit();
}

void RulerHub::bringRulersToFront()
{
    // Whatever the tray or a toggle hid comes back with them, so that the next toggle hides again.
    restoreHiddenWindows();
    for (RulerWindow *ruler : std::as_const(m_shared.rulers)) {
        if (ruler->isMinimized())
            ruler->setWindowState(ruler->windowState() & ~Qt::WindowMinimized);
        ruler->show();
        ruler->raise();
    }
    if (!m_shared.rulers.isEmpty())
        m_shared.rulers.last()->activateWindow();
}

void RulerHub::setMessageHandler(const std::function<void(const QString &)> &handler)
{
    m_showMessage = handler;
    if (m_preferencesDialog)
        m_preferencesDialog->setMessageHandler(handler);
}

void RulerHub::showPreferences(PreferencesPage page)
{
    preferencesDialog()->showPage(page);
}

void RulerHub::preferencesClosed()
{
    saveProgramSettings();
    const QList<QWidget *> widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        if (widget->isVisible())
            widget->raise();
    }
    if (m_preferences.value<bool>(ProgramSetting::ShowInfoPanel)) {
        InfoPanel *panel = infoPanel();
        panel->show();
        panel->activateWindow();
        panel->setFocus();
    }
}

void RulerHub::hideInfoPanelBehindPreferences()
{
    // Hiding the panel changes the dialog's activation, which comes back here.
    if (m_hidingPanel || !m_shared.infoPanel || !m_shared.infoPanel->isVisible())
        return;
    m_hidingPanel = true;
    m_shared.infoPanel->hide();
    m_hidingPanel = false;
}

void RulerHub::showAbout()
{
    AboutDialog *dialog = aboutDialog();
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
    dialog->setFocus();
}

void RulerHub::showMagnifier()
{
    if (!m_shared.desktop->readsScreenLive()) {
        openStillFrame(StillFrame::Tool::Magnifier, nullptr);
        return;
    }
    magnifier()->show();
    m_magnifier->setFocus();
}

void RulerHub::openStillFrame(StillFrame::Tool tool, RulerWindow *ruler)
{
    // One at a time: a second request while one is open or on its way is the same request.
    if (m_stillFrame)
        return;
    auto *frame = new StillFrame(m_shared.desktop, tool);
    m_stillFrame = frame;
    if (tool == StillFrame::Tool::Magnifier) {
        frame->setMagnifier(magnifier()->values(), magnifier()->size());
        connect(frame, &StillFrame::left, this,
                [this, frame] { magnifier()->restore(frame->magnifierValues()); });
    } else {
        frame->setEdgeFinderPresentation(ruler->view().edgeFinderPresentation());
        QPointer<RulerWindow> target(ruler);
        connect(frame, &StillFrame::boxChosen, this, [target](const QRect &box, bool figure) {
            if (target)
                target->fitToFoundBox(box, figure);
        });
    }
    const QString toolName =
        tool == StillFrame::Tool::Magnifier ? tr("The magnifier") : tr("The edge finder");
    connect(frame, &StillFrame::failed, this, [this, toolName](const QString &failure) {
        // After the frame has gone, not inside its answer.
        QTimer::singleShot(0, this, [this, toolName, failure] {
            m_showMessage(tr("%1 has no picture of the screen to work on.\n\n%2").arg(toolName, failure));
        });
    });
    frame->start();
}

void RulerHub::showHelp()
{
    openPage(HelpLinks::documentUrl(QString::fromLatin1(HelpLinks::kHelpPage)));
}

void RulerHub::openPage(const QUrl &page)
{
    if (!HelpLinks::openUrl(page))
        m_showMessage(HelpLinks::notOpenedMessage(page));
}

void RulerHub::readMagnifier()
{
    using namespace StoreValues;
    const QSettings store;
    m_magnifier->restore(
        {readBool(store, programKey(ProgramSetting::MagnifierAutoUpdate), false),
         readInt(store, programKey(ProgramSetting::MagnifierGridSize), 1),
         readInt(store, programKey(ProgramSetting::MagnifierGridActive), 1),
         readInt(store, programKey(ProgramSetting::MagnifierZoom), Magnifier::kDefaultZoom)});
    // The same rule as for rulers: a usable size, and a piece to grab on some screen.
    const QSize size = GeometryRule::storedSize(store.value(programKey(ProgramSetting::MagnifierInitialSize)),
                                                Magnifier::kDefaultSize);
    const QPoint place =
        GeometryRule::storedPoint(store.value(programKey(ProgramSetting::MagnifierPlace)), QPoint(0, 0));
    const QRect fitted =
        GeometryRule::fitted(GeometryRule::Wanted{place.x(), place.y(), size.width(), size.height()},
                             GeometryRule::currentScreens());
    m_magnifier->setInitialSize(fitted.size());
    m_magnifier->move(fitted.topLeft());
}

void RulerHub::writeWindowKeys()
{
    QSettings store;
    // Made now if it never was: its keys are written back as it reads them, damaged values mended.
    const Magnifier *shown = magnifier();
    const Magnifier::Values values = shown->values();
    store.setValue(programKey(ProgramSetting::MagnifierAutoUpdate), int(values.autoUpdate));
    store.setValue(programKey(ProgramSetting::MagnifierGridSize), values.gridSize);
    store.setValue(programKey(ProgramSetting::MagnifierGridActive), values.gridActive);
    store.setValue(programKey(ProgramSetting::MagnifierZoom), values.zoom);
    store.setValue(programKey(ProgramSetting::MagnifierInitialSize), shown->size());
    store.setValue(programKey(ProgramSetting::MagnifierPlace), shown->pos());
    store.setValue(programKey(ProgramSetting::ColorDialogPlaceSaved), true);
    // A dialog never opened stands where a new window stands.
    const QPoint colorDialogPlace = m_shared.colorDialog ? m_shared.colorDialog->pos() : QPoint(0, 0);
    store.setValue(programKey(ProgramSetting::ColorDialogX), colorDialogPlace.x());
    store.setValue(programKey(ProgramSetting::ColorDialogY), colorDialogPlace.y());
}

void RulerHub::restoreHiddenWindows()
{
    for (const QPointer<QWidget> &widget : std::as_const(m_hiddenByTray)) {
        if (widget) // a ruler may have closed meanwhile
            widget->show();
    }
    m_hiddenByTray.clear();
}

void RulerHub::toggleWindows()
{
    if (!m_hiddenByTray.isEmpty()) {
        restoreHiddenWindows();
        return;
    }
    // Whole windows only, and never the tray icon's own window: hiding that would take the icon
    // away and leave no way back.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && !window->inherits("QSystemTrayIconSys")) {
            m_hiddenByTray.append(window);
            window->hide();
        }
    }
}

void RulerHub::setGlobalShortcut(GlobalShortcut *shortcut)
{
    if (m_globalShortcut && m_globalShortcut != shortcut) {
        disconnect(m_globalShortcut, nullptr, this, nullptr);
        // The key goes back to the desktop, free for the new way to take it.
        m_globalShortcut->bind(QKeySequence());
    }
    m_globalShortcut = shortcut;
    connect(shortcut, &GlobalShortcut::activated, this, &RulerHub::toggleWindows);
    connect(shortcut, &GlobalShortcut::stateChanged, this, &RulerHub::reportGlobalShortcut);
    if (m_preferencesDialog)
        m_preferencesDialog->followGlobalShortcut(shortcut);
    shortcut->bind(m_preferences.value<QKeySequence>(ProgramSetting::GlobalShortcut));
}

void RulerHub::retryGlobalShortcut()
{
    // A changed key is bound already; the same key again is asked anew only where it failed (the
    // other program may have let it go), so that a working portal key is not asked for twice.
    using State = GlobalShortcut::State;
    const State state = m_globalShortcut->state();
    if ((state == State::Taken || state == State::Refused) &&
        m_globalShortcut->key() == m_preferences.value<QKeySequence>(ProgramSetting::GlobalShortcut))
        m_globalShortcut->bind(m_preferences.value<QKeySequence>(ProgramSetting::GlobalShortcut));
}

void RulerHub::reportGlobalShortcut()
{
    using State = GlobalShortcut::State;
    const State state = m_globalShortcut->state();
    const bool unusable = state == State::Taken || state == State::Refused ||
                          (state == State::Unavailable && !m_globalShortcut->key().isEmpty());
    if (unusable)
        qWarning("Gradora: global key: %s", qPrintable(m_globalShortcut->note()));
}

void RulerHub::trayClick(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        toggleWindows();
        break;
    case QSystemTrayIcon::Context:
        if (!m_hiddenByTray.isEmpty()) {
            restoreHiddenWindows();
            if (QMenu *menu = m_trayIcon->contextMenu())
                menu->popup(QCursor::pos());
        }
        break;
    default:
        break;
    }
}
