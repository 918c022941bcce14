// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "platform/wayland/screenshotreply.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QUrl>

#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ScreenshotReply {
namespace {

// A picture file larger than this is no screenshot (8K at 4 bytes a pixel, uncompressed, is 130 MB).
constexpr qint64 kMaxFileBytes = qint64(512) * 1024 * 1024;

QString text(const char *source)
{
    return QCoreApplication::translate("PortalScreenshot", source);
}

QByteArray readAll(int fd, qint64 size)
{
    QByteArray data(size, Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, data.data() + done, size_t(size - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return {};
        done += got;
    }
    return data;
}

} // namespace

QString requestPath(const QString &sender, const QString &token)
{
    QString name = sender.startsWith(QLatin1Char(':')) ? sender.mid(1) : sender;
    name.replace(QLatin1Char('.'), QLatin1Char('_'));
    return kPortalPath + QStringLiteral("/request/") + name + QLatin1Char('/') + token;
}

bool meansNoPortal(const QDBusError &error)
{
    return error.type() == QDBusError::ServiceUnknown || error.type() == QDBusError::UnknownObject ||
           error.type() == QDBusError::UnknownInterface || error.type() == QDBusError::UnknownMethod ||
           error.type() == QDBusError::Disconnected;
}

Decision decide(bool withDialog, uint response, const QVariantMap &results)
{
    Decision decision;
    switch (response) {
    case 0:
        decision.uri = results.value(QStringLiteral("uri")).toString();
        if (decision.uri.isEmpty())
            decision.failure = text(QT_TRANSLATE_NOOP(
                "PortalScreenshot", "The desktop answered without a picture of the screen."));
        else
            decision.step = Step::ReadFile;
        break;
    case 1:
        decision.failure =
            text(QT_TRANSLATE_NOOP("PortalScreenshot", "The desktop refused a picture of the screen."));
        break;
    default:
        if (!withDialog)
            decision.step = Step::AskWithDialog;
        else
            decision.failure = text(
                QT_TRANSLATE_NOOP("PortalScreenshot", "The desktop could not take a picture of the screen."));
        break;
    }
    return decision;
}

PictureFile pictureFile(const QString &uri)
{
    PictureFile file;
    const QUrl url(uri);
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    struct stat info = {};
    if (path.isEmpty() || !QDir::isAbsolutePath(path) || !url.host().isEmpty())
        file.failure = text(QT_TRANSLATE_NOOP(
            "PortalScreenshot",
            "The desktop named its picture of the screen in a way that is not a local file."));
    else if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        file.failure = text(QT_TRANSLATE_NOOP("PortalScreenshot",
                                              "The desktop's picture of the screen is not a plain file."));
    else
        file.path = path;
    return file;
}

QImage takeFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {};
    struct stat info = {};
    QByteArray data;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        if (info.st_size > 0 && info.st_size <= kMaxFileBytes)
            data = readAll(fd, info.st_size);
        // The file we opened is the one deleted: a link put in its place is left alone.
        struct stat now = {};
        if (::lstat(name.constData(), &now) == 0 && now.st_dev == info.st_dev && now.st_ino == info.st_ino)
            ::unlink(name.constData());
    }
    ::close(fd);
    return QImage::fromData(data);
}

ScreenPicture placedOnDesktop(const QImage &image, const QList<QRect> &screens)
{
    ScreenPicture picture;
    for (const QRect &screen : screens)
        picture.area |= screen;
    if (image.isNull()) {
        picture.failure = text(
            QT_TRANSLATE_NOOP("PortalScreenshot", "The desktop's picture of the screen could not be read."));
        return picture;
    }
    if (picture.area.isEmpty()) {
        picture.failure = text(
            QT_TRANSLATE_NOOP("PortalScreenshot", "No screen is known to place the desktop's picture on."));
        return picture;
    }
    const qreal scale = qreal(image.width()) / picture.area.width();
    if (std::abs(image.height() - picture.area.height() * scale) > 1.0) {
        picture.failure =
            text(QT_TRANSLATE_NOOP("PortalScreenshot",
                                   "The desktop's picture (%1 × %2) does not show these screens (%3 × %4)."))
                .arg(image.width())
                .arg(image.height())
                .arg(picture.area.width())
                .arg(picture.area.height());
        return picture;
    }
    picture.image = image;
    return picture;
}

QString noPortalText()
{
    return text(QT_TRANSLATE_NOOP(
        "PortalScreenshot", "This desktop offers no screenshot portal (xdg-desktop-portal with a backend "
                            "for the desktop, such as xdg-desktop-portal-gnome, -kde or -wlr)."));
}

QString timedOutText(int seconds)
{
    return text(QT_TRANSLATE_NOOP("PortalScreenshot",
                                  "The desktop gave no picture of the screen within %1 seconds."))
        .arg(seconds);
}

} // namespace ScreenshotReply
