// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Keeps a second copy of the program from starting for the same user.
//
// The lock is a file in the user's runtime folder. The system releases it when the holder ends, and a
// lock left behind by a process that no longer runs is recognised as stale and taken over, so a crash
// never locks the user out.
class SingleInstance
{
public:
    // Fixed for all versions: two versions of the program must refuse each other.
    static constexpr const char *kInstanceKey = "5b0e2f4c-9a71-4d38-b6e2-7c1f0a93d4e5";

    explicit SingleInstance(const QString &folder = QString());
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when this process now holds the lock. Any failure counts as another instance.
    bool acquire();
    QString lockFilePath() const { return m_path; }

    // The refusal shown by a second copy before it exits.
    static QString refusalText();
    static void showRefusal();

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
