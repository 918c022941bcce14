// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "app/instancecommand.h"
#include "app/stillframe.h"
#include "prefs/preferences.h"
#include "ruler/window/rulershared.h"
#if GRADORA_UPDATE_CHECK
#include "prefs/versionquestion.h"
#endif

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <functional>
#include <memory>

class AboutDialog;
class Desktop;
class GlobalShortcut;
class Magnifier;
class PreferencesDialog;
class QMenu;
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
    // Made once the first ruler's window is out (or when asked for sooner).
    InfoPanel *infoPanel() { return m_shared.madeInfoPanel(); }
    QColorDialog *colorDialog() { return m_shared.madeColorDialog(); }
    PositionDialog *positionDialog() { return m_shared.madePositionDialog(); }
    TransparencyDialog *transparencyDialog() { return m_shared.madeTransparencyDialog(); }
    AboutDialog *aboutDialog();
    Magnifier *magnifier();
    // Which colour the shared colour dialog edits (see RulerShared).
    std::optional<ColorTarget> colorTarget() const { return m_shared.colorTarget; }

    // A ruler attached to the hub, not yet shown.
    RulerWindow *createRuler();
    // The rulers of the last session: the first ruler of the run with its stored picture, colours,
    // geometry and figure, then every further ruler that was open, in their order; the one that had
    // the keyboard has it again. Returns the first.
    RulerWindow *openFirstRuler();
    // Writes the program-wide keys (the preferences, the magnifier, the colour dialog) and flushes. A
    // failed save is told on standard error, and in a message where the user is there to read it: not
    // while the session or the program ends.
    void saveProgramSettings();
    static QString failedSaveText(const QString &path, const QString &reason);
    // Saves the session, every open ruler (the hidden ones too), and the program's keys, as "Quit"
    // does; the session manager asks for this before the session ends.
    void saveEverything();
    // The end of the session or a signal to end: save everything, then end the program.
    void endSession();
    // Shows what the tray hid, and shows and raises every ruler, the one attached last on top with
    // the keyboard.
    void bringRulersToFront();
    // A new ruler beside the one attached last, or at `geometry` (as the geometry rule fits it).
    RulerWindow *openRuler(const std::optional<QRect> &geometry = std::nullopt);
    // Hides every window of the program, or shows again what it hid: the tray icon's left click.
    void toggleWindows();
    // The readings of the active ruler, or else of the one attached last, on the clipboard.
    void copyReadings();
    // Saves every ruler and the program's settings, then ends the program.
    void quitSavingEverything();
    // A command from a second start or a launcher.
    void carryOut(const InstanceCommand::Command &command);
    // The command the program was started for (by its command line, or by a launcher that had the
    // session bus start it), once the first ruler is open: a toggle leaves the rulers shown instead
    // of hiding them at once, and the new ruler is the first one.
    void finishStart(const InstanceCommand::Command &starter);
    // A new ruler for each picture file, showing the picture; a file that is no picture is told.
    void openPictures(const QStringList &paths);
    // The key that reaches the program from anywhere: the hub makes the session's own (DesktopFactory)
    // and binds the stored key; tests hand in another. Changes of the key are bound at once, its
    // presses toggle the rulers, and a key that cannot serve is told on standard error and in the
    // preferences.
    void setGlobalShortcut(GlobalShortcut *shortcut);
    GlobalShortcut *globalShortcut() const { return m_globalShortcut; }
    void showPreferences(PreferencesPage page);
    // Shows a refusal of the preferences or of a ruler in a modal box; tests replace it.
    void setMessageHandler(const std::function<void(const QString &)> &handler);

#if GRADORA_UPDATE_CHECK
    // Update check (rulerhub_update.cpp). A request returns at once; the reply tells the user.
    static constexpr int kUpdateTimeoutMs = 30000;
    // The daily check waits this long after the start, so that the first ruler shows first.
    static constexpr int kStartUpdateCheckDelayMs = 2000;
    void sendVersionRequest(bool manual);
    // The questions under way (each deletes itself once its answer is handled).
    int updateQuestionsUnderway() const { return m_updateQuestions; }
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

Q_SIGNALS:
    // A question of the update check came back and what it meant was told (or it was given up).
    void updateQuestionHandled();
#endif

private:
    void createTrayIcon();
    void connectRuler(RulerWindow *ruler);
    void openRulerFrom(RulerWindow *source, const std::optional<QRect> &geometry = std::nullopt);
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
    void versionAnswered(bool manual, const VersionQuestion::Reply &reply);
#endif

    void reportGlobalShortcut();
    void retryGlobalShortcut();

    std::unique_ptr<Desktop> m_ownDesktop;
    std::unique_ptr<GlobalShortcut> m_ownGlobalShortcut;
    GlobalShortcut *m_globalShortcut = nullptr;
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
    int m_updateTimeoutMs = kUpdateTimeoutMs;
    int m_updateQuestions = 0;
#endif
};
