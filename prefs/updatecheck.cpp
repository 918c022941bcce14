#include "updatecheck.h"

#include "appidentity.h"

#include <QCoreApplication>
#include <QtNumeric>
#include <cmath>

namespace UpdateCheck {

namespace {
constexpr int kVersionDigits = 6;

QString tr(const char *text)
{
    return QCoreApplication::translate("Settings", text);
}

// A body that is not a number, or a number that does not fit, reads as version 0.
float versionOf(const QByteArray &body)
{
    bool ok = false;
    const float value = body.trimmed().toFloat(&ok);
    return ok && qIsFinite(value) ? value : 0.0f;
}
} // namespace

float ownVersion()
{
    return AppIdentity::applicationVersion.toFloat();
}

QUrl endpoint()
{
    const QUrl chosen(qEnvironmentVariable(kEndpointVariable), QUrl::StrictMode);
    return chosen.isValid() && !chosen.isRelative() ? chosen : QUrl(QString::fromLatin1(kEndpoint));
}

QNetworkRequest versionRequest(const QUrl &address)
{
    QNetworkRequest request(address);
    // A redirect may never take the request from HTTPS to plain HTTP.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    return request;
}

QUrl downloadPage()
{
    return QUrl(QString::fromLatin1(kDownloadPage));
}

bool isDue(const QDate &lastCheck, const QDate &today)
{
    return !lastCheck.isValid() || lastCheck != today;
}

Verdict evaluate(const QByteArray &body, bool manual, float lastInformed)
{
    Verdict verdict;
    const float number = versionOf(body);
    verdict.latest = std::fabs(number);
    if (verdict.latest > ownVersion()) {
        if (manual) {
            verdict.message = Message::NewerOnRequest;
        } else if (number > lastInformed) {
            // The number itself, not its absolute value: a negative reply is never announced twice.
            verdict.message = Message::NewerAutomatic;
            verdict.remember = true;
            verdict.announced = number;
        }
    } else if (!body.isEmpty()) {
        verdict.message = manual ? Message::UpToDate : Message::None;
    } else {
        verdict.message = manual ? Message::Failed : Message::None;
    }
    return verdict;
}

bool offersDownload(Message message)
{
    return message == Message::NewerOnRequest || message == Message::NewerAutomatic;
}

bool carriesAnswer(bool networkError, int httpStatus)
{
    constexpr int kFirstSuccess = 200;
    constexpr int kLastSuccess = 299;
    if (networkError)
        return false;
    return httpStatus == 0 || (httpStatus >= kFirstSuccess && httpStatus <= kLastSuccess);
}

Prompt prompt(Message message, float latest)
{
    Prompt prompt;
    switch (message) {
    case Message::NewerOnRequest:
        prompt.icon = Prompt::Icon::ProgramPicture;
        prompt.text = tr("There is new version available.\n") + tr("\nYour version: ") +
                      AppIdentity::applicationVersion + tr("\nLatest version: ") +
                      QString::number(double(latest), 'g', kVersionDigits) +
                      tr("\n\nDo you want to visit the download page?");
        prompt.asksYesNo = true;
        break;
    case Message::NewerAutomatic:
        prompt.icon = Prompt::Icon::ProgramPicture;
        prompt.text = tr("There is new version of Gradora available for download.\n") +
                      tr("\n\nDo you want to visit the download page?");
        prompt.asksYesNo = true;
        break;
    case Message::UpToDate:
        prompt.icon = Prompt::Icon::Information;
        prompt.text = tr("You are using the latest version of Gradora");
        break;
    case Message::Failed:
        prompt.icon = Prompt::Icon::Critical;
        prompt.text = tr("ERROR: Can't retrieve version info from program's site. There could be internet "
                         "connection problem or the server may be down. Try again later...  ");
        break;
    case Message::None:
        break;
    }
    return prompt;
}

} // namespace UpdateCheck
