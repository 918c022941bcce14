// SPDX-FileCopyrightText: 2026 The Gradora developers
// SPDX-License-Identifier: BSD-3-Clause

#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// The line between the running copy of the program and a second start: the running copy listens on
// a local socket in the user's runtime folder, and a second start asks it to bring its rulers to
// the front before it shows its refusal and exits. Only the copy that holds the single-instance lock
// listens, so a socket left behind by a crashed copy is safely replaced.
class InstanceChannel : public QObject
{
    Q_OBJECT
public:
    // The request a second start sends; anything else on the socket is ignored.
    static constexpr char kRaiseRequest[] = "raise\n";
    static constexpr int kConnectTimeoutMs = 2000;

    explicit InstanceChannel(const QString &folder = QString(), QObject *parent = nullptr);
    ~InstanceChannel() override;

    QString socketPath() const { return m_path; }
    // Starts listening (the running copy). False when the socket cannot be made; the program runs on.
    bool listen();
    // Asks the copy listening in the folder to come to the front. False when nobody answered.
    static bool askToRaise(const QString &folder = QString(), int timeoutMs = kConnectTimeoutMs);

Q_SIGNALS:
    void raiseRequested();

private:
    void readRequest();
    static QString pathIn(const QString &folder);

    QString m_path;
    QLocalServer *m_server = nullptr;
};
