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

#include "prefs/storefile.h"
#include "prefs/topmessage.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

SingleInstance::SingleInstance(const QString &folder)
{
    QString dir = folder;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    QString name = QStringLiteral("gradora-%1.lock").arg(QLatin1String(kInstanceKey));
    // The shared temporary folder holds the locks of every user: each has their own there.
    if (dir.isEmpty()) {
        dir = QDir::tempPath();
        name = QStringLiteral("gradora-%1-%2.lock").arg(QLatin1String(kInstanceKey)).arg(::getuid());
    }
    QDir().mkpath(dir);
    m_path = QDir(dir).filePath(name);
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead holder makes the lock stale, never its age: a copy may run for weeks.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::tryAcquire()
{
    // A FIFO or a device in its place would block the start in open() for ever; it is never opened.
    if (!QFileInfo(m_path).isDir()) {
        m_reason = StoreFile::whyNotAFile(m_path);
        if (!m_reason.isEmpty())
            return Outcome::Unavailable;
    }
    if (m_lock->tryLock(0))
        return Outcome::Acquired;
    if (m_lock->error() == QLockFile::LockFailedError) {
        if (heldByRunningCopy())
            return Outcome::AnotherInstance;
        if (replaceStaleLock() && m_lock->tryLock(0))
            return Outcome::Acquired;
    }
    noteFailure();
    return Outcome::Unavailable;
}

// A running copy holds the system's lock on its lock file for as long as it runs: it takes it before
// it writes its name into the file. So a lock file that no process holds is stale whatever it names:
// another machine (the folder is this machine's own), a process that ended, or a live process that
// is not a running copy of the program. Only where the system has no such locks does the name in
// the file decide.
bool SingleInstance::heldByRunningCopy() const
{
    const int file = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0)
        return false; // gone meanwhile
    const int taken = ::flock(file, LOCK_EX | LOCK_NB);
    const int error = errno;
    ::close(file); // and with it the lock just taken
    if (taken == 0)
        return false;
    if (error == EWOULDBLOCK)
        return true;
    qint64 pid = 0;
    QString host;
    QString application;
    return m_lock->getLockInfo(&pid, &host, &application);
}

// A stale lock file is removed (the toolkit takes the system's lock for that, so a copy that started
// meanwhile keeps its own); an empty folder in its place is removed as well.
bool SingleInstance::replaceStaleLock()
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
    showCannotStart(unavailableText(path, reason));
}

void SingleInstance::showCannotStart(const QString &text)
{
    QMessageBox box;
    TopMessage::dress(box);
    box.setText(text);
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
