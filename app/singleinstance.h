// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Keeps a second copy of the program from starting for the same user.
//
// The lock is a file in the user's runtime folder of this machine. The system releases it when the
// holder ends, and a lock file that no running copy holds is recognised as stale and taken over, so a
// crash never locks the user out.
class SingleInstance
{
public:
    // Fixed for all versions: two versions of the program must refuse each other.
    static constexpr const char *kInstanceKey = "5b0e2f4c-9a71-4d38-b6e2-7c1f0a93d4e5";

    explicit SingleInstance(const QString &folder = QString());
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    enum class Outcome
    {
        Acquired,        // this process holds the lock now
        AnotherInstance, // a running copy of the program holds it
        Unavailable      // no lock can be made here at all; failureReason() says why
    };

    // Only a lock held by a running copy of the program counts as another instance. A lock file that
    // names another machine, a process that is not a running copy of this user, or that cannot be
    // read (empty, garbage), is stale and replaced. Anything but a regular file at the lock's path (a
    // FIFO, a device) is never opened: Unavailable.
    Outcome tryAcquire();
    bool acquire() { return tryAcquire() == Outcome::Acquired; }
    QString lockFilePath() const { return m_path; }
    // The system's reason why the lock could not be made, after Unavailable.
    QString failureReason() const { return m_reason; }

    // The refusal shown by a second copy before it exits.
    static QString refusalText();
    static void showRefusal();
    // The message shown, before exiting with an error, where no lock can be made.
    static QString unavailableText(const QString &path, const QString &reason);
    static void showUnavailable(const QString &path, const QString &reason);
    // Any refusal to start, before exiting with an error.
    static void showCannotStart(const QString &text);

private:
    bool heldByRunningCopy() const;
    bool replaceStaleLock();
    void noteFailure();

    QString m_path;
    QString m_reason;
    std::unique_ptr<QLockFile> m_lock;
};
