// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "prefs/weblinks.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QUrl>
#include <QVariant>

// The decisions of the update check, apart from the network and the message boxes: which address
// is asked, when the automatic check is due, what a reply means and what the user is told.
namespace UpdateCheck {
// A version number is a few characters; anything longer is not an answer of our endpoint.
inline constexpr qint64 kMaxReplyBytes = 64;
inline constexpr const char *kEndpoint = WebLinks::kUpdateEndpoint;
inline constexpr const char *kDownloadPage = WebLinks::kDownloadPage;
// Replaces kEndpoint when set, so that a local server can stand in for ours.
inline constexpr char kEndpointVariable[] = "GRADORA_UPDATE_URL";

enum class Message
{
    None,
    NewerOnRequest,
    NewerAutomatic,
    UpToDate,
    Failed
};

struct Verdict
{
    Message message = Message::None;
    float latest = 0.0f; // the absolute value of the reply, as shown to the user
    // An automatic announcement remembers the announced version, as the server wrote it, so that it
    // is not repeated.
    bool remember = false;
    QString announced;
};

struct Prompt
{
    enum class Icon
    {
        ProgramPicture,
        Information,
        Critical
    };
    Icon icon = Icon::Information;
    QString text;
    bool asksYesNo = false; // else just OK
};

// The program's own version as a number.
float ownVersion();
QUrl endpoint();
QUrl downloadPage();

// The automatic check runs once per calendar day. A stored day that is missing, invalid or not
// today makes it due: one in the future was written under a wrong clock and must not block checks.
bool isDue(const QDate &lastCheck, const QDate &today);

// body: the reply's body; empty when nothing arrived or the reply was cut off. lastInformed is
// compared as a number, as the update server expects.
Verdict evaluate(const QByteArray &body, bool manual, float lastInformed);

// The version last announced, kept as the text the server sent. A stored text that is no finite
// number gives the fallback. Older versions of the program stored the single-precision number
// through a double (6.1 as 6.099999904632568): that spelling reads as the shortest text of the
// same single-precision number.
QString storedVersion(const QVariant &stored, const QString &fallback);
// A version text as the number that comparisons use (single precision); 0 when it is no number.
float versionNumber(const QString &text);
bool offersDownload(Message message);
// Whether a finished reply carries our endpoint's answer at all: only a success status (2xx) from the
// server does. An error of the network, any other status (0 too) or none at all means "cannot
// retrieve", whatever the body says. `httpStatus` is the reply's status attribute, invalid where it
// had none.
bool carriesAnswer(bool networkError, const QVariant &httpStatus);
Prompt prompt(Message message, float latest);
} // namespace UpdateCheck
