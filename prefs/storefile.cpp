// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "prefs/storefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace StoreFile {

namespace {
QString systemWords(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file that a link at `path` finally names (the path itself when it is no link). Links that go
// round in a circle end at their first step.
QString finalTarget(const QString &path)
{
    constexpr int kMostLinks = 40; // as the system follows them
    QString target = path;
    for (int step = 0; step < kMostLinks; ++step) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget();
    }
    return path;
}
} // namespace

QString whyNotAFile(const QString &path)
{
    // stat() follows links and never opens what it looks at.
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return QString(); // nothing there, or a link to nothing yet
    if (S_ISREG(status.st_mode))
        return QString();
    if (S_ISDIR(status.st_mode))
        return QCoreApplication::translate("QObject", "a folder stands in its place");
    return QCoreApplication::translate("QObject", "it is not a regular file");
}

int removeStaleTemporaries(const QString &path)
{
    const QFileInfo info(path);
    const QRegularExpression name(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(info.fileName())));
    const QDir folder = info.absoluteDir();
    int removed = 0;
    const QStringList candidates = folder.entryList({info.fileName() + QStringLiteral(".??????")},
                                                    QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &candidate : candidates) {
        const QString file = folder.filePath(candidate);
        struct stat status = {};
        // Only regular files of this user: never what a link points to, never another user's.
        if (!name.match(candidate).hasMatch() || ::lstat(QFile::encodeName(file).constData(), &status) != 0 ||
            !S_ISREG(status.st_mode) || status.st_uid != ::getuid())
            continue;
        if (QFile::remove(file))
            ++removed;
    }
    return removed;
}

QString damagedCopyPath(const QString &path)
{
    return path + QStringLiteral(".damaged");
}

bool keepDamagedCopy(const QString &path, const QByteArray &content)
{
    const QString copyPath = damagedCopyPath(path);
    // A new file in its own name: whatever stood there (a link too) goes first, and is not followed.
    if (QFileInfo(copyPath).isDir() && !QFileInfo(copyPath).isSymLink())
        return false;
    QFile::remove(copyPath);
    QFile copy(copyPath);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    copy.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return copy.write(content) == content.size() && copy.flush();
}

QString whyUnwritable(const QString &path)
{
    const QString target = finalTarget(path);
    if (const QString notAFile = whyNotAFile(target); !notAFile.isEmpty())
        return notAFile;
    const QFileInfo info(target);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    struct stat status = {};
    if (::stat(folder.constData(), &status) != 0)
        return systemWords(errno);
    if (!S_ISDIR(status.st_mode))
        return systemWords(ENOTDIR);
    // A save writes a new file beside the old one and its lock file there too.
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return systemWords(errno);
    if (info.exists() && ::access(QFile::encodeName(target).constData(), W_OK) != 0)
        return systemWords(errno);
    return QString();
}

} // namespace StoreFile
