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
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPixmap>
#include <QTimer>

namespace {
// Carried by each reply, so that two requests in flight are each answered as what they were.
constexpr char kManualProperty[] = "gradoraManualCheck";
// Set when the reply was given up: too long, or too slow.
constexpr char kCutOffProperty[] = "gradoraCutOff";

void cutOff(QNetworkReply *reply)
{
    if (reply->isFinished())
        return;
    reply->setProperty(kCutOffProperty, true);
    reply->abort();
}
} // namespace

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
    if (!m_preferences.autoUpdates() || !m_preferences.updateCheckDue(today))
        return;
    // Written before asking, so that a check that fails still counts for its day.
    m_preferences.markUpdateChecked(today);
    sendVersionRequest(false);
}

void RulerHub::sendVersionRequest(bool manual)
{
    m_manualCheck = manual;
    QNetworkReply *reply = updateNetwork()->get(UpdateCheck::versionRequest(UpdateCheck::endpoint()));
    reply->setProperty(kManualProperty, manual);

    // A hostile or broken server must not make us hold more than a version number's worth: the
    // reply buffers one byte beyond the limit, and that byte ends it.
    reply->setReadBufferSize(UpdateCheck::kMaxReplyBytes + 1);
    connect(reply, &QNetworkReply::readyRead, reply, [reply] {
        if (reply->bytesAvailable() > UpdateCheck::kMaxReplyBytes)
            cutOff(reply);
    });

    auto *deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, [reply] { cutOff(reply); });
    deadline->start(m_updateTimeoutMs);

    // The user asked and waits: show that the question is out, and let them give it up.
    if (manual)
        UpdateProgress::showFor(reply);
}

QNetworkAccessManager *RulerHub::updateNetwork()
{
    // Made for the first question: a start never pays for the network stack.
    if (!m_network) {
        m_network = new QNetworkAccessManager(this);
        connect(m_network, &QNetworkAccessManager::finished, this, &RulerHub::replyFinished);
    }
    return m_network;
}

void RulerHub::replyFinished(QNetworkReply *reply)
{
    reply->deleteLater();
    const QVariant kind = reply->property(kManualProperty);
    const bool manual = kind.isValid() ? kind.toBool() : m_manualCheck;
    // The note goes before the answer shows.
    UpdateProgress::closeFor(reply);
    if (UpdateProgress::wasCancelled(reply))
        return;

    // An error page's body is no version: a failed reply reads as an empty one.
    const bool answered = UpdateCheck::carriesAnswer(
        reply->error() != QNetworkReply::NoError, reply->attribute(QNetworkRequest::HttpStatusCodeAttribute));
    QByteArray body;
    if (answered && !reply->property(kCutOffProperty).toBool()) {
        body = reply->read(UpdateCheck::kMaxReplyBytes + 1);
        if (body.size() > UpdateCheck::kMaxReplyBytes)
            body.clear();
    }

    const UpdateCheck::Verdict verdict =
        UpdateCheck::evaluate(body, manual, UpdateCheck::versionNumber(m_preferences.lastInformed()));
    if (verdict.remember)
        m_preferences.setLastInformed(verdict.announced);
    if (verdict.message == UpdateCheck::Message::None)
        return;
    const bool yes = askAboutUpdate(UpdateCheck::prompt(verdict.message, verdict.latest));
    if (yes && UpdateCheck::offersDownload(verdict.message))
        leaveForDownloadPage(UpdateCheck::downloadPage());
}
