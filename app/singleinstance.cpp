// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#include "app/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <cerrno>
#include <cstring>

#include "prefs/topmessage.h"

SingleInstance::SingleInstance(const QString &folder)
{
    QString dir = folder;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    m_path = QDir(dir).filePath(QStringLiteral("gradora-%1.lock").arg(QLatin1String(kInstanceKey)));
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead holder makes the lock stale, never its age: a copy may run for weeks.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::tryAcquire()
{
    if (m_lock->tryLock(0))
        return Outcome::Acquired;
    if (m_lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host;
        QString application;
        // A readable lock that the toolkit did not find stale names a live copy of the program.
        if (m_lock->getLockInfo(&pid, &host, &application))
            return Outcome::AnotherInstance;
        if (replaceUnreadableLock() && m_lock->tryLock(0))
            return Outcome::Acquired;
    }
    noteFailure();
    return Outcome::Unavailable;
}

// An empty or damaged lock file was left by no running copy (a copy writes its lock completely
// before it runs); an empty folder in its place is removed as well.
bool SingleInstance::replaceUnreadableLock()
{
    const QFileInfo info(m_path);
    if (info.isDir() && !info.isSymLink())
        return QDir().rmdir(m_path);
    return m_lock->removeStaleLockFile() || !QFileInfo::exists(m_path);
}

// The system's own words for why the lock file cannot be made.
void SingleInstance::noteFailure()
{
    const QFileInfo info(m_path);
    const QFileInfo folder(info.absolutePath());
    if (info.isDir())
        m_reason = QObject::tr("a folder stands in its place");
    else if (!folder.isDir())
        m_reason = QString::fromLocal8Bit(std::strerror(folder.exists() ? ENOTDIR : ENOENT));
    else if (!folder.isWritable())
        m_reason = QString::fromLocal8Bit(std::strerror(EACCES));
    else if (QFile probe(m_path); !probe.open(QIODevice::ReadOnly))
        m_reason = probe.errorString();
    else
        m_reason = QString::fromLocal8Bit(std::strerror(EIO));
}

QString SingleInstance::unavailableText(const QString &path, const QString &reason)
{
    return QObject::tr("Gradora cannot start: its lock file %1 cannot be created: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
}

void SingleInstance::showUnavailable(const QString &path, const QString &reason)
{
    QMessageBox box;
    box.setText(unavailableText(path, reason));
    box.setIcon(QMessageBox::Critical);
    box.exec();
}

QString SingleInstance::refusalText()
{
    return QObject::tr("Another instance of the program is already started. ");
}

void SingleInstance::showRefusal()
{
    QMessageBox box;
    TopMessage::dress(box);
    box.setText(refusalText());
    box.setIcon(QMessageBox::Information);
    box.exec();
}
