// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

// The update check: one request to our endpoint, on demand or once a day, and what the reply means.
#include "app/rulerhub.h"

#include "app/programpicture.h"
#include "prefs/topmessage.h"
#include "prefs/updatecheck.h"
#include "prefs/updateprogress.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

std::function<bool(const UpdateCheck::Prompt &)> RulerHub::askAboutUpdate =
    [](const UpdateCheck::Prompt &prompt) {
        QMessageBox box;
        TopMessage::dress(box);
        switch (prompt.icon) {
        case UpdateCheck::Prompt::Icon::ProgramPicture:
            box.setIconPixmap(ProgramPicture::ofSize(64));
            break;
        case UpdateCheck::Prompt::Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case UpdateCheck::Prompt::Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        }
        box.setText(prompt.text);
        box.setStandardButtons(prompt.asksYesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
        return box.exec() == QMessageBox::Yes;
    };

// The program ends as "Quit" ends it, every ruler saving its settings as it closes.
std::function<void(const QUrl &)> RulerHub::leaveForDownloadPage = [](const QUrl &page) {
    QDesktopServices::openUrl(page);
    QApplication::closeAllWindows();
};

void RulerHub::checkForUpdatesWhenDue(const QDate &today)
{
    if (!m_preferences.value<bool>(ProgramSetting::AutoUpdates) || !m_preferences.updateCheckDue(today))
        return;
    // Written before asking, so that a check that fails still counts for its day.
    m_preferences.markUpdateChecked(today);
    sendVersionRequest(false);
}

void RulerHub::sendVersionRequest(bool manual)
{
    ++m_updateQuestions;
    VersionQuestion *question =
        VersionQuestion::ask(UpdateCheck::endpoint(), UpdateCheck::kMaxReplyBytes, m_updateTimeoutMs, this,
                             [this, manual](VersionQuestion *asked, const VersionQuestion::Reply &reply) {
                                 --m_updateQuestions;
                                 // The note goes before the answer shows.
                                 UpdateProgress::closeFor(asked);
                                 if (!UpdateProgress::wasCancelled(asked))
                                     versionAnswered(manual, reply);
                                 Q_EMIT updateQuestionHandled();
                             });
    // The user asked and waits: show that the question is out, and let them give it up.
    if (manual)
        UpdateProgress::showFor(question);
}

void RulerHub::versionAnswered(bool manual, const VersionQuestion::Reply &reply)
{
    // An error page's body is no version: a failed reply reads as an empty one.
    const bool answered = UpdateCheck::carriesAnswer(reply.networkError, reply.httpStatus);
    const QByteArray body = answered && !reply.cutOff ? reply.body : QByteArray();
    const UpdateCheck::Verdict verdict = UpdateCheck::evaluate(
        body, manual, UpdateCheck::versionNumber(m_preferences.value<QString>(ProgramSetting::LastInformed)));
    if (verdict.remember)
        m_preferences.setValue(ProgramSetting::LastInformed, verdict.announced);
    if (verdict.message == UpdateCheck::Message::None)
        return;
    const bool yes = askAboutUpdate(UpdateCheck::prompt(verdict.message, verdict.latest));
    if (yes && UpdateCheck::offersDownload(verdict.message))
        leaveForDownloadPage(UpdateCheck::downloadPage());
}
