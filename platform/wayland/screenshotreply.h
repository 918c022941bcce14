// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include "platform/desktop.h"

#include <QDBusError>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <QVariantMap>

// The parts of a desktop portal screenshot that need no bus: where the portal will announce its answer,
// what the answer means, which file it names, and where the picture stands on the desktop.
namespace ScreenshotReply {

inline const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
inline const QString kScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
inline const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// The object on which the portal answers a call made with `token` by the connection `sender`
// (its unique name, ":1.42"): /org/freedesktop/portal/desktop/request/1_42/TOKEN. Subscribing to it
// before the call leaves no moment in which the answer could pass unseen.
QString requestPath(const QString &sender, const QString &token);

// Whether the error of a portal call means that no portal (or none with that interface) answers, as
// opposed to a portal that failed. Every call to the portal reads its errors so.
bool meansNoPortal(const QDBusError &error);

// What to do with the portal's Response(response, results).
enum class Step
{
    ReadFile,      // the picture is in the file `uri` names
    AskWithDialog, // the quiet request was turned down: ask again through the desktop's dialog
    Fail,          // give up with `failure`
};
struct Decision
{
    Step step = Step::Fail;
    QString uri;
    QString failure;
};
// Response 0 with a uri is a picture; 1 is the user's refusal; 2 (the request ended another way)
// after a quiet request asks again with the dialog, after the dialog it fails.
Decision decide(bool withDialog, uint response, const QVariantMap &results);

// The local file a uri names, or why it will not be read: only file:// uris of an absolute path to a
// regular file are taken, never a symbolic link (a planted link could make us read, and then delete,
// something else).
struct PictureFile
{
    QString path;
    QString failure;
};
PictureFile pictureFile(const QString &uri);

// Reads the picture file and deletes it at once, whether it reads or not: the portal may leave it
// world-readable in /tmp. A file that turned into a link in the meantime is neither read nor deleted.
// A null image when it cannot be read.
QImage takeFile(const QString &path);

// The picture placed on the desktop: its area is the union of the screens' logical rectangles, and
// its size against that area is the display scale. A picture whose width and height do not give the
// same scale shows something else than these screens and is refused.
ScreenPicture placedOnDesktop(const QImage &image, const QList<QRect> &screens);

// The messages for a missing portal and a time-out.
QString noPortalText();
QString timedOutText(int seconds);

} // namespace ScreenshotReply
