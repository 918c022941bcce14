// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/updatecheck.h"

#include "prefs/appidentity.h"

#include <QCoreApplication>
#include <QLocale>
#include <QtNumeric>
#include <array>
#include <charconv>
#include <cmath>

namespace UpdateCheck {

namespace {
constexpr int kVersionDigits = 6;

// The context under which the translation tools file these texts.
QString tr(const char *text)
{
    return QCoreApplication::translate("UpdateCheck", text);
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
            verdict.announced = QString::fromLatin1(body.trimmed());
        }
    } else if (!body.isEmpty()) {
        verdict.message = manual ? Message::UpToDate : Message::None;
    } else {
        verdict.message = manual ? Message::Failed : Message::None;
    }
    return verdict;
}

float versionNumber(const QString &text)
{
    return versionOf(text.toLatin1());
}

QString storedVersion(const QVariant &stored, const QString &fallback)
{
    const QString text = stored.toString().trimmed();
    bool ok = false;
    const float number = text.toFloat(&ok);
    if (!ok || !qIsFinite(number))
        return fallback;
    if (text == QString::number(double(number), 'g', QLocale::FloatingPointShortest)) {
        // The shortest text that reads back as this single-precision number.
        std::array<char, 32> shortest{};
        const auto written = std::to_chars(shortest.data(), shortest.data() + shortest.size(), number);
        return QString::fromLatin1(shortest.data(), written.ptr - shortest.data());
    }
    return text;
}

bool offersDownload(Message message)
{
    return message == Message::NewerOnRequest || message == Message::NewerAutomatic;
}

bool carriesAnswer(bool networkError, const QVariant &httpStatus)
{
    constexpr int kFirstSuccess = 200;
    constexpr int kLastSuccess = 299;
    if (networkError || !httpStatus.isValid())
        return false;
    bool isNumber = false;
    const int status = httpStatus.toInt(&isNumber);
    return isNumber && status >= kFirstSuccess && status <= kLastSuccess;
}

Prompt prompt(Message message, float latest)
{
    Prompt prompt;
    switch (message) {
    case Message::NewerOnRequest:
        prompt.icon = Prompt::Icon::ProgramPicture;
        prompt.text = tr("There is a new version available.\n") + tr("\nYour version: ") +
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
