// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "app/stillframe.h"
#include "prefs/preferences.h"
#include "ruler/rulershared.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

class AboutDialog;
class Desktop;
class Magnifier;
class PreferencesDialog;
class QMenu;
class QNetworkAccessManager;
class QNetworkReply;
class QUrl;
class QWidget;
namespace UpdateCheck {
struct Prompt;
}

// The program around the rulers, one per run: the preferences and their dialog, the list of open
// rulers, the tray icon, the windows that all rulers share (information panel, colour dialog,
// Position/Size, Transparency, About), the magnifier and the update check. It makes every ruler,
// hands it what rulers share and answers its requests (new ruler, preferences, about, help, quit...).
class RulerHub : public QObject
{
    Q_OBJECT
public:
    // Hands `desktop` to every part that asks things of the desktop; without one, the hub makes the
    // running session's own (DesktopFactory).
    explicit RulerHub(Desktop *desktop = nullptr, QObject *parent = nullptr);
    ~RulerHub() override;

    Preferences *preferences() { return &m_preferences; }
    Desktop *desktop() const { return m_shared.desktop; }
    // The preferences and about dialogs and the magnifier are made when first wanted: the first
    // ruler shows sooner without them.
    PreferencesDialog *preferencesDialog();
    const QList<RulerWindow *> &rulers() const { return m_shared.rulers; }
    // Made once the first ruler is up (or when asked for sooner).
    QSystemTrayIcon *trayIcon();
    InfoPanel *infoPanel() const { return m_shared.infoPanel; }
    QColorDialog *colorDialog() { return m_shared.madeColorDialog(); }
    PositionDialog *positionDialog() { return m_shared.madePositionDialog(); }
    TransparencyDialog *transparencyDialog() { return m_shared.madeTransparencyDialog(); }
    AboutDialog *aboutDialog();
    Magnifier *magnifier();
    // Which colour the shared colour dialog edits (see RulerShared).
    std::optional<ColorTarget> colorTarget() const { return m_shared.colorTarget; }

    // A ruler attached to the hub, not yet shown.
    RulerWindow *createRuler();
    // The first ruler of the run: restores the stored picture, colours and geometry, then shows it.
    RulerWindow *openFirstRuler();
    // Writes the program-wide keys (the preferences, the magnifier, the colour dialog) and flushes. A
    // failed save is told on standard error, and in a message where the user is there to read it: not
    // while the session or the program ends.
    void saveProgramSettings();
    static QString failedSaveText(const QString &path, const QString &reason);
    // Every open ruler saves its settings (and with them the program's), as "Quit" has them do;
    // the session manager asks for this before the session ends.
    void saveEverything();
    // The end of the session or a signal to end: save everything, then end the program.
    void endSession();
    // Shows and raises every ruler, the one attached last on top with the keyboard.
    void bringRulersToFront();
    void showPreferences(PreferencesPage page);
    // Shows a refusal of the preferences or of a ruler in a modal box; tests replace it.
    void setMessageHandler(const std::function<void(const QString &)> &handler);

#if GRADORA_UPDATE_CHECK
    // Update check (rulerhub_update.cpp). A request returns at once; the reply tells the user.
    static constexpr int kUpdateTimeoutMs = 30000;
    // The daily check waits this long after the start, so that the first ruler shows first.
    static constexpr int kStartUpdateCheckDelayMs = 2000;
    void sendVersionRequest(bool manual);
    // The way onto the network that the requests take, made with the first of them.
    QNetworkAccessManager *updateNetwork();
    // The automatic check: at most once a day, when enabled; one that fails still counts.
    void checkForUpdatesWhenDue(const QDate &today);
    // A user-started check without an answer within this time is reported as failed.
    void setUpdateTimeout(int milliseconds)
    {
        m_updateTimeoutMs = milliseconds;
    }
    // The update messages (true: the user answered Yes) and the way to the download page; the tests
    // replace them.
    static std::function<bool(const UpdateCheck::Prompt &prompt)> askAboutUpdate;
    static std::function<void(const QUrl &page)> leaveForDownloadPage;
#endif

private:
    void createSharedWindows();
    void createTrayIcon();
    void connectRuler(RulerWindow *ruler);
    void openRulerFrom(RulerWindow *source);
    void quit();
    void trayClick(QSystemTrayIcon::ActivationReason reason);
    void restoreHiddenWindows();
    void preferencesClosed();
    void hideInfoPanelBehindPreferences();
    void showAbout();
    void showMagnifier();
    // Runs the magnifier or a ruler's edge finder on a still frame, where the screen cannot be read live.
    void openStillFrame(StillFrame::Tool tool, RulerWindow *ruler);
    void showHelp();
    // Hands a page to the desktop, and says where it is when no browser takes it.
    void openPage(const QUrl &page);
    // The magnifier's values and the colour dialog's place (their keys are the program's).
    void readMagnifier();
    void writeWindowKeys();
#if GRADORA_UPDATE_CHECK
    void replyFinished(QNetworkReply *reply);
#endif

    std::unique_ptr<Desktop> m_ownDesktop;
    Preferences m_preferences;
    RulerShared m_shared;
    PreferencesDialog *m_preferencesDialog = nullptr;
    AboutDialog *m_aboutDialog = nullptr;
    Magnifier *m_magnifier = nullptr;
    QPointer<StillFrame> m_stillFrame;
    QSystemTrayIcon *m_trayIcon = nullptr;
    // The menu the tray shows: the last rebuilt ruler menu.
    QPointer<QMenu> m_trayMenu;
    QList<QPointer<QWidget>> m_hiddenByTray;
    std::function<void(const QString &)> m_showMessage;
    bool m_hidingPanel = false;
    bool m_savingUnattended = false;
    bool m_toldOfFailedSave = false;
#if GRADORA_UPDATE_CHECK
    QNetworkAccessManager *m_network = nullptr;
    int m_updateTimeoutMs = kUpdateTimeoutMs;
    bool m_manualCheck = false;
#endif
};
