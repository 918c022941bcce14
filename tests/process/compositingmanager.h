// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QProcess>

// A compositing manager (xcompmgr) for the cases that want one. It stops with the object, so that a case
// that fails half-way leaves none running for the next.
class CompositingManager
{
public:
    CompositingManager() = default;
    CompositingManager(const CompositingManager &) = delete;
    CompositingManager &operator=(const CompositingManager &) = delete;
    ~CompositingManager() { stop(); }

    bool start()
    {
        m_process.start(QStringLiteral("xcompmgr"), {});
        return m_process.waitForStarted();
    }
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        m_process.waitForFinished(5000);
    }

private:
    QProcess m_process;
};
